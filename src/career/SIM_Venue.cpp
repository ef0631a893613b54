#include "career/SIM_Venue.h"

// Minimal: replaced when this class's rules are built.

void SIM_Venue::Open()
{
}

void SIM_Venue::Close()
{
}

void SIM_Venue::ProcessAll()
{
}
