#include "sim/SIM_GameMode.h"

// Minimal: replaced when this class's rules are built.
SIM_GameMode* SIM_GetGameMode()
{
    static SIM_GameMode* instance = new SIM_GameMode;
    return instance;
}

void SIM_GameMode::Reset()
{
    mode = 0;
}

void SIM_GameMode::CheckForPromotion()
{
}
