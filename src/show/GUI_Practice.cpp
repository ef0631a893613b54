#include "show/GUI_Practice.h"

#include "engine/CSpreadsheet.h"
#include "engine/GRandom.h"
#include "engine/GTranslation.h"
#include "engine/IniLoader.h"
#include "engine/LibTextEngine.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_DayEnd.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_Particles.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_WindowBackground.h"
#include "shell/GUI_WindowManager.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Practice.h"
#include "sim/SIM_Riza.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kTones = 5;
constexpr float kStripHeight = 32.0f;
constexpr float kNoteStep = 64.0f;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

uint32_t Packed(const LibColor& c, int alpha)
{
    return uint32_t(c.r) | uint32_t(c.g) << 8 | uint32_t(c.b) << 16 | uint32_t(std::clamp(alpha, 0, 255)) << 24;
}
} // namespace

// ---------------------------------------------------------------------------------------
// The melody

std::vector<int> GUI_PracticeMelody::ParseTones(const std::string& value)
{
    std::vector<int> tones;
    if (value.empty())
        return tones;
    CSV csv;
    csv.Initialise(value, ',');
    while (!csv.Finished()) {
        const int tone = std::atoi(csv.GetNextToken());
        // A tone no key can answer would make the melody unbeatable.
        tones.push_back(std::clamp(tone, 1, kTones));
    }
    return tones;
}

std::vector<int> GUI_PracticeMelody::RandomTones()
{
    std::vector<int> tones;
    int previous = 1;
    for (int i = 0; i < kRandomLength; ++i) {
        const int tone = GRandom::IsChance(0.2f) ? previous : 1 + std::rand() % kTones;
        tones.push_back(tone);
        previous = tone;
    }
    return tones;
}

GUI_PracticeMelody* GUI_PracticeMelody::Create(const char* melodiesSection, int id, GUI_Practice* screen)
{
    IniLoader ini;
    ini.LoadSection(melodiesSection ? melodiesSection : "", SIM_Practice::MelodiesFile);
    std::vector<int> tones = ParseTones(ini.GetValue(std::to_string(id)));
    if (tones.empty())
        tones = RandomTones();
    return new GUI_PracticeMelody(std::move(tones), screen);
}

GUI_PracticeMelody::GUI_PracticeMelody(std::vector<int> tones, GUI_Practice* screen)
    : tones_(std::move(tones)), screen_(screen)
{
}

void GUI_PracticeMelody::PlayBeat()
{
    if (!Finished()) {
        const int tone = tones_[cursor_++];
        if (screen_) {
            screen_->TriggerTone(tone);
            screen_->AddNote(tone);
        }
        return;
    }
    cursor_ = 0;
    if (screen_)
        screen_->EndPreview();
}

bool GUI_PracticeMelody::CheckTone(int tone)
{
    if (Finished())
        return true;
    const int expected = tones_[cursor_++];
    if (expected != tone)
        return false;
    if (screen_) {
        screen_->TriggerTone(tone);
        screen_->AddParticles(tone);
        screen_->AddNote(tone);
    }
    return true;
}

// ---------------------------------------------------------------------------------------
// Progress cells, pitch strips and notes

GUI_PracticeProgress::GUI_PracticeProgress(SIM_Musician* musician) : musician_(musician)
{
    bar_.SetTexture("practice_progress.bmp");
    barEmpty_.SetTexture("practice_progress_empty.bmp");
    portrait_.width = portrait_.height = 100.0f;
    std::string picture = musician ? musician->GetPortraitTexture() : SIM_GetRiza()->GetPortraitTexture();
    // The player character's face is the avatar the player chose.
    if (!musician && picture.empty())
        picture = SIM_GetScreens()->GetAvatarTexture();
    portrait_.SetTexture(picture);
    box_.width = box_.height = 108.333336f;
    shown_ = CurrentAbility();
}

float GUI_PracticeProgress::CurrentAbility() const
{
    return musician_ ? musician_->GetAbility() : SIM_GetRiza()->GetValue("attrib_vocals");
}

void GUI_PracticeProgress::Draw()
{
    const float cx = GetCenterX(), cy = GetCenterY();
    box_.PlaceLocal(cx, cy);
    portrait_.PlaceLocal(cx, cy);
    tagRECT box {int(box_.Left()), int(box_.Top()), int(box_.Right()), int(box_.Bottom())};
    GUI_WindowBackground::DrawDropShadow(TEX_SQ_DROPSHADOW, box, 8.0f, 6);
    GetD3DEngine()->SetTexture(0, 0);
    box_.SetVertexColor(kWhite);
    box_.Draw();
    portrait_.Draw();

    const float ability = CurrentAbility();
    if (shown_ < ability)
        shown_ = std::min(ability, shown_ + 0.0005f * GUI_GetGUI()->GetRenderThrottle());
    char text[32];
    std::snprintf(text, sizeof text, "%.2f%%", 100.0 * shown_);
    GDIText::AddChunk(float(rect.left), float(rect.top) + 6.0f, text, "Comic Sans MS Bold", 24, float(GetWidth()), 1,
                      255, 255, 255);

    const float barY = float(rect.bottom) - 15.0f;
    barEmpty_.width = box_.width;
    barEmpty_.height = 10.0f;
    barEmpty_.PlaceLocal(box_.Left() + barEmpty_.width / 2.0f, barY);
    barEmpty_.Draw();
    bar_.width = box_.width * std::clamp(ability, 0.0f, 1.0f);
    bar_.height = 10.0f;
    bar_.PlaceLocal(box_.Left() + bar_.width / 2.0f, barY);
    if (bar_.width > 0.0f)
        bar_.Draw();
    SetRect(&barRect_, box.left, rect.bottom - 20, box.right, rect.bottom - 10);
    GetD3DEngine()->FrameRect(barRect_, Packed(LibColor(244, 244, 244, 255), 255));
}

GUI_PracticePitchStrip::GUI_PracticePitchStrip(int tone, const LibColor& colour) : colour_(colour)
{
    stave_.SetTexture("practice_stave.bmp");
    char name[32];
    std::snprintf(name, sizeof name, "button_%d.dds", tone);
    key_.SetTexture(name);
    key_.width = key_.height = 32.0f;
}

void GUI_PracticePitchStrip::Highlight()
{
    highlighted_ = true;
    timer_.StartTimer();
}

void GUI_PracticePitchStrip::Draw()
{
    if (highlighted_) {
        timer_.Update();
        const double elapsed = timer_.GetElapsed();
        if (elapsed < 1000.0) {
            const int alpha = int(255.0 - 255.0 * elapsed / 1000.0);
            stave_.width = float(GetWidth());
            stave_.height = float(GetHeight());
            stave_.PlaceLocal(GetCenterX(), GetCenterY());
            stave_.SetVertexColor(Packed(colour_, alpha));
            stave_.Draw();
            key_.PlaceLocal(float(rect.left) - 16.0f, GetCenterY());
            key_.SetVertexColor(Packed(LibColor(255, 255, 255, 255), alpha));
            key_.Draw();
        } else {
            highlighted_ = false;
        }
    }
    GetD3DEngine()->FrameRect(rect, kWhite);
}

GUI_PracticeNote::GUI_PracticeNote(V2 centre)
{
    note_.SetTexture("practice_note.dds");
    shadow_.SetTexture("practice_note.dds");
    note_.width = note_.height = shadow_.width = shadow_.height = kSize;
    SetPosition(centre.x - kSize / 2.0f, centre.y - kSize / 2.0f, centre.x + kSize / 2.0f, centre.y + kSize / 2.0f);
    SetEatsMouse(false);
    timer_.StartTimer();
}

void GUI_PracticeNote::Draw()
{
    timer_.Update();
    const float f = std::clamp(float(timer_.GetElapsed()) / kFadeMs, 0.0f, 1.0f);
    const int a = int(255.0f - 255.0f * f);
    shadow_.PlaceLocal(GetCenterX() + 2.0f, GetCenterY() + 2.0f);
    shadow_.SetVertexColor(0, 0, 0, uint32_t(std::max(a - 32, 0)));
    shadow_.Draw();
    note_.PlaceLocal(GetCenterX(), GetCenterY());
    note_.SetVertexColor(255, 255, 255, uint32_t(a));
    note_.Draw();
}

// ---------------------------------------------------------------------------------------
// The screen

GUI_WindowSlot<GUI_Practice> GUI_Practice::PTheWindow;

void GUI_Practice::Create()
{
    CloseWin(PTheWindow.Get());
    new GUI_Practice();
}

GUI_Practice::GUI_Practice()
{
    MakeFullScreenWindow();
    AddToGUI();
    PTheWindow = this;
    const float w = D3DEngine::W, h = D3DEngine::H;
    const float cx = w / 2.0f, b = h;
    continue_ = new GUI_ButtonText("FMV_CONTINUE", Finish, 0);
    continue_->SetTooltip("FMV_CONTINUE_TOOLTIP", 60);
    continue_->SetPosition(cx - 140.0f, b - 30.0f, cx + 140.0f, b - 8.0f);
    continue_->SetVisible(false);
    cancel_ = new GUI_ButtonText("PRACTICE_CANCEL", Cancel, 0);
    cancel_->SetTooltip("PRACTICE_CANCEL_TOOLTIP", 60);
    cancel_->SetPosition(w - 140.0f, h - 32.0f, w - 10.0f, h - 10.0f);
    start_ = new GUI_ButtonText("PRACTICE_START", StartSession, 0);
    start_->SetTooltip("PRACTICE_START_TOOLTIP", 60);
    start_->SetPosition(cx - 140.0f, b - 150.0f, cx + 140.0f, b - 128.0f);
    AddButton(continue_);
    AddButton(cancel_);
    AddButton(start_);
    GUI_GetGUI()->SetInputHandler(this);

    title_ = GTranslation::GetString("PRACTICE_TITLE");
    text_ = GTranslation::GetString("PRACTICE_TEXT");
    bpmLabel_ = GTranslation::GetString("PRACTICE_BPM");
    const char* stateKeys[5] = {"PRACTICE_START_INSTRUCTIONS", "PRACTICE_PREVIEW", "PRACTICE_PRACTICE",
                                "PRACTICE_POSTMORTEM", "PRACTICE_FINISHED"};
    for (int i = 0; i < 5; ++i)
        stateText_[i] = GTranslation::GetString(stateKeys[i]);
    colours_[0] = LibColor(255, 12, 12, 255);
    colours_[1] = LibColor(12, 255, 12, 255);
    colours_[2] = LibColor(12, 12, 255, 255);
    colours_[3] = LibColor(255, 255, 12, 255);
    colours_[4] = LibColor(255, 12, 255, 255);
    Initialise();
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    GUI_HintHelp::Launch("practice");
    GUI_GetSounds()->MuteMusic();
}

GUI_Practice::~GUI_Practice()
{
    emitters_.Clear();
    delete melody_;
    melody_ = nullptr;
    GUI_GetWindowManager()->RemoveFullscreen(this);
    GUI_GetGUI()->RemoveInputHandler(this);
    GUI_GetSounds()->UnMuteMusic();
}

void GUI_Practice::LoadNotes(const std::string& section)
{
    IniLoader ini;
    ini.LoadSection(section, SIM_Practice::MelodiesFile);
    toneFiles_.clear();
    for (int i = 0; i < kTones; ++i) {
        const std::string& file = ini.GetValue(std::to_string(i));
        GAssert(!file.empty(), "GUI_Practice", __LINE__);
        toneFiles_.push_back(file);
    }
}

void GUI_Practice::Initialise()
{
    SIM_Practice* practice = SIM_GetPractice();
    LoadNotes(practice->GetInstrumentSection());
    melodiesSection_ = practice->GetMelodiesSection();
    streak_ = 0;

    const float w = D3DEngine::W;
    const std::vector<SIM_Musician*>& members = SIM_GetBand()->GetMembers();
    const int n = int(members.size()) + 1;
    for (int i = 0; i < n; ++i) {
        auto* cell = new GUI_PracticeProgress(i == 0 ? nullptr : members[size_t(i - 1)]);
        const float left = w / 2.0f - 70.0f * float(n) + 140.0f * float(i);
        cell->SetPosition(left, 160.0f, left + 140.0f, 340.0f);
        AddChild(cell);
        cells_.push_back(cell);
    }

    SetRect(&pitchArea_, int(w / 2.0f) - 320, 440, int(w / 2.0f) + 320, 600);
    for (int i = 0; i < kTones; ++i) {
        auto* strip = new GUI_PracticePitchStrip(i + 1, colours_[i]);
        const float bottom = float(pitchArea_.bottom) - kStripHeight * float(i);
        strip->SetPosition(float(pitchArea_.left), bottom - kStripHeight, float(pitchArea_.right), bottom);
        AddChild(strip);
        strips_.push_back(strip);
    }

    melodyId_ = practice->GetNextMelodyID();
    endId_ = melodyId_ + kMelodiesPerSession;
    tempoShown_ = 0;
    state_ = INTRO;
    for (int i = 0; i < kEmitters; ++i)
        GUI_ParticleManager::CacheEmmiter("practicenotes");
}

int GUI_Practice::ToneOfKey(unsigned int key)
{
    switch (key) {
    case 18: case 83: return 1;
    case 19: case 84: return 2;
    case 20: case 85: return 3;
    case 21: case 86: return 4;
    case 23: case 87: return 5;
    default: return 0;
    }
}

void GUI_Practice::HandleKey(unsigned int key)
{
    if (state_ == INTRO) {
        if (key == kKeyReturn)
            StartSession(0);
        return;
    }
    if (state_ != PRACTICE || !melody_)
        return;
    const int tone = ToneOfKey(key);
    if (tone == 0)
        return;
    if (melody_->CheckTone(tone))
        Correct();
    else
        Failed();
}

void GUI_Practice::StartSession(intptr_t)
{
    GUI_Practice* screen = PTheWindow;
    if (!screen || screen->state_ != INTRO || screen->closing_)
        return;
    // From here the session uses up the day: only continue leads out.
    screen->committed_ = true;
    screen->start_->SetVisible(false);
    screen->continue_->SetVisible(true);
    screen->continue_->SetEnabled(false);
    screen->cancel_->SetVisible(false);
    screen->StartPlayback();
}

void GUI_Practice::StartPlayback()
{
    tempoShown_ = SIM_GetPractice()->GetBPM();
    beatLength_ = float(BeatLength(tempoShown_));
    state_ = PREVIEW;
    delete melody_;
    melody_ = GUI_PracticeMelody::Create(melodiesSection_.c_str(), melodyId_, this);
    playback_.StartTimer();
    beatCount_ = 0;
    ResetNoteXPos();
    nextNote_.y = float(pitchArea_.bottom) - GUI_PracticeNote::kSize / 2.0f;
}

void GUI_Practice::ResetNoteXPos() { nextNote_.x = float(pitchArea_.left) + 32.0f; }

void GUI_Practice::ProcessPlayback()
{
    playback_.Update();
    // The first tone sounds at once, each next one a beat later.
    if (beatCount_ == 0 || playback_.GetElapsed() > double(beatLength_) * beatCount_)
        TriggerBeat();
}

void GUI_Practice::TriggerBeat()
{
    if (state_ == PREVIEW && melody_)
        melody_->PlayBeat();
    ++beatCount_;
}

void GUI_Practice::EndPreview()
{
    state_ = PRACTICE;
    ResetNoteXPos();
}

void GUI_Practice::TriggerTone(int tone)
{
    if (tone >= 1 && tone <= kTones && size_t(tone) <= toneFiles_.size())
        GUI_GetSounds()->PlaySound(toneFiles_[size_t(tone - 1)].c_str(), false);
}

void GUI_Practice::AddParticles(int tone)
{
    emitters_.Start("practicenotes", V2(nextNote_.x, nextNote_.y - kStripHeight * float(tone - 1) + 20.0f), 0.0f);
}

void GUI_Practice::AddNote(int tone)
{
    GAssert(tone >= 1, "GUI_Practice", __LINE__);
    AddChild(new GUI_PracticeNote(V2(nextNote_.x, nextNote_.y - kStripHeight * float(tone - 1))));
    nextNote_.x += kNoteStep;
    if (nextNote_.x > float(pitchArea_.right) - 16.0f)
        ResetNoteXPos();
    if (tone >= 1 && tone <= kTones)
        strips_[size_t(tone - 1)]->Highlight();
}

void GUI_Practice::StartPostMortem()
{
    state_ = POSTMORTEM;
    postMortem_.StartTimer();
}

void GUI_Practice::Correct()
{
    if (!melody_ || !melody_->Finished())
        return;
    char sound[64];
    std::snprintf(sound, sizeof sound, "data/sounds/practice/correct_%d.ogg", std::min(streak_, 2));
    GUI_GetSounds()->PlaySound(sound, false);
    StartPostMortem();
    SIM_GetBand()->PracticeInstruments(kPracticeAmount);
    SIM_Practice* practice = SIM_GetPractice();
    practice->RaiseBPM();
    tempoShown_ = practice->GetBPM();
    practice->FinishMelody(melodyId_);
    ++streak_;
}

void GUI_Practice::Failed()
{
    StartPostMortem();
    GUI_GetSounds()->PlaySound("data/sounds/male_sigh.ogg", false);
    streak_ = 0;
}

void GUI_Practice::EndSession()
{
    continue_->SetEnabled(true);
    state_ = FINISHED;
    SIM_GetPractice()->GotoNextInstrument();
}

void GUI_Practice::Draw()
{
    if (state_ == POSTMORTEM) {
        postMortem_.Update();
        if (postMortem_.GetElapsed() > kPostMortemMs) {
            ++melodyId_;
            if (melodyId_ >= endId_)
                EndSession();
            else
                StartPlayback();
        }
    }
    if (state_ == PREVIEW)
        ProcessPlayback();

    const float w = D3DEngine::W;
    GetD3DEngine()->FillScreen("practice.jpg");
    GUI_ParticleManager::Draw();
    GDIText::AddChunk(0.0f, 40.0f, title_, nullptr, 32, w, 1, 255, 255, 255);
    GDIText::AddChunk(50.0f, 100.0f, text_, nullptr, 22, w - 100.0f, 1, 255, 255, 255);
    DrawButtons();
    DrawChildren();
    GDIText::AddChunk(0.0f, 400.0f, stateText_[std::clamp(state_, 0, 4)], nullptr, 24, w, 1, 255, 255, 255);
    if (state_ != INTRO) {
        const std::string line = std::to_string(tempoShown_) + " " + bpmLabel_;
        GDIText::AddChunk(0.0f, float(pitchArea_.bottom) + 15.0f, line, nullptr, 24, w, 1, 255, 255, 255);
    }
    GetTextEngine()->ProcessTextQueue(-1);
    GDIText::RenderChunks(-1);
    GetD3DEngine()->FrameRect(pitchArea_, kWhite);
}

void GUI_Practice::Cancel(intptr_t)
{
    GUI_Practice* screen = PTheWindow;
    if (!screen || screen->committed_ || screen->closing_ || screen->state_ != INTRO)
        return;
    screen->closing_ = true;
    screen->start_->SetEnabled(false);
    screen->cancel_->SetEnabled(false);
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Close, 0);
}

void GUI_Practice::Finish(intptr_t)
{
    GUI_Practice* screen = PTheWindow;
    if (!screen || screen->closing_ || screen->state_ != FINISHED)
        return;
    screen->closing_ = true;
    screen->continue_->SetEnabled(false);
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Close, 1);
}

void GUI_Practice::Close(intptr_t endDay)
{
    GUI_Practice* screen = PTheWindow;
    if (!screen)
        return; // a new game or a load closed it already: no day to end
    // The window goes first, so whatever the end of the day opens finds it gone.
    delete screen;
    if (endDay)
        GUI_DayEnd::Request();
}
