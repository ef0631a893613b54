#pragma once
// The entries (gigs, rival gigs) that the calendar strip shows for today and the next 13
// days, with one list of entries per shown day.
#include "sim/SIM_Date.h"

#include <memory>
#include <string>
#include <vector>

class SIM_Calendar {
public:
    static constexpr int NumDays = 14;

    struct CalendarEntry {
        int day = 0;
        int month = 0;
        int year = 0;
        std::string text; // the entry's name, also its key for removal
        std::string icon; // texture shown on the strip
    };

    SIM_Calendar() = default;
    SIM_Calendar(const SIM_Calendar&) = delete;
    SIM_Calendar& operator=(const SIM_Calendar&) = delete;

    void Initialise() { ClearEntries(); }
    void ClearEntries();
    // Adds the entry unless one with the same date and text exists, then refreshes.
    void AddEntry(int day, int month, int year, const std::string& text, const std::string& icon);
    bool RemoveOneByName(const std::string& text);
    void RemoveByName(const std::string& text);
    // Deletes the first entry dated before the present day; false when none is.
    bool PruneAnEntry();
    void PruneOldEntries();
    void RebuildDailyLists();
    // Prunes, rebuilds the day lists and refreshes the calendar strip.
    void Refresh();
    void NextDay() { Refresh(); }

    const std::vector<CalendarEntry*>& GetDayList(int i) const { return days[i]; }
    const SIM_Date& GetDate(int i) const { return dates[i]; }
    const std::vector<std::unique_ptr<CalendarEntry>>& GetEntries() const { return entries; }

private:
    // Takes the entry off the day lists and deletes it.
    void DeleteEntry(std::vector<std::unique_ptr<CalendarEntry>>::iterator it);

    std::vector<CalendarEntry*> days[NumDays]; // shares the entries
    std::vector<std::unique_ptr<CalendarEntry>> entries;
    SIM_Date dates[NumDays];
};

SIM_Calendar* SIM_GetCalendar();
