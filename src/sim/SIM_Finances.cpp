#include "sim/SIM_Finances.h"

// Minimal: replaced when this class's rules are built.
SIM_Finances* SIM_GetFinances()
{
    static SIM_Finances* instance = new SIM_Finances;
    return instance;
}

void SIM_Finances::Reset()
{
}

void SIM_Finances::AddCash(float amount)
{
    (void)amount;
}
