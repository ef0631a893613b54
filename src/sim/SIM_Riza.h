#pragma once
// The player character.
// Minimal: replaced when this class's rules are built.

class SIM_Riza {
public:
    void Initialise();
    void RecalcAttributes();
};

SIM_Riza* SIM_GetRiza();
