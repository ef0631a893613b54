#include "career/SIM_Rehearsal.h"

// Minimal: replaced when this class's rules are built.

void SIM_Rehearsal::Open()
{
}

void SIM_Rehearsal::Close()
{
}
