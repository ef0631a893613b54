#pragma once
// A personality trait read from the personalities table.
// Minimal: replaced when this class's rules are built.

class SIM_Personality {
public:
    static void Open();
    static void Close();
};
