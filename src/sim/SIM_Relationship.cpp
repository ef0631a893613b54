#include "sim/SIM_Relationship.h"

// Minimal: replaced when this class's rules are built.

void SIM_Relationship::Clear()
{
}

void SIM_Relationship::NextDayAll()
{
}
