#pragma once
// Writes the whole game to a save file.
// Minimal: replaced when this class's rules are built.
#include <string>

class SIM_SaveGame {
public:
    void SaveGame(const std::string& name);
};

SIM_SaveGame* SIM_GetSaveGame();
