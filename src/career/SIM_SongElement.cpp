#include "career/SIM_SongElement.h"

#include "career/SIM_Song.h"
#include "engine/CSpreadsheet.h"
#include "engine/GRandom.h"
#include "sim/GAssert.h"
#include "sim/SIM_Musician.h"

#include <algorithm>
#include <cstdlib>

std::vector<SIM_SongElement*> SIM_SongElement::All;

SIM_SongElement::SIM_SongElement() : postitID(std::rand() % 3)
{
    All.push_back(this);
}

SIM_SongElement::SIM_SongElement(const std::string& n) : SIM_SongElement()
{
    name = n;
}

SIM_SongElement::~SIM_SongElement()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
    for (SIM_Song* song : SIM_Song::All)
        song->ForgetElement(this);
    for (SIM_Song* song : SIM_Song::Retired)
        song->ForgetElement(this);
    for (SIM_Musician* m : SIM_Musician::All)
        if (m->GetSongElement() == this)
            m->SetSongElement(nullptr);
}

void SIM_SongElement::Open()
{
    Close();
    std::unique_ptr<CSpreadsheet> sheet = CSpreadsheet::Create(File);
    if (!sheet) {
        GError("Song elements not found", __FILE__, __LINE__);
        return;
    }
    for (const std::string& row : *sheet)
        (new SIM_SongElement)->ReadRow(row);
}

void SIM_SongElement::ReadRow(const std::string& row)
{
    CSV csv;
    csv.Initialise(row, ',');
    csv.GetNextToken(); // the row marker
    name = csv.GetNextString();
    guiname = csv.GetNextString();
    available = csv.GetNextInt() != 0;
    type = csv.GetNextString() == "LYRICS" ? LYRICS : MUSIC;
    baseQuality = csv.GetNextFloat();
}

void SIM_SongElement::Close()
{
    while (!All.empty())
        delete All.front();
}

SIM_SongElement* SIM_SongElement::GetByName(const std::string& n)
{
    for (SIM_SongElement* e : All)
        if (e->name == n)
            return e;
    GWarning("Song element not found", __FILE__, __LINE__);
    return nullptr;
}

void SIM_SongElement::Unlock(const char* n)
{
    const std::string wanted = n ? n : "";
    for (SIM_SongElement* e : All)
        if (e->name == wanted) {
            e->available = true;
            return;
        }
    GError("Song Element not found", __FILE__, __LINE__);
}

SIM_SongElement* SIM_SongElement::ChooseRandom()
{
    if (All.empty()) {
        GAssert(false, __FILE__, __LINE__);
        return nullptr;
    }
    return All[GRandom::RandIndex(All.size())];
}

void SIM_SongElement::ForgetUnlocker(const SIM_Person* person)
{
    for (SIM_SongElement* e : All)
        if (person && e->unlockedBy == person)
            e->unlockedBy = nullptr;
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
