#pragma once
// The band's career stage and its promotions.
// Minimal: replaced when this class's rules are built.

class SIM_GameMode {
public:
    void Reset();
    void CheckForPromotion();
    // The career stage: 0 dreamer, 1 amateur, 2 gigging, 3 signed.
    int GetCurrentMode() const { return mode; }
    void SetCurrentMode(int m) { mode = m; }

private:
    int mode = 0;
};

SIM_GameMode* SIM_GetGameMode();
