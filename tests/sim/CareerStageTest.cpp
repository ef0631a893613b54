// The career stages: which band reaches which stage, one step a day at most, never back.
#include "sim/BandFixture.h"

#include "career/SIM_RecordingStudio.h"
#include "career/SIM_Song.h"
#include "engine/GTranslation.h"
#include "sim/SIM_GameMode.h"

#include <set>
#include <string>

namespace {
// The band the check sees: how many musicians of the core instruments, enough songs, a deal.
enum class Lineup { None, DrumsAndBass, Valid };

class CareerStageTest : public BandTest {
protected:
    void SetUp() override
    {
        BandTest::SetUp();
        SIM_GetGameMode()->Reset();
    }
    static void Form(Lineup lineup)
    {
        if (lineup == Lineup::None)
            return;
        Hire(INSTRUMENT_DRUMS);
        Hire(INSTRUMENT_BASS);
        if (lineup == Lineup::Valid)
            Hire(INSTRUMENT_GUITAR);
    }
    static void EnoughSongs(bool enough)
    {
        SIM_Song::Cache_RS_SONGS_REQ_FOR_GIG = enough ? 0 : 1000;
    }
    static int Stage() { return SIM_GetGameMode()->GetCurrentMode(); }
};
}

TEST_F(CareerStageTest, EachStageChecksOnlyTheStepAfterIt)
{
    struct Case {
        const char* name;
        int stage;
        Lineup lineup;
        bool enoughSongs;
        bool signedDeal;
        int expected;
    };
    const Case cases[] = {
        {"dreamer alone", 0, Lineup::None, true, true, 0},
        {"dreamer without a melody player", 0, Lineup::DrumsAndBass, true, true, 0},
        {"dreamer with a valid band", 0, Lineup::Valid, false, false, 1},
        {"dreamer who has everything moves one step", 0, Lineup::Valid, true, true, 1},
        {"amateur short of songs", 1, Lineup::Valid, false, true, 1},
        {"amateur with songs but no valid band", 1, Lineup::DrumsAndBass, true, true, 1},
        {"amateur with a band and a set", 1, Lineup::Valid, true, false, 2},
        {"amateur who is signed moves one step", 1, Lineup::Valid, true, true, 2},
        {"gigging without a deal", 2, Lineup::Valid, true, false, 2},
        {"gigging with a deal, even with no band left", 2, Lineup::None, false, true, 3},
        {"signed is the last stage", 3, Lineup::Valid, true, true, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewGame(2);
        SIM_GetGameMode()->SetCurrentMode(c.stage);
        Form(c.lineup);
        EnoughSongs(c.enoughSongs);
        if (c.signedDeal)
            SIM_GetRecordCompany()->SignDeal();
        screens.Clear();

        SIM_GetGameMode()->CheckForPromotion();
        EXPECT_EQ(Stage(), c.expected);
        EXPECT_EQ(screens.Count("ShowCareerStage"), c.expected != c.stage ? 1 : 0);
        EXPECT_TRUE(screens.Alerts().empty());
    }
}

TEST_F(CareerStageTest, ABandThatHasEverythingClimbsOneStageADayAndNeverFalls)
{
    Form(Lineup::Valid);
    EnoughSongs(true);
    SIM_GetRecordCompany()->SignDeal();
    for (int expected : {1, 2, 3, 3}) {
        screens.Clear();
        SIM_GetSim()->EndDay();
        EXPECT_EQ(Stage(), expected);
        EXPECT_LE(screens.Count("ShowCareerStage"), 1);
    }
    // The guitarist walks out: the band is no longer valid, but a stage once reached stays.
    SIM_GetBand()->RemoveMusician(SIM_GetBand()->GetFirstMember(INSTRUMENT_GUITAR));
    ASSERT_FALSE(SIM_GetBand()->Valid());
    SIM_GetSim()->EndDay();
    EXPECT_EQ(Stage(), 3);
}

TEST_F(CareerStageTest, ANewGameStartsAsADreamer)
{
    SIM_GetGameMode()->SetCurrentMode(2);
    NewGame(2);
    EXPECT_EQ(Stage(), 0);
}

TEST_F(CareerStageTest, ARestoredStageOutsideTheFourIsBroughtIntoRangeWithALogLine)
{
    struct Case {
        int saved;
        int expected;
        bool noted;
    } const cases[] = {{-1, 0, true}, {0, 0, false}, {3, 3, false}, {4, 3, true}, {1000, 3, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saved);
        screens.Clear();
        SIM_GetGameMode()->SetCurrentMode(c.saved);
        EXPECT_EQ(Stage(), c.expected);
        EXPECT_EQ(screens.reports.size(), c.noted ? 1u : 0u);
        EXPECT_TRUE(screens.Alerts().empty());
    }
}

TEST_F(CareerStageTest, EachStageShowsItsOwnTitleAndText)
{
    std::set<std::string> keys;
    for (int stage = 0; stage < SIM_GameMode::NumModes; ++stage) {
        SCOPED_TRACE(stage);
        SIM_GetGameMode()->SetCurrentMode(stage);
        EXPECT_EQ(SIM_GetGameMode()->GetTitle(), GTranslation::GetString(SIM_GameMode::TitleKey(stage)));
        EXPECT_EQ(SIM_GetGameMode()->GetDescription(), GTranslation::GetString(SIM_GameMode::TextKey(stage)));
        EXPECT_NE(SIM_GetGameMode()->GetTitle(), SIM_GameMode::TitleKey(stage)) << "shipped";
        EXPECT_NE(SIM_GetGameMode()->GetDescription(), SIM_GameMode::TextKey(stage)) << "shipped";
        keys.insert(SIM_GameMode::TitleKey(stage));
        keys.insert(SIM_GameMode::TextKey(stage));
    }
    EXPECT_EQ(keys.size(), 2u * SIM_GameMode::NumModes);
}
