#pragma once
// A piece of music or lyrics that songs are built from.
// Minimal: replaced when this class's rules are built.
#include <string>
#include <utility>
#include <vector>

class SIM_Person;

class SIM_SongElement {
public:
    explicit SIM_SongElement(std::string elementName = {}) : name(std::move(elementName)) {}

    static void Open();
    static void Close();
    // The first element of All with that name; none, with a warning, when there is none.
    static SIM_SongElement* GetByName(const std::string& name);
    const std::string& GetName() const { return name; }

    // Makes the element available, remembering who first unlocked it.
    void UnlockElement(SIM_Person* person);
    // Locks it again, only when that person unlocked it.
    void RelockElement(SIM_Person* person);
    bool IsAvailable() const { return available; }
    SIM_Person* GetUnlocker() const { return unlockedBy; }

    // The element table.
    static std::vector<SIM_SongElement*> All;

private:
    std::string name;
    bool available = false;
    SIM_Person* unlockedBy = nullptr;
};
