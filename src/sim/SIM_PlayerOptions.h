#pragma once
// The player's options: volumes, difficulty, mouse speed, music and autosave switches.
// Minimal: replaced when this class's rules are built.

class SIM_PlayerOptions {
public:
    enum TOGGLES { TOGGLE_MUSIC = 0, TOGGLE_AUTOSAVE = 1 };

    void Load();
    void Save();
    bool GetToggle(TOGGLES toggle) const;
    void SetToggle(TOGGLES toggle, bool on);

private:
    bool toggles[2] = {false, false};
};

SIM_PlayerOptions* SIM_GetPlayerOptions();
