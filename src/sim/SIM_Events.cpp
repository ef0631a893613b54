#include "sim/SIM_Events.h"

// Minimal: replaced when this class's rules are built.
SIM_Events* SIM_GetEvents()
{
    static SIM_Events* instance = new SIM_Events;
    return instance;
}

void SIM_Events::Reset()
{
    daysSinceLastEvent = 0;
    for (bool& f : fired)
        f = false;
}

void SIM_Events::NextTurn()
{
}
