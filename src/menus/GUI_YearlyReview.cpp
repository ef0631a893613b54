#include "menus/GUI_YearlyReview.h"

#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "menus/GUI_GameMode.h"
#include "menus/GUI_StoryScreens.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_WindowManager.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Statistics.h"

#include <algorithm>

namespace {

const char* const kApplause = "data/sounds/crowd_small_clap.ogg";

} // namespace

GUI_YearlyReview* GUI_GetYearlyReview()
{
    static GUI_YearlyReview* review = new GUI_YearlyReview;
    return review;
}

GUI_ReviewPortrait::GUI_ReviewPortrait(SIM_Musician* musician)
{
    if (musician)
        picture_.SetTexture(musician->GetPortraitTexture());
}

void GUI_ReviewPortrait::Draw()
{
    const float side = float(GetWidth());
    frame_.width = frame_.height = side;
    frame_.PlaceLocal(GetCenterX(), GetCenterY());
    picture_.width = picture_.height = side * 12.0f / 13.0f;
    picture_.PlaceLocal(GetCenterX(), GetCenterY());
    GetD3DEngine()->FillRect(frame_, 0xFFFFFFFFu);
    picture_.Draw();
}

GUI_YearlyReview::GUI_YearlyReview()
{
    static const char* const keys[8] = {"YEAREND_GIGS_PLAYED",        "YEAREND_SONGS_WRITTEN",
                                        "YEAREND_REHEARSALS",         "YEAREND_REHEARSALS_CANCELLED",
                                        "YEAREND_AUDIENCE_PLAYEDTO",  "YEAREND_DAMAGE_COSTS",
                                        "YEAREND_MONEY_EARNED",       "YEAREND_TITLE"};
    for (int i = 0; i < 8; ++i)
        labels_[i] = GTranslation::GetString(keys[i]);
    background_.SetTexture("leather.jpg");
    SetCloseOnRestart(false);
}

std::string GUI_YearlyReview::Summary(const std::string& bandName, int years)
{
    std::string text = GTranslation::GetString("YEAREND_SUMMARY");
    GTranslation::ReplaceToken(text, "<YEAR>",
                               GTranslation::GetString(years > 1 ? "YEARCOUNT_YEARS" : "YEARCOUNT_YEAR"));
    GTranslation::ReplaceToken(text, "<BANDNAME>", bandName);
    GTranslation::ReplaceToken(text, "<YEARCOUNT>", years);
    return text;
}

void GUI_YearlyReview::Activate()
{
    if (active_)
        return;
    const float w = D3DEngine::W, h = D3DEngine::H;
    active_ = true;
    GUI_OpenStoryScreen(this);
    ClearButtons();
    continue_ = new GUI_ButtonText("YEAREND_CONTINUE", Continue, 0);
    continue_->SetPosition(w / 2.0f - 150.0f, h - 60.0f, w / 2.0f + 150.0f, h - 38.0f);
    AddButton(continue_);
    SetRect(&panel_, 73, 81, int(w) - 73, 574);
    GUI_GetSounds()->MuteMusic();
    applause_ = GUI_GetSounds()->PlaySound(kApplause, false);
    timer_.StartTimer();
    summary_ = Summary(SIM_GetBand()->GetSponsoredName(), SIM_GetBand()->GetYearCount());
    Populate();
}

void GUI_YearlyReview::Populate()
{
    KillChildren();
    const std::vector<SIM_Musician*> members = SIM_GetBand()->GetMembers();
    if (members.empty())
        return;
    const float share = float(panel_.right - panel_.left - 60) / float(members.size());
    float x = float(panel_.left) + 30.0f;
    for (SIM_Musician* musician : members) {
        auto* portrait = new GUI_ReviewPortrait(musician);
        const float left = x + (share - 105.0f) / 2.0f;
        portrait->SetPosition(left, 246.0f, left + 105.0f, 351.0f);
        AddChild(portrait);
        x += share;
    }
}

void GUI_YearlyReview::DrawStatistic(float x, float y, int value, const std::string& label)
{
    GDIText::AddChunk(x, y, label, kBoldFontName, 18, 220.0f, 0, 255, 255, 255);
    GDIText::AddChunk(x + 220.0f, y, NumToDelimitedChar(value), kBoldFontName, 18, 200.0f, 0, 255, 255, 255);
}

void GUI_YearlyReview::Draw()
{
    timer_.Update();
    const float w = D3DEngine::W;
    GetD3DEngine()->FillScreen(background_);
    GetD3DEngine()->FillRect(panel_, 0xFF000000u);
    // Labels and tool tips queued before are no story text: they never wait.
    GDIText::RenderChunks(-1);
    if (timer_.GetElapsed() > kButtonDelayMs)
        DrawButtons();
    GDIText::RenderChunks(-1);

    GDIText::AddChunk(0.0f, 106.0f, labels_[7], kBoldFontName, 26, w, 1, 255, 255, 255);
    GDIText::AddChunk(110.0f, 190.0f, summary_, kBoldFontName, 24, w - 220.0f, 0, 255, 255, 255);
    const SIM_Statistics* stats = SIM_GetStatistics();
    const int left[4] = {stats->GetIntCounter(SIM_Statistics::GIGS_PLAYED),
                         stats->GetIntCounter(SIM_Statistics::SONGS_WRITTEN),
                         stats->GetIntCounter(SIM_Statistics::REHEARSALS),
                         stats->GetIntCounter(SIM_Statistics::REHEARSALS_CANCELLED)};
    for (int i = 0; i < 4; ++i)
        DrawStatistic(189.0f, 390.0f + 22.0f * i, left[i], labels_[i]);
    const long long right[3] = {stats->GetIntCounter(SIM_Statistics::TOTAL_AUDIENCE),
                                WholeNumber(stats->GetFloatCounter(SIM_Statistics::DAMAGE_COST)),
                                WholeNumber(stats->GetFloatCounter(SIM_Statistics::TOTAL_INCOME))};
    for (int i = 0; i < 3; ++i)
        DrawStatistic(478.0f, 390.0f + 22.0f * i, int(std::clamp(right[i], -2000000000LL, 2000000000LL)),
                      labels_[4 + i]);
    DrawChildren();
    GDIText::RenderChunks(GUI_GameMode::CharactersShown(timer_.GetElapsed(), labels_[7]));
}

void GUI_YearlyReview::Continue(intptr_t)
{
    GUI_YearlyReview* review = GUI_GetYearlyReview();
    if (!review->active_)
        return;
    GUI_GetSounds()->StopSound(review->applause_);
    review->applause_ = {};
    review->Deactivate();
    GUI_GetSounds()->ResumeMusic();
    SIM_GetStatistics()->StartTimer();
    SIM_GetStatistics()->NextYear();
}

void GUI_YearlyReview::Deactivate()
{
    active_ = false;
    GUI_GetWindowManager()->RemoveModal(this);
    // The button's own click may be running: it is deleted with the list, after the click.
    ClearButtons();
    continue_ = nullptr;
    KillChildren();
}

void GUI_YearlyReview::Clear()
{
    if (!active_)
        return;
    GUI_GetSounds()->StopSound(applause_);
    applause_ = {};
    Deactivate();
    GUI_GetSounds()->ResumeMusic();
    SIM_GetStatistics()->StartTimer();
}
