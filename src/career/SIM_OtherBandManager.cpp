#include "career/SIM_OtherBandManager.h"

// Minimal: replaced when this class's rules are built.
SIM_OtherBandManager* SIM_GetOtherBands()
{
    static SIM_OtherBandManager* instance = new SIM_OtherBandManager;
    return instance;
}

void SIM_OtherBandManager::Open()
{
}

void SIM_OtherBandManager::Close()
{
}

void SIM_OtherBandManager::GenerateGigs()
{
}
