// The day's activity screens through the real game: auditions and the picker, the
// rehearsal room chooser and its result, the relax chooser and result, the night out.
// Each flow is driven by real clicks and keys and must end the day exactly once and
// charge exactly once, with Escape safe at every stage.
#include "career/SIM_Rehearsal.h"
#include "career/SIM_RehearsalVenue.h"
#include "career/SIM_Relax.h"
#include "career/SIM_RelaxVenue.h"
#include "engine/GTranslation.h"
#include "harness/GameHarness.h"
#include "windows/GUI_BusinessDiscount.h"
#include "mainscreen/GUI_Auditions.h"
#include "mainscreen/GUI_Rehearsal.h"
#include "mainscreen/GUI_RehearsalPostMortem.h"
#include "mainscreen/GUI_Relax.h"
#include "mainscreen/GUI_Socialise.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_ConfirmDialog.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_StandIn.h"
#include "shell/GUI_WindowManager.h"
#include "sim/GAM_PlayBalancer.h"
#include "sim/SIM_Auditionee.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Message.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_SIM.h"

#include <algorithm>
#include <filesystem>

namespace {

class ActivityScreensTest : public GameHarness {
protected:
    bool Played(const std::string& path) const
    {
        for (const auto& p : audio.played)
            if (p.path.size() >= path.size() && p.path.compare(p.path.size() - path.size(), path.size(), path) == 0)
                return true;
        return false;
    }
    // The screen's once-only hint was launched; it is closed by its button so that it
    // takes no later click.
    void CloseHint(const char* key)
    {
        EXPECT_TRUE(GUI_HintHelp::Find(key)->shown) << key;
        CloseAnyHints();
    }
    // Hints the day's end brought up (timed hints) are put away before the next flow.
    void CloseAnyHints() { CloseHints(); }
    static int Days() { return SIM_GetSim()->GetTurnCount(); }
    static float Cash() { return SIM_GetFinances()->GetCash(); }
    static void SetCash(float c) { SIM_GetFinances()->SetCash(c); }
    static void SetValue(const char* key, float v) { SIM_GetGlobalVariables()->Set(key, v); }
    // A real candidate from the auditionees table joins the band.
    static SIM_Musician* Hire(INSTRUMENT instrument)
    {
        SIM_Musician* m = SIM_Auditionee::CreateFromAvailable(instrument);
        SIM_GetBand()->AddMusician(m);
        return m;
    }
    static void HireThree()
    {
        for (INSTRUMENT i : {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR})
            Hire(i);
    }
    // Escape must reach neither the quit question nor anything beneath the screen.
    void EscapeIsHarmless()
    {
        PressKey(kKeyEscape);
        Step();
        EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
    }
    // Frames after a flow finished: nothing more happens to the day or the cash.
    void ExpectSettled(int days, float cash)
    {
        Step(10);
        EXPECT_EQ(Days(), days);
        EXPECT_EQ(Cash(), cash);
    }
};

// ---- auditions ----------------------------------------------------------------------

TEST_F(ActivityScreensTest, AuditionDialogOffersOnlyFreeInstrumentsAndClosesForFree)
{
    Hire(INSTRUMENT_BASS);
    SetCash(1000.0f);
    const int days = Days();
    GUI_Auditions::Create();
    WaitFade();
    CloseHint("audition");
    GUI_Auditions* dialog = GUI_Auditions::PTheWindow;
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->IsAffordable());
    EXPECT_EQ(dialog->GetCostText(), "Hiring the hall and placing the advert costs $50");
    for (int i = 0; i < 6; ++i) {
        const bool free = i != INSTRUMENT_BASS && i != INSTRUMENT_VOCALS;
        EXPECT_EQ(dialog->GetButton(i)->GetCallback() != nullptr, free) << i;
        EXPECT_EQ(dialog->GetButton(i)->IsSelectable(), i != INSTRUMENT_BASS) << i;
    }
    // Clicking the filled and the vocals buttons does nothing.
    ClickCentre(dialog->GetButton(INSTRUMENT_BASS));
    ClickCentre(dialog->GetButton(INSTRUMENT_VOCALS));
    EXPECT_EQ(GUI_AuditionPicker::PTheWindow, nullptr);
    Step();
    SaveArtifact("auditions.png");
    // Escape closes the dialog: no cost, no day.
    PressKey(kKeyEscape);
    Step(2);
    EXPECT_EQ(GUI_Auditions::PTheWindow, nullptr);
    EXPECT_EQ(Cash(), 1000.0f);
    EXPECT_EQ(Days(), days);
}

TEST_F(ActivityScreensTest, AuditionsNeedTheCostInCash)
{
    const struct {
        float cash;
        bool affordable;
    } cases[] = {{49.99f, false}, {50.0f, true}, {-10.0f, false}};
    for (const auto& c : cases) {
        SetCash(c.cash);
        GUI_Auditions::Create();
        Step();
        GUI_Auditions* dialog = GUI_Auditions::PTheWindow;
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->IsAffordable(), c.affordable) << c.cash;
        EXPECT_EQ(dialog->GetButton(0) != nullptr, c.affordable) << c.cash;
    }
    SaveArtifact("auditions_nomoney.png");
}

TEST_F(ActivityScreensTest, AFullLineUpOffersNoInstrument)
{
    for (INSTRUMENT i : {INSTRUMENT_KEYBOARD, INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR,
                         INSTRUMENT_SAXOPHONE})
        Hire(i);
    SetCash(1000.0f);
    GUI_Auditions::Create();
    Step();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(GUI_Auditions::PTheWindow->GetButton(i)->GetCallback(), nullptr) << i;
}

// How a picker flow goes: the cards clicked in order ('h' hire, 'r' reject).
struct PickerFlow {
    const char* name;
    std::string clicks;
    bool hires;
};

TEST_F(ActivityScreensTest, PickerFlowsEndTheDayOnceAndChargeOnce)
{
    const PickerFlow flows[] = {
        {"hire", "h", true},
        {"reject_reject_hire", "rrh", true},
        {"reject_three", "rrr", false},
    };
    for (const PickerFlow& flow : flows) {
        SCOPED_TRACE(flow.name);
        PutAwayDaysPage(); // the last flow ended a day
        SetCash(1000.0f);
        const int days = Days();
        const size_t members = SIM_GetBand()->GetMembers().size();
        GUI_Auditions::Create();
        WaitFade();
        CloseHint("audition");
        ClickCentre(GUI_Auditions::PTheWindow->GetButton(INSTRUMENT_SAXOPHONE));
        WaitFade();
        CloseHint("audition picker");
        EXPECT_EQ(GUI_Auditions::PTheWindow, nullptr);
        GUI_AuditionPicker* picker = GUI_AuditionPicker::PTheWindow;
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), picker);
        EXPECT_EQ(Cash(), 950.0f);
        EscapeIsHarmless();
        ASSERT_EQ(GUI_AuditionPicker::PTheWindow, picker);
        float best = 0.0f;
        for (int k = 0; k < 3; ++k)
            best = std::max(best, picker->GetCard(k)->GetRelativeAbility());
        EXPECT_FLOAT_EQ(best, 1.0f);
        if (flow.clicks.size() > 1)
            SaveArtifact("audition_picker.png");

        SIM_Musician* hired = nullptr;
        for (size_t k = 0; k < flow.clicks.size(); ++k) {
            GUI_Auditionee* card = picker->GetCard(int(k));
            if (flow.clicks[k] == 'h') {
                hired = card->GetMusician();
                ClickCentre(card->GetHireButton());
            } else {
                ClickCentre(card->GetRejectButton());
            }
            if (k + 1 < flow.clicks.size()) {
                Step();
                EXPECT_FALSE(picker->IsCommitted()); // two rejections leave it open
            }
        }
        if (flow.clicks.size() == 3 && !flow.hires) {
            Step();
            SaveArtifact("audition_picker_rejected.png");
        }
        EXPECT_TRUE(picker->IsCommitted());
        // During the fade: the remaining card's buttons and Escape change nothing.
        if (flow.clicks.size() < 3)
            ClickCentre(picker->GetCard(2)->GetHireButton());
        PressKey(kKeyEscape);
        EXPECT_EQ(Days(), days);
        WaitFade();
        EXPECT_EQ(GUI_AuditionPicker::PTheWindow, nullptr);
        EXPECT_EQ(Days(), days + 1);
        EXPECT_EQ(SIM_GetBand()->GetMembers().size(), members + (flow.hires ? 1 : 0));
        if (hired) {
            EXPECT_TRUE(SIM_GetBand()->IsMember(hired));
            // The new member can be let go again for the next flow.
            SIM_GetBand()->RemoveMusician(hired);
            delete hired;
        }
        const float after = Cash();
        ExpectSettled(days + 1, after);
    }
}

TEST_F(ActivityScreensTest, AdviceKeepsTheStrongestTwoPairs)
{
    SetValue("RS_CHEMISTRY_CLASH_THRESHOLD", 0.6f);
    SetValue("RS_CHEMISTRY_MATCH_THRESHOLD", 0.15f);
    SIM_Musician a, b, x, y, z;
    auto set = [](SIM_Musician& m, float c) { m.SetChemistry(c); };
    const struct {
        const char* name;
        std::vector<float> members;    // chemistry of a, b
        std::vector<float> candidates; // chemistry of x, y, z
        SIM_Musician* best;
        SIM_Musician* second;
    } cases[] = {
        {"empty band", {}, {0.5f, 0.5f, 0.5f}, nullptr, nullptr},
        {"one clash only", {0.0f}, {0.9f, 0.3f, 0.4f}, &x, nullptr},
        {"a match outweighs a clash", {0.0f}, {0.7f, 0.05f, 0.3f}, &y, &x},
        {"ties keep the first", {0.5f, 0.5f}, {0.5f, 0.3f, 0.3f}, &x, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<SIM_Musician*> members, candidates;
        SIM_Musician* ms[] = {&a, &b};
        SIM_Musician* cs[] = {&x, &y, &z};
        for (size_t i = 0; i < c.members.size(); ++i) {
            set(*ms[i], c.members[i]);
            members.push_back(ms[i]);
        }
        for (size_t i = 0; i < c.candidates.size(); ++i) {
            set(*cs[i], c.candidates[i]);
            candidates.push_back(cs[i]);
        }
        const auto [best, second] = GUI_AuditionPicker::ChooseAdvice(members, candidates);
        EXPECT_EQ(best.candidate, c.best);
        if (c.second || std::string(c.name) != "ties keep the first")
            EXPECT_EQ(second.candidate, c.second);
        else
            EXPECT_EQ(second.member, &b); // the same candidate seen by the second member
    }
}

TEST_F(ActivityScreensTest, AdviceIsAQuotedTextAboutTheCandidate)
{
    SetValue("RS_CHEMISTRY_CLASH_THRESHOLD", 0.6f);
    SetValue("RS_CHEMISTRY_MATCH_THRESHOLD", 0.15f);
    SIM_Musician member, candidate;
    candidate.SetName("Ada", "Quill");
    for (float chemistry : {0.9f, 0.05f}) { // a clash, then a match
        member.SetChemistry(0.0f);
        candidate.SetChemistry(chemistry);
        const std::string advice = SIM_PotentialChemistryAdvice {&member, &candidate, 1.0f}.GetAdvice();
        ASSERT_GE(advice.size(), 2u);
        EXPECT_EQ(advice.front(), '"');
        EXPECT_EQ(advice.back(), '"');
        EXPECT_NE(advice.find("Ada Quill"), std::string::npos) << advice;
    }
}

// ---- rehearsal ----------------------------------------------------------------------

TEST_F(ActivityScreensTest, RehearsalSummaryCountsAThresholdAsMedium)
{
    HireThree();
    SetValue("RS_LAZY_REHEARSAL_CHANCE", 0.0f);
    SIM_Rehearsal* rehearsal = SIM_Rehearsal::Create(SIM_RehearsalVenue::All[0]);
    ASSERT_FALSE(rehearsal->IsCancelled());
    const float m = SIM_GetBand()->GetValue("band_motivation");
    const struct {
        float low, high;
        const char* summary;
    } cases[] = {
        {m + 0.01f, m + 0.5f, "REHEARSAL_SUMMARY_LOWMOTIVATION"},
        {m, m + 0.5f, "REHEARSAL_SUMMARY_MEDMOTIVATION"},
        {m - 0.5f, m, "REHEARSAL_SUMMARY_MEDMOTIVATION"},
        {m - 0.5f, m - 0.01f, "REHEARSAL_SUMMARY_HIGHMOTIVATION"},
    };
    for (const auto& c : cases) {
        SetValue("RS_REHEARSAL_LOWMOTIV", c.low);
        SetValue("RS_REHEARSAL_HIGHMOTIV", c.high);
        EXPECT_EQ(GUI_RehearsalPostMortem::ChooseSummary(rehearsal), GTranslation::GetString(c.summary)) << c.summary;
    }
}

TEST_F(ActivityScreensTest, RehearsalCancelKeepsTheDayAndAUsedRoomRunsOnce)
{
    HireThree();
    SetValue("RS_LAZY_REHEARSAL_CHANCE", 0.0f);
    SetCash(1000.0f);
    const int days = Days();
    GUI_Rehearsal::Create();
    WaitFade();
    CloseHint("rehearsals");
    GUI_Rehearsal* screen = GUI_Rehearsal::PTheWindow;
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), screen);
    ASSERT_EQ(screen->GetCards().size(), SIM_RehearsalVenue::All.size());
    EXPECT_EQ(screen->GetCashLine(), "Cash : $ 1,000");
    SaveArtifact("rehearsal_chooser.png");
    // Escape cancels: no cost, no day, no quit question.
    PressKey(kKeyEscape);
    WaitFade();
    EXPECT_EQ(GUI_Rehearsal::PTheWindow, nullptr);
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
    EXPECT_EQ(Days(), days);
    EXPECT_EQ(Cash(), 1000.0f);

    GUI_Rehearsal::Create();
    WaitFade();
    screen = GUI_Rehearsal::PTheWindow;
    const size_t rehearsals = SIM_Rehearsal::All.size();
    GUI_RehearsalVenue* church = screen->GetCards()[1];
    const float cost = church->GetVenue()->GetCost();
    ClickCentre(church->GetUseButton());
    EXPECT_TRUE(screen->IsCommitted());
    // During the fade: another room, cancel and Escape change nothing.
    ClickCentre(screen->GetCards()[0]->GetUseButton());
    PressKey(kKeyEscape);
    WaitFade();
    EXPECT_EQ(SIM_Rehearsal::All.size(), rehearsals + 1);
    EXPECT_EQ(Cash(), 1000.0f - cost);
    EXPECT_EQ(Days(), days);
    ASSERT_NE(GUI_RehearsalPostMortem::PTheWindow, nullptr);
    CloseHint("rehearsal post mortem");
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), GUI_RehearsalPostMortem::PTheWindow.Get());
    EXPECT_EQ(GUI_RehearsalPostMortem::PTheWindow->Children().size(), SIM_Message::All.size());
    Step();
    SaveArtifact("rehearsal_result.png");
    // Escape finishes the result and ends the day, once.
    const float before = Cash();
    PressKey(kKeyEscape);
    EXPECT_EQ(GUI_RehearsalPostMortem::PTheWindow, nullptr);
    EXPECT_EQ(Days(), days + 1);
    ExpectSettled(days + 1, Cash());
    (void)before;
}

TEST_F(ActivityScreensTest, ACancelledRehearsalNamesTheAbsentMembers)
{
    HireThree();
    for (SIM_Musician* m : {SIM_GetBand()->GetMembers()[0], SIM_GetBand()->GetMembers()[2]})
        if (!m->HasPersonality("lazy"))
            m->AddPersonality(SIM_Personality::GetByName("lazy"));
    // Every lazy member stays away, in band order.
    std::string absent;
    for (SIM_Musician* m : SIM_GetBand()->GetMembers())
        if (m->HasPersonality("lazy"))
            absent += (absent.empty() ? "" : ", ") + m->GetFullName();
    SetValue("RS_LAZY_REHEARSAL_CHANCE", 1.0f);
    const int days = Days();
    GUI_Rehearsal::Create();
    WaitFade();
    CloseHint("rehearsals");
    ClickCentre(GUI_Rehearsal::PTheWindow->GetCards()[0]->GetUseButton());
    WaitFade();
    GUI_RehearsalPostMortem* result = GUI_RehearsalPostMortem::PTheWindow;
    ASSERT_NE(result, nullptr);
    CloseHint("rehearsal post mortem");
    const std::string expected = "The rehearsal was called off. These members never turned up: " + absent + ".";
    EXPECT_EQ(result->GetSummary(), expected);
    EXPECT_TRUE(Played("data/sounds/male_sigh.ogg"));
    SaveArtifact("rehearsal_cancelled.png");
    ASSERT_TRUE(ClickButton("REHEARSAL_FINISH"));
    Step();
    EXPECT_EQ(Days(), days + 1);
    ExpectSettled(days + 1, Cash());
}

TEST_F(ActivityScreensTest, RehearsalRoomsNeedTheirCostUnlessFree)
{
    HireThree();
    SIM_RehearsalVenue* church = SIM_RehearsalVenue::All[1];
    const struct {
        float cash;
        bool churchUsable;
        bool red;
    } cases[] = {{church->GetCost(), true, false}, {church->GetCost() - 0.01f, false, false}, {-250.0f, false, true}};
    for (const auto& c : cases) {
        SetCash(c.cash);
        GUI_Rehearsal::Create();
        Step();
        GUI_Rehearsal* screen = GUI_Rehearsal::PTheWindow;
        EXPECT_EQ(screen->GetCards()[1]->GetUseButton()->GetEnabled(), c.churchUsable) << c.cash;
        EXPECT_TRUE(screen->GetCards()[0]->GetUseButton()->GetEnabled()) << "the free garage";
        // The business-discount strip sits under the cards.
        EXPECT_TRUE(std::any_of(screen->Children().begin(), screen->Children().end(),
                                [](GUI_WindowBase* w) { return dynamic_cast<GUI_BusinessDiscount*>(w) != nullptr; }));
        if (c.red) {
            EXPECT_EQ(screen->GetCashLine(), "Cash : $ 250");
            SaveArtifact("rehearsal_chooser_debt.png");
        }
    }
}

TEST_F(ActivityScreensTest, RehearsalEffectsLineWritesSignedWholePercents)
{
    HireThree();
    SIM_Rehearsal* rehearsal = SIM_Rehearsal::Create(SIM_RehearsalVenue::All[0]);
    SIM_Musician* m = SIM_GetBand()->GetMembers()[0];
    SIM_Rehearsal::RehearsalEffect* effect = rehearsal->GetEffect(m);
    ASSERT_NE(effect, nullptr);
    const struct {
        float motivation, stress, value;
        const char* line;
    } cases[] = {
        {-0.25f, 0.1f, 0.0f, "Motivation -25%  Stress +10%  "},
        {0.0f, 0.0f, 0.29f, "Rehearsal +29%"},
        {0.0f, 0.0f, 0.0f, ""},
    };
    for (const auto& c : cases) {
        effect->motivationChange = c.motivation;
        effect->stressChange = c.stress;
        effect->rehearsalValue = c.value;
        EXPECT_EQ(GUI_RehearsalComment::EffectsLine(rehearsal, m), c.line);
    }
}

// ---- relax --------------------------------------------------------------------------

TEST_F(ActivityScreensTest, RelaxThroughTheDailyOptionChargesAndEndsTheDayOnce)
{
    HireThree();
    SetCash(1000.0f);
    const int days = Days();
    SIM_Relax::CreateOption();
    SIM_DailyOption* option = nullptr;
    for (SIM_DailyOption* o : SIM_DailyOption::All)
        if (o->GetType() == SIM_DailyOption::RELAX)
            option = o;
    ASSERT_NE(option, nullptr);
    option->Activate();
    WaitFade();
    GUI_RelaxChooser* chooser = GUI_RelaxChooser::PTheWindow;
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), chooser);
    ASSERT_EQ(chooser->Children().size(), SIM_RelaxVenue::All.size());
    EXPECT_EQ(chooser->GetCashLine(), "Cash : $ 1,000");
    EscapeIsHarmless();
    ASSERT_EQ(GUI_RelaxChooser::PTheWindow, chooser);
    SaveArtifact("relax_chooser.png");
    ASSERT_TRUE(ClickButton("RELAX_CHOOSER_CANCEL"));
    Step();
    EXPECT_EQ(GUI_RelaxChooser::PTheWindow, nullptr);
    EXPECT_EQ(Days(), days);
    EXPECT_EQ(Cash(), 1000.0f);

    option->Activate();
    WaitFade();
    CloseHints(); // the band's icons brought theirs
    chooser = GUI_RelaxChooser::PTheWindow;
    auto* beach = static_cast<GUI_RelaxOption*>(chooser->Children()[1]);
    const float cost = beach->GetPlace()->GetCostPerMember() * 3.0f;
    EXPECT_EQ(beach->GetCost(), cost);
    ClickCentre(beach->GetUseButton());
    EXPECT_EQ(GUI_RelaxChooser::PTheWindow, nullptr);
    EXPECT_EQ(Days(), days + 1);
    GUI_Relax* result = GUI_Relax::PTheWindow;
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->GetEffectsText(), "Stress -10   Hype +2   ");
    EXPECT_EQ(result->Children().size(), 3u);
    EXPECT_EQ(result->Children()[0]->GetRect().top, int(127.0f + (613.0f - 95.0f * 3) / 2.0f));
    WaitFade();
    CloseHints(); // the new day's page brought its own
    const float afterDay = Cash();
    EscapeIsHarmless();
    ASSERT_EQ(GUI_Relax::PTheWindow, result);
    SaveArtifact("relax_result.png");
    ASSERT_TRUE(ClickButton("RELAX_CONTINUE"));
    EXPECT_TRUE(result->IsCommitted());
    WaitFade();
    EXPECT_EQ(GUI_Relax::PTheWindow, nullptr);
    ExpectSettled(days + 1, afterDay);
}

TEST_F(ActivityScreensTest, RelaxCostsAndPicturesFollowTheBandAndItsWorth)
{
    for (INSTRUMENT i : {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR, INSTRUMENT_KEYBOARD})
        Hire(i);
    SIM_RelaxVenue* beach = SIM_RelaxVenue::All[1];
    SIM_RelaxVenue* home = SIM_RelaxVenue::All[0];
    const float cost = beach->GetCostPerMember() * 4.0f;
    const struct {
        float cash;
        bool beachUsable;
    } cases[] = {{cost, true}, {cost - 1.0f, false}, {-50.0f, false}, {2000.0f, true}, {1999.0f, true}};
    for (const auto& c : cases) {
        SetCash(c.cash);
        GUI_RelaxChooser::Create();
        Step();
        auto* beachRow = static_cast<GUI_RelaxOption*>(GUI_RelaxChooser::PTheWindow->Children()[1]);
        auto* homeRow = static_cast<GUI_RelaxOption*>(GUI_RelaxChooser::PTheWindow->Children()[0]);
        EXPECT_EQ(beachRow->GetUseButton()->GetEnabled(), c.beachUsable) << c.cash;
        EXPECT_TRUE(homeRow->GetUseButton()->GetEnabled()) << "a free place, even in debt";
        GUI_Relax::Create(home);
        // The band owns nothing but its cash here, so its worth is the cash.
        ASSERT_EQ(GAM_PlayBalancer::GetNetWorth(), c.cash);
        const bool rich = c.cash >= 2000.0f;
        EXPECT_EQ(GUI_Relax::PTheWindow->GetBackgroundName(), rich ? "relax_home_luxury.jpg" : "relax_home.jpg")
            << c.cash;
        GUI_Relax::Close(0);
        GUI_RelaxChooser::Close(0);
    }
}

TEST_F(ActivityScreensTest, RelaxEffectsWriteZeroAsMinus)
{
    SIM_RelaxVenue place;
    place.AddModifier("band_stress,0,RS_STRESS_DEGRADE");
    place.AddModifier("band_hype,0.05,_HYPE_DEGRADE");
    EXPECT_EQ(GUI_Relax::EffectsText(&place), "Stress -0   Hype +5   ");
}

// ---- socialise ----------------------------------------------------------------------

TEST_F(ActivityScreensTest, SocialiseCommitsOnContinueOnlyAndOnce)
{
    HireThree();
    SetCash(1000.0f);
    SetValue("RS_SOCIALISE_STRESS", -0.1f);
    SetValue("RS_SOCIALISE_HYPE", 0.05f);
    const int days = Days();
    // Torn down without the player's continue (a restart, a load): nothing is committed.
    GUI_Socialise::Create();
    GUI_Socialise::Close(0);
    EXPECT_EQ(Days(), days);
    EXPECT_EQ(Cash(), 1000.0f);

    GUI_Socialise* screen = GUI_Socialise::Create();
    WaitFade();
    EXPECT_EQ(screen->GetStressLine(), "Stress -10");
    EXPECT_EQ(screen->GetHypeLine(), "Hype +5");
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), screen);
    EscapeIsHarmless();
    ASSERT_EQ(GUI_Socialise::PTheWindow, screen);
    SaveArtifact("socialise.png");
    ClickCentre(screen->GetContinueButton());
    EXPECT_EQ(Days(), days + 1);
    ClickCentre(screen->GetContinueButton()); // a second click during the fade
    PressKey(kKeyEscape);
    WaitFade();
    EXPECT_EQ(GUI_Socialise::PTheWindow, nullptr);
    EXPECT_EQ(Days(), days + 1);
    ExpectSettled(days + 1, Cash());
}

TEST_F(ActivityScreensTest, ANewGameClosesTheScreensWithoutEndingADay)
{
    HireThree();
    SetCash(1000.0f);
    GUI_Socialise::Create();
    GUI_Relax::Create(SIM_RelaxVenue::All[0]);
    GUI_Rehearsal::Create();
    WaitFade();
    CloseHint("rehearsals");
    ClickCentre(GUI_Rehearsal::PTheWindow->GetCards()[0]->GetUseButton());
    // Mid-fade: a new game deletes the chooser and the rehearsal; the fade's close finds
    // nothing to show.
    GetGame()->StartNewGame();
    WaitFade();
    Step(5);
    EXPECT_EQ(GUI_Rehearsal::PTheWindow, nullptr);
    EXPECT_EQ(GUI_RehearsalPostMortem::PTheWindow, nullptr);
    EXPECT_EQ(GUI_Relax::PTheWindow, nullptr);
    EXPECT_EQ(GUI_Socialise::PTheWindow, nullptr);
    EXPECT_EQ(Days(), 0);
}

} // namespace
