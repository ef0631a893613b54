#pragma once
// The player's options: volumes, difficulty, mouse speed, music and autosave switches.
// Minimal: replaced when this class's rules are built.

#include <string>

class SIM_PlayerOptions {
public:
    enum TOGGLES { TOGGLE_MUSIC = 0, TOGGLE_AUTOSAVE = 1 };

    void Load();
    void Save();
    bool GetToggle(TOGGLES toggle) const;
    void SetToggle(TOGGLES toggle, bool on);
    // The player's id on the community page; empty until one is given.
    const std::string& GetUniqueID() const { return uniqueID; }
    void SetUniqueID(const std::string& id) { uniqueID = id; }

private:
    bool toggles[2] = {false, false};
    std::string uniqueID;
};

SIM_PlayerOptions* SIM_GetPlayerOptions();
