#pragma once
// The band as a whole: its members, its named attributes, its name and sponsored name,
// the years it has played and the assets it owns in common. It recomputes its attributes
// from the members and the player character, spreads changes of band attributes over the
// members, runs their daily step, and keeps relationships, song elements and the player's
// inspiration in step as musicians join and leave.
#include "sim/SIM_Musician.h"
#include "sim/SIM_NamedValue.h"

#include <string>
#include <vector>

class SIM_Asset;

class SIM_Band {
public:
    SIM_Band();
    SIM_Band(const SIM_Band&) = delete;
    SIM_Band& operator=(const SIM_Band&) = delete;

    // (Re)loads the attributes from the band table and resets the names and year count.
    void InitialiseData();
    // The band attributes from the members and the player character, then every member.
    void Recalculate();
    // A change of a band attribute, spread over the members for all but "band_hype".
    void ApplyToAttribute(const std::string& name, float value, float degrade,
                          const std::string& debugName);
    // Every member's day over a copy of the line-up; at most one resignation a day.
    void NextDay();

    // Takes the musician in (and asks the screens for its icon).
    void AddMusician(SIM_Musician* musician);
    // A member read back from a saved game: appended to the line-up and paired with every
    // member already there, without what joining does (no recalculation, no unlocked song
    // element, inspiration or personality effects, no portrait taken, no screen update).
    void AddLoadedMember(SIM_Musician* musician);
    void RemoveMusician(SIM_Musician* musician);
    // Empties the line-up without deleting anyone.
    void ClearMembers() { members.clear(); }
    // Drops a musician that is being deleted from the line-up, with nothing else.
    void ForgetMusician(SIM_Musician* musician);
    const std::vector<SIM_Musician*>& GetMembers() const { return members; }
    bool IsMember(const SIM_Musician* musician) const;

    // A band attribute's value by name; "band_stress" falls back to the members' mean;
    // any other missing name is reported and reads 0.
    float GetValue(const std::string& name) const;
    SIM_NamedValueList& GetAttributes() { return attributes; }
    // Whether the line-up can play: drums, bass, and saxophone, guitar or keyboard.
    bool Valid() const;
    SIM_Musician* GetFirstMember(INSTRUMENT instrument) const;
    bool HasInstrument(INSTRUMENT instrument) const;
    int CountPersonalities(const std::string& name) const;
    float GetCharisma() const;
    // The most able member; none (after an assertion) for an empty band.
    SIM_Musician* GetMostTalented() const;
    // A member at random; none (after an assertion) for an empty band.
    SIM_Musician* GetRandomMember() const;
    float GetExpectations() const;
    bool HasRoadie() const;
    void PracticeInstruments(float amount);
    void RechooseDesiredAssets();
    // Takes the asset's effects off every member's stress and every band attribute.
    void RemoveModifiers(SIM_Asset* asset);
    void CalculateRehearsal();
    void RecalculateStress();

    // Assets owned by the band as a whole; they count towards every member's satisfaction.
    void AddCommunalAsset(SIM_Asset* asset);
    void RemoveCommunalAsset(SIM_Asset* asset);
    const std::vector<SIM_Asset*>& GetCommunalAssets() const { return communalAssets; }

    const std::string& GetName() const { return name; }
    void SetName(const std::string& n) { name = n; }
    const std::string& GetSponsoredName() const { return sponsoredName; }
    void SetSponsoredname(const std::string& n) { sponsoredName = n; }
    int GetYearCount() const { return yearcount; }
    void SetYearCount(int years) { yearcount = years; }
    void IncrementYearCount() { ++yearcount; }

private:
    // Sets a band attribute's value directly (no clamp); nothing when it is missing.
    void SetAttribute(const char* attribute, float value);
    // Appends a musician not yet a member; false (after an assertion) for none or a member.
    bool Append(SIM_Musician* musician);
    // A relationship between the newcomer and every other member, on both their lists.
    void PairWithMembers(SIM_Musician* newcomer);
    float MeanStress() const;

    std::vector<SIM_Musician*> members;
    SIM_NamedValueList attributes;
    std::vector<SIM_Asset*> communalAssets;
    std::string name;
    std::string sponsoredName;
    int yearcount = 0;
};

SIM_Band* SIM_GetBand();
