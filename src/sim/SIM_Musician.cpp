#include "sim/SIM_Musician.h"

#include "sim/SIM_Personality.h"

// Minimal: replaced when this class's rules are built.

void SIM_Musician::Close()
{
}

void SIM_Musician::AddPersonality(SIM_Personality* personality)
{
    if (personality)
        personalities.push_back(personality);
}

bool SIM_Musician::HasPersonality(const std::string& name) const
{
    for (const SIM_Personality* personality : personalities)
        if (personality->GetName() == name)
            return true;
    return false;
}
