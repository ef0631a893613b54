#include "career/SIM_Performance.h"

// Minimal: replaced when this class's rules are built.

void SIM_Performance::Open()
{
}

std::vector<SIM_Performance*> SIM_Performance::All;

void SIM_Performance::Close()
{
    for (SIM_Performance* performance : All)
        delete performance;
    All.clear();
}

SIM_Performance* SIM_Performance::Create(SIM_Gig*)
{
    All.push_back(new SIM_Performance);
    return All.back();
}
