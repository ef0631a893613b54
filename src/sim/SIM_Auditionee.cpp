#include "sim/SIM_Auditionee.h"

#include "engine/CSpreadsheet.h"
#include "engine/GRandom.h"
#include "career/SIM_Asset.h"
#include "career/SIM_SongElement.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Names.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_PortraitDatabase.h"

#include <algorithm>

std::list<std::unique_ptr<SIM_Auditionee>> SIM_Auditionee::Available;
std::vector<SIM_Auditionee*> SIM_Auditionee::Potentials;

int SIM_Auditionee::InstrumentFromWord(const std::string& word)
{
    if (word == "GUITAR")
        return 3;
    if (word == "BASS")
        return 2;
    if (word == "KEYBOARD")
        return 0;
    if (word == "DRUMS")
        return 1;
    if (word == "SAXOPHONE")
        return 4;
    return 5;
}

void SIM_Auditionee::Open()
{
    Close();
    CSpreadsheet sheet(File);
    for (const std::string& row : sheet) {
        Available.push_back(std::make_unique<SIM_Auditionee>());
        Available.back()->ReadRow(row);
    }
    GAssert(!Available.empty(), __FILE__, __LINE__);
}

void SIM_Auditionee::Close()
{
    Potentials.clear();
    Available.clear();
}

void SIM_Auditionee::ReadRow(const std::string& row)
{
    CSV csv;
    csv.Initialise(row, ',');
    csv.GetNextToken();
    instrument = InstrumentFromWord(csv.GetNextString());
    gender = csv.GetNextString() == "MALE" ? 0 : 1;
    songElement = csv.GetNextString();
    abilityFactor = csv.GetNextFloat();
    possession = csv.GetNextString();
    // A cell names a personality; "none" and empty cells stand for no personality. Short
    // names such as "lazy" are real personalities and are kept.
    while (!csv.Finished()) {
        std::string p = csv.GetNextString();
        if (!p.empty() && p != "none")
            personalities.push_back(p);
    }
    forename = SIM_Names::GetForename(gender, false);
    surname = SIM_Names::GetSurname();
    potential = GRandom::RandReal(0.85f, 1.0f);
}

SIM_Auditionee* SIM_Auditionee::ChooseRandomly(int instrument)
{
    if (Available.empty())
        Open();
    auto fill = [instrument] {
        Potentials.clear();
        for (const auto& row : Available)
            if (row->instrument == instrument)
                Potentials.push_back(row.get());
    };
    fill();
    if (Potentials.empty()) {
        Open();
        fill();
    }
    GAssert(!Potentials.empty(), __FILE__, __LINE__);
    if (Potentials.empty())
        return nullptr;
    SIM_Auditionee* row = Potentials[GRandom::RandIndex(Potentials.size())];
    Potentials.clear();
    return row;
}

void SIM_Auditionee::Remove(SIM_Auditionee* row)
{
    Available.remove_if([row](const std::unique_ptr<SIM_Auditionee>& r) { return r.get() == row; });
}

SIM_Musician* SIM_Auditionee::CreateFromAvailable(INSTRUMENT instrument)
{
    SIM_Auditionee* row = ChooseRandomly(instrument);
    if (!row)
        return nullptr;
    const bool female = row->gender == SIM_GENDER_FEMALE;
    SIM_PortraitDatabase* portraits = SIM_GetPortraits();
    row->portrait = female ? portraits->GetFemalePortrait() : portraits->GetMalePortrait();
    portraits->MakeUsed(row->portrait);

    auto* musician = new SIM_Musician;
    musician->SetInstrument(static_cast<INSTRUMENT>(row->instrument));
    musician->SetGender(female ? SIM_GENDER_FEMALE : SIM_GENDER_MALE, row->portrait);
    musician->SetName(row->forename, row->surname);
    for (const std::string& name : row->personalities) {
        SIM_Personality* personality = SIM_Personality::GetByName(name);
        GAssert(personality != nullptr, __FILE__, __LINE__);
        if (personality)
            musician->AddPersonality(personality);
    }
    musician->SetSongElement(SIM_SongElement::GetByName(row->songElement));
    const float musicianship = std::max(SIM_GetBand()->GetValue("band_musicianship"), MinMusicianship);
    musician->SetAbility(row->abilityFactor * musicianship, row->potential);
    SIM_Asset* possession = SIM_Asset::GetByName(row->possession);
    GAssert(possession != nullptr, __FILE__, __LINE__);
    if (possession)
        musician->AddPossesion(possession);
    Remove(row);
    return musician;
}
