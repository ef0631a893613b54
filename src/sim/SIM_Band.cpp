#include "sim/SIM_Band.h"

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
