#pragma once
// One line said by a musician, shown on the daily-options screen.
// Minimal: replaced when this class's rules are built.

class SIM_Message {
public:
    static void ClearMessages();
};
