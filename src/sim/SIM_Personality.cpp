#include "sim/SIM_Personality.h"

#include "engine/CSpreadsheet.h"
#include "engine/GDebugEngine.h"
#include "engine/GRandom.h"
#include "sim/GAssert.h"

#include <algorithm>

std::vector<SIM_Personality*> SIM_Personality::All;

SIM_Personality::SIM_Personality(const std::string& n, const std::string& gui, const std::string& desc)
    : guiname(gui), name(n), description(desc)
{
    All.push_back(this);
}

SIM_Personality::~SIM_Personality()
{
    auto it = std::find(All.begin(), All.end(), this);
    if (it != All.end())
        All.erase(it);
}

void SIM_Personality::Open()
{
    Close();
    std::unique_ptr<CSpreadsheet> sheet = CSpreadsheet::Create(File);
    for (const std::string& row : *sheet) {
        CSV csv;
        csv.Initialise(row, ',');
        csv.GetNextToken(); // the row marker
        std::string n = csv.GetNextString();
        std::string gui = csv.GetNextString();
        std::string desc = csv.GetNextString();
        new SIM_Personality(n, gui, desc);
    }
}

void SIM_Personality::Close()
{
    while (!All.empty())
        delete All.front();
}

SIM_Personality* SIM_Personality::GetByName(const std::string& name)
{
    GAssert(!All.empty(), __FILE__, __LINE__);
    for (SIM_Personality* personality : All)
        if (personality->name == name)
            return personality;
    DebugOutF("failed to find personality: (%s)", name.c_str());
    return nullptr;
}

SIM_Personality* SIM_Personality::GetRandom()
{
    if (All.empty()) {
        GAssert(false, __FILE__, __LINE__);
        return nullptr;
    }
    return All[GRandom::RandIndex(All.size())];
}
