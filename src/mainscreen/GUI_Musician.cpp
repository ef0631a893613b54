#include "mainscreen/GUI_Musician.h"

#include "career/SIM_Asset.h"
#include "career/SIM_Rehearsal.h"
#include "engine/GTranslation.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "mainscreen/GUI_Attribute.h"
#include "mainscreen/GUI_BandIcon.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_ConfirmDialog.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_Indicator.h"
#include "shell/GUI_WindowBackground.h"
#include "shell/GUI_WindowManager.h"
#include "shell/Input.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Message.h"
#include "sim/SIM_Musician.h"

#include <algorithm>
#include <cstdio>

std::vector<GUI_Musician*> GUI_Musician::OpenWindows;
SIM_Musician* GUI_Musician::PPendingDeletion = nullptr;
std::vector<GUI_MusicianDebug*> GUI_MusicianDebug::OpenWindows;

namespace {

const char* const kTabKeys[3] = {"MUSICIAN_SUMMARY", "MUSICIAN_PERSONALITY", "MUSICIAN_POSSESSIONS"};

bool IsLive(const SIM_Musician* musician)
{
    return musician && std::find(SIM_Musician::All.begin(), SIM_Musician::All.end(), musician) !=
                           SIM_Musician::All.end();
}

std::string TitleOf(const SIM_Musician* musician)
{
    char title[1024];
    std::snprintf(title, sizeof(title), "%s (%s)", musician->GetFullName().c_str(),
                  GetInstrumentName(musician->GetInstrument()).c_str());
    return title;
}

} // namespace

// ---- The window ----

GUI_Musician* GUI_Musician::Find(const SIM_Musician* musician)
{
    for (GUI_Musician* window : OpenWindows)
        if (window->musician_ == musician)
            return window;
    return nullptr;
}

void GUI_Musician::Create(SIM_Musician* musician)
{
    GAssert(musician != nullptr, __FILE__, __LINE__);
    if (!musician)
        return;
    if (GUI_Musician* open = Find(musician)) {
        GUI_GetWindowManager()->MakeTopmost(open);
        return;
    }
    new GUI_Musician(musician);
}

void GUI_Musician::Close(SIM_Musician* musician) { delete Find(musician); }

void GUI_Musician::CloseAll()
{
    while (!OpenWindows.empty())
        delete OpenWindows.back();
    PPendingDeletion = nullptr;
}

GUI_Musician::GUI_Musician(SIM_Musician* musician) : GUI_Dialog(true), musician_(musician)
{
    SetDraggable(true);
    CInput* input = GetInput();
    const float x = input->MouseX(), y = input->MouseY();
    SetPosition(x, y, x + float(kWidth), y + float(kHeight));
    ForceOnscreen();
    OpenWindows.push_back(this);
    SetTitle(TitleOf(musician));
    marginTop_ = 58.0f;
    UpdateClientArea();

    tabs_ = new GUI_TabContainer;
    const tagRECT& c = GetClientArea();
    tabs_->SetPosition(float(c.left), float(c.top), float(c.right), float(c.bottom));
    summary_ = new GUI_MusicianSummaryTab(musician);
    personality_ = new GUI_MusicianPersonalityTab(musician);
    possessions_ = new GUI_MusicianPossesionsTab(musician);
    GUI_WindowTab* pages[3] = {summary_, personality_, possessions_};
    for (int i = 0; i < 3; ++i) {
        tabs_->AddTab(pages[i]);
        buttons_[i] = new GUI_ButtonTab(kTabKeys[i], pages[i]);
        AddButton(buttons_[i]);
    }
    tabs_->ActivateTab(summary_);
}

GUI_Musician::~GUI_Musician()
{
    OpenWindows.erase(std::remove(OpenWindows.begin(), OpenWindows.end(), this), OpenWindows.end());
    // The tab buttons go with the button list; they must not outlive their pages knowing them.
    delete tabs_;
    tabs_ = nullptr;
}

GUI_ButtonTab* GUI_Musician::GetTabButton(int index) const
{
    return index >= 0 && index < 3 ? buttons_[index] : nullptr;
}

GUI_WindowTab* GUI_Musician::GetTab(int index) const
{
    return tabs_ && index >= 0 && index < int(tabs_->Tabs().size()) ? tabs_->Tabs()[size_t(index)] : nullptr;
}

void GUI_Musician::Draw()
{
    UpdateClientArea();
    const tagRECT& c = GetClientArea();
    tabs_->SetPosition(float(c.left), float(c.top), float(c.right), float(c.bottom));
    const int third = (c.right - c.left) / 3;
    for (int i = 0; i < 3; ++i)
        buttons_[i]->SetPosition(float(c.left + i * third), float(c.top - 23), float(c.left + (i + 1) * third),
                                 float(c.top + 3));
    const tagRECT& r = GetRect();
    if (GUI_CloseButton* close = GetCloseButton())
        close->SetPosition(float(r.right - 35), float(r.top + 8), float(r.right - 11), float(r.top + 32));

    GUI_WindowBackground::DrawDropShadow(r, 30.0f, 6);
    GUI_WindowBackground::DrawTiled(r, TEX_WINDOW, 30.0f, 1.0f);
    const tagRECT strip {r.left + 13, r.top + 8, r.right - 50, r.top + 32};
    GUI_WindowBackground::DrawTiled(strip, "window_lcd.bmp", 8.0f, 1.0f);
    GDIText::AddChunk(float(r.left + 18), float(r.top + 12), GetTitle(), kBoldFontName, 17,
                      float(strip.right - r.left - 18), 0, 0, 0, 0);
    GDIText::RenderChunks(-1);

    tabs_->Draw();
    DrawButtons();
    GDIText::RenderChunks(-1);
}

void GUI_Musician::ProcessInput()
{
    tabs_->ProcessInput();
    GUI_Dialog::ProcessInput();
}

bool GUI_Musician::CheckClick(float x, float y)
{
    if (tabs_->CheckClick(x, y)) {
        // The click may have fired the musician and closed this window.
        if (std::find(OpenWindows.begin(), OpenWindows.end(), this) != OpenWindows.end())
            GUI_GetWindowManager()->MakeTopmost(this);
        return true;
    }
    return GUI_Dialog::CheckClick(x, y);
}

// ---- Summary ----

GUI_MusicianSummaryTab::GUI_MusicianSummaryTab(SIM_Musician* musician) : musician_(musician)
{
    GAssert(musician != nullptr, __FILE__, __LINE__);
    SetEatsMouse(false);
    portrait_.width = 80.0f;
    portrait_.height = 80.0f;
    if (musician)
        portrait_.SetTexture(musician->GetPortraitTexture());
    backing_.width = 88.0f;
    backing_.height = 86.0f;
    fire_ = new GUI_ButtonText("MUSICIAN_FIRE", Fire, intptr_t(this));
    fire_->SetTooltip("MUSICIAN_FIRE_TOOLTIP", 10);
    AddButton(fire_);
    const char* keys[5] = {"MUSICIAN_ABILITY", "MUSICIAN_MOTIVATION", "MUSICIAN_LIVEEXPERIENCE",
                           "MUSICIAN_REHEARSAL", "MUSICIAN_STRESS"};
    for (int i = 0; i < 5; ++i)
        labels_[i] = GTranslation::GetString(keys[i]);
}

void GUI_MusicianSummaryTab::Draw()
{
    if (!IsVisible() || !musician_)
        return;
    fire_->SetPosition(float(rect.right - 100), float(rect.bottom - 26), float(rect.right - 10),
                       float(rect.bottom - 6));
    GUI_WindowTab::Draw();

    const float cx = float(rect.left + 60);
    const float cy = float((rect.top + rect.bottom) / 2);
    // The mood may have changed while the window was open.
    portrait_.SetTexture(musician_->GetPortraitTexture());
    portrait_.PlaceLocal(cx, cy);
    backing_.PlaceLocal(cx, cy);
    const tagRECT back {int(backing_.Left()), int(backing_.Top()), int(backing_.Right()), int(backing_.Bottom())};
    GUI_WindowBackground::DrawAngledDropShadow("window_sq_dropshadow.dds", back, 8.0f, 0.0f, 6);
    GetD3DEngine()->FillRect(backing_, PackColor(255, 255, 255, 255));
    portrait_.Draw();

    const float values[5] = {
        musician_->GetAbility(),
        musician_->GetMotivation(),
        musician_->GetLiveExperience()->GetValue(),
        musician_->GetRehearsalData() ? musician_->GetRehearsalData()->GetValue() : 0.0f,
        musician_->GetStress()->GetValue(),
    };
    const float x = float(rect.right - 300);
    float y = float(rect.top + 10);
    for (int i = 0; i < 5; ++i) {
        GDIText::AddChunk(x, y, labels_[i], kBoldFontName, 14, 150.0f, 2, 255, 255, 255);
        GUI_ValueBar::DrawSmallBar(x + 160.0f, y + 2.0f, values[i]);
        y += 19.0f;
    }
    GDIText::RenderChunks(-1);
    DrawButtons();
}

void GUI_MusicianSummaryTab::Fire(intptr_t tab)
{
    auto* summary = reinterpret_cast<GUI_MusicianSummaryTab*>(tab);
    if (!summary)
        return;
    GUI_Musician::PPendingDeletion = summary->musician_;
    GUI_ConfirmDialog::Create(GTranslation::GetString("FIRE_MUSICIAN_TEXT"),
                              GTranslation::GetString("FIRE_MUSICIAN_TITLE"), ReallyFire);
}

void GUI_MusicianSummaryTab::ReallyFire(intptr_t)
{
    SIM_Musician* musician = GUI_Musician::PPendingDeletion;
    // Only a member still in the band is fired, and only once.
    if (!IsLive(musician) || !SIM_GetBand()->IsMember(musician)) {
        GUI_Musician::PPendingDeletion = nullptr;
        return;
    }
    SIM_GetBand()->RemoveMusician(musician);
    musician->FreeUpPossesions();
    SIM_Message::ClearMine(musician);
    GUI_BandIcon::RemoveMusician(musician);

    SIM_GlobalVariable* gv = SIM_GetGlobalVariables();
    const float loss = SIM_GetFame()->GetFame() * gv->Get("RS_RESIGN_FAME_REDUCTION_PERCENTAGE");
    SIM_GetFame()->AddEffect(-loss, gv->Get("RS_RESIGN_FAME_DEGRADE"), "Resignation");

    GUI_Musician::Close(musician);
    GUI_Musician::PPendingDeletion = nullptr;
}

// ---- Personality ----

GUI_MusicianPersonalityTab::GUI_MusicianPersonalityTab(SIM_Musician* musician) : musician_(musician)
{
    GAssert(musician != nullptr, __FILE__, __LINE__);
    if (!musician)
        return;
    for (SIM_Personality* personality : musician->GetPersonalities()) {
        if (!personality)
            continue;
        auto* strip = new GUI_PersonalityStrip(musician, personality);
        AddChild(strip);
        strips_.push_back(strip);
    }
}

GUI_MusicianPersonalityTab::~GUI_MusicianPersonalityTab() { strips_.clear(); }

void GUI_MusicianPersonalityTab::Draw()
{
    if (!IsVisible())
        return;
    GUI_WindowTab::Draw();
    float y = float(rect.top + 15);
    for (GUI_PersonalityStrip* strip : strips_) {
        strip->SetPosition(float(rect.left + 20), y, float(rect.right - 20), y + 23.0f);
        y += 25.0f;
    }
    for (GUI_PersonalityStrip* strip : strips_)
        strip->Draw();
}

void GUI_MusicianPersonalityTab::ProcessInput()
{
    if (IsVisible())
        GUI_WindowTab::ProcessInput();
}

// ---- Possessions ----

GUI_MusicianPossesionsTab::GUI_MusicianPossesionsTab(SIM_Musician* musician) : musician_(musician)
{
    GAssert(musician != nullptr, __FILE__, __LINE__);
}

void GUI_MusicianPossesionsTab::Draw()
{
    if (!IsVisible() || !musician_)
        return;
    GUI_WindowTab::Draw();
    float y = float(rect.top + 15);
    for (const SIM_Asset* asset : musician_->GetPossesions()) {
        if (!asset)
            continue;
        GDIText::AddChunk(float(rect.left + 20), y, asset->GetGUIName(), kBoldFontName, 14,
                          float(rect.right - rect.left - 40), 0, 255, 255, 255);
        y += 20.0f;
    }
    GDIText::RenderChunks(-1);
}

// ---- The developer's dialog ----

void GUI_MusicianDebug::Create(SIM_Musician* musician)
{
    GAssert(musician != nullptr, __FILE__, __LINE__);
    if (musician)
        new GUI_MusicianDebug(musician);
}

void GUI_MusicianDebug::CloseFor(const SIM_Musician* musician)
{
    const std::vector<GUI_MusicianDebug*> snapshot = OpenWindows;
    for (GUI_MusicianDebug* dialog : snapshot)
        if (dialog->musician_ == musician)
            delete dialog;
}

GUI_MusicianDebug::GUI_MusicianDebug(SIM_Musician* musician) : GUI_Dialog(true), musician_(musician)
{
    SetSize(400.0f, 280.0f);
    PlaceCentral();
    SetTitle(musician->GetFullName());
    OpenWindows.push_back(this);
}

GUI_MusicianDebug::~GUI_MusicianDebug()
{
    OpenWindows.erase(std::remove(OpenWindows.begin(), OpenWindows.end(), this), OpenWindows.end());
}

void GUI_MusicianDebug::Draw()
{
    GUI_Dialog::Draw();
    if (!musician_)
        return;
    const float values[5] = {musician_->GetSatisfaction(), musician_->GetExpectation(), musician_->GetResentment(),
                             musician_->GetStress()->GetValue(), musician_->GetRelationshipEffect()};
    const char* formats[5] = {"Satisfaction: %.2f", "Expectation: %.2f", "Resentment: %.2f", "Tiredness: %.2f",
                              "Relationship: %.2f"};
    float y = float(rect.top + 60);
    for (int i = 0; i < 5; ++i) {
        char line[64];
        std::snprintf(line, sizeof(line), formats[i], double(values[i]));
        GDIText::AddChunk(float(rect.left + 50), y, line, kBoldFontName, 14, 300.0f, 0, 255, 255, 255);
        y += 16.0f;
    }
    GDIText::RenderChunks(-1);
}
