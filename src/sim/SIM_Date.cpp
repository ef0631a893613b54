#include "sim/SIM_Date.h"

#include "engine/IniLoader.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Calendar.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"

#include <algorithm>
#include <cmath>

SIM_Date* SIM_Date::PPresentDay = new SIM_Date;
SIM_Date SIM_Date::EndYearDate;
SIM_Date SIM_Date::EndGameDate;
std::string SIM_Date::MonthNames[SIM_Date::MonthsPerYear];

SIM_Date::SIM_Date(int day_, int month_, int year_)
    : day(std::clamp(day_, 0, DaysPerMonth - 1)), month(std::clamp(month_, 0, MonthsPerYear - 1)),
      year(std::max(year_, 0))
{
}

void SIM_Date::Set(const SIM_Date* other)
{
    GAssert(other != nullptr, __FILE__, __LINE__);
    if (!other)
        return;
    day = other->day;
    month = other->month;
    year = other->year;
}

int SIM_Date::GetAge() const
{
    const SIM_Date* now = PPresentDay;
    int age = now->year - year - 1;
    if (now->month > month || (now->month == month && now->day >= day))
        ++age;
    return age;
}

void SIM_Date::IncrementDay()
{
    ++day;
    if (++dayofweek > 6)
        dayofweek = 0;
    if (day > DaysPerMonth - 1) {
        day -= DaysPerMonth;
        ++month;
    }
    if (month > MonthsPerYear - 1) {
        month -= MonthsPerYear;
        ++year;
    }
}

void SIM_Date::IncrementDays(int n)
{
    for (int i = 0; i < n; ++i)
        IncrementDay();
    SIM_GetScreens()->RefreshDate();
}

void SIM_Date::AddDays(int n)
{
    // Stepping one day at a time keeps every component in range for any n, a week or more
    // included.
    GAssert(n >= 0, __FILE__, __LINE__);
    for (int i = 0; i < n; ++i)
        IncrementDay();
    SIM_SIM::LogStep("SIM_Calendar::NextDay");
    SIM_GetCalendar()->NextDay();
    CheckForEndGame();
}

int SIM_Date::DaysDifference(const SIM_Date* a, const SIM_Date* b)
{
    GAssert(a && b, __FILE__, __LINE__);
    if (!a || !b)
        return 0;
    return b->DayCount() - a->DayCount();
}

bool SIM_Date::IsInThePast(const SIM_Date* date)
{
    GAssert(date != nullptr, __FILE__, __LINE__);
    if (!date)
        return false;
    return date->DayCount() < PPresentDay->DayCount();
}

bool SIM_Date::IsToday(const SIM_Date* date)
{
    GAssert(date != nullptr, __FILE__, __LINE__);
    if (!date)
        return false;
    return date->IsIdentical(PPresentDay->day, PPresentDay->month, PPresentDay->year);
}

void SIM_Date::CheckForEndGame()
{
    SIM_SIM* sim = SIM_GetSim();
    const int today = PPresentDay->DayCount();
    if (!sim->IsTenYearsUp() && today >= EndGameDate.DayCount()) {
        sim->SetTenYearsUp(true);
        // The verdict stands in for this year's review: the next one is a year away, not
        // tomorrow for a player who plays on.
        EndYearDate = SIM_Date(PPresentDay->day, PPresentDay->month, PPresentDay->year + 1);
        SIM_SIM::LogStep("GUI_EndGame::Activate");
        SIM_GetScreens()->ActivateEndGame();
        return;
    }
    if (today >= EndYearDate.DayCount()) {
        EndYearDate = SIM_Date(PPresentDay->day, PPresentDay->month, PPresentDay->year + 1);
        SIM_SIM::LogStep("SIM_Band::IncrementYearCount");
        SIM_GetBand()->IncrementYearCount();
        SIM_SIM::LogStep("GUI_YearlyReview::Activate");
        SIM_GetScreens()->ActivateYearlyReview();
    }
}

void SIM_Date::Open()
{
    *PPresentDay = SIM_Date(29, 9, 2005);
    LoadMonthNames();
}

void SIM_Date::Reset()
{
    *PPresentDay = SIM_Date(3, 6, 2007);
    EndYearDate = SIM_Date(3, 6, 2008);
    float years = SIM_GetGlobalVariables()->Get("GAME_DURATION_YEARS");
    float endYear = 2007.0f + years;
    // A duration that is no number, or absurdly long, must not overflow the year.
    if (!std::isfinite(endYear))
        endYear = 2007.0f;
    endYear = std::clamp(endYear, 0.0f, 1000000.0f);
    EndGameDate = SIM_Date(3, 6, static_cast<int>(endYear));
}

std::string SIM_Date::GetMonthName(int m)
{
    return m >= 0 && m < MonthsPerYear ? MonthNames[m] : std::string();
}

void SIM_Date::LoadMonthNames()
{
    IniLoader names;
    names.LoadSection("MonthNames", "data/strings.ini");
    for (int i = 0; i < MonthsPerYear; ++i)
        MonthNames[i] = names.GetValue(std::to_string(i));
}
