#include "sim/SIM_Fame.h"

// Minimal: replaced when this class's rules are built.
SIM_Fame* SIM_GetFame()
{
    static SIM_Fame* instance = new SIM_Fame;
    return instance;
}

void SIM_Fame::Initialise()
{
}

void SIM_Fame::ProcessTurn()
{
}
