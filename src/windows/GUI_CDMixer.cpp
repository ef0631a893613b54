#include "windows/GUI_CDMixer.h"

#include "career/SIM_Album.h"
#include "career/SIM_RecordingStudio.h"
#include "engine/GRandom.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/D3DTypes.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_DayEnd.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_WindowManager.h"
#include "shell/Input.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Riza.h"
#include "sim/SIM_SIM.h"

#include <algorithm>
#include <cmath>

namespace {

void SetLed(CTexturedSprite& led, const char* texture)
{
    led.width = 14.0f;
    led.height = 5.0f;
    led.SetTexture(texture);
}

} // namespace

// ---- one strip --------------------------------------------------------------------

GUI_MusicianMixer::GUI_MusicianMixer()
    : level_(GRandom::RandReal(0.2f, 0.8f)), target_(GRandom::RandReal(0.2f, 0.8f))
{
    strip_.width = 60.0f;
    strip_.height = kTravel;
    knob_.width = 30.0f;
    knob_.height = 53.0f;
    knob_.SetTexture("mix_fader.bmp");
    portrait_.width = portrait_.height = 102.0f;
    frame_.width = frame_.height = 102.0f * 1.0833334f;
    SetLed(red_, "mix_led_red.bmp");
    SetLed(green_, "mix_led_green.bmp");
    SetLed(black_, "mix_led_black.bmp");
}

void GUI_MusicianMixer::SetMusician(SIM_Musician* musician)
{
    GAssert(musician != nullptr, __FILE__, __LINE__);
    musician_ = musician;
    if (musician)
        portrait_.SetTexture(musician->GetPortraitTexture());
}

void GUI_MusicianMixer::Recalculate()
{
    if (!musician_)
        return;
    float sum = 0.0f;
    int others = 0;
    if (const GUI_WindowBase* desk = GetParent()) {
        for (GUI_WindowBase* child : desk->Children()) {
            auto* other = dynamic_cast<GUI_MusicianMixer*>(child);
            if (other && other != this && other->musician_) {
                sum += other->level_;
                ++others;
            }
        }
    }
    const float mean = others > 0 ? sum / float(others) : 0.5f;
    happiness_ = std::clamp(2.0f * (level_ - mean), -1.0f, 1.0f);
    const float match = 1.0f - std::fabs(target_ - level_);
    const float drive = std::clamp(musician_->GetMotivation() * SIM_GetRiza()->GetValue("inspiration"), 0.0f, 1.0f);
    quality_ = std::clamp(0.25f * drive + 0.75f * match, 0.0f, 1.0f);
}

int GUI_MusicianMixer::GreenLeds(float happiness)
{
    return happiness > 0.0f ? std::min(kHappyLeds, int(float(kHappyLeds) * happiness)) : 0;
}

int GUI_MusicianMixer::RedLeds(float happiness)
{
    return happiness < 0.0f ? std::min(kHappyLeds, int(-float(kHappyLeds) * happiness)) : 0;
}

void GUI_MusicianMixer::PlaceStrip() { strip_.PlaceLocal(GetCenterX(), float(rect.bottom) - 217.0f); }

void GUI_MusicianMixer::Draw()
{
    const float cx = GetCenterX();
    PlaceStrip();
    Recalculate();
    CInput* input = GetInput();
    if (!dragging_) {
        knob_.PlaceLocal(cx, strip_.Bottom() - level_ * kTravel);
    } else if (input->IsLeftButtonDown()) {
        const float y = std::clamp(input->MouseY(), strip_.Top(), strip_.Bottom());
        knob_.PlaceLocal(cx, y);
        level_ = std::clamp((strip_.Bottom() - knob_.GetCenterY()) / kTravel, 0.0f, 1.0f);
    } else {
        dragging_ = false;
    }
    if (!musician_)
        return;
    knob_.Draw();
    DrawHappiness();
    GetD3DEngine()->SetTexture(0, 0);
    const float py = float(rect.top) + 70.0f;
    frame_.PlaceLocal(cx, py);
    frame_.Draw();
    portrait_.PlaceLocal(cx, py);
    portrait_.Draw();
}

void GUI_MusicianMixer::DrawHappiness()
{
    const float x = strip_.Right() + 8.0f + 7.0f;
    const float centre = strip_.GetCenterY();
    const int green = GreenLeds(happiness_);
    const int red = RedLeds(happiness_);
    for (int i = 0; i < kHappyLeds; ++i) {
        CTexturedSprite& up = i < green ? green_ : black_;
        up.PlaceLocal(x, centre - 2.5f - 5.0f * float(i));
        up.Draw();
        CTexturedSprite& down = i < red ? red_ : black_;
        down.PlaceLocal(x, centre + 2.5f + 5.0f * float(i));
        down.Draw();
    }
}

bool GUI_MusicianMixer::CheckClick(float x, float y)
{
    if (!musician_)
        return false;
    PlaceStrip();
    if (!dragging_)
        knob_.PlaceLocal(GetCenterX(), strip_.Bottom() - level_ * kTravel);
    if (!(x >= knob_.Left() && x <= knob_.Right() && y >= knob_.Top() && y <= knob_.Bottom()))
        return false;
    dragging_ = true;
    dragOffset_ = V2 {x - knob_.Left(), y - knob_.Top()};
    return true;
}

// ---- the desk ---------------------------------------------------------------------

GUI_WindowSlot<GUI_CDMixer> GUI_CDMixer::PTheWindow;

void GUI_CDMixer::Create(SIM_Album* album)
{
    GAssert(album != nullptr, __FILE__, __LINE__);
    if (!album)
        return;
    delete PTheWindow.Get();
    new GUI_CDMixer(album);
}

GUI_CDMixer::GUI_CDMixer(SIM_Album* album) : album_(album)
{
    for (GUI_MusicianMixer*& mixer : mixers_)
        mixer = new GUI_MusicianMixer;
    PTheWindow = this;
    MakeFullScreenWindow();
    // Registered as a window too, so a new game or a load closes it with the other screens.
    AddToGUI();
    // The desk holds the keys while it is up: Escape never asks to quit beneath it.
    GUI_GetGUI()->SetInputHandler(this);
    const float w = D3DEngine::W, h = D3DEngine::H;
    finish_ = new GUI_ButtonText("CDMIXER_FINISH", Finish, 0);
    finish_->SetTooltip("CDMIXER_FINISH_TOOLTIP", 0);
    finish_->SetPosition(w - 180.0f, h - 30.0f, w - 40.0f, h - 8.0f);
    AddButton(finish_);
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    GUI_HintHelp::Launch("cd mixing");
    Populate();
    readout_.width = 120.0f;
    readout_.height = 400.0f;
}

GUI_CDMixer::~GUI_CDMixer()
{
    GUI_GetWindowManager()->RemoveFullscreen(this);
    GUI_GetGUI()->RemoveInputHandler(this);
}

void GUI_CDMixer::Populate()
{
    for (int i = 0; i < kMixers; ++i) {
        AddChild(mixers_[i]);
        mixers_[i]->SetPosition(46.0f + 155.0f * float(i), 100.0f, 201.0f + 155.0f * float(i), 680.0f);
    }
    // A snapshot of the line-up; a desk has five strips, so a sixth member has none.
    const std::vector<SIM_Musician*> members = SIM_GetBand()->GetMembers();
    for (size_t i = 0; i < members.size() && i < size_t(kMixers); ++i) {
        mixers_[i]->SetMusician(members[i]);
        mixers_[i]->Recalculate();
    }
}

float GUI_CDMixer::GetQuality() const
{
    float sum = 0.0f;
    int count = 0;
    for (const GUI_MusicianMixer* mixer : mixers_)
        if (mixer->GetMusician()) {
            sum += mixer->GetQuality();
            ++count;
        }
    // A desk without a musician mixes nothing.
    return count > 0 ? sum / float(count) : 0.0f;
}

int GUI_CDMixer::LitRows(float quality)
{
    return std::clamp(int(float(kQualityRows) * quality), 0, kQualityRows);
}

void GUI_CDMixer::Draw()
{
    D3DEngine* d3d = GetD3DEngine();
    d3d->FillScreen("democd.bmp");
    GUI_WindowBase::Draw();
    DrawChildren();
    DrawQuality();
    GDIText::RenderChunks(-1);
}

void GUI_CDMixer::DrawQuality()
{
    readout_.PlaceLocal(890.0f, 463.0f);
    const int lit = LitRows(GetQuality());
    float y = float(int(readout_.Bottom() - 10.0f));
    const char* texture = "mix_led_green.bmp";
    CTexturedSprite led;
    led.width = 14.0f;
    led.height = 5.0f;
    for (int i = 0; i < kQualityRows; ++i, y -= 5.0f) {
        if (i == lit)
            texture = "mix_led_black.bmp";
        else if (i == int(0.7f * float(kQualityRows)) && i < lit)
            texture = "mix_led_yellow.bmp";
        else if (i == int(0.85f * float(kQualityRows)) && i < lit)
            texture = "mix_led_red.bmp";
        led.SetTexture(texture);
        for (float dx : {-10.0f, 10.0f}) {
            led.PlaceLocal(readout_.GetCenterX() + dx, y - 2.5f);
            led.Draw();
        }
    }
}

void GUI_CDMixer::Finish(intptr_t)
{
    GUI_CDMixer* desk = PTheWindow;
    if (!desk || desk->committed_)
        return;
    desk->committed_ = true;
    desk->finish_->SetEnabled(false);
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Close, 0);
}

void GUI_CDMixer::FinishCD()
{
    const float k = SIM_GetGlobalVariables()->Get("RS_DEMOCD_HAPPINESS");
    const float degrade = SIM_GetGlobalVariables()->Get("RS_MOTIVATION_DEGRADE");
    for (GUI_MusicianMixer* mixer : mixers_) {
        SIM_Musician* musician = mixer->GetMusician();
        // The line-up is looked up again: only members still in the band are changed.
        if (musician && SIM_GetBand()->IsMember(musician))
            musician->ChangeMotivation(mixer->GetHappiness() * k, degrade, "Demo cd");
    }
    if (SIM_RecordingStudio* studio = SIM_RecordingStudio::GetCurrentStudio())
        studio->Use(album_);
    // Without a studio the album's own rules report the missing studio and keep its quality.
    album_->SetMixQuality(GetQuality());
    album_->Release();
}

void GUI_CDMixer::Close(intptr_t)
{
    GUI_CDMixer* desk = PTheWindow;
    // Only a finished desk is closed by its fade, and it ends the day once.
    if (!desk || !desk->committed_)
        return;
    if (desk->album_ && std::find(SIM_Album::All.begin(), SIM_Album::All.end(), desk->album_) != SIM_Album::All.end())
        desk->FinishCD();
    delete desk;
    GUI_DayEnd::Request();
}
