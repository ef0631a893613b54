#pragma once
// A piece of music or lyrics that songs are built from.
// Minimal: replaced when this class's rules are built.

class SIM_Person;

class SIM_SongElement {
public:
    static void Open();
    static void Close();

    // Makes the element available, remembering who first unlocked it.
    void UnlockElement(SIM_Person* person);
    // Locks it again, only when that person unlocked it.
    void RelockElement(SIM_Person* person);
    bool IsAvailable() const { return available; }
    SIM_Person* GetUnlocker() const { return unlockedBy; }

private:
    bool available = false;
    SIM_Person* unlockedBy = nullptr;
};
