#pragma once
// The band's fame, a sum of decaying effects.
// Minimal: replaced when this class's rules are built.

class SIM_Fame {
public:
    void Initialise();
    void ProcessTurn();
};

SIM_Fame* SIM_GetFame();
