#include "menus/GUI_FMVScreen.h"

#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_WindowManager.h"

GUI_FMVScreen* GUI_GetFMV()
{
    static GUI_FMVScreen* screen = new GUI_FMVScreen;
    return screen;
}

GUI_FMVScreen::GUI_FMVScreen()
{
    // A story screen lives for the whole run; a new game clears it rather than deleting it.
    SetCloseOnRestart(false);
}

void GUI_FMVScreen::Initialise(const char* text)
{
    const std::string caption = text ? text : "";
    if (up_) {
        waiting_.push_back(caption);
        return;
    }
    Show(caption);
}

void GUI_FMVScreen::Show(const std::string& text)
{
    const float w = D3DEngine::W, h = D3DEngine::H;
    SetPosition(0.0f, 0.0f, w, h);
    ClearButtons();
    continue_ = new GUI_ButtonText("FMV_CONTINUE", Continue, 0);
    continue_->SetTooltip("FMV_CONTINUE_TOOLTIP", 0);
    continue_->SetPosition(w / 2.0f - 80.0f, h - 30.0f, w / 2.0f + 80.0f, h - 8.0f);
    AddButton(continue_);
    GUI_GetWindowManager()->AddFullscreen(this);
    text_ = text;
    timer_.StartTimer();
    continue_->SetVisible(false);
    up_ = true;
}

int GUI_FMVScreen::GreyAt(double elapsedMs)
{
    if (!(elapsedMs >= 0.0))
        return 0;
    if (elapsedMs >= kFadeInMs)
        return 255;
    return int(255.0 * elapsedMs / kFadeInMs);
}

void GUI_FMVScreen::Draw()
{
    timer_.Update();
    const double elapsed = timer_.GetElapsed();
    if (elapsed > kButtonDelayMs && continue_)
        continue_->SetVisible(true);
    const int grey = GreyAt(elapsed);
    GetD3DEngine()->ClearScreen(0xFF000000u);
    // What was queued before is not story text: it never waits for the typewriter.
    GDIText::RenderChunks(-1);
    GDIText::AddChunk(150.0f, D3DEngine::H / 2.0f - 80.0f, text_, kBoldFontName, 32, D3DEngine::W - 300.0f, 0,
                      grey, grey, grey);
    GDIText::RenderChunks(-1);
    GUI_WindowBase::Draw();
    GDIText::RenderChunks(-1);
}

void GUI_FMVScreen::Continue(intptr_t)
{
    GUI_FMVScreen* screen = GUI_GetFMV();
    if (!screen->waiting_.empty()) {
        std::string next = screen->waiting_.front();
        screen->waiting_.pop_front();
        screen->Show(next);
        return;
    }
    screen->up_ = false;
    GUI_GetWindowManager()->RemoveFullscreen(screen);
}

void GUI_FMVScreen::Clear()
{
    waiting_.clear();
    up_ = false;
    GUI_GetWindowManager()->RemoveFullscreen(this);
}
