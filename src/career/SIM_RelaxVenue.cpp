#include "career/SIM_RelaxVenue.h"

// Minimal: replaced when this class's rules are built.

void SIM_RelaxVenue::Open()
{
}

void SIM_RelaxVenue::Close()
{
}
