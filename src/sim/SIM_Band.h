#pragma once
// The band: its members, its attributes, its name and the years it has played.
// Minimal: replaced when this class's rules are built.
#include <vector>

class SIM_Musician;

class SIM_Band {
public:
    void ClearMembers();
    void InitialiseData();
    void Recalculate();
    void NextDay();
    void IncrementYearCount() { ++yearcount; }
    int GetYearCount() const { return yearcount; }
    const std::vector<SIM_Musician*>& GetMembers() const { return members; }

private:
    std::vector<SIM_Musician*> members;
    int yearcount = 0;
};

SIM_Band* SIM_GetBand();
