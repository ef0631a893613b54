#include "menus/GUI_MenuCredits.h"

#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Tooltip.h"
#include "shell/Game.h"

GUI_MenuCredits* GUI_GetMenuCredits()
{
    static GUI_MenuCredits* menu = new GUI_MenuCredits;
    return menu;
}

void GUI_MenuCredits::Activate()
{
    // Unlike the other menus, the credits do not fade in.
    GUI_GameModeBase::Activate();
    ClearButtons();
    mainMenu_ = new GUI_ButtonText("MENU_MAINMENU", MainMenu, 0);
    mainMenu_->SetTooltip("TOOLTIP_MENU_MAINMENU", 0);
    mainMenu_->SetPosition(D3DEngine::W - 220.0f, 10.0f, D3DEngine::W - 20.0f, 35.0f);
    AddButton(mainMenu_);
}

void GUI_MenuCredits::Draw()
{
    GetD3DEngine()->FillScreen("credits.jpg");
    DrawButtons();
    GDIText::RenderChunks(-1);
    // The button queues its tool tip every frame; the queue is drawn and emptied here.
    GUI_Tooltip::DrawAll();
}

void GUI_MenuCredits::HandleKey(unsigned int key)
{
    if (key == kKeyReturn || key == kKeyEscape)
        MainMenu(0);
}

void GUI_MenuCredits::MainMenu(intptr_t) { GetGame()->SetGameMode(Game::MODE_MAINMENU); }
