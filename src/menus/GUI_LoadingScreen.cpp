#include "menus/GUI_LoadingScreen.h"

#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/D3DEngine.h"

#include <algorithm>

GUI_LoadingScreen* GUI_GetLoadingScreen()
{
    static GUI_LoadingScreen* screen = new GUI_LoadingScreen;
    return screen;
}

void GUI_LoadingScreen::Draw(float fraction)
{
    const float W = D3DEngine::W;
    const float H = D3DEngine::H;
    SetRect(&frame_, int(W / 2 - 140), int(H - 35), int(W / 2 + 140), int(H - 20));
    D3DEngine* d3d = GetD3DEngine();
    d3d->BeginRender();
    d3d->FillScreen("leather.jpg");

    const int filled = int(280.0f * std::clamp(fraction, 0.0f, 1.0f));
    if (filled > 0) {
        CTexturedSprite bar;
        bar.SetTexture("progbar.bmp");
        bar.width = float(filled);
        bar.height = float(frame_.bottom - frame_.top);
        bar.SetVertexColor(255, 255, 255, 255);
        bar.PlaceLocal(float(frame_.left) + filled / 2.0f, (frame_.top + frame_.bottom) / 2.0f);
        bar.Draw();
    }
    d3d->SetTexture(0, 0);
    d3d->FrameRect(frame_, 0xFFFFFFFFu);
    d3d->EndRender();
    d3d->Flip();
}
