#include "sim/SIM_Personality.h"

// Minimal: replaced when this class's rules are built.

void SIM_Personality::Open()
{
}

void SIM_Personality::Close()
{
}
