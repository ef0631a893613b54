#pragma once
// The play balancer: the day-by-day record of the player's net worth.
// Minimal: replaced when this class's rules are built.

class GAM_PlayBalancer {
public:
    void Reset();
    void NextDay();
};

GAM_PlayBalancer* GAM_GetBalancer();
