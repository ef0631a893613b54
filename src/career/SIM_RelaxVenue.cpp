#include "career/SIM_RelaxVenue.h"

#include "career/SIM_RehearsalVenue.h"

#include "engine/CSpreadsheet.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_SIM.h"

#include <algorithm>

std::vector<SIM_RelaxVenue*> SIM_RelaxVenue::All;

SIM_RelaxVenue::SIM_RelaxVenue()
{
    All.push_back(this);
}

SIM_RelaxVenue::~SIM_RelaxVenue()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

void SIM_RelaxVenue::Open()
{
    Close();
    std::unique_ptr<CSpreadsheet> sheet = CSpreadsheet::Create(File);
    for (const std::string& row : *sheet)
        (new SIM_RelaxVenue)->ReadRow(row);
}

void SIM_RelaxVenue::Close()
{
    while (!All.empty())
        delete All.front();
}

void SIM_RelaxVenue::ReadRow(const std::string& row)
{
    CSV csv;
    csv.Initialise(row, ',');
    csv.GetNextToken(); // the row marker
    name = csv.GetNextString();
    guiname = csv.GetNextString();
    description = csv.GetNextString();
    costPerMember = csv.GetNextFloat();
    texture = csv.GetNextString();
    icon = csv.GetNextString();
    debugname = name;
    SIM_ReadModifierCells(csv, *this);
}

void SIM_RelaxVenue::Use()
{
    const float members = static_cast<float>(SIM_GetBand()->GetMembers().size());
    SIM_GetFinances()->SpendCash(costPerMember * members);
    ApplyModifiers(1.0f);
    SIM_GetSim()->EndDay();
}
