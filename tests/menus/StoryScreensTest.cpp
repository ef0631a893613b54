// The story screens inside the real in-game screen: the career-stage screen, the caption
// screen, the yearly review and the verdict, reached as the simulation reaches them.
#include "harness/GameHarness.h"
#include "menus/GUI_EndGame.h"
#include "menus/GUI_FMVScreen.h"
#include "menus/GUI_GameMode.h"
#include "engine/Utilities.h"
#include "menus/GUI_StoryScreens.h"
#include "menus/GUI_YearlyReview.h"
#include "menus/GUI_MenuMain.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_WindowManager.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Statistics.h"

#include <cmath>
#include <filesystem>

namespace {

class StoryScreensTest : public GameHarness {
protected:
    bool MusicPaused()
    {
        bool paused = false;
        audio.GetPaused(GUI_GetSounds()->GetMusicChannel(), &paused);
        return paused;
    }
    bool ClockPaused() { return SIM_GetStatistics()->GetTimer().IsPaused(); }
    // Plays days until the condition holds (at most `days`); false when it never did.
    template <class Condition>
    bool PlayDaysUntil(int days, Condition condition)
    {
        for (int i = 0; i < days && !condition(); ++i) {
            SIM_GetSim()->EndDay();
            Step();
        }
        return condition();
    }
    // A short career: the year ends in a few days and the game a few days after.
    void ShortCareer(int daysToYearEnd, int daysToEnd)
    {
        SIM_Date::EndYearDate = *SIM_Date::PPresentDay;
        SIM_Date::EndGameDate = *SIM_Date::PPresentDay;
        SIM_Date::EndYearDate.IncrementDays(daysToYearEnd);
        SIM_Date::EndGameDate.IncrementDays(daysToEnd);
    }
};

TEST_F(StoryScreensTest, CareerStageTypesItsStoryAndClosesOnReturnBeforeItsButtonShows)
{
    GUI_GameMode* screen = GUI_GetGameMode();
    SIM_GetScreens()->ShowCareerStage();
    WaitFade();
    ASSERT_TRUE(screen->IsUp());
    EXPECT_EQ(GUI_GetWindowManager()->Fullscreens().back(), screen);
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), screen);
    EXPECT_EQ(screen->GetPicture().GetTextureName(), "gamemode_dreamer.jpg");
    EXPECT_EQ(screen->GetPicture().width, 295.0f);
    EXPECT_EQ(screen->GetPicture().height, 691.0f);
    EXPECT_EQ(screen->GetPicture().GetCenterX(), 155.0f);
    EXPECT_EQ(screen->GetDescription().find("<BANDNAME>"), std::string::npos);
    EXPECT_FALSE(screen->GetContinueButton()->IsVisible());

    // The title at once, the story one character per 12 ms.
    EXPECT_EQ(GUI_GameMode::CharactersShown(0.0, "Title"), 5);
    EXPECT_EQ(GUI_GameMode::CharactersShown(120.0, "Title"), 15);
    EXPECT_EQ(GUI_GameMode::CharactersShown(std::nan(""), "Title"), 5);

    // Another key does nothing; Return closes before the button shows.
    PressKey(12);
    Step(3);
    EXPECT_TRUE(screen->IsUp());
    PressKey(kKeyReturn);
    WaitFade();
    EXPECT_FALSE(screen->IsUp());
    EXPECT_TRUE(GUI_GetWindowManager()->Fullscreens().empty());
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);
    // The opening stage introduces the game, once.
    EXPECT_TRUE(GUI_HintHelp::Find("introduction")->shown);
}

TEST_F(StoryScreensTest, CareerStageShowsItsButtonAfterThreeSecondsAndTypesOnlyTheStory)
{
    GUI_GameMode* screen = GUI_GetGameMode();
    screen->Initialise();
    WaitFade();
    Step(20);
    EXPECT_FALSE(screen->GetContinueButton()->IsVisible());
    Step(100); // 3.3 s
    ASSERT_TRUE(screen->GetContinueButton()->IsVisible());
    SaveArtifact("career_stage.png");
    // A freshly opened screen: the button's label shows in full while the story types.
    screen->Initialise();
    Step();
    EXPECT_FALSE(screen->GetContinueButton()->IsVisible());
    ClickCentre(screen->GetContinueButton()); // hidden: the click changes nothing
    EXPECT_TRUE(screen->IsUp());
    Step(100);
    ASSERT_TRUE(ClickButton("GAMEMODE_CONTINUE"));
    WaitFade();
    EXPECT_FALSE(screen->IsUp());

    // Pictures by stage: anything but 1 to 3 is the dreamer.
    struct Case {
        int stage;
        const char* picture;
    };
    for (const Case& c : {Case {0, "gamemode_dreamer.jpg"}, Case {1, "gamemode_amateur.jpg"},
                          Case {2, "gamemode_gigging.jpg"}, Case {3, "gamemode_signed.jpg"},
                          Case {7, "gamemode_dreamer.jpg"}, Case {-1, "gamemode_dreamer.jpg"}})
        EXPECT_STREQ(GUI_GameMode::PictureOf(c.stage), c.picture) << c.stage;
}

// A window that holds the keys under the story screens.
class KeyHolder : public GUI_WindowBase {
public:
    void HandleKey(unsigned int key) override { keys.push_back(key); }
    std::vector<unsigned int> keys;
};

TEST_F(StoryScreensTest, CareerStageGivesTheKeysBackToTheScreenBeneath)
{
    KeyHolder holder;
    GUI_GetGUI()->SetInputHandler(&holder);
    GUI_GetGameMode()->Initialise();
    WaitFade();
    PressKey(kKeyEscape);
    WaitFade();
    EXPECT_TRUE(holder.keys.empty()); // the story screen had them
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), &holder);
    PressKey(12);
    Step();
    EXPECT_EQ(holder.keys, std::vector<unsigned int> {12});
    GUI_GetGUI()->RemoveInputHandler(&holder);
}

TEST_F(StoryScreensTest, CaptionsFadeInAndWaitTheirTurn)
{
    GUI_FMVScreen* caption = GUI_GetFMV();
    SIM_GetScreens()->ShowCaption("The van broke down outside a bakery. Breakfast was excellent.");
    SIM_GetScreens()->ShowCaption("A stranger bought the band a round.");
    ASSERT_TRUE(caption->IsUp());
    EXPECT_EQ(caption->GetText(), "The van broke down outside a bakery. Breakfast was excellent.");
    EXPECT_EQ(caption->Waiting(), 1u);
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr); // it takes no keys
    EXPECT_EQ(GUI_FMVScreen::GreyAt(0.0), 0);
    EXPECT_EQ(GUI_FMVScreen::GreyAt(1000.0), 127);
    EXPECT_EQ(GUI_FMVScreen::GreyAt(2500.0), 255);
    Step(30);
    EXPECT_FALSE(caption->GetContinueButton()->IsVisible());
    Step(70);
    ASSERT_TRUE(caption->GetContinueButton()->IsVisible());
    SaveArtifact("caption.png");
    ClickCentre(caption->GetContinueButton());
    ASSERT_TRUE(caption->IsUp());
    EXPECT_EQ(caption->GetText(), "A stranger bought the band a round.");
    EXPECT_FALSE(caption->GetContinueButton()->IsVisible()); // its own three seconds
    Step(100);
    ClickCentre(caption->GetContinueButton());
    EXPECT_FALSE(caption->IsUp());
    EXPECT_TRUE(GUI_GetWindowManager()->Fullscreens().empty());
}

TEST_F(StoryScreensTest, AShortCareerShowsTheReviewAndTheVerdictAndRestoresMusicAndClock)
{
    ShortCareer(3, 6);
    SIM_GetStatistics()->SetIntCounter(SIM_Statistics::GIGS_PLAYED, 12);
    SIM_GetStatistics()->SetIntCounter(SIM_Statistics::TOTAL_AUDIENCE, 4321);
    SIM_GetStatistics()->SetFloatCounter(SIM_Statistics::TOTAL_INCOME, 23456.7f);
    GUI_YearlyReview* review = GUI_GetYearlyReview();
    ASSERT_FALSE(MusicPaused());
    ASSERT_TRUE(PlayDaysUntil(5, [&] { return review->IsActive(); }));
    EXPECT_TRUE(MusicPaused());
    EXPECT_TRUE(ClockPaused());
    EXPECT_EQ(audio.Count("data/sounds/crowd_small_clap.ogg"), 1);
    EXPECT_NE(review->GetSummary().find("1 year,"), std::string::npos) << review->GetSummary();
    EXPECT_TRUE(review->Children().empty()); // a band of one player: no musician to show
    // Drawn only after two seconds, but it takes clicks from the start.
    Step(30);
    EXPECT_TRUE(review->GetContinueButton()->GetEnabled());
    Step(150); // the whole summary and the statistics typed out
    SaveArtifact("yearly_review.png");
    ClickCentre(review->GetContinueButton());
    EXPECT_FALSE(review->IsActive());
    EXPECT_FALSE(MusicPaused());
    EXPECT_FALSE(ClockPaused());
    // The review leaves nothing modal behind; what may stand is the day's page with its
    // once-only hint.
    for (GUI_WindowBase* modal : GUI_GetWindowManager()->Modals())
        EXPECT_NE(dynamic_cast<GUI_HintHelp*>(modal), nullptr);

    GUI_EndGame* verdict = GUI_GetEndGame();
    ASSERT_TRUE(PlayDaysUntil(5, [&] { return verdict->IsActive(); }));
    EXPECT_TRUE(SIM_GetScreens()->IsEndGameActive());
    EXPECT_TRUE(MusicPaused());
    EXPECT_TRUE(ClockPaused());
    // The income so far and the few days of benefit since, with a thousands separator.
    EXPECT_EQ(verdict->GetFortuneValue().rfind("$ 23,4", 0), 0u) << verdict->GetFortuneValue();
    EXPECT_EQ(verdict->GetCrowdSound(), "data/sounds/crowd_small_clap.ogg");
    // Its buttons do nothing until they show.
    Step(10);
    ClickCentre(verdict->GetContinueButton());
    ClickCentre(verdict->GetMainMenuButton());
    EXPECT_TRUE(verdict->IsActive());
    EXPECT_EQ(GetGame()->GetCurrentMode(), GUI_GetGUI());
    Step(90);
    ASSERT_TRUE(verdict->GetContinueButton()->IsVisible());
    SaveArtifact("verdict.png");
    ClickCentre(verdict->GetContinueButton());
    EXPECT_FALSE(verdict->IsActive());
    EXPECT_FALSE(MusicPaused());
    EXPECT_FALSE(ClockPaused());
    // Play goes on after the end.
    const int day = SIM_Date::PPresentDay->DayCount();
    SIM_GetSim()->EndDay();
    Step();
    EXPECT_EQ(SIM_Date::PPresentDay->DayCount(), day + 1);
    EXPECT_FALSE(verdict->IsActive());
}

TEST_F(StoryScreensTest, TheVerdictsMainMenuEndsTheGame)
{
    GUI_EndGame* verdict = GUI_GetEndGame();
    SIM_GetScreens()->ActivateEndGame();
    WaitFade();
    Step(100);
    ClickCentre(verdict->GetMainMenuButton());
    WaitFade();
    EXPECT_FALSE(verdict->IsActive());
    EXPECT_FALSE(GetGame()->GetGameInProgress());
    EXPECT_EQ(GetGame()->GetCurrentMode(), GUI_GetMenuMain());
    EXPECT_FALSE(MusicPaused());
}

TEST_F(StoryScreensTest, VerdictBarsAndGrades)
{
    // 120 LEDs: 84 green, 18 yellow, 18 red when lit; at least one lit.
    EXPECT_EQ(GUI_EndGame::LitLeds(0.0f), 1);
    EXPECT_EQ(GUI_EndGame::LitLeds(1.0f), 120);
    EXPECT_EQ(GUI_EndGame::LitLeds(std::nanf("")), 1);
    EXPECT_STREQ(GUI_EndGame::LedTexture(0, 1), "mix_led_green.bmp");
    EXPECT_STREQ(GUI_EndGame::LedTexture(1, 1), "mix_led_black.bmp");
    EXPECT_STREQ(GUI_EndGame::LedTexture(83, 120), "mix_led_green.bmp");
    EXPECT_STREQ(GUI_EndGame::LedTexture(84, 120), "mix_led_yellow.bmp");
    EXPECT_STREQ(GUI_EndGame::LedTexture(102, 120), "mix_led_red.bmp");
    EXPECT_STREQ(GUI_EndGame::LedTexture(119, 119), "mix_led_black.bmp");
    // No number never reaches a conversion.
    EXPECT_EQ(GUI_EndGame::Fraction(std::nan(""), 250.0), 0.0f);
    EXPECT_EQ(GUI_EndGame::Fraction(1.0, 0.0), 0.0f);
    EXPECT_EQ(GUI_EndGame::Fraction(500.0, 250.0), 1.0f);
    EXPECT_EQ(WholeNumber(std::nan("")), 0);
    EXPECT_EQ(WholeNumber(1e30), 9000000000000000LL);
    EXPECT_EQ(WholeNumber(-12.9), -12);

    // The grades: full fame and 100,000 earned fill both bars and cheer; a mean of exactly
    // one half cheers too.
    struct Case {
        float fame;
        float income;
        const char* sound;
    };
    for (const Case& c : {Case {300.0f, 150000.0f, "data/sounds/crowd_small_cheer.ogg"},
                          Case {250.0f, 0.0f, "data/sounds/crowd_small_cheer.ogg"},
                          Case {0.0f, std::nanf(""), "data/sounds/crowd_small_clap.ogg"}}) {
        SIM_GetFame()->Clear();
        if (c.fame > 0.0f)
            SIM_GetFame()->AddEffect(c.fame, 1.0f, "test");
        SIM_GetFame()->CalculateValue();
        SIM_GetStatistics()->SetFloatCounter(SIM_Statistics::TOTAL_INCOME, c.income);
        GUI_EndGame* verdict = GUI_GetEndGame();
        verdict->Activate();
        EXPECT_EQ(verdict->GetCrowdSound(), c.sound) << c.fame << " " << c.income;
        EXPECT_FALSE(verdict->GetFameVerdict().empty());
        EXPECT_FALSE(verdict->GetFortuneVerdict().empty());
        if (std::isnan(c.income)) {
            EXPECT_EQ(verdict->GetFortuneValue(), "$ 0");
        }
        GUI_EndGame::Continue(0); // not shown yet, but called directly it leaves
        EXPECT_FALSE(verdict->IsActive());
    }
}

TEST_F(StoryScreensTest, ReviewSummaryCountsYears)
{
    const std::string one = GUI_YearlyReview::Summary("The Lanterns", 1);
    const std::string three = GUI_YearlyReview::Summary("The Lanterns", 3);
    EXPECT_NE(one.find("The Lanterns"), std::string::npos);
    EXPECT_NE(one.find("1 year,"), std::string::npos) << one;
    EXPECT_NE(three.find("3 years,"), std::string::npos) << three;
    EXPECT_EQ(three.find('<'), std::string::npos) << three;
}

TEST_F(StoryScreensTest, ANewGameClearsEveryStoryScreen)
{
    GUI_GetGameMode()->Initialise();
    SIM_GetScreens()->ShowCaption("One");
    SIM_GetScreens()->ShowCaption("Two");
    SIM_GetScreens()->ActivateYearlyReview();
    SIM_GetScreens()->ActivateEndGame();
    Step(5);
    ASSERT_TRUE(MusicPaused());
    GetGame()->StartNewGame();
    WaitFade();
    EXPECT_FALSE(GUI_GetGameMode()->IsUp());
    EXPECT_FALSE(GUI_GetFMV()->IsUp());
    EXPECT_EQ(GUI_GetFMV()->Waiting(), 0u);
    EXPECT_FALSE(GUI_GetYearlyReview()->IsActive());
    EXPECT_FALSE(GUI_GetEndGame()->IsActive());
    EXPECT_FALSE(SIM_GetScreens()->IsEndGameActive());
    EXPECT_TRUE(GUI_GetWindowManager()->Modals().empty());
    EXPECT_TRUE(GUI_GetWindowManager()->Fullscreens().empty());
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);
    EXPECT_FALSE(MusicPaused());
    EXPECT_FALSE(ClockPaused());
    // The crowds stopped with them.
    int crowds = 0;
    for (const auto& p : audio.played)
        if (p.path.find("crowd_small") != std::string::npos) {
            ++crowds;
            const auto* slot = audio.Find(p.channel);
            EXPECT_TRUE(!slot || !slot->playing) << p.path;
        }
    EXPECT_EQ(crowds, 2);
    // The game goes on normally: a day passes.
    const int day = SIM_Date::PPresentDay->DayCount();
    SIM_GetSim()->EndDay();
    Step();
    EXPECT_EQ(SIM_Date::PPresentDay->DayCount(), day + 1);
}

} // namespace
