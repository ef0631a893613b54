#include "menus/GUI_MenuMain.h"

#include "engine/GTranslation.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_ConfirmDialog.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_Tooltip.h"
#include "shell/Game.h"
#include "port/sdl/PortEvent.h"
#include "shell/Input.h"

GUI_MenuMain* GUI_GetMenuMain()
{
    static GUI_MenuMain* menu = new GUI_MenuMain;
    return menu;
}

GUI_MenuMain::GUI_MenuMain() { Activate(); }

void GUI_MenuMain::Activate()
{
    GUI_MenuBase::Activate();
    ClearButtons();
    struct Row {
        const char* key;
        const char* tooltip;
        GUI_Callback action;
        GUI_ButtonText** slot;
    };
    const Row rows[] = {
        {"MENU_STARTGAME", "TOOLTIP_MENU_STARTGAME", StartGame, &start_},
        {"MENU_OPTIONS", "TOOLTIP_MENU_OPTIONS", Options, &options_},
        {"MENU_SAVEGAME", "TOOLTIP_MENU_SAVEGAME", SaveGame, &save_},
        {"MENU_LOADGAME", "TOOLTIP_MENU_LOADGAME", LoadGame, &load_},
        {"MENU_QUITGAME", "TOOLTIP_MENU_QUITGAME", AttemptQuitGame, &quit_},
        {"MENU_RESUMEGAME", "TOOLTIP_MENU_RESUMEGAME", Resume, &resume_},
        {"MENU_CREDITS", "TOOLTIP_MENU_CREDITS", Credits, &credits_},
    };
    const float x = D3DEngine::W / 2.0f - 90.0f;
    float y = D3DEngine::H / 2.0f - 125.0f;
    for (const Row& row : rows) {
        auto* button = new GUI_ButtonText(row.key, row.action, 0);
        button->SetTooltip(row.tooltip, 0);
        button->SetPosition(x, y, x + 180.0f, y + 25.0f);
        AddButton(button);
        *row.slot = button;
        y += 35.0f;
    }
    // From the very first frame: a click before the first draw must not find them usable.
    ShowGameButtons();
}

void GUI_MenuMain::ShowGameButtons()
{
    const bool inProgress = GetGame()->GetGameInProgress();
    save_->SetVisible(inProgress);
    resume_->SetVisible(inProgress);
}

void GUI_MenuMain::Draw()
{
    ShowGameButtons();
    D3DEngine* d3d = GetD3DEngine();
    d3d->FillScreen("base_background.bmp");
    // The version in the bottom-right corner, kept off the screen's edges.
    const float margin = 12.0f;
    GDIText::AddChunk(D3DEngine::W - 200.0f - margin, D3DEngine::H - 15.0f - margin,
                      GetGame()->GetVersionString(), kBoldFontName, 14, 200.0f, 2, 255, 255, 255);
    DrawButtons();
    GDIText::RenderChunks(-1);
    if (GUI_ConfirmDialog::PTheWindow)
        GUI_ConfirmDialog::PTheWindow->Draw();
    GUI_Tooltip::DrawAll();
}

void GUI_MenuMain::HandleKey(unsigned int key)
{
    if (key == kKeyReturn && GetInput()->KeyDown(kKeyCommand)) {
        GetGame()->ToggleFullscreen();
    } else if (key == kKeyEscape) {
        // With the question up, Escape answers it with no.
        if (GUI_ConfirmDialog::PTheWindow)
            GUI_ConfirmDialog::Close(0);
        else
            AttemptQuitGame(0);
    }
}

void GUI_MenuMain::ProcessInput()
{
    if (GUI_ConfirmDialog* dialog = GUI_ConfirmDialog::PTheWindow)
        dialog->ProcessInput();
    else
        GUI_MenuBase::ProcessInput();
}

void GUI_MenuMain::CheckClick()
{
    if (GUI_ConfirmDialog* dialog = GUI_ConfirmDialog::PTheWindow)
        dialog->CheckClick(GetInput()->MouseX(), GetInput()->MouseY());
    else
        GUI_MenuBase::CheckClick();
}

void GUI_MenuMain::StartGame(intptr_t) { GetGame()->SetGameMode(Game::MODE_NEWGAME); }

void GUI_MenuMain::Options(intptr_t) { GetGame()->SetGameMode(Game::MODE_OPTIONS); }

void GUI_MenuMain::SaveGame(intptr_t)
{
    if (GetGame()->GetGameInProgress())
        GetGame()->SetGameMode(Game::MODE_SAVE);
}

void GUI_MenuMain::LoadGame(intptr_t) { GetGame()->SetGameMode(Game::MODE_LOAD); }

void GUI_MenuMain::Resume(intptr_t)
{
    if (GetGame()->GetGameInProgress())
        GetGame()->SetGameMode(Game::MODE_GUI);
}

void GUI_MenuMain::Credits(intptr_t) { GetGame()->SetGameMode(Game::MODE_CREDITS); }

void GUI_MenuMain::AttemptQuitGame(intptr_t)
{
    GUI_ConfirmDialog::Create(GTranslation::GetString("CONFIRM_APP_QUIT_TEXT"),
                              GTranslation::GetString("CONFIRM_APP_QUIT_TITLE"), QuitGame);
}

void GUI_MenuMain::QuitGame(intptr_t) { GetGame()->Quit(); }
