#include "career/SIM_EndorsementManager.h"

// Minimal: replaced when this class's rules are built.
SIM_EndorsementManager* SIM_GetEndorsements()
{
    static SIM_EndorsementManager* instance = new SIM_EndorsementManager;
    return instance;
}

void SIM_EndorsementManager::Initialise()
{
}

void SIM_EndorsementManager::NextDay()
{
}
