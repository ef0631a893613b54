#pragma once
// A musician: a member of the band, or an auditionee who may become one, with abilities,
// moods, personalities, possessions, practice and the daily step that may make an unhappy
// one resign.
#include "sim/SIM_Attribute.h"
#include "sim/SIM_InstrumentType.h"
#include "sim/SIM_Person.h"

#include <array>
#include <string>
#include <vector>

class SIM_Asset;
class SIM_BandIconView;
class SIM_Commenter;
class SIM_Effect;
class SIM_Instrument;
class SIM_Personality;
class SIM_RehearsalData;
class SIM_Relationship;
class SIM_SongElement;

// The display name of an instrument from the string table; guitar for any unknown value.
std::string GetInstrumentName(INSTRUMENT instrument);

class SIM_Musician : public SIM_Person {
public:
    // The four moods, which pick the portrait.
    enum MOOD { MOOD_VERYSAD = 0, MOOD_SAD = 1, MOOD_NEUTRAL = 2, MOOD_HAPPY = 3 };

    SIM_Musician();
    // Leaves All, deletes its commenter, rehearsal record and permanent effects, leaves
    // the band and its relationships, and tells the screens it is gone.
    ~SIM_Musician() override;

    // The portrait of the current mood.
    std::string GetPortraitTexture() const override;
    using SIM_Person::SetGender;
    // Stores the gender and the portrait base name, then the four mood portraits.
    virtual void SetGender(SIM_GENDER gender, const std::string& portraitBase);

    // Data.
    INSTRUMENT GetInstrument() const { return instrument; }
    void SetInstrument(INSTRUMENT i) { instrument = i; }
    float GetAbility() const { return ability; }
    float GetMaxAbility() const { return maxAbility; }
    // Each clamped to 0..1.
    void SetAbility(float ability, float maxAbility);
    // Both as a saved game holds them, unclamped: practice may have taken ability past 1.
    // Only a value that is no number reads as 0.
    void SetLoadedAbility(float ability, float maxAbility);
    SIM_SongElement* GetSongElement() const { return songElement; }
    void SetSongElement(SIM_SongElement* e) { songElement = e; }
    float GetChemistry() const { return chemistry; }
    void SetChemistry(float c) { chemistry = c; }
    float GetEgo() const { return ego; }
    void SetEgo(float e) { ego = e; }
    float GetResentment() const { return resentment; }
    void SetResentment(float r) { resentment = r; }
    float GetMotivation() const { return motivation; }
    float GetExpectation() const { return expectation; }
    float GetSatisfaction() const { return satisfaction; }
    float GetBoredom() const { return boredom; }
    void SetBoredom(float b) { boredom = b; }
    // Boredom minus amount, clamped to 0..1.
    void ReduceBoredom(float amount);
    int GetIntentionToQuit() const { return intentionToQuit; }
    void SetIntentionToQuit(int days) { intentionToQuit = days; }
    int GetDaysInBand() const { return daysInBand; }
    void SetDaysInBand(int days) { daysInBand = days; }
    float GetInnocence() const { return innocence; }
    void SetInnocence(float i) { innocence = i; }
    float GetCynicism() const { return cynicism; }
    void SetCynicism(float c) { cynicism = c; }
    bool IsActive() const { return active; }
    void SetActive(bool a) { active = a; }
    int GetMood() const { return mood; }
    // The mood portraits, very sad (0) to happy (3).
    const std::string& GetMoodPortrait(int mood) const;
    void SetMoodPortrait(int mood, const std::string& texture);

    SIM_RehearsalData* GetRehearsalData() const { return rehearsalData; }
    SIM_Commenter* GetCommenter() const { return commenter; }
    SIM_BandIconView* GetIcon() const { return icon; }
    void SetIcon(SIM_BandIconView* view) { icon = view; }
    SIM_Asset* GetDesiredAsset() const { return desiredAsset; }

    // The attributes themselves: callers read their values or add effects to them.
    SIM_Attribute* GetMotivationAttribute() { return &motivationAttribute; }
    SIM_Attribute* GetStress() { return &stressAttribute; }
    SIM_Attribute* GetThirdAttribute() { return &thirdAttribute; }
    SIM_Attribute* GetLiveExperience() { return &liveExperienceAttribute; }

    // Personalities (entries of the personality table, not owned).
    void AddPersonality(SIM_Personality* personality);
    bool HasPersonality(const std::string& name) const;
    // One of the musician's personalities at random; none (after an assertion) when it
    // has none.
    SIM_Personality* GetRandomPersonality() const;
    const std::vector<SIM_Personality*>& GetPersonalities() const { return personalities; }

    // Possessions (assets, not owned).
    void AddPossesion(SIM_Asset* asset);
    void RemovePossesion(SIM_Asset* asset);
    // A possession read back from a saved game: appended, nothing recomputed or redrawn.
    void AddLoadedPossesion(SIM_Asset* asset);
    // An asset that is being deleted: no longer a possession or the asset desired.
    void ForgetAsset(const SIM_Asset* asset);
    // Gives every possession up (it stops being owned); the list is left as it was.
    void FreeUpPossesions();
    const std::vector<SIM_Asset*>& GetPossesions() const { return possessions; }
    // Takes the effects of that debug name off the stress attribute.
    void RemoveModifiers(const std::string& debugName);
    bool HasMultipleInstruments() const;
    // The owned instrument with the highest ceiling above 0, or none.
    SIM_Instrument* GetBestInstrument() const;
    // Ability at least the best instrument's ceiling; false without an instrument.
    bool ReachedInstrumentAbility() const;
    void CalculateSatisfaction();
    void CalculatePossesionResentment();
    void ChooseDesiredAsset();
    bool HasGotBetter(SIM_Asset* asset) const;
    void PracticeInstrument(float amount);

    // Relationships (owned by the relationship table).
    void AddRelationship(SIM_Relationship* r);
    void RemoveRelationship(SIM_Relationship* r);
    const std::vector<SIM_Relationship*>& GetRelationships() const { return relationships; }
    SIM_Relationship* GetBestRelationship() const;
    SIM_Relationship* GetWorstRelationship() const;
    // The relationships' share of motivation, -0.5..0.5.
    float GetRelationshipEffect() const;

    // Effects this musician puts on the player character while in the band; owned. Makes
    // one that never fades (degrade 1, clamped); whoever deletes it later (the attribute
    // that holds it, the daily clear-out of negligible effects) takes it off this list.
    SIM_Effect* AddPermanentEffect(float value, const std::string& debugName);
    const std::vector<SIM_Effect*>& GetPermanentEffects() const { return permanentEffects; }
    // Takes every permanent effect off the attribute that holds it (they stay recorded).
    void WithdrawPermanentEffects();

    // The daily step and the moods.
    void Recalculate();
    void NextDay();
    void CalculateMotivation();
    // Each adds an effect scaled by the musician's personalities and returns the value
    // actually applied (always finite, within -1..1).
    float ChangeMotivation(float value, float degrade, const std::string& debugName);
    float ChangeStress(float value, float degrade, const std::string& debugName);
    void ConsiderResignation();
    // Leaves the band for good.
    void Resign();

    // Deletes every musician, from the front of All.
    static void Close();

    // Every live musician (members, auditionees and those who resigned), in order of
    // construction.
    static std::vector<SIM_Musician*> All;
    // True from a resignation until the end of that day's band step.
    static bool BResignationPending;

private:
    friend class SIM_PermanentEffect;
    void ForgetPermanentEffect(const SIM_Effect* effect);

    std::vector<SIM_Personality*> personalities;
    std::vector<SIM_Asset*> possessions;
    std::vector<SIM_Effect*> permanentEffects;
    std::vector<SIM_Relationship*> relationships;
    float satisfaction = 0.0f;
    INSTRUMENT instrument = INSTRUMENT_VOCALS;
    float ability = 0.0f;
    float maxAbility = 0.0f;
    float ego = 1.0f;
    float resentment = 0.0f;
    float motivation = 0.0f;
    float expectation = 0.0f;
    float chemistry = 0.0f;
    SIM_Attribute motivationAttribute;
    SIM_Attribute stressAttribute;
    SIM_Attribute thirdAttribute;
    SIM_Attribute liveExperienceAttribute;
    float boredom = 0.0f;
    SIM_SongElement* songElement = nullptr;
    bool active = true;
    SIM_Commenter* commenter = nullptr;
    SIM_RehearsalData* rehearsalData = nullptr;
    SIM_Asset* desiredAsset = nullptr;
    SIM_BandIconView* icon = nullptr;
    std::array<std::string, 4> portraits;
    int mood = MOOD_NEUTRAL;
    int daysInBand = 0;
    float innocence = 0.0f;
    float cynicism = 0.0f;
    int intentionToQuit = 0;
};
