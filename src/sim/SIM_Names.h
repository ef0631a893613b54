#pragma once
// The lists of forenames and surnames.
// Minimal: replaced when this class's rules are built.

class SIM_Names {
public:
    static void Open();
    static void Close();
};
