#include "sim/SIM_Commenter.h"

#include "sim/GAssert.h"

#include <algorithm>

// Minimal: replaced when this class's rules are built.

std::vector<SIM_Commenter*> SIM_Commenter::All;

SIM_Commenter::SIM_Commenter(SIM_Musician* m) : musician(m)
{
    GAssert(m != nullptr, __FILE__, __LINE__);
    All.push_back(this);
}

SIM_Commenter::~SIM_Commenter()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

void SIM_Commenter::GenerateDailyComments()
{
}
