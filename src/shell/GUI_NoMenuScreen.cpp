#include "shell/GUI_NoMenuScreen.h"

#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_Fonts.h"
#include "shell/Game.h"

GUI_NoMenuScreen* GUI_GetNoMenuScreen()
{
    static GUI_NoMenuScreen* screen = new GUI_NoMenuScreen;
    return screen;
}

void GUI_NoMenuScreen::Draw()
{
    GetD3DEngine()->ClearScreen(0xFF2A1F26u);
    float y = D3DEngine::H / 2.0f - 30.0f;
    GDIText::AddChunk(0.0f, y, "Amplivance", kBoldFontName, 32, D3DEngine::W, 1, 240, 180, 80);
    GDIText::AddChunk(0.0f, y + 50.0f,
                      "The main menu is not built yet, so there is no game to play. Press Escape to quit.",
                      kBoldFontName, 16, D3DEngine::W, 1, 220, 220, 220);
}

void GUI_NoMenuScreen::HandleKey(unsigned int key)
{
    if (key == 53) // Escape
        GetGame()->Quit();
}
