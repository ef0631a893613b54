#include "sim/SIM_Calendar.h"

#include "sim/SIM_Screens.h"

SIM_Calendar* SIM_GetCalendar()
{
    static SIM_Calendar* calendar = new SIM_Calendar;
    return calendar;
}

void SIM_Calendar::ClearEntries()
{
    for (auto& list : days)
        list.clear();
    entries.clear();
}

void SIM_Calendar::AddEntry(int day, int month, int year, const std::string& text,
                            const std::string& icon)
{
    for (const auto& e : entries)
        if (e->day == day && e->month == month && e->year == year && e->text == text)
            return;
    auto entry = std::make_unique<CalendarEntry>();
    entry->day = day;
    entry->month = month;
    entry->year = year;
    entry->text = text;
    entry->icon = icon;
    entries.push_back(std::move(entry));
    Refresh();
}

void SIM_Calendar::DeleteEntry(std::vector<std::unique_ptr<CalendarEntry>>::iterator it)
{
    for (auto& list : days)
        std::erase(list, it->get());
    entries.erase(it);
}

bool SIM_Calendar::RemoveOneByName(const std::string& text)
{
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if ((*it)->text == text) {
            DeleteEntry(it);
            return true;
        }
    }
    return false;
}

void SIM_Calendar::RemoveByName(const std::string& text)
{
    while (RemoveOneByName(text)) {
    }
    Refresh();
}

bool SIM_Calendar::PruneAnEntry()
{
    const int today = SIM_Date::PPresentDay->DayCount();
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (SIM_Date::DayCountOf((*it)->day, (*it)->month, (*it)->year) < today) {
            DeleteEntry(it);
            return true;
        }
    }
    return false;
}

void SIM_Calendar::PruneOldEntries()
{
    while (PruneAnEntry()) {
    }
}

void SIM_Calendar::RebuildDailyLists()
{
    for (auto& list : days)
        list.clear();
    SIM_Date date = *SIM_Date::PPresentDay;
    for (int i = 0; i < NumDays; ++i) {
        dates[i] = date;
        date.IncrementDay();
    }
    for (const auto& e : entries)
        for (int i = 0; i < NumDays; ++i)
            if (dates[i].IsIdentical(e->day, e->month, e->year))
                days[i].push_back(e.get());
}

void SIM_Calendar::Refresh()
{
    PruneOldEntries();
    RebuildDailyLists();
    SIM_GetScreens()->RefreshCalendar();
}
