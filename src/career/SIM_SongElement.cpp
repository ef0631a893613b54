#include "career/SIM_SongElement.h"

// Minimal: replaced when this class's rules are built.

void SIM_SongElement::Open()
{
}

void SIM_SongElement::Close()
{
}

void SIM_SongElement::UnlockElement(SIM_Person* person)
{
    if (!available)
        unlockedBy = person;
    available = true;
}

void SIM_SongElement::RelockElement(SIM_Person* person)
{
    if (person && unlockedBy == person) {
        available = false;
        unlockedBy = nullptr;
    }
}
