#include "savegame/SIM_SaveGame.h"

// Minimal: replaced when this class's rules are built.
SIM_SaveGame* SIM_GetSaveGame()
{
    static SIM_SaveGame* instance = new SIM_SaveGame;
    return instance;
}

void SIM_SaveGame::SaveGame(const std::string& name)
{
    (void)name;
}
