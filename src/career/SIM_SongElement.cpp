#include "career/SIM_SongElement.h"

#include "sim/GAssert.h"

// Minimal: replaced when this class's rules are built.

std::vector<SIM_SongElement*> SIM_SongElement::All;

void SIM_SongElement::Open()
{
}

void SIM_SongElement::Close()
{
}

SIM_SongElement* SIM_SongElement::GetByName(const std::string& n)
{
    for (SIM_SongElement* e : All)
        if (e->name == n)
            return e;
    GWarning("Song element not found", __FILE__, __LINE__);
    return nullptr;
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
