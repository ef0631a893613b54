#pragma once
// The first screen while the game has no main menu: a plain notice, and Escape quits.
#include "shell/GUI_GameModeBase.h"

class GUI_NoMenuScreen : public GUI_GameModeBase {
public:
    void Draw() override;
    void HandleKey(unsigned int key) override;
};

GUI_NoMenuScreen* GUI_GetNoMenuScreen();
