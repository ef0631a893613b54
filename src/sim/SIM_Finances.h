#pragma once
// The player's cash; all money moves through it.
// Minimal: replaced when this class's rules are built.

class SIM_Finances {
public:
    void Reset();
    void AddCash(float amount);
};

SIM_Finances* SIM_GetFinances();
