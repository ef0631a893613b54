#include "sim/SIM_Auditionee.h"

// Minimal: replaced when this class's rules are built.

void SIM_Auditionee::Open()
{
}

void SIM_Auditionee::Close()
{
}
