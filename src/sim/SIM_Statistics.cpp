#include "sim/SIM_Statistics.h"

// Minimal: replaced when this class's rules are built.
SIM_Statistics* SIM_GetStatistics()
{
    static SIM_Statistics* instance = new SIM_Statistics;
    return instance;
}

void SIM_Statistics::Reset()
{
}
