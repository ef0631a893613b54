#include "mainscreen/GUI_Socialise.h"

#include "career/SIM_Relax.h"
#include "engine/GTranslation.h"
#include "engine/LibTextEngine.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_ScreenFader.h"
#include "sim/SIM_GlobalVariable.h"

#include <cstdio>

GUI_WindowSlot<GUI_Socialise> GUI_Socialise::PTheWindow;

GUI_Socialise* GUI_Socialise::Create()
{
    delete PTheWindow.Get();
    return new GUI_Socialise;
}

GUI_Socialise::GUI_Socialise()
{
    PTheWindow = this;
    MakeFullScreenWindow();
    const tagRECT& r = GetRect();
    const float cx = GetCenterX();
    continue_ = new GUI_ButtonText("RELAX_CONTINUE", Finish, 0);
    continue_->SetTooltip("RELAX_CONTINUE_TOOLTIP", 0);
    continue_->SetPosition(cx - 80.0f, float(r.bottom - 30), cx + 80.0f, float(r.bottom - 8));
    AddButton(continue_);
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);

    title_ = GTranslation::GetString("SOCIALISE_TITLE");
    text_ = GTranslation::GetString("SOCIALISE_TEXT");
    picture_.width = 392.0f;
    picture_.height = 768.0f;
    picture_.SetTexture("bar_sign.jpg");

    char line[256];
    std::snprintf(line, sizeof line, "%s %.0f", GTranslation::GetString("SOCIALISE_STRESS_EFFECT"),
                  100.0 * SIM_GetGlobalVariables()->Get("RS_SOCIALISE_STRESS"));
    stressLine_ = line;
    std::snprintf(line, sizeof line, "%s +%.0f", GTranslation::GetString("SOCIALISE_HYPE_EFFECT"),
                  100.0 * SIM_GetGlobalVariables()->Get("RS_SOCIALISE_HYPE"));
    hypeLine_ = line;
    GUI_GetGUI()->SetInputHandler(this);
}

void GUI_Socialise::Finish(intptr_t)
{
    GUI_Socialise* screen = PTheWindow;
    if (!screen || screen->committed_)
        return;
    // The evening is paid and the day ended here, on the player's own say-so; the fade
    // that follows can neither repeat nor undo it, and a restart that deletes the screen
    // commits nothing.
    screen->committed_ = true;
    screen->continue_->SetEnabled(false);
    SIM_Socialise::Process();
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Close, 0);
}

void GUI_Socialise::Close(intptr_t)
{
    delete PTheWindow.Get();
}

void GUI_Socialise::Draw()
{
    const float w = D3DEngine::W, h = D3DEngine::H;
    GetD3DEngine()->ClearScreen();
    picture_.PlaceLocal(196.0f, h / 2.0f);
    picture_.Draw();
    GUI_WindowBase::Draw();
    GDIText::AddChunk(0.0f, 50.0f, title_, kBoldFontName, 32, w, 1, 255, 255, 255);
    GDIText::AddChunk(400.0f, 100.0f, text_, kBoldFontName, 19, w - 420.0f, 0, 255, 255, 255);
    GDIText::AddChunk(400.0f, 200.0f, stressLine_, kBoldFontName, 19, w - 420.0f, 0, 255, 255, 255);
    GDIText::AddChunk(400.0f, 230.0f, hypeLine_, kBoldFontName, 19, w - 420.0f, 0, 255, 255, 255);
    GDIText::RenderChunks(-1);
    GetTextEngine()->ProcessTextQueue(-1);
}
