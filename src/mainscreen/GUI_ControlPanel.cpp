#include "mainscreen/GUI_ControlPanel.h"

#include "engine/GTranslation.h"
#include "shell/GUI_ConfirmDialog.h"
#include "shell/Game.h"

void GUI_ControlPanel::AttemptQuitGame(intptr_t)
{
    GUI_ConfirmDialog::Create(GTranslation::GetString("CONFIRM_ATTEMPT_QUIT_TEXT"),
                              GTranslation::GetString("CONFIRM_ATTEMPT_QUIT_TITLE"), QuitGame);
}

void GUI_ControlPanel::QuitGame(intptr_t) { GetGame()->SetGameMode(Game::MODE_MAINMENU); }
