#pragma once
// A place to play, read from the venues table.
// Minimal: replaced when this class's rules are built.

class SIM_Venue {
public:
    static void Open();
    static void Close();
    static void ProcessAll();
};
