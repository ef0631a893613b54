#pragma once
// A day's rehearsal and each musician's rehearsal record.
// Minimal: replaced when this class's rules are built.

class SIM_Rehearsal {
public:
    static void Open();
    static void Close();
};
