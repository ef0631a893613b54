#pragma once
// Writes the whole game to a save file, and owns the counter every save/load id is drawn
// from. The file is composed in memory and written atomically: a failed save never harms
// the save it was to replace.
#include <string>

class SIM_Attribute;

class SIM_SaveGame {
public:
    // Writes the save called `name` under the saves folder. False, with a report saying
    // why, for a name the game refuses (empty, starting with '.', holding '/', '\' or a
    // control character, or of 32 characters or more) and for any failure to write; the
    // earlier save of that name is then left as it was. A failing autosave is reported
    // once a session and only logged after that.
    bool SaveGame(const std::string& name);

    // The whole save as text; "date" of the summary is the wall-clock time.
    std::string Compose();

    // The save/load id counter (kept by SIM_SLIDBase): the next id, then one more.
    int CreateSLID();
    void SetSLID(int id);

private:
    void Open(const char* tag);
    void Close(const char* tag);
    void Value(const char* key, const std::string& value);
    void Value(const char* key, const char* value) { Value(key, std::string(value)); }
    void Value(const char* key, int value);
    void Value(const char* key, bool value) { Value(key, value ? 1 : 0); }
    void Value(const char* key, float value);

    void SaveHeader();
    void SaveRiza();
    void SaveAttribute(const SIM_Attribute* attribute);
    void SaveAttributeData(const SIM_Attribute* attribute);
    void SaveDate();
    void SaveAssets();
    void SaveMusicians();
    void SaveBand();
    void SaveElements();
    void SaveSongs();
    void SaveAlbums();
    void SaveGameMode();
    void SaveRecordingStudio();
    void SaveGigs();
    void SaveOtherGigs();
    void SavePractice();
    void SavePracticeMelodies();
    void SaveRelationships();
    void SaveEndorsements();
    void SaveRehearsalData();
    void SaveVenues();
    void SaveBalance();
    void SaveEvents();
    void SaveFinances();
    void SaveFame();
    void SaveGlobals();
    void SaveStatistics();
    void SaveMisc();

    std::string out;
    bool autosaveFailureReported = false;
};

SIM_SaveGame* SIM_GetSaveGame();
