#pragma once
// The game's calendar: months of 7 days, years of 12 months (84 days a year). A date also
// carries a day of the week counted on its own. The present day, the next year end and the
// game's end are class statics; advancing the present day triggers the yearly review and
// the end of the game.
#include <string>

class SIM_Date {
public:
    static constexpr int DaysPerMonth = 7;
    static constexpr int MonthsPerYear = 12;
    static constexpr int DaysPerYear = DaysPerMonth * MonthsPerYear;

    SIM_Date() = default;
    // Day of week 0; a negative component becomes 0, a day above 6 becomes 6 and a month
    // above 11 becomes 11.
    SIM_Date(int day, int month, int year);

    // Copies day, month and year (not the day of week).
    void Set(const SIM_Date* other);
    int GetDay() const { return day; }
    int GetMonth() const { return month; }
    int GetYear() const { return year; }
    int GetDayOfWeek() const { return dayofweek; }
    void SetDayOfWeek(int d) { dayofweek = d; }
    // Days since day 0 of month 0 of year 0: the one way dates are compared.
    int DayCount() const { return DayCountOf(day, month, year); }
    static int DayCountOf(int d, int m, int y) { return DaysPerYear * y + DaysPerMonth * m + d; }
    // Whole years from this date (a birth date) to the present day.
    int GetAge() const;
    bool IsIdentical(int d, int m, int y) const { return day == d && month == m && year == y; }

    // One day on, with the day-of-week, month and year carries.
    void IncrementDay();
    // n days on, then the date read-out is refreshed.
    void IncrementDays(int n);
    // Advances the present day by n days (any n >= 0), steps the calendar and checks the
    // year end and the game's end.
    void AddDays(int n);

    // Days from a to b (negative when b is earlier).
    static int DaysDifference(const SIM_Date* a, const SIM_Date* b);
    static bool IsInThePast(const SIM_Date* date);
    static bool IsToday(const SIM_Date* date);
    // After each advance of the present day: the game's end, else the year end.
    static void CheckForEndGame();
    // Start-up: a placeholder present day and the month names from the string table.
    static void Open();
    // A new game: day 3 of month 6, 2007, day of week 0; the year end a year later; the
    // game's end "GAME_DURATION_YEARS" after the start.
    static void Reset();
    // The month's name, empty for an index outside 0..11.
    static std::string GetMonthName(int month);

    static SIM_Date* PPresentDay;
    static SIM_Date EndYearDate;
    static SIM_Date EndGameDate;
    static std::string MonthNames[MonthsPerYear];

private:
    // Month name i from key "i" of section "MonthNames" of the string table.
    static void LoadMonthNames();

    int day = 0;
    int month = 0;
    int year = 0;
    int dayofweek = 0;
};
