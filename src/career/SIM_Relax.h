#pragma once
// The day's relax outing.
// Minimal: replaced when this class's rules are built.

class SIM_Relax {
public:
    static void CreateOption();
};
