#include "sim/SIM_PlayerOptions.h"

// Minimal: replaced when this class's rules are built.
SIM_PlayerOptions* SIM_GetPlayerOptions()
{
    static SIM_PlayerOptions* instance = new SIM_PlayerOptions;
    return instance;
}

void SIM_PlayerOptions::Load()
{
}

void SIM_PlayerOptions::Save()
{
}

bool SIM_PlayerOptions::GetToggle(TOGGLES toggle) const
{
    return toggle >= 0 && toggle <= 1 && toggles[toggle];
}

void SIM_PlayerOptions::SetToggle(TOGGLES toggle, bool on)
{
    if (toggle >= 0 && toggle <= 1)
        toggles[toggle] = on;
}
