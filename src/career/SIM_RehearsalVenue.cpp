#include "career/SIM_RehearsalVenue.h"

#include "engine/CSpreadsheet.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Musician.h"

#include <algorithm>

std::vector<SIM_RehearsalVenue*> SIM_RehearsalVenue::All;

namespace {
// The longest modifier text a row may give.
const size_t kMaxModifier = 127;
}

void SIM_ReadModifierCells(CSV& csv, SIM_ModifierContainer& row)
{
    while (!csv.Finished())
        row.AddModifier(csv.GetNextString().substr(0, kMaxModifier).c_str());
}

SIM_RehearsalVenue::SIM_RehearsalVenue()
{
    All.push_back(this);
}

SIM_RehearsalVenue::~SIM_RehearsalVenue()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

void SIM_RehearsalVenue::Open()
{
    Close();
    std::unique_ptr<CSpreadsheet> sheet = CSpreadsheet::Create(File);
    for (const std::string& row : *sheet)
        (new SIM_RehearsalVenue)->ReadRow(row);
}

void SIM_RehearsalVenue::Close()
{
    while (!All.empty())
        delete All.front();
}

void SIM_RehearsalVenue::ReadRow(const std::string& row)
{
    CSV csv;
    csv.Initialise(row, ',');
    csv.GetNextToken(); // the row marker
    name = csv.GetNextString();
    guiname = csv.GetNextString();
    description = csv.GetNextString();
    level = csv.GetNextInt();
    minimum = csv.GetNextFloat();
    maximum = csv.GetNextFloat();
    cost = csv.GetNextFloat();
    image = csv.GetNextString();
    csv.GetNextToken(); // not used
    debugname = name;
    SIM_ReadModifierCells(csv, *this);
}

float SIM_RehearsalVenue::GetMotivation(SIM_Musician* musician) const
{
    if (!musician)
        return 0.0f;
    SIM_GlobalVariable* gv = SIM_GetGlobalVariables();
    const float e = static_cast<float>(static_cast<int>(SIM_GetFame()->GetFame() * musician->GetEgo()));
    // The last room whose range holds the expectation sets it.
    int expected = 0;
    for (const SIM_RehearsalVenue* room : All)
        if (room->minimum <= e && e <= room->maximum)
            expected = room->level;
    float effect = static_cast<float>(level - expected) * gv->Get("RS_MOTIVE_EFFECT_REHEARSAL");
    if (effect < gv->Get("RS_MOTIVE_EFFECT_REHEARSAL_MIN"))
        effect = gv->Get("RS_MOTIVE_EFFECT_REHEARSAL_MIN");
    if (effect > gv->Get("RS_MOTIVE_EFFECT_REHEARSAL_MAX"))
        effect = gv->Get("RS_MOTIVE_EFFECT_REHEARSAL_MAX");
    return effect;
}

void SIM_RehearsalVenue::Use()
{
    SIM_GetBand()->CalculateRehearsal();
}
