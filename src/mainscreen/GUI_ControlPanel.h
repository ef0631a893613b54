#pragma once
// The main screen's control panel of daily activities. Its buttons come with the main
// screen; for now it offers the quit question that Escape asks in the game.
#include <cstdint>

class GUI_ControlPanel {
public:
    // Asks whether to leave the game for the main menu (unsaved progress is lost).
    static void AttemptQuitGame(intptr_t);
    static void QuitGame(intptr_t);
};
