#pragma once
// The player character: leads the band without being a member. Carries the player's
// attributes and skills and always sings; effects from the whole game land on it, and
// its fame goes on to the fame store.
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Person.h"

#include <string>

class SIM_Effect;

class SIM_Riza : public SIM_Person {
public:
    // "You", female, no portrait, until Initialise.
    SIM_Riza();
    ~SIM_Riza() override;

    // Sets the player up for a new game from the game configuration.
    void Initialise();
    // Has nothing to release.
    void Release() {}
    // Reloads the attribute rows (the skills are emptied too).
    void LoadAttributes();
    // Vocals, with "attrib_vocals" always shown.
    void SelectInstrument();
    // Gender from the avatar file name: "m..." male, "f..." female; any other first letter
    // is reported and changes nothing; an empty name changes nothing.
    void GetGenderFromTexture(const std::string& fileName);
    INSTRUMENT GetInstrument() const { return instrument; }
    // The forename (the player's whole name) and the avatar's texture as a saved game
    // holds them.
    void SetForename(const std::string& name) { forename = fullname = name; }
    void SetAvatarTexture(const std::string& texture) { portrait = texture; }

    // "fame", "income", then an attribute, then a skill; 0 for anything else.
    float GetValue(const std::string& name);
    // The attribute or skill of that name; a new skill at 0 when create is set.
    SIM_NamedValue* GetNamedValue(const std::string& name, bool create);
    // The skill that goes with the instrument, 0 without it.
    float GetInstrumentSkill();

    // A change: "fame" goes to the fame store; an attribute takes an effect; any other
    // name is ignored. The attributes are recalculated unless it was fame.
    void ApplyEffect(const std::string& name, float value, float degrade, const std::string& debugName);
    // Adds an effect someone else owns to the attribute of that name; nothing without one.
    void ApplyRawEffect(SIM_Effect* effect, const std::string& name);
    void RecalcAttributes();
    void CalculateInspiration() {}
    void PracticeSinging(float amount);
    int CountSkills() const;
    float CountSkillPoints() const;
    // The base of an existing attribute, clamped to 0..1.
    void InitAttrib(const std::string& name, float value);
    bool IsTired() const { return false; }
    float GetAdjustedEffect(const std::string& name, float value) const;
    void _dbg_CheatEffect(const std::string& name, float value);

    SIM_Attribute* GetAttribute(const std::string& name) const;
    SIM_NamedValueList& GetAttributes() { return attributes; }
    SIM_NamedValueList& GetSkills() { return skills; }

private:
    SIM_NamedValueList attributes;
    SIM_NamedValueList skills;
    INSTRUMENT instrument = INSTRUMENT_VOCALS;
};

SIM_Riza* SIM_GetRiza();
