#pragma once
// The main menu: the first screen after start-up and the hub of the other menus. Save and
// resume are only offered while a game is in progress.
#include "menus/GUI_MenuBase.h"

#include <cstdint>

class GUI_ButtonText;

class GUI_MenuMain : public GUI_MenuBase {
public:
    GUI_MenuMain();
    void Draw() override;
    void HandleKey(unsigned int key) override;
    void ProcessInput() override;
    void CheckClick() override;
    // Builds the buttons again (every time the menu becomes current).
    void Activate() override;

    static void StartGame(intptr_t);
    static void Options(intptr_t);
    static void SaveGame(intptr_t);
    static void LoadGame(intptr_t);
    static void Resume(intptr_t);
    static void Credits(intptr_t);
    static void AttemptQuitGame(intptr_t);
    static void QuitGame(intptr_t);

    GUI_ButtonText* GetStartButton() const { return start_; }
    GUI_ButtonText* GetSaveButton() const { return save_; }
    GUI_ButtonText* GetResumeButton() const { return resume_; }

private:
    void ShowGameButtons();

    GUI_ButtonText* start_ = nullptr; // owned through the button list
    GUI_ButtonText* options_ = nullptr;
    GUI_ButtonText* save_ = nullptr;
    GUI_ButtonText* load_ = nullptr;
    GUI_ButtonText* quit_ = nullptr;
    GUI_ButtonText* resume_ = nullptr;
    GUI_ButtonText* credits_ = nullptr;
};

GUI_MenuMain* GUI_GetMenuMain();
