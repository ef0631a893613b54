#include "show/GUI_MixingGame.h"

#include "career/SIM_Album.h"
#include "career/SIM_RecordingStudio.h"
#include "engine/GRandom.h"
#include "engine/GTranslation.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_DayEnd.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_WindowManager.h"
#include "shell/Input.h"
#include "sim/GAssert.h"
#include "sim/SIM_SIM.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
constexpr float kPulseMs = 400.0f;
constexpr float kLedStep = 5.0f;
} // namespace

const char* GUI_MixerLedTexture(int row, int rows, int lit)
{
    if (row >= lit)
        return "mix_led_black.bmp";
    if (row >= int(0.85f * float(rows)))
        return "mix_led_red.bmp";
    if (row >= int(0.7f * float(rows)))
        return "mix_led_yellow.bmp";
    return "mix_led_green.bmp";
}

// ---------------------------------------------------------------------------------------
// A fader

GUI_Mixer::GUI_Mixer()
{
    strip_.SetTexture("mix_strip.bmp");
    strip_.width = 50.0f;
    strip_.height = 400.0f;
    knob_.SetTexture("mix_fader.bmp");
    knob_.width = kKnobWidth;
    knob_.height = kKnobHeight;
}

void GUI_Mixer::Setup(GUI_Mixer* partner, float ratio, MIXERSTYLE style, float target)
{
    GAssert(partner != nullptr, __FILE__, __LINE__);
    GAssert(ratio >= 0.0f && ratio <= 20.0f, __FILE__, __LINE__);
    GAssert(target >= 0.0f && target <= 1.0f, __FILE__, __LINE__);
    partner_ = partner;
    ratio_ = ratio;
    style_ = style;
    target_ = target;
    pulseTimer_.StartTimer();
    pulse_ = 1.0f;
}

float GUI_Mixer::GetQuality() const
{
    if (style_ != MIXERSTYLE_LINKED || !partner_)
        return 0.0f;
    const float other = partner_->position_;
    // A silent partner leaves no ratio to judge: nothing scores against it.
    if (other <= 0.0f)
        return 0.0f;
    return std::clamp(1.0f - std::fabs(position_ / other - ratio_), 0.0f, 1.0f);
}

V2 GUI_Mixer::KnobCentre() const
{
    return V2(GetCenterX(), float(rect.bottom) - position_ * float(GetHeight()));
}

bool GUI_Mixer::CheckClick(float x, float y)
{
    const GUI_MixingGame* game = GUI_MixingGame::PTheWindow;
    if (!game || !game->Started() || game->Finished())
        return false;
    const V2 c = KnobCentre();
    if (std::fabs(x - c.x) > kKnobWidth / 2.0f || std::fabs(y - c.y) > kKnobHeight / 2.0f)
        return false;
    dragging_ = true;
    dragOffset_ = V2(x - c.x, y - c.y);
    return true;
}

void GUI_Mixer::Draw()
{
    strip_.PlaceLocal(GetCenterX(), GetCenterY());
    strip_.Draw();
    const GUI_MixingGame* game = GUI_MixingGame::PTheWindow;
    const bool finished = !game || game->Finished();
    CInput* input = GetInput();
    if (dragging_ && input->IsLeftButtonDown() && !finished) {
        const float y = std::clamp(input->MouseY(), float(rect.top), float(rect.bottom));
        position_ = std::clamp((float(rect.bottom) - y) / float(GetHeight()), 0.0f, 1.0f);
    } else {
        dragging_ = false;
    }
    DrawLeds();
    const V2 c = KnobCentre();
    knob_.PlaceLocal(c.x, c.y);
    knob_.Draw();
}

void GUI_Mixer::DrawLeds()
{
    const GUI_MixingGame* game = GUI_MixingGame::PTheWindow;
    if (game && !game->Finished()) {
        pulseTimer_.Update();
        if (pulseTimer_.GetElapsed() > kPulseMs) {
            pulseTimer_.StartTimer();
            pulse_ = 1.0f;
        }
    } else {
        pulse_ = 1.0f;
    }
    const float quality = GetQuality();
    const float shown = 0.5f * pulse_ * quality + 0.5f * quality;
    const int rows = int(400.0f / 2.0f / kLedStep);
    const int lit = int(float(rows) * shown);
    CTexturedSprite led;
    led.width = 14.0f;
    led.height = 5.0f;
    float y = float(int(strip_.Bottom()));
    for (int row = 0; row < rows; ++row, y -= kLedStep) {
        led.SetTexture(GUI_MixerLedTexture(row, rows, lit));
        led.PlaceLocal(strip_.Right() + 17.0f, y - 2.5f);
        led.Draw();
    }
    pulse_ = std::clamp(pulse_ - 0.02f * GUI_GetGUI()->GetRenderThrottle(), 0.0f, 1.0f);
}

// ---------------------------------------------------------------------------------------
// The game

GUI_WindowSlot<GUI_MixingGame> GUI_MixingGame::PTheWindow;

void GUI_MixingGame::Create()
{
    delete PTheWindow.Get();
    new GUI_MixingGame();
}

GUI_MixingGame::GUI_MixingGame()
{
    PTheWindow = this;
    MakeFullScreenWindow();
    AddToGUI();
    // The keys stay here while the desk is up (no key does anything): none reaches the
    // quit question beneath.
    GUI_GetGUI()->SetInputHandler(this);
    const float w = D3DEngine::W, h = D3DEngine::H;
    finish_ = new GUI_ButtonText("NEWALBUM_FINISH", Finish, 0);
    finish_->SetTooltip("NEWALBUM_FINISH_TOOLTIP", 0);
    finish_->SetPosition(w - 180.0f, h - 30.0f, w - 40.0f, h - 8.0f);
    finish_->SetVisible(false);
    start_ = new GUI_ButtonText("MIXING_START", Start, 0);
    start_->SetTooltip("MIXING_START_TOOLTIP", 0);
    start_->SetPosition(w - 180.0f, h - 30.0f, w - 40.0f, h - 8.0f);
    AddButton(finish_);
    AddButton(start_);
    Populate();
    readout_.SetTexture("mix_readout.bmp");
    readout_.width = 120.0f;
    readout_.height = 400.0f;
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    GUI_HintHelp::Launch("mixing game");
}

GUI_MixingGame::~GUI_MixingGame()
{
    GUI_GetWindowManager()->RemoveFullscreen(this);
    GUI_GetGUI()->RemoveInputHandler(this);
}

void GUI_MixingGame::Populate()
{
    for (int i = 0; i < kFaders; ++i) {
        auto* fader = new GUI_Mixer();
        fader->SetPosition(112.0f + 80.0f * float(i), 227.0f, 162.0f + 80.0f * float(i), 607.0f);
        AddChild(fader);
        faders_[size_t(i)] = fader;
        targets_[size_t(i)] = GRandom::RandReal(0.1f, 0.9f);
    }
    while (!LinkFaders()) {
    }
}

bool GUI_MixingGame::LinkFaders()
{
    std::vector<int> candidates;
    for (int i = 0; i < kFaders; ++i)
        candidates.push_back(i);
    for (int i = 0; i < kFaders; ++i) {
        const auto self = std::find(candidates.begin(), candidates.end(), i);
        const bool tookSelf = self != candidates.end();
        if (tookSelf)
            candidates.erase(self);
        if (candidates.empty())
            return false;
        const size_t pick = size_t(std::rand()) % candidates.size();
        const int j = candidates[pick];
        faders_[size_t(i)]->Setup(faders_[size_t(j)], targets_[size_t(i)] / targets_[size_t(j)],
                                  GUI_Mixer::MIXERSTYLE_LINKED, targets_[size_t(i)]);
        candidates.erase(candidates.begin() + std::ptrdiff_t(pick));
        if (tookSelf)
            candidates.push_back(i);
    }
    return true;
}

float GUI_MixingGame::QualityOf(float a)
{
    return 0.25f * std::min(a, 0.5f) + 1.5f * std::max(a - 0.5f, 0.0f);
}

float GUI_MixingGame::GetQuality() const
{
    float sum = 0.0f;
    for (const GUI_Mixer* f : faders_)
        sum += f ? f->GetQuality() : 0.0f;
    return QualityOf(sum / float(kFaders));
}

void GUI_MixingGame::Start(intptr_t)
{
    GUI_MixingGame* game = PTheWindow;
    if (!game || game->started_)
        return;
    game->started_ = true;
    game->timer_.StartTimer();
    game->start_->SetVisible(false);
}

void GUI_MixingGame::EndTimer()
{
    if (finished_)
        return;
    finished_ = true;
    finish_->SetVisible(true);
    const float quality = GetQuality();
    char text[128];
    std::snprintf(text, sizeof text, "%s %.2f%%", GTranslation::GetString("MIXER_QUALITY"), 100.0 * quality);
    result_ = text;
    // The studio day is taken here, once: from now on the day is spent.
    committed_ = true;
    SIM_Album* album = SIM_Album::GetAlbumInDevelopment();
    SIM_RecordingStudio* studio = SIM_RecordingStudio::GetCurrentStudio();
    GAssert(album != nullptr && studio != nullptr, __FILE__, __LINE__);
    if (album && studio) {
        album->AddStudioTime(studio, quality);
        studio->Use(album);
    }
}

void GUI_MixingGame::DrawTimer()
{
    float t = 0.0f;
    if (started_ && !finished_) {
        timer_.Update();
        t = std::clamp(float(timer_.GetElapsed()) / kGameMs, 0.0f, 1.0f);
        if (t >= 1.0f) {
            EndTimer();
            return;
        }
    }
    CTexturedSprite block;
    block.SetTexture("mix_timer.bmp");
    block.width = 5.0f;
    block.height = 26.0f;
    const int done = int(float(kTimerBlocks) * t);
    for (int i = 0; i < kTimerBlocks; ++i) {
        block.PlaceLocal(117.0f + 6.0f * float(i) + 2.5f, 177.0f + 13.0f);
        block.SetVertexColor(255, 255, 255, i > done ? 32 : 255);
        block.Draw();
    }
}

void GUI_MixingGame::DrawQualityLeds()
{
    readout_.PlaceLocal(819.0f, 417.0f);
    readout_.Draw();
    const int rows = int((400.0f - 20.0f) / kLedStep);
    const int lit = int(float(rows) * GetQuality());
    CTexturedSprite led;
    led.width = 14.0f;
    led.height = 5.0f;
    float y = float(int(readout_.Bottom() - 10.0f));
    for (int row = 0; row < rows; ++row, y -= kLedStep) {
        led.SetTexture(GUI_MixerLedTexture(row, rows, lit));
        led.PlaceLocal(readout_.GetCenterX() - 10.0f, y - 2.5f);
        led.Draw();
        led.PlaceLocal(readout_.GetCenterX() + 10.0f, y - 2.5f);
        led.Draw();
    }
}

void GUI_MixingGame::Draw()
{
    GetD3DEngine()->FillScreen("mixer.bmp");
    DrawButtons();
    DrawChildren();
    DrawQualityLeds();
    if (finished_)
        GDIText::AddChunk(0.0f, 165.0f, result_, kLCDFontName, 22, D3DEngine::W, 1, 0, 0, 0);
    else
        DrawTimer();
    GDIText::RenderChunks(-1);
}

void GUI_MixingGame::Finish(intptr_t)
{
    GUI_MixingGame* game = PTheWindow;
    if (!game || !game->finished_ || !game->finish_->GetEnabled())
        return;
    game->finish_->SetEnabled(false);
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Close, 0);
}

void GUI_MixingGame::Close(intptr_t)
{
    GUI_MixingGame* game = PTheWindow;
    if (!game)
        return;
    delete game;
    GUI_DayEnd::Request();
}
