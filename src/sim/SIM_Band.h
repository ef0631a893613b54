#pragma once
// The band: its members, its attributes, its name and the years it has played.
// Minimal: replaced when this class's rules are built.
#include <string>
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
    // Minimal: joining only appends; changes of band attributes are not kept yet.
    void AddMusician(SIM_Musician* musician);
    void ApplyToAttribute(const std::string& name, float value, float degrade, const std::string& debugName);
    // The number of members who have that personality.
    int CountPersonalities(const std::string& name) const;

private:
    std::vector<SIM_Musician*> members;
    int yearcount = 0;
};

SIM_Band* SIM_GetBand();
