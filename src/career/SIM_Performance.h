#pragma once
// The whole computed result of one gig.
// Minimal: replaced when this class's rules are built.

class SIM_Performance {
public:
    static void Open();
    static void Close();
};
