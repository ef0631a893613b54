#pragma once
// Reads a save file back into the simulation, and reads the short summary of a save that
// the load menu shows. A file is read whole, parsed and checked before anything of the
// game in progress is touched: a damaged file is refused with one report and changes
// nothing.
#include <memory>
#include <string>
#include <unordered_map>

namespace SaveFormat {
struct Document;
struct Node;
}
class SIM_Album;
class SIM_Attribute;
class SIM_Musician;
class SIM_Person;
class SIM_Song;

// The summary of one save for the load menu.
struct SIM_LoadConfig {
    std::string avatarTexture;
    std::string bandName;
    std::string date;
    float cash = 0.0f;
    float fame = 0.0f;
};

class SIM_LoadGame {
public:
    // Loads the save called `name` and resumes play. False, after one report, when the
    // file cannot be read or is damaged; the game in progress is then untouched.
    bool LoadGame(const std::string& name);
    // The same from a save's text.
    bool LoadFromText(const std::string& text);
    // The summary of the save called `name`; none (logged) when it cannot be read.
    std::unique_ptr<SIM_LoadConfig> GetLoadConfig(const std::string& name);
    // The version number read from the last save's header (kept, never compared).
    float GetVersion() const { return version; }

private:
    class Record;
    void Restore(const SaveFormat::Document& doc);
    void ClearGame();
    void LoadHeader(const Record& r);
    void LoadRiza(const Record& r);
    void LoadAttribute(const Record& r);
    void LoadAttributeData(const Record& r, SIM_Attribute* attribute);
    void LoadDate(const Record& r);
    void LoadAssets(const Record& r);
    void LoadMusicians(const Record& r);
    void LoadBand(const Record& r);
    void LoadElements(const Record& r);
    void LoadSongs(const Record& r, bool retired);
    void LoadAlbums(const Record& r);
    void LoadGameMode(const Record& r);
    void LoadRecordingStudio(const Record& r);
    void LoadGigs(const Record& r);
    void LoadOtherGigs(const Record& r);
    void LoadPractice(const Record& r);
    void LoadPracticeMelody(int instrument, const Record& r);
    void LoadRelationships(const Record& r);
    void LoadEndorsements(const Record& r);
    void LoadRehearsalData(const Record& r);
    void LoadVenues(const Record& r);
    void LoadBalance(const Record& r);
    void LoadEvents(const Record& r);
    void LoadFinances(const Record& r);
    void LoadFame(const Record& r);
    void LoadGlobals(const Record& r);
    void LoadStatistics(const Record& r);
    void LoadMisc(const Record& r);
    void Finish();

    // Whether the id may be given to a restored object: in range and not yet taken.
    bool ClaimId(int id, const char* what);
    SIM_Musician* FindMusician(int id) const;
    SIM_Song* FindSong(int id) const;

    float version = 0.0f;
    int savedActs = 0;
    int savedMaxActs = 1;
    int savedTopSLID = 0;
    int savedRizaSLID = -1;
    std::unordered_map<int, SIM_Musician*> musicians;
    std::unordered_map<int, SIM_Song*> songs;
    std::unordered_map<const SIM_Song*, int> songAlbumIds;
    std::unordered_map<int, bool> usedIds;
    std::unordered_map<const SIM_Musician*, float> resentments;
};

SIM_LoadGame* SIM_GetLoadGame();
