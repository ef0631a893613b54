#pragma once
// The band's career stage and its promotions.
// Minimal: replaced when this class's rules are built.

class SIM_GameMode {
public:
    void Reset();
    void CheckForPromotion();
};

SIM_GameMode* SIM_GetGameMode();
