// The gig window inside the real game: reached from the day's gig row, left only by its
// finish button, ending the day exactly once with the record company's word.
#include "ShowFixture.h"

#include "career/SIM_Performance.h"
#include "career/SIM_RecordingStudio.h"
#include "engine/GTranslation.h"
#include "engine/gfx/D3DEngine.h"
#include "mainscreen/GUI_DailyOptions.h"
#include "menus/GUI_FMVScreen.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_WindowManager.h"
#include "show/GUI_Gig.h"
#include "show/GUI_GigBackdrop.h"
#include "show/GUI_VUMeter.h"
#include "windows/GUI_RecordCompanyOffer.h"
#include "sim/SIM_Date.h"

namespace {

class GigWindowTest : public ShowTest {
protected:
    std::string T(const char* key) { return GTranslation::GetString(key); }
    int Turns() { return SIM_GetSim()->GetTurnCount(); }
    bool MusicPaused()
    {
        bool paused = false;
        audio.GetPaused(GUI_GetSounds()->GetMusicChannel(), &paused);
        return paused;
    }
    // Plays tonight's gig at the venue through the day's gig row.
    GUI_Gig* PlayGigAt(SIM_Venue* venue)
    {
        HireBand();
        BookAndComeToGigDay(venue);
        SIM_DailyOption* row = TonightsGig();
        EXPECT_NE(row, nullptr) << "no gig row on the gig's day";
        if (!row)
            return nullptr;
        // Music is playing when the show starts.
        if (!GUI_GetSounds()->GetMusicChannel())
            GUI_GetSounds()->StartMusic();
        EXPECT_FALSE(MusicPaused());
        row->Activate();
        WaitFade();
        return GUI_Gig::PTheWindow;
    }
};

TEST_F(GigWindowTest, EffectsLineLeavesOutWhatRoundsToNothing)
{
    const std::string mot = T("GIG_MOTIVATION_EFFECT"), ins = T("GIG_INSPIRATION_EFFECT");
    const std::string str = T("GIG_STRESS_EFFECT"), fame = T("GIG_FAME_EFFECT");
    struct Case {
        float motivation, inspiration, stress, fame;
        std::string expected;
    };
    const Case cases[] = {
        {0, 0, 0, 0, ""},
        {0.004f, 0, 0, 0.7f, ""},
        {0.25f, -0.1f, 0, 0, mot + " +25%  " + ins + " -10%  "},
        {0, 0, 0.05f, -3.0f, str + " +5%  " + fame + " -3  "},
        {0, 0.5f, 0, 12.9f, ins + " +50%  " + fame + " +12  "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GUI_Gig::EffectsLine(c.motivation, c.inspiration, c.stress, c.fame), c.expected)
            << c.motivation << " " << c.inspiration << " " << c.stress << " " << c.fame;
}

TEST_F(GigWindowTest, ProfitAndCapacityTexts)
{
    EXPECT_EQ(GUI_Gig::ProfitText(-1234.6f), "-$1,234");
    EXPECT_EQ(GUI_Gig::ProfitText(0.0f), "$0");
    EXPECT_EQ(GUI_Gig::ProfitText(98765.4f), "$98,765");
    EXPECT_EQ(GUI_Gig::CapacityText(true, 40, 40), T("GIG_SOLD_OUT"));
    EXPECT_EQ(GUI_Gig::CapacityText(false, 50, 200), "25%");
    EXPECT_EQ(GUI_Gig::CapacityText(false, 5, 0), "0%");
}

TEST_F(GigWindowTest, BookedGigPlaysFromItsRowAndFinishEndsTheDayOnce)
{
    SIM_Venue* small = SIM_Venue::All.front();
    GUI_Gig* gig = PlayGigAt(small);
    ASSERT_NE(gig, nullptr);
    EXPECT_EQ(GUI_GetWindowManager()->Fullscreens().back(), gig);
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), gig);
    EXPECT_TRUE(MusicPaused());
    EXPECT_EQ(GUI_GetGigBackdrop()->GetPersonScalar(), small->GetPersonHeight());
    EXPECT_EQ(GUI_GetGigBackdrop()->GetBackdropTexture(), small->GetBackdrop());
    EXPECT_NE(gig->Texts().venueLine.find(small->GetGUIName()), std::string::npos);
    // Seven meters in seven equal slices under the stage.
    const float slice = D3DEngine::W / 7.0f;
    for (int i = 0; i < GUI_Gig::kMeters; ++i) {
        ASSERT_NE(gig->GetMeter(i), nullptr);
        EXPECT_FLOAT_EQ(float(gig->GetMeter(i)->GetRect().left), float(int(float(i) * slice)));
        EXPECT_EQ(gig->GetMeter(i)->GetRect().top, GUI_GetGigBackdrop()->GetStageRect().bottom + 10);
    }
    // The gig's own hint comes first, so the fame hint waits for another night.
    ASSERT_NE(GUI_HintHelp::Find("gig"), nullptr);
    EXPECT_TRUE(GUI_HintHelp::Find("gig")->shown);
    EXPECT_FALSE(GUI_HintHelp::Find("gig fame boost") && GUI_HintHelp::Find("gig fame boost")->shown);
    CloseHints();
    Step(40);
    SaveArtifact("gig_small_venue.png");

    // Escape never closes the show nor reaches the quit question.
    const int turns = Turns();
    PressKey(kKeyEscape);
    Step(5);
    EXPECT_EQ(GUI_Gig::PTheWindow, gig);
    EXPECT_FALSE(GUI_GetWindowManager()->ModalWindowsActive());

    // Two clicks on Finish: one fade, one close, one day.
    GUI_ButtonText* finish = gig->GetFinishButton();
    const float fx = finish->GetCenterX(), fy = finish->GetCenterY();
    Click(fx, fy);
    Click(fx, fy);
    WaitFade();
    Step(3);
    EXPECT_EQ(GUI_Gig::PTheWindow, nullptr);
    EXPECT_EQ(Turns(), turns + 1);
    EXPECT_FALSE(MusicPaused());
    EXPECT_TRUE(GUI_Spotlight::All.empty());
    // The crowd and the band stopped with the stage.
    int stageSounds = 0;
    for (const auto& p : audio.played)
        if (p.path.find("crowd_") != std::string::npos || p.path.find("EOG_") != std::string::npos) {
            ++stageSounds;
            bool playing = true;
            audio.IsPlaying(p.channel, &playing);
            EXPECT_FALSE(playing) << p.path;
        }
    EXPECT_GE(stageSounds, 2);
}

TEST_F(GigWindowTest, LargeVenueScoutGivesOfferOrCaptionAndSignedBandIsNotScouted)
{
    SIM_RecordCompany* company = SIM_GetRecordCompany();
    SIM_GetGlobalVariables()->Set("RS_COMPANY_SCOUT_BASECHANCE", 1.0f);
    SIM_Venue* large = SIM_Venue::All.back();
    GUI_Gig* gig = PlayGigAt(large);
    ASSERT_NE(gig, nullptr);
    EXPECT_EQ(GUI_GetGigBackdrop()->GetPersonScalar(), large->GetPersonHeight());
    CloseHints();
    Step(40);
    SaveArtifact("gig_large_venue.png");
    const size_t captionsBefore = GUI_GetFMV()->IsUp() ? GUI_GetFMV()->Waiting() + 1 : 0;
    ASSERT_TRUE(ClickButton("GIG_FINISH"));
    WaitFade();
    const bool offered = GUI_RecordCompanyOffer::PTheWindow.Get() != nullptr;
    const size_t captionsAfter = GUI_GetFMV()->IsUp() ? GUI_GetFMV()->Waiting() + 1 : 0;
    // The scout always comes to the largest venue here: an offer or the caption, never both.
    EXPECT_NE(offered, captionsAfter == captionsBefore + 1);
    if (offered) {
        // The offer is read before the new day's page, which waits for it.
        EXPECT_FALSE(GUI_GetDailyOptions()->IsUp());
        CloseHints();
        ASSERT_TRUE(ClickButton("OFFER_REJECT"));
        WaitFade();
        Step();
        EXPECT_TRUE(GUI_GetDailyOptions()->IsUp()) << "the page comes once the offer is read";
    }

    // Once signed, no scout is heard after a gig.
    company->SignDeal();
    const size_t captionsSigned = GUI_GetFMV()->IsUp() ? GUI_GetFMV()->Waiting() + 1 : 0;
    BookAndComeToGigDay(large);
    if (SIM_DailyOption* row = TonightsGig()) {
        // Music is playing when the show starts.
        if (!GUI_GetSounds()->GetMusicChannel())
            GUI_GetSounds()->StartMusic();
        EXPECT_FALSE(MusicPaused());
        row->Activate();
        WaitFade();
        ASSERT_TRUE(ClickButton("GIG_FINISH"));
        WaitFade();
        EXPECT_EQ(GUI_RecordCompanyOffer::PTheWindow.Get(), nullptr);
        EXPECT_EQ(GUI_GetFMV()->IsUp() ? GUI_GetFMV()->Waiting() + 1 : 0, captionsSigned);
    }
}

TEST_F(GigWindowTest, NewGameWhileTheShowIsUpEndsNoDayAndStopsTheStage)
{
    GUI_Gig* gig = PlayGigAt(SIM_Venue::All.front());
    ASSERT_NE(gig, nullptr);
    const int turns = Turns();
    GetGame()->StartNewGame();
    WaitFade();
    EXPECT_EQ(GUI_Gig::PTheWindow, nullptr);
    EXPECT_EQ(SIM_GetSim()->GetActivities(), 0);
    EXPECT_LE(Turns(), turns);
    EXPECT_EQ(GUI_RecordCompanyOffer::PTheWindow.Get(), nullptr);
    EXPECT_TRUE(GUI_Spotlight::All.empty());
    // A stale finish callback after the window went does nothing.
    GUI_Gig::Close(0);
    GUI_Gig::Finish(0);
    EXPECT_EQ(SIM_GetSim()->GetActivities(), 0);
}

TEST_F(GigWindowTest, NullPerformanceIsReportedAndOpensNothing)
{
    GUI_Gig::Create(nullptr);
    EXPECT_EQ(GUI_Gig::PTheWindow, nullptr);
    EXPECT_EQ(TakeReports().size(), 1u);
}

} // namespace
