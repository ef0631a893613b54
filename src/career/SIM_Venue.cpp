#include "career/SIM_Venue.h"

#include "career/SIM_Gig.h"
#include "engine/CSpreadsheet.h"
#include "sim/GAssert.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_NamedValue.h"

#include <algorithm>
#include <memory>

std::vector<SIM_Venue*> SIM_Venue::All;

SIM_Venue::SIM_Venue()
{
    All.push_back(this);
}

SIM_Venue::~SIM_Venue()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
    SIM_Gig::VenueDeleted(this);
}

void SIM_Venue::Open()
{
    Close();
    std::unique_ptr<CSpreadsheet> sheet = CSpreadsheet::Create(File);
    for (const std::string& row : *sheet) {
        auto venue = std::make_unique<SIM_Venue>();
        if (venue->ReadRow(row))
            venue.release(); // All owns it now
    }
}

void SIM_Venue::Close()
{
    while (!All.empty())
        delete All.front();
}

SIM_Venue* SIM_Venue::GetByName(const std::string& name)
{
    for (SIM_Venue* venue : All)
        if (venue->name == name)
            return venue;
    GError("Failed to find venue", __FILE__, __LINE__);
    return nullptr;
}

void SIM_Venue::ProcessAll()
{
    for (SIM_Venue* venue : All)
        venue->Process();
}

bool SIM_Venue::ReadRow(const std::string& row)
{
    CSV csv;
    csv.Initialise(row, ',');
    csv.GetNextToken(); // the row marker
    name = csv.GetNextString();
    guiname = csv.GetNextString();
    const std::string typeName = csv.GetNextString();
    minFame = csv.GetNextFloat();
    minFameBoost = csv.GetNextFloat();
    maxFameBoost = csv.GetNextFloat();
    capacity = csv.GetNextInt();
    rental = csv.GetNextFloat();
    needsManager = csv.GetNextInt() != 0;
    ticketPrice = csv.GetNextFloat();
    qualityExpectation = csv.GetNextFloat();
    stageShowExpectation = csv.GetNextFloat();
    personHeight = csv.GetNextFloat();
    description = csv.GetNextString();
    sprite = csv.GetNextString();
    backdrop = csv.GetNextString();
    type = LOCAL;
    if (typeName == "DISTANT")
        type = DISTANT;
    else if (typeName != "LOCAL")
        GError("Invalid venue type", __FILE__, __LINE__);
    // Negated comparisons refuse NaN too.
    if (!(capacity >= 1) || !(qualityExpectation >= 0.01f) || !(stageShowExpectation >= 0.01f)) {
        GError(("Invalid venue row (capacity or expectation): " + name).c_str(), __FILE__, __LINE__);
        return false;
    }
    return true;
}

float SIM_Venue::GetFameBoost(float q) const
{
    if (q < 0.2f)
        return -0.2f * (0.2f - q) / 0.2f;
    if (q > 0.5f)
        return minFameBoost + (maxFameBoost - minFameBoost) * 2.0f * (q - 0.5f);
    return 0.0f;
}

void SIM_Venue::SetBoredom(float value)
{
    boredom = std::clamp(value, 0.0f, 1.0f);
}

void SIM_Venue::Process()
{
    SetBoredom(boredom - SIM_GetGlobalVariables()->Get("RS_VENUE_BOREDOM_DECREASE"));
}

bool SIM_Venue::Bookable() const
{
    return !needsManager || SIM_NamedValueList::Globals().IsTrue("manager");
}

bool SIM_Venue::Reachable() const
{
    if (type == LOCAL)
        return true;
    if (type == DISTANT) {
        const SIM_NamedValueList& globals = SIM_NamedValueList::Globals();
        return globals.IsTrue("cheap van") || globals.IsTrue("tour bus");
    }
    return false;
}
