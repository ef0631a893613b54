#pragma once
// Random helping-hand events for a struggling player.
// Minimal: replaced when this class's rules are built.

class SIM_Events {
public:
    void Reset();
    void NextTurn();
};

SIM_Events* SIM_GetEvents();
