#include "sim/GAM_PlayBalancer.h"

// Minimal: replaced when this class's rules are built.
GAM_PlayBalancer* GAM_GetBalancer()
{
    static GAM_PlayBalancer* instance = new GAM_PlayBalancer;
    return instance;
}

void GAM_PlayBalancer::Reset()
{
    status = 0;
    history.clear();
}

void GAM_PlayBalancer::NextDay()
{
}
