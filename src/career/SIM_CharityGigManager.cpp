#include "career/SIM_CharityGigManager.h"

// Minimal: replaced when this class's rules are built.
SIM_CharityGigManager* SIM_GetCharityGigManager()
{
    static SIM_CharityGigManager* instance = new SIM_CharityGigManager;
    return instance;
}

void SIM_CharityGigManager::GenerateGigs()
{
}
