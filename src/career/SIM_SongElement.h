#pragma once
// A piece of music or lyrics that songs are built from, read once per new game from the
// element table. Some are available from the start; the rest are unlocked in play by a
// musician who brings one (and locked again when he leaves), a rival band seen live or a
// record heard through.
#include <string>
#include <vector>

class SIM_Person;

class SIM_SongElement {
public:
    enum TYPE { MUSIC = 0, LYRICS = 1 };

    static constexpr const char* File = "data/simulation/song_elements.csv";

    // Empty names, locked, music, base quality 0, a random post-it (0..2); joins All.
    SIM_SongElement();
    // Also names the element (tests and the table reader).
    explicit SIM_SongElement(const std::string& name);
    SIM_SongElement(const SIM_SongElement&) = delete;
    SIM_SongElement& operator=(const SIM_SongElement&) = delete;
    // Leaves All; no song keeps it in a section and no musician keeps bringing it.
    virtual ~SIM_SongElement();

    // Close, then one element per table row in file order.
    static void Open();
    // Deletes every element.
    static void Close();
    // The first element of All with that name; none, with a warning, when there is none.
    static SIM_SongElement* GetByName(const std::string& name);
    // Makes the first element of that name available (its unlocker unchanged); an error
    // when there is none.
    static void Unlock(const char* name);
    // An element at random; none (after an assertion) when the table is empty.
    static SIM_SongElement* ChooseRandom();
    // A person is being deleted: elements he unlocked keep their state but forget him.
    static void ForgetUnlocker(const SIM_Person* person);

    // Makes the element available, remembering who first unlocked it.
    void UnlockElement(SIM_Person* person);
    // Locks it again, only when that person unlocked it.
    void RelockElement(SIM_Person* person);

    std::string GetName() const { return name; }
    std::string GetGUIName() const { return guiname; }
    bool IsAvailable() const { return available; }
    TYPE GetType() const { return type; }
    SIM_Person* GetUnlocker() const { return unlockedBy; }
    int GetPostitID() const { return postitID; }
    float GetBaseQuality() const { return baseQuality; }

    // Reads one table row: marker, name, display name, available (non-zero), type word
    // ("MUSIC" or "LYRICS"; anything else is music), base quality.
    void ReadRow(const std::string& row);

    // The element table, in file order (the order songs draw their fit in).
    static std::vector<SIM_SongElement*> All;

private:
    std::string name;
    std::string guiname;
    bool available = false;
    TYPE type = MUSIC;
    SIM_Person* unlockedBy = nullptr;
    int postitID = 0;
    float baseQuality = 0.0f;
};
