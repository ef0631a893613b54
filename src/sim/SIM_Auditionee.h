#pragma once
// The candidates the auditions offer, read from their table.
// Minimal: replaced when this class's rules are built.

class SIM_Auditionee {
public:
    static void Open();
    static void Close();
};
