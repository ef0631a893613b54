#pragma once
// One of the day's extra choices on the daily-options screen.
// Minimal: replaced when this class's rules are built.

class SIM_DailyOption {
public:
    static void ClearAll();
};
