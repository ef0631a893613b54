#include "sim/SimFixture.h"

#include "sim/SIM_Calendar.h"
#include "sim/SIM_Date.h"

#include <limits>

namespace {
struct Step {
    int d, m, y, dow; // start
    int n;            // days on
    int ed, em, ey, edow;
};
}

TEST(SimDate, IncrementWrapsWeekMonthAndYear)
{
    const Step steps[] = {
        {0, 0, 2007, 0, 1, 1, 0, 2007, 1},    // plain day
        {5, 3, 2007, 6, 1, 6, 3, 2007, 0},    // week wraps, month does not
        {6, 3, 2007, 2, 1, 0, 4, 2007, 3},    // month wraps
        {6, 11, 2010, 4, 1, 0, 0, 2011, 5},   // year wraps
        {3, 6, 2007, 0, 84, 3, 6, 2008, 0},   // a whole year
        {6, 11, 2007, 6, 15, 0, 2, 2008, 0},  // more than two weeks at once
    };
    for (const Step& s : steps) {
        SIM_Date date(s.d, s.m, s.y);
        date.SetDayOfWeek(s.dow);
        for (int i = 0; i < s.n; ++i)
            date.IncrementDay();
        EXPECT_TRUE(date.IsIdentical(s.ed, s.em, s.ey))
            << s.d << "/" << s.m << "/" << s.y << " + " << s.n << " gave " << date.GetDay() << "/"
            << date.GetMonth() << "/" << date.GetYear();
        EXPECT_EQ(date.GetDayOfWeek(), s.edow);
    }
}

TEST(SimDate, ConstructorClampsComponents)
{
    SIM_Date date(29, 14, -3);
    EXPECT_TRUE(date.IsIdentical(6, 11, 0));
    SIM_Date negative(-1, -1, 2000);
    EXPECT_TRUE(negative.IsIdentical(0, 0, 2000));
}

TEST(SimDate, DaysDifferenceCountsDays)
{
    SIM_Date today(3, 6, 2007);
    SIM_Date ahead = today;
    for (int i = 0; i < 10; ++i)
        ahead.IncrementDay();
    EXPECT_EQ(SIM_Date::DaysDifference(&today, &ahead), 10);
    SIM_Date lastMonth(3, 5, 2007);
    EXPECT_EQ(SIM_Date::DaysDifference(&today, &lastMonth), -7);
    SIM_Date nextYear(3, 6, 2008);
    EXPECT_EQ(SIM_Date::DaysDifference(&today, &nextYear), 84);
}

TEST(SimDate, AgeCountsWholeYears)
{
    *SIM_Date::PPresentDay = SIM_Date(3, 6, 2007);
    EXPECT_EQ(SIM_Date(3, 6, 1987).GetAge(), 20);  // birthday today
    EXPECT_EQ(SIM_Date(4, 6, 1987).GetAge(), 19);  // tomorrow
    EXPECT_EQ(SIM_Date(0, 7, 1987).GetAge(), 19);  // next month
    EXPECT_EQ(SIM_Date(6, 5, 1987).GetAge(), 20);  // last month
}

TEST_F(SimTest, PastAndTodayCompareWholeDates)
{
    NewGame(2); // 3/6/2007
    SIM_Date earlierDayLaterMonth(6, 5, 2007);
    SIM_Date laterDayEarlierMonth(0, 7, 2007);
    EXPECT_TRUE(SIM_Date::IsInThePast(&earlierDayLaterMonth));
    EXPECT_FALSE(SIM_Date::IsInThePast(&laterDayEarlierMonth));
    SIM_Date today(3, 6, 2007);
    EXPECT_TRUE(SIM_Date::IsToday(&today));
    EXPECT_FALSE(SIM_Date::IsInThePast(&today));
    EXPECT_FALSE(SIM_Date::IsInThePast(nullptr));
    EXPECT_EQ(screens.Alerts().size(), 1u); // the null date is reported
}

TEST_F(SimTest, AddDaysOfAWeekOrMoreGivesAValidDate)
{
    NewGame(2);
    SIM_Date::PPresentDay->AddDays(9);
    EXPECT_TRUE(SIM_Date::PPresentDay->IsIdentical(5, 7, 2007));
    EXPECT_EQ(SIM_Date::PPresentDay->GetDayOfWeek(), 2);
    EXPECT_TRUE(screens.Alerts().empty());
}

TEST_F(SimTest, ResetSetsTheStartAndEndDates)
{
    NewGame(3.9f);
    EXPECT_TRUE(SIM_Date::PPresentDay->IsIdentical(3, 6, 2007));
    EXPECT_EQ(SIM_Date::PPresentDay->GetDayOfWeek(), 0);
    EXPECT_TRUE(SIM_Date::EndYearDate.IsIdentical(3, 6, 2008));
    EXPECT_TRUE(SIM_Date::EndGameDate.IsIdentical(3, 6, 2010)); // 2010.9 truncated
}

TEST_F(SimTest, ANonsenseDurationStillGivesAnEndDate)
{
    NewGame(std::numeric_limits<float>::quiet_NaN());
    EXPECT_TRUE(SIM_Date::EndGameDate.IsIdentical(3, 6, 2007));
}

TEST_F(SimTest, CalendarKeepsOneEntryPerDateAndText)
{
    NewGame(2);
    SIM_Calendar* cal = SIM_GetCalendar();
    cal->AddEntry(5, 6, 2007, "Gig at the Crown", "gig.png");
    cal->AddEntry(5, 6, 2007, "Gig at the Crown", "gig.png");
    cal->AddEntry(6, 6, 2007, "Gig at the Crown", "gig.png");
    EXPECT_EQ(cal->GetEntries().size(), 2u);
    EXPECT_EQ(cal->GetDayList(2).size(), 1u);
    EXPECT_EQ(cal->GetDayList(3).size(), 1u);
    EXPECT_TRUE(cal->GetDate(13).IsIdentical(2, 8, 2007));
    cal->RemoveByName("Gig at the Crown");
    EXPECT_TRUE(cal->GetEntries().empty());
    EXPECT_TRUE(cal->GetDayList(2).empty());
}

TEST_F(SimTest, CalendarPrunesEntriesOnceTheirDayHasPassed)
{
    NewGame(2);
    SIM_GetGlobalVariables()->Set("RS_OTHER_BAND_CHANCE", 0.0f); // no rival gig entries
    SIM_Calendar* cal = SIM_GetCalendar();
    // Dated day 5 of the previous month: a whole-date comparison sees it as past.
    cal->AddEntry(5, 5, 2007, "old", "");
    EXPECT_TRUE(cal->GetEntries().empty());
    cal->AddEntry(4, 6, 2007, "tomorrow", "");
    EndDays(1);
    EXPECT_EQ(cal->GetEntries().size(), 1u); // today's entry stays
    EXPECT_EQ(cal->GetDayList(0).size(), 1u);
    EndDays(1);
    EXPECT_TRUE(cal->GetEntries().empty());
}

TEST_F(SimTest, YearEndRaisesTheBandsYearCountEachYear)
{
    NewGame(4);
    screens.keepDrawCalls = false;
    EndDays(4 * SIM_Date::DaysPerYear);
    EXPECT_EQ(screens.Count("ActivateYearlyReview"), 3);
    EXPECT_EQ(screens.Count("ActivateEndGame"), 1);
    EXPECT_TRUE(SIM_Date::PPresentDay->IsIdentical(3, 6, 2011));
}
