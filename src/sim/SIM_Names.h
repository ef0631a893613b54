#pragma once
// Pools of random names: forenames and surnames for people (SIM_Names), and the suggested
// band names, album names and song titles (SIM_NamesList). Draws return copies and never
// use a name up unless the caller removes it.
#include <list>
#include <memory>
#include <string>
#include <vector>

// One name of a pool.
struct SIM_Name {
    std::string name;
};

// The forenames (by gender) and surnames given to people.
class SIM_Names {
public:
    enum LIST { MALE_FORENAMES = 0, FEMALE_FORENAMES = 1, SURNAMES = 2, NUM_LISTS = 3 };

    static constexpr const char* SurnamesFile = "data/simulation/surnames.csv";
    static constexpr const char* MaleForenamesFile = "data/simulation/maleforenames.csv";
    static constexpr const char* FemaleForenamesFile = "data/simulation/femaleforenames.csv";

    // Reads surnames, male forenames and female forenames, in that order.
    static void Open();
    static void Close();

    // A random surname; "" when there are none.
    static std::string GetSurname();
    // A random forename from the female list for gender 1, else from the male list; ""
    // when the list is empty. With `notPlayers`, never the player character's forename
    // when the list holds any other.
    static std::string GetForename(int gender, bool notPlayers);
    // The same, avoiding one given name (when the list holds any other).
    static std::string GetForename(int gender, const std::string& avoid);

    static const std::list<std::unique_ptr<SIM_Name>>& GetList(LIST list) { return Lists[list]; }

private:
    static void LoadNames(const char* file, LIST list);
    static std::string Draw(LIST list);

    static std::list<std::unique_ptr<SIM_Name>> Lists[NUM_LISTS];
};

// A list of suggested names read from the keys of one INI section.
class SIM_NamesList {
public:
    SIM_NamesList() = default;
    SIM_NamesList(const SIM_NamesList&) = delete;
    SIM_NamesList& operator=(const SIM_NamesList&) = delete;
    virtual ~SIM_NamesList() = default;

    // Reads the three lists from their files and sets BOpened.
    static void Open();
    // Forgets every list (the next draw reads them again).
    static void Close();

    // Remembers section and file, and appends every key of the section, in file order.
    void Initialise(const char* section, const char* file);
    // A random name; a list whose names were all removed is read again first. "" when
    // its section holds no names.
    std::string GetRandom();
    // Removes every occurrence of the name.
    void Remove(const std::string& name);

    const std::vector<std::string>& GetNames() const { return names_; }

    static SIM_NamesList BandNames;
    static SIM_NamesList AlbumNames;
    static SIM_NamesList SongNames;
    static bool BOpened;

private:
    std::vector<std::string> names_;
    std::string section_;
    std::string file_;
};
