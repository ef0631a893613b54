#include "career/SIM_Song.h"

#include "engine/GRandom.h"

// Minimal: replaced when this class's rules are built.

std::vector<SIM_Song*> SIM_Song::All;

void SIM_Song::Open()
{
}

void SIM_Song::CreateInitialSongs()
{
}

SIM_Song* SIM_Song::GetMostBoringSong()
{
    SIM_Song* most = nullptr;
    float boredom = 0.0f;
    for (SIM_Song* s : All)
        if (s->boredom > boredom) {
            most = s;
            boredom = s->boredom;
        }
    return most;
}

std::string SIM_Song::GetRandomTitle()
{
    if (All.empty())
        return {};
    return All[GRandom::RandIndex(All.size())]->name;
}
