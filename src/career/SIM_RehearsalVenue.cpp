#include "career/SIM_RehearsalVenue.h"

// Minimal: replaced when this class's rules are built.

void SIM_RehearsalVenue::Open()
{
}

void SIM_RehearsalVenue::Close()
{
}
