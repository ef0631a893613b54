#pragma once
// A place to relax, read from its table.
// Minimal: replaced when this class's rules are built.

class SIM_RelaxVenue {
public:
    static void Open();
    static void Close();
};
