#include "sim/SIM_Band.h"

#include "sim/SIM_Musician.h"

// Minimal: replaced when this class's rules are built.
SIM_Band* SIM_GetBand()
{
    static SIM_Band* instance = new SIM_Band;
    return instance;
}

void SIM_Band::ClearMembers()
{
    members.clear();
}

void SIM_Band::InitialiseData()
{
    yearcount = 0;
}

void SIM_Band::Recalculate()
{
}

void SIM_Band::NextDay()
{
}

void SIM_Band::AddMusician(SIM_Musician* musician)
{
    if (musician)
        members.push_back(musician);
}

void SIM_Band::ApplyToAttribute(const std::string&, float, float, const std::string&)
{
}

int SIM_Band::CountPersonalities(const std::string& name) const
{
    int count = 0;
    for (const SIM_Musician* member : members)
        if (member->HasPersonality(name))
            ++count;
    return count;
}
