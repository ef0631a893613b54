#pragma once
// The credits: one full-screen picture and a way back to the main menu (its button,
// Return or Escape).
#include "menus/GUI_MenuBase.h"

#include <cstdint>

class GUI_ButtonText;

class GUI_MenuCredits : public GUI_MenuBase {
public:
    void Activate() override;
    void Draw() override;
    void HandleKey(unsigned int key) override;
    static void MainMenu(intptr_t);

    GUI_ButtonText* GetMainMenuButton() const { return mainMenu_; }

private:
    GUI_ButtonText* mainMenu_ = nullptr; // owned through the button list
};

GUI_MenuCredits* GUI_GetMenuCredits();
