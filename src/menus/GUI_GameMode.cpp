#include "menus/GUI_GameMode.h"

#include "engine/GTranslation.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_WindowManager.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_GameMode.h"

#include <cmath>

namespace {

// The stage the career has reached and its title and story, as the career keeps them.
struct StageText {
    int stage = 0;
    std::string title;
    std::string description;
};

StageText CurrentStageText()
{
    const SIM_GameMode* career = SIM_GetGameMode();
    StageText text;
    text.stage = career->GetCurrentMode();
    text.title = career->GetTitle();
    text.description = career->GetDescription();
    return text;
}

} // namespace

GUI_GameMode* GUI_GetGameMode()
{
    static GUI_GameMode* screen = new GUI_GameMode;
    return screen;
}

GUI_GameMode::GUI_GameMode()
{
    // A story screen lives for the whole run; a new game clears it rather than deleting it.
    SetCloseOnRestart(false);
}

const char* GUI_GameMode::PictureOf(int stage)
{
    switch (stage) {
    case 1:
        return "gamemode_amateur.jpg";
    case 2:
        return "gamemode_gigging.jpg";
    case 3:
        return "gamemode_signed.jpg";
    default:
        return "gamemode_dreamer.jpg";
    }
}

int GUI_GameMode::CharactersShown(double elapsedMs, const std::string& title)
{
    double typed = elapsedMs / kMsPerCharacter;
    if (!(typed >= 0.0))
        typed = 0.0;
    typed = std::min(typed, 1.0e6);
    return int(typed) + int(title.size());
}

void GUI_GameMode::Initialise()
{
    const float w = D3DEngine::W, h = D3DEngine::H;
    SetPosition(0.0f, 0.0f, w, h);
    GUI_GetWindowManager()->AddFullscreen(this);
    ClearButtons();
    continue_ = new GUI_ButtonText("GAMEMODE_CONTINUE", Continue, 0);
    continue_->SetTooltip("GAMEMODE_CONTINUE_TOOLTIP", 0);
    continue_->SetPosition(w - 200.0f, h - 30.0f, w - 20.0f, h - 8.0f);
    AddButton(continue_);
    continue_->SetVisible(false);

    const StageText stage = CurrentStageText();
    stage_ = stage.stage;
    title_ = stage.title;
    picture_.width = 295.0f;
    picture_.height = 691.0f;
    picture_.PlaceLocal(155.0f, h / 2.0f);
    picture_.SetTexture(PictureOf(stage_));

    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    GUI_GetGUI()->SetInputHandler(this);
    timer_.StartTimer();
    description_ = stage.description;
    GTranslation::ReplaceToken(description_, "<BANDNAME>", SIM_GetBand()->GetName());
    background_.SetTexture("leather.jpg");
    up_ = true;
    closing_ = false;
}

void GUI_GameMode::Draw()
{
    timer_.Update();
    const float w = D3DEngine::W;
    GetD3DEngine()->FillScreen(background_);
    picture_.Draw();
    // Only the story is typed out: whatever was queued before shows in full.
    GDIText::RenderChunks(-1);
    GDIText::AddChunk(350.0f, 100.0f, title_, kBoldFontName, 36, w - 400.0f, 1, 255, 255, 255);
    GDIText::AddChunk(350.0f, 200.0f, description_, kBoldFontName, 22, w - 400.0f, 0, 255, 255, 255);
    GDIText::RenderChunks(CharactersShown(timer_.GetElapsed(), title_));
    if (timer_.GetElapsed() > kButtonDelayMs && continue_ && !closing_)
        continue_->SetVisible(true);
    DrawButtons();
    GDIText::RenderChunks(-1);
}

void GUI_GameMode::HandleKey(unsigned int key)
{
    if (key == kKeyReturn || key == kKeyEscape)
        Continue(0);
}

void GUI_GameMode::Continue(intptr_t)
{
    GUI_GameMode* screen = GUI_GetGameMode();
    if (!screen->up_ || screen->closing_)
        return;
    screen->closing_ = true;
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Close, 0);
}

void GUI_GameMode::Close(intptr_t)
{
    GUI_GameMode* screen = GUI_GetGameMode();
    if (!screen->up_)
        return;
    screen->up_ = false;
    screen->closing_ = false;
    GUI_GetWindowManager()->RemoveFullscreen(screen);
    GUI_GetGUI()->RemoveInputHandler(screen);
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    if (SIM_GetGameMode()->GetCurrentMode() == SIM_GameMode::DREAMER)
        GUI_HintHelp::Launch("introduction");
}

void GUI_GameMode::Clear()
{
    GUI_GetFader()->CancelCallback(Close);
    up_ = false;
    closing_ = false;
    GUI_GetWindowManager()->RemoveFullscreen(this);
    GUI_GetGUI()->RemoveInputHandler(this);
}
