#include "menus/GUI_EndGame.h"

#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "menus/GUI_StoryScreens.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_WindowManager.h"
#include "shell/Game.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_GameMode.h"
#include "sim/SIM_Statistics.h"

#include <cmath>
#include <cstdio>

GUI_EndGame* GUI_GetEndGame()
{
    static GUI_EndGame* screen = new GUI_EndGame;
    return screen;
}

GUI_EndGame::GUI_EndGame()
{
    SetCloseOnRestart(false);
    led_.width = 14.0f;
    led_.height = 5.0f;
    led_.Rotate(90.0f);
}

float GUI_EndGame::Fraction(double value, double maximum)
{
    if (!std::isfinite(value) || !(maximum > 0.0))
        return 0.0f;
    return float(std::clamp(value / maximum, 0.0, 1.0));
}

int GUI_EndGame::LitLeds(float fraction)
{
    const float f = std::isfinite(fraction) ? std::clamp(fraction, 0.0f, 1.0f) : 0.0f;
    return std::max(1, int(kLeds * f));
}

const char* GUI_EndGame::LedTexture(int led, int lit)
{
    if (led >= lit)
        return "mix_led_black.bmp";
    if (led >= 102)
        return "mix_led_red.bmp";
    if (led >= 84)
        return "mix_led_yellow.bmp";
    return "mix_led_green.bmp";
}

void GUI_EndGame::Activate()
{
    if (active_)
        return;
    const float w = D3DEngine::W, h = D3DEngine::H;
    active_ = true;
    GUI_OpenStoryScreen(this);
    ClearButtons();
    mainMenu_ = new GUI_ButtonText("ENDGAME_MAINMENU", MainMenu, 0);
    mainMenu_->SetTooltip("ENDGAME_MAINMENU_TOOLTIP", 0);
    mainMenu_->SetPosition(w - 140.0f, h - 40.0f, w - 10.0f, h - 10.0f);
    AddButton(mainMenu_);
    continue_ = new GUI_ButtonText("ENDGAME_CONTINUE", Continue, 0);
    continue_->SetTooltip("ENDGAME_CONTINUE_TOOLTIP", 0);
    continue_->SetPosition(10.0f, h - 40.0f, 150.0f, h - 10.0f);
    AddButton(continue_);
    // Hidden buttons take no click: nothing ends the game before the verdict is read.
    mainMenu_->SetVisible(false);
    continue_->SetVisible(false);
    GUI_GetSounds()->MuteMusic();
    timer_.StartTimer();
    picture_.width = 295.0f;
    picture_.height = 691.0f;
    picture_.PlaceLocal(155.0f, h / 2.0f);
    picture_.SetTexture("gamemode_signed.jpg");
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    ChooseText();
}

void GUI_EndGame::ChooseText()
{
    title_ = GTranslation::GetString("ENDGAME_TITLE");
    text_ = GTranslation::GetString("ENDGAME_TEXT");
    fameLabel_ = GTranslation::GetString("ENDGAME_FAME");
    fortuneLabel_ = GTranslation::GetString("ENDGAME_FORTUNE");
    gigsLabel_ = GTranslation::GetString("ENDGAME_GIGSPLAYED");
    audienceLabel_ = GTranslation::GetString("ENDGAME_TOTALAUDIENCE");

    const float fame = SIM_GetFame()->GetFame();
    fameFraction_ = Fraction(fame, 250.0);
    fameVerdict_ = GTranslation::GetValueName(fameFraction_, "ENDGAME_FAME");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", std::isfinite(fame) ? double(fame) : 0.0);
    fameValue_ = buffer;

    const SIM_Statistics* stats = SIM_GetStatistics();
    const long long money = WholeNumber(stats->GetFloatCounter(SIM_Statistics::TOTAL_INCOME));
    fortuneFraction_ = Fraction(double(money), 100000.0);
    fortuneVerdict_ = GTranslation::GetValueName(fortuneFraction_, "ENDGAME_FORTUNE");
    fortuneValue_ = "$ " + NumToDelimitedChar(money);

    crowdSound_ = (fameFraction_ + fortuneFraction_) / 2.0f < 0.5f ? "data/sounds/crowd_small_clap.ogg"
                                                                  : "data/sounds/crowd_small_cheer.ogg";
    crowd_ = GUI_GetSounds()->PlaySound(crowdSound_.c_str(), false);

    gigsValue_ = NumToDelimitedChar(stats->GetIntCounter(SIM_Statistics::GIGS_PLAYED));
    audienceValue_ = NumToDelimitedChar(stats->GetIntCounter(SIM_Statistics::TOTAL_AUDIENCE));
}

void GUI_EndGame::DrawBar(float x, float y, float fraction)
{
    const int lit = LitLeds(fraction);
    for (int i = 0; i < kLeds; ++i) {
        led_.SetTexture(LedTexture(i, lit));
        const float lx = x + 5.0f * i;
        led_.PlaceLocal(lx, y);
        led_.Draw();
        led_.PlaceLocal(lx, y + 20.0f);
        led_.Draw();
    }
}

void GUI_EndGame::Draw()
{
    timer_.Update();
    const float w = D3DEngine::W;
    GetD3DEngine()->ClearScreen(0xFF000000u);
    picture_.Draw();
    if (timer_.GetElapsed() > kButtonDelayMs && mainMenu_ && continue_) {
        mainMenu_->SetVisible(true);
        continue_->SetVisible(true);
    }
    DrawButtons();
    auto text = [](float x, float y, const std::string& s, int size, float width, int align) {
        GDIText::AddChunk(x, y, s, kBoldFontName, size, width, align, 255, 255, 255);
    };
    text(300.0f, 60.0f, title_, 28, w - 300.0f, 1);
    text(300.0f, 105.0f, text_, 20, w - 320.0f, 0);
    text(300.0f, 200.0f, fameLabel_, 24, w - 370.0f, 0);
    text(300.0f, 200.0f, fameValue_, 24, w - 370.0f, 2);
    text(300.0f, 230.0f, fameVerdict_, 20, w - 320.0f, 0);
    DrawBar(300.0f, 320.0f, fameFraction_);
    text(300.0f, 400.0f, fortuneLabel_, 24, w - 370.0f, 0);
    text(300.0f, 400.0f, fortuneValue_, 24, w - 370.0f, 2);
    text(300.0f, 430.0f, fortuneVerdict_, 20, w - 320.0f, 0);
    DrawBar(300.0f, 520.0f, fortuneFraction_);
    text(300.0f, 600.0f, gigsLabel_, 20, 380.0f, 0);
    text(700.0f, 600.0f, gigsValue_, 20, 200.0f, 0);
    text(300.0f, 630.0f, audienceLabel_, 20, 380.0f, 0);
    text(700.0f, 630.0f, audienceValue_, 20, 200.0f, 0);
    GDIText::RenderChunks(-1);
}

void GUI_EndGame::Leave()
{
    GUI_GetSounds()->StopSound(crowd_);
    crowd_ = {};
    Deactivate();
    GUI_GetSounds()->ResumeMusic();
    SIM_GetStatistics()->StartTimer();
}

void GUI_EndGame::MainMenu(intptr_t)
{
    GUI_EndGame* screen = GUI_GetEndGame();
    if (!screen->active_)
        return;
    screen->Leave();
    GetGame()->SetGameInProgress(false);
    SIM_GetGameMode()->Reset();
    GetGame()->SetGameMode(Game::MODE_MAINMENU);
}

void GUI_EndGame::Continue(intptr_t)
{
    GUI_EndGame* screen = GUI_GetEndGame();
    if (!screen->active_)
        return;
    screen->Leave();
}

void GUI_EndGame::Deactivate()
{
    active_ = false;
    GUI_GetWindowManager()->RemoveModal(this);
    ClearButtons();
    mainMenu_ = continue_ = nullptr;
}

void GUI_EndGame::Clear()
{
    if (!active_)
        return;
    Leave();
}
