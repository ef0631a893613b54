#include "sim/SimFixture.h"

#include "sim/BandFixture.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_PlayerOptions.h"

#include <string>
#include <vector>

using Calls = std::vector<std::string>;

namespace {
const Calls kNormalDay = {"DailyOptionsCleared", "RefreshCalendar", "RebuildDailyOptions",
                          "CheckTimedHints"};

// A game whose days announce no rival gig, so a day makes only the pass's own calls.
void QuietDays()
{
    SIM_GetGlobalVariables()->Set("RS_OTHER_BAND_CHANCE", 0.0f);
}
}

TEST_F(SimTest, OpenAndResetDrawTheLoadingScreenAtTheirSteps)
{
    SIM_GetSim()->Open();
    SIM_GetSim()->Open(); // a second Open does nothing
    EXPECT_EQ(screens.calls, (Calls {"DrawLoadingScreen 0.35", "DrawLoadingScreen 0.4"}));
    screens.Clear();
    SIM_GetSim()->Reset();
    EXPECT_EQ(screens.calls,
              (Calls {"DailyOptionsCleared", "DrawLoadingScreen 0", "DrawLoadingScreen 0.125",
                      "DrawLoadingScreen 0.25", "DrawLoadingScreen 0.375", "DrawLoadingScreen 0.5",
                      "DrawLoadingScreen 0.6", "DrawLoadingScreen 0.75", "DrawLoadingScreen 1"}));
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), 0);
    EXPECT_EQ(SIM_GetSim()->GetActivitiesRemaining(), 1);
    EXPECT_TRUE(screens.Alerts().empty());
}

TEST_F(SimTest, NormalDayRunsTheWholePass)
{
    NewGame(2);
    QuietDays();
    SIM_GetSim()->EndDay();
    EXPECT_EQ(screens.calls, kNormalDay);
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), 1);
    EXPECT_EQ(SIM_GetSim()->GetActivitiesRemaining(), 1);
    EXPECT_EQ(SIM_GetSim()->GetMode(), TURNMODE_IDLE);
    const SIM_Date* today = SIM_Date::PPresentDay;
    EXPECT_TRUE(today->IsIdentical(4, 6, 2007));
    EXPECT_EQ(today->GetDayOfWeek(), 1);
}

TEST_F(SimTest, RoyaltyDayFallsEverySeventhDayAndRunsTheWholePass)
{
    NewGame(2);
    QuietDays();
    EndDays(6);
    screens.Clear();
    SIM_GetSim()->EndDay();
    EXPECT_EQ(SIM_Date::PPresentDay->GetDayOfWeek(), 0);
    EXPECT_TRUE(SIM_Date::PPresentDay->IsIdentical(3, 7, 2007));
    EXPECT_EQ(screens.calls, kNormalDay);
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), 7);
}

TEST_F(SimTest, YearEndShowsTheReviewWithinThePass)
{
    NewGame(2);
    QuietDays();
    EndDays(SIM_Date::DaysPerYear - 1);
    screens.Clear();
    SIM_GetSim()->EndDay();
    EXPECT_TRUE(SIM_Date::PPresentDay->IsIdentical(3, 6, 2008));
    EXPECT_EQ(screens.calls, (Calls {"DailyOptionsCleared", "RefreshCalendar", "ActivateYearlyReview",
                                     "RebuildDailyOptions", "CheckTimedHints"}));
    EXPECT_EQ(SIM_GetBand()->GetYearCount(), 1);
    EXPECT_TRUE(SIM_Date::EndYearDate.IsIdentical(3, 6, 2009));
}

TEST_F(SimTest, LastDayStopsAfterTheDateAndNoReviewFollows)
{
    NewGame(2);
    EndDays(2 * SIM_Date::DaysPerYear - 1);
    ASSERT_EQ(SIM_GetSim()->GetTurnCount(), 2 * SIM_Date::DaysPerYear - 1);
    screens.Clear();
    SIM_GetSim()->EndDay();
    EXPECT_TRUE(SIM_Date::PPresentDay->IsIdentical(3, 6, 2009));
    EXPECT_EQ(screens.calls, (Calls {"DailyOptionsCleared", "RefreshCalendar", "ActivateEndGame"}));
    EXPECT_TRUE(SIM_GetSim()->IsTenYearsUp());
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), 2 * SIM_Date::DaysPerYear - 1);

    // Days still pass behind the verdict, without the day's simulation and without a
    // yearly review the day after the verdict stood in for it.
    screens.Clear();
    EndDays(SIM_Date::DaysPerYear - 1);
    EXPECT_FALSE(screens.Has("ActivateYearlyReview"));
    EXPECT_FALSE(screens.Has("RebuildDailyOptions"));
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), 2 * SIM_Date::DaysPerYear - 1);
}

TEST_F(SimTest, PlayingOnAfterTheVerdictRunsWholeDaysAgain)
{
    NewGame(0);
    QuietDays();
    SIM_GetSim()->EndDay();
    EXPECT_TRUE(screens.Has("ActivateEndGame")); // day 4 of month 6, 2007 is past the end
    screens.DeactivateEndGame();
    screens.Clear();
    SIM_GetSim()->EndDay();
    EXPECT_EQ(screens.calls, kNormalDay);
}

TEST_F(SimTest, EndDayDuringThePassDoesNotNestASecondPass)
{
    struct Reentrant : RecordingScreens {
        void RebuildDailyOptions() override
        {
            RecordingScreens::RebuildDailyOptions();
            SIM_GetSim()->EndDay();
        }
    } reentrant;
    NewGame(2);
    QuietDays();
    RecordingScreens::Scope inner(reentrant);
    SIM_GetSim()->EndDay();
    EXPECT_EQ(reentrant.calls, kNormalDay);
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), 1);
    // Nor is it counted against the new day: a game saved now must not lose a day on load.
    EXPECT_EQ(SIM_GetSim()->GetActivitiesRemaining(), 1);
}

TEST_F(SimTest, ANewGameAfterTheEndStartsClean)
{
    NewGame(0);
    SIM_GetSim()->EndDay();
    ASSERT_TRUE(SIM_GetSim()->IsTenYearsUp());
    screens.StartNewGame();
    NewGame(1);
    QuietDays();
    EXPECT_FALSE(SIM_GetSim()->IsTenYearsUp());
    EXPECT_TRUE(SIM_Date::PPresentDay->IsIdentical(3, 6, 2007));
    SIM_GetSim()->EndDay();
    EXPECT_EQ(screens.calls, kNormalDay);
}

// The whole pass, step by step, as the step log sees it: every step, not only those that
// reach the screens, on an ordinary day, with the autosave on, on a royalty day, at the
// year end (also a royalty day: a year is twelve weeks) and on the last day.
TEST_F(SimTest, TheEndOfDayPassRunsItsStepsInExactlyThisOrder)
{
    const Calls head = {"SIM_DailyOption::ClearAll", "SIM_Message::ClearMessages", "SIM_Effect::ProcessAllEffects",
                        "ProcessBase::ProcessAll", "SIM_OtherGig::PurgeOldGigs", "SIM_Date::AddDays",
                        "SIM_Calendar::NextDay"};
    const Calls day1 = {"SIM_Gig::ClearMissedGigs", "SIM_Relationship::NextDayAll", "SIM_OtherGig::UpdateAll",
                        "SIM_OtherBandManager::GenerateGigs", "SIM_CharityGigManager::GenerateGigs",
                        "SIM_Relax::CreateOption", "SIM_Publicity::GenerateEvents", "SIM_Venue::ProcessAll",
                        "new day's activities, mode day", "SIM_Finances::AddCash benefit", "SIM_Asset::ProcessAll",
                        "SIM_Riza::RecalcAttributes", "SIM_Band::Recalculate", "SIM_Band::NextDay",
                        "SIM_Fame::ProcessTurn", "GAM_PlayBalancer::NextDay", "mode idle", "SIM_Gig::CheckForPostits"};
    const Calls autosave = {"SIM_SaveGame::SaveGame autosave"};
    const Calls day2 = {"SIM_EndorsementManager::NextDay", "GUI_DailyOptions::Initialise",
                        "SIM_GameMode::CheckForPromotion", "SIM_Events::NextTurn", "turncount + 1",
                        "GUI_HintHelp::CheckTimedHints"};
    const Calls royalties = {"SIM_Album::CalculateAllRoyalties"};
    const Calls yearEnd = {"SIM_Band::IncrementYearCount", "GUI_YearlyReview::Activate"};
    const Calls endGame = {"GUI_EndGame::Activate"};
    auto join = [](std::initializer_list<Calls> parts) {
        Calls all;
        for (const Calls& p : parts)
            all.insert(all.end(), p.begin(), p.end());
        return all;
    };
    struct Case {
        const char* name;
        int daysBefore; // days passed since the start when the day ends
        bool autosaveOn;
        Calls steps;
    };
    const int year = SIM_Date::DaysPerYear;
    const bool autosaveWas = SIM_GetPlayerOptions()->GetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE);
    const Case cases[] = {
        {"ordinary day", 0, false, join({head, day1, day2})},
        {"ordinary day, autosave on", 0, true, join({head, day1, autosave, day2})},
        {"royalty day", 6, false, join({head, royalties, day1, day2})},
        {"year end", year - 1, false, join({head, yearEnd, royalties, day1, day2})},
        {"last day", 2 * year - 1, false, join({head, endGame, royalties})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewGame(2);
        SIM_GetPlayerOptions()->SetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE, c.autosaveOn);
        EndDays(c.daysBefore);
        Calls steps;
        SIM_SIM::SetStepLog(&steps);
        SIM_GetSim()->EndDay();
        SIM_SIM::SetStepLog(nullptr);
        EXPECT_EQ(steps, c.steps);
    }
    SIM_GetPlayerOptions()->SetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE, autosaveWas);
    EXPECT_TRUE(screens.Alerts().empty());
}

namespace {
class DayBenefitTest : public BandTest {};
}

TEST_F(DayBenefitTest, TheDailyBenefitFeedsEveryMemberAndThePlayer)
{
    struct Case {
        int members;
        float benefit;
        float gained;
    };
    const Case cases[] = {
        {0, 7.0f, 7.0f},  // the player alone
        {4, 7.0f, 35.0f}, // four members and the player
        {4, 0.0f, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.members);
        SIM_GetBand()->ClearMembers();
        for (int i = 0; i < c.members; ++i)
            Hire(INSTRUMENT(i % 4));
        Set("GV_UNEMPLOYMENT_BENEFIT", c.benefit);
        const float before = SIM_GetFinances()->GetCash();
        SIM_GetSim()->EndDay();
        EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash() - before, c.gained);
    }
}
