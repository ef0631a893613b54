#pragma once
// The player's settings kept from one run to the next in "player_options.txt" of the
// per-user folder: master and music volume, difficulty and mouse speed (each 0..1), the
// music and autosave switches, and the player's id.
#include <string>

class SIM_PlayerOptions {
public:
    enum OPTIONS { OPTION_MASTERVOLUME = 0, OPTION_MUSICVOLUME = 1, OPTION_DIFFICULTY = 2, OPTION_MOUSESPEED = 3 };
    enum TOGGLES { TOGGLE_MUSIC = 0, TOGGLE_AUTOSAVE = 1 };
    static constexpr int NumOptions = 4;
    static constexpr int NumToggles = 2;

    // Every option 0 and both switches off until Load.
    SIM_PlayerOptions();

    // Reads the file. Without one, the first-run settings (full volumes, middle difficulty
    // and mouse speed, music and autosave on, no id yet) are written at once. A file the
    // game cannot read whole gives those same settings with one line in the debug log, so
    // a damaged file never silences the music or stops the autosave. Values are kept
    // within 0..1 (a value that is no number takes the option's first-run setting). An id
    // of 6 characters or fewer is replaced by a new one of 9 digits.
    void Load();
    // Writes the file whole (atomically); on failure the warning "Failed to save variables"
    // and the settings stay in memory.
    void Save();

    // 0 for an index outside the options; Set ignores one.
    float Get(OPTIONS option) const;
    void Set(OPTIONS option, float value);
    // False for an index outside the toggles; SetToggle ignores one.
    bool GetToggle(TOGGLES toggle) const;
    void SetToggle(TOGGLES toggle, bool on);
    // The player's id on the community page; empty until the second start.
    const std::string& GetUniqueID() const { return uniqueID; }
    void SetUniqueID(const std::string& id) { uniqueID = id; }

    // "<per-user folder>/player_options.txt", built when the options are made.
    const std::string& GetPath() const { return path; }
    // Builds the path again (the per-user folder moved, as in tests).
    void RefreshPath();

    static const char* GetOptionName(int option);
    static const char* GetToggleName(int toggle);

private:
    // The first-run settings, id untouched.
    void SetDefaults();
    // Reads every option and switch of the file; false (and nothing changed) when one is
    // missing or unreadable.
    bool ReadSettings();
    // Keeps an id longer than 6 characters, otherwise makes a new one.
    void ReadID();

    float options[NumOptions] = {0.0f, 0.0f, 0.0f, 0.0f};
    std::string path;
    bool toggles[NumToggles] = {false, false};
    std::string uniqueID;
};

SIM_PlayerOptions* SIM_GetPlayerOptions();
