#pragma once
// The candidates the auditions offer: one row of "data/simulation/auditionees.csv" each,
// with the instrument, gender, song element, ability factor, possession and personalities
// it fixes, and the names drawn for it when the row is read.
#include "sim/SIM_InstrumentType.h"

#include <list>
#include <memory>
#include <string>
#include <vector>

class SIM_Musician;

class SIM_Auditionee {
public:
    static constexpr const char* File = "data/simulation/auditionees.csv";
    // A candidate's ability is the row's factor times the band's musicianship, taken as at
    // least this much, so that a band without members still finds musicians.
    static constexpr float MinMusicianship = 0.1f;

    SIM_Auditionee() = default;
    SIM_Auditionee(const SIM_Auditionee&) = delete;
    SIM_Auditionee& operator=(const SIM_Auditionee&) = delete;
    virtual ~SIM_Auditionee() = default;

    // Reads every row into Available (after Close); asserts that there is at least one.
    static void Open();
    // Deletes every row of Available.
    static void Close();
    // A random row of that instrument still available; when none is left, every row is
    // read again first. Null after an assertion when the file has no row of it at all.
    // The row stays owned by Available.
    static SIM_Auditionee* ChooseRandomly(int instrument);
    // A new candidate (owned by the caller) from a random row of that instrument: names,
    // gender, a portrait from the database, the row's known personalities, song element,
    // ability and possession. The row is used up. The song element and the possession are
    // looked up by name now, in the tables as they are when the candidate is made. Null
    // after an assertion when the file has no row of that instrument.
    static SIM_Musician* CreateFromAvailable(INSTRUMENT instrument);
    // Deletes one row (it leaves Available).
    static void Remove(SIM_Auditionee* row);

    // The instrument a row's word names: "GUITAR" 3, "BASS" 2, "KEYBOARD" 0, "DRUMS" 1,
    // "SAXOPHONE" 4, and vocals (5) for any other word.
    static int InstrumentFromWord(const std::string& word);

    const std::vector<std::string>& GetPersonalities() const { return personalities; }
    const std::string& GetPossession() const { return possession; }
    const std::string& GetForename() const { return forename; }
    const std::string& GetSurname() const { return surname; }
    const std::string& GetPortrait() const { return portrait; }
    int GetInstrument() const { return instrument; }
    float GetAbilityFactor() const { return abilityFactor; }
    float GetPotential() const { return potential; }
    int GetGender() const { return gender; }
    const std::string& GetSongElement() const { return songElement; }

    // Every row not yet taken, in file order.
    static std::list<std::unique_ptr<SIM_Auditionee>> Available;
    // Scratch list of the rows of one instrument.
    static std::vector<SIM_Auditionee*> Potentials;

private:
    void ReadRow(const std::string& row);

    std::vector<std::string> personalities;
    std::string possession;
    std::string forename;
    std::string surname;
    std::string portrait;
    int instrument = 5;
    float abilityFactor = 0.0f;
    float potential = 0.0f;
    int gender = 0;
    std::string songElement;
};
