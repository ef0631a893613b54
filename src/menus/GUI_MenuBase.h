#pragma once
// The base of the full-screen menus: a game mode that is also a button list. Its input
// goes to the buttons, and activating it fades the screen in.
#include "shell/GUIButtonList.h"
#include "shell/GUI_GameModeBase.h"

class GUI_MenuBase : public GUI_GameModeBase, public GUIButtonList {
public:
    void Draw() override {}
    void ProcessInput() override;
    void CheckClick() override;
    void Activate() override;
};
