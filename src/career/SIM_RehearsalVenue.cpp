#include "career/SIM_RehearsalVenue.h"

// Minimal: replaced when this class's rules are built.

void SIM_RehearsalVenue::Open()
{
}

void SIM_RehearsalVenue::Close()
{
}

float SIM_RehearsalVenue::GetMotivation(SIM_Musician*) const
{
    return 0.0f;
}
