#include "windows/GUI_Publicity.h"

#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/D3DTypes.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_Avatar.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_DayEnd.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_WindowManager.h"
#include "sim/GAssert.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Person.h"
#include "windows/GUI_PublicityBackgrounds.h"

#include <algorithm>
#include <cstdio>

namespace {

GUI_WindowSlot<GUI_Publicity> TheScreen;

std::string T(const char* key) { return GTranslation::GetString(key); }

} // namespace

GUI_Publicity* GUI_GetPublicity()
{
    if (!TheScreen)
        new GUI_Publicity; // the constructor takes the slot
    return TheScreen;
}

// ---- one person's panel ----

GUI_Contribution::GUI_Contribution(const SIM_PublicityEvent::Contribution* contribution)
{
    portrait_.width = portrait_.height = kPortrait;
    cross_.width = cross_.height = kPortrait * 13.0f / 12.0f;
    frame_.width = frame_.height = kPortrait * 13.0f / 12.0f;
    cross_.SetTexture("redx.dds");
    GAssert(contribution != nullptr, __FILE__, __LINE__);
    if (!contribution)
        return;
    // The player character's part names a person, not a member: what every person has is
    // all the panel shows.
    const SIM_Person* person = contribution->person;
    if (!person)
        person = contribution->member;
    std::string portrait;
    if (person) {
        name_ = person->GetFullName();
        portrait = person->GetPortraitTexture();
    }
    // The player character's part carries no member: its picture is the avatar on the
    // desktop when the person has none of its own.
    if (portrait.empty() && !contribution->member)
        portrait = GUI_GetAvatar()->GetTexture();
    if (!portrait.empty())
        portrait_.SetTexture(portrait);
    tooStressed_ = contribution->tooStressed;
    text_ = tooStressed_ ? T("CONTRIBUTION_TOOSTRESSED") : ContributionText(contribution->effectiveness);
    if (!tooStressed_)
        reasons_ = contribution->personalities;
}

std::string GUI_Contribution::ContributionText(float value)
{
    char number[32];
    const int percent = PercentOf(double(value));
    std::snprintf(number, sizeof number, percent >= 0 && !(value < 0.0f) ? "+%d" : "%d", percent);
    return T("CONTRIBUTION_TEXT") + std::string(" ") + number;
}

void GUI_Contribution::Draw()
{
    const tagRECT r = GetRect();
    const float cx = (r.left + r.right) / 2.0f, cy = (r.top + r.bottom) / 2.0f;
    frame_.PlaceLocal(cx, cy);
    cross_.PlaceLocal(cx, cy);
    portrait_.PlaceLocal(cx, cy);
    D3DEngine* d3d = GetD3DEngine();
    d3d->SetTexture(0, 0);
    frame_.Draw();
    if (!portrait_.GetTextureName().empty())
        portrait_.Draw();
    else
        d3d->FillRect(portrait_, PackColor(24, 22, 30, 255));
    if (tooStressed_)
        cross_.Draw();
    const float w = float(r.right - r.left);
    GDIText::AddChunk(float(r.left), float(r.top) + 2.0f, name_, kBoldFontName, 14, w, 1, 255, 255, 255);
    float y = frame_.Bottom() + 3.0f;
    GDIText::AddChunk(float(r.left), y, text_, kBoldFontName, 18, w, 1, 255, 255, 255);
    for (const std::string& reason : reasons_) {
        y += 18.0f;
        GDIText::AddChunk(float(r.left), y, "(" + reason + ")", kBoldFontName, 18, w, 1, 255, 255, 255);
    }
}

// ---- the screen ----

GUI_Publicity::GUI_Publicity()
{
    TheScreen = this;
    // Up only between Initialise and Close; a new game closes it like any other screen.
    SetCloseOnRestart(true);
}

GUI_Publicity::~GUI_Publicity()
{
    // A fade still on its way must not end a day for a screen that is gone.
    GUI_GetFader()->CancelCallback(&GUI_Publicity::Close);
    Silence();
    GUI_GetGUI()->RemoveInputHandler(this);
}

bool GUI_Publicity::IsUp() const
{
    const auto& full = GUI_GetWindowManager()->Fullscreens();
    return std::find(full.begin(), full.end(), this) != full.end();
}

GUI_Publicity::BACKGROUND GUI_Publicity::BackgroundFor(const std::string& name)
{
    if (name == "print interview")
        return BG_PRINT;
    if (name == "radio interview")
        return BG_RADIO;
    if (name == "web interview")
        return BG_WEB;
    if (name == "flyers")
        return BG_FLYERS;
    if (name == "flyposting")
        return BG_FLYPOSTING;
    if (name == "television interview")
        return BG_TELEVISION;
    return BG_BLACK;
}

std::string GUI_Publicity::GetBackgroundTexture() const { return picture_.GetName(); }

std::string GUI_Publicity::EffectLine(float effect, float effectiveness)
{
    char text[256];
    const int percent = PercentOf(double(effect));
    std::snprintf(text, sizeof text, "%s: %c%d%%", T("PUBLICITY_EFFECT").c_str(), effectiveness < 0.0f ? '-' : '+',
                  percent < 0 ? -percent : percent);
    return text;
}

std::string GUI_Publicity::EffectsLine(const SIM_PublicityEventType* type)
{
    std::string line;
    if (!type)
        return line;
    for (const SIM_Modifier& m : type->GetModifiers()) {
        const char* label = m.GetName() == "band_motivation" ? "PUBLICITY_MOTIVATION"
                            : m.GetName() == "band_stress"   ? "PUBLICITY_STRESS"
                                                             : nullptr;
        if (!label)
            continue;
        char number[32];
        const int percent = PercentOf(double(m.GetValue()));
        std::snprintf(number, sizeof number, m.GetValue() < 0.0f ? " %d%%  " : " +%d%%  ", percent);
        line += T(label) + std::string(number);
    }
    return line;
}

void GUI_Publicity::Initialise(SIM_PublicityEvent* event)
{
    GAssert(event != nullptr, __FILE__, __LINE__);
    const SIM_PublicityEventType* type = event ? event->GetType() : nullptr;
    GAssert(!event || type != nullptr, __FILE__, __LINE__);
    if (!type)
        return;
    // A second event over one still up replaces it: its sound and music go first.
    Silence();
    GUI_GetFader()->CancelCallback(&GUI_Publicity::Close);
    leaving_ = false;
    typeName_ = type->GetName();
    soundName_ = type->GetSound();

    MakeFullScreenWindow();
    ClearButtons();
    continue_ = AddContinueAtFoot(*this, &GUI_Publicity::Continue, 60);

    title_ = type->GetTitle();
    ComposeDescription(type);
    effectLine_ = EffectLine(event->GetEffect(), event->GetEffectiveness());
    background_ = BackgroundFor(typeName_);
    if (background_ == BG_PRINT)
        GUI_GetPrintInterviewBG()->Initialise();
    Populate(event);
    ComposeEffects(type);
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);

    reachLine_ = T("PUBLICITY_REACH");
    GTranslation::ReplaceToken(reachLine_, "<AMOUNT>", PercentOf(double(event->GetEffectiveReach())));
    if (!soundName_.empty())
        channel_ = GUI_GetSounds()->PlaySound(soundName_.c_str(), false);
    PrepareBackground();
    GUI_GetGUI()->SetInputHandler(this);
}

void GUI_Publicity::ComposeDescription(const SIM_PublicityEventType* type) { description_ = type->GetDescription(); }

void GUI_Publicity::ComposeEffects(const SIM_PublicityEventType* type) { effectsLine_ = EffectsLine(type); }

void GUI_Publicity::Populate(const SIM_PublicityEvent* event)
{
    KillChildren();
    const auto& contributions = event->GetContributions();
    const float w = GUI_Contribution::kSize;
    float left = D3DEngine::W / 2.0f - float(contributions.size()) * w / 2.0f;
    for (const SIM_PublicityEvent::Contribution& c : contributions) {
        auto* panel = new GUI_Contribution(&c);
        AddChild(panel);
        panel->SetPosition(left, 250.0f, left + w, 250.0f + w);
        left += w;
    }
}

void GUI_Publicity::PrepareBackground()
{
    picture_.SetTexture(background_ == BG_FLYERS       ? "pileofflyers.jpg"
                        : background_ == BG_FLYPOSTING ? "flyposters.jpg"
                        : background_ == BG_TELEVISION ? "tvstudio.jpg"
                                                       : "");
    if (background_ == BG_RADIO && !musicMuted_) {
        GUI_GetSounds()->MuteMusic();
        musicMuted_ = true;
    }
}

void GUI_Publicity::Silence()
{
    if (musicMuted_) {
        GUI_GetSounds()->UnMuteMusic();
        musicMuted_ = false;
    }
    if (channel_) {
        GUI_GetSounds()->StopSound(channel_);
        channel_ = AudioChannel {};
    }
}

std::vector<GUI_Contribution*> GUI_Publicity::GetPanels() const
{
    std::vector<GUI_Contribution*> panels;
    for (GUI_WindowBase* child : Children())
        if (auto* panel = dynamic_cast<GUI_Contribution*>(child))
            panels.push_back(panel);
    return panels;
}

void GUI_Publicity::Continue(intptr_t)
{
    GUI_Publicity* screen = TheScreen;
    if (!screen || !screen->IsUp() || screen->leaving_)
        return;
    screen->leaving_ = true;
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, &GUI_Publicity::Close, 0);
}

void GUI_Publicity::Close(intptr_t)
{
    GUI_Publicity* screen = TheScreen;
    if (!screen || !screen->IsUp() || !screen->leaving_)
        return;
    screen->leaving_ = false;
    screen->Silence();
    GUI_GetWindowManager()->RemoveFullscreen(screen);
    GUI_GetGUI()->RemoveInputHandler(screen);
    GUI_DayEnd::Request();
}

void GUI_Publicity::Draw()
{
    const float W = D3DEngine::W;
    D3DEngine* d3d = GetD3DEngine();
    switch (background_) {
    case BG_PRINT:
        GUI_GetPrintInterviewBG()->Draw(); // the panels come with the photos
        break;
    case BG_RADIO:
        GUI_GetRadioInterviewBG()->Draw();
        DrawChildren();
        break;
    case BG_WEB:
        GUI_GetWebInterviewBG()->Draw();
        DrawChildren();
        break;
    case BG_FLYERS:
    case BG_FLYPOSTING:
    case BG_TELEVISION:
        d3d->FillScreen(picture_);
        DrawChildren();
        break;
    case BG_BLACK:
        d3d->ClearScreen(PackColor(0, 0, 0, 255));
        DrawChildren();
        break;
    }
    GUI_WindowBase::Draw();
    GDIText::AddChunk(0.0f, 60.0f, title_, kBoldFontName, 32, W, 1, 255, 255, 255);
    GDIText::AddChunk(50.0f, 150.0f, description_, kBoldFontName, 18, W - 100.0f, 0, 255, 255, 255);
    GDIText::AddChunk(0.0f, 600.0f, effectLine_, kBoldFontName, 22, W, 1, 255, 255, 255);
    if (!effectsLine_.empty())
        GDIText::AddChunk(0.0f, 640.0f, effectsLine_, kBoldFontName, 20, W, 1, 255, 255, 255);
    GDIText::AddChunk(0.0f, 680.0f, reachLine_, kBoldFontName, 20, W, 1, 255, 255, 255);
    GDIText::RenderChunks(-1);
}
