#pragma once
// An endorsement offer, read from its table.
// Minimal: replaced when this class's rules are built.

class SIM_Endorsement {
public:
    static void Open();
    static void Close();
};
