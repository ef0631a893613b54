#include "sim/SIM_Riza.h"

// Minimal: replaced when this class's rules are built.
SIM_Riza* SIM_GetRiza()
{
    static SIM_Riza* instance = new SIM_Riza;
    return instance;
}

void SIM_Riza::Initialise()
{
}

void SIM_Riza::RecalcAttributes()
{
}
