#pragma once
// Modifiers: short texts "name,value,degrade" in data rows (assets, rival bands, publicity
// event types, rehearsal and relax venues, activity types) that say which value using the
// row changes, by how much and how lastingly. A name containing "glob_" changes the global
// named values, one containing "band_" the band's attributes, any other the player
// character's attributes.
#include <string>
#include <vector>

// One parsed modifier.
class SIM_Modifier {
public:
    // Applies value x scale along the modifier's route.
    void Apply(float scale) const;
    // Keeps degrade within 0..1 and value within -1..1.
    void Verify();
    float GetValue() const { return value; }
    void SetValue(float v) { value = v; }
    float GetDegrade() const { return degrade; }
    const std::string& GetName() const { return name; }
    const std::string& GetGUIName() const { return guiname; }
    const std::string& GetDebugName() const { return debugname; }

private:
    friend class SIM_ModifierContainer;
    std::string name;
    std::string guiname;
    float degrade = 0.0f;
    std::string debugname;
    float value = 0.0f;
};

// The base of every data row that carries modifiers.
class SIM_ModifierContainer {
public:
    SIM_ModifierContainer() = default;
    SIM_ModifierContainer(const SIM_ModifierContainer&) = delete;
    SIM_ModifierContainer& operator=(const SIM_ModifierContainer&) = delete;
    virtual ~SIM_ModifierContainer() = default;

    // Parses one modifier text and appends it. Texts shorter than 2 characters or not
    // beginning with a letter, digit or '_' add nothing. A value or degrade cell that
    // begins with '_' (a degrade cell also: with a letter) names a balance value. Missing
    // cells and values that are no number read 0, with a warning naming the text.
    virtual void AddModifier(const char* text);

    // Apply(scale) on every modifier, in order.
    void ApplyModifiers(float scale) const;
    // The value of the first modifier with that name; 0 with a warning when none.
    float GetModifierValue(const std::string& name) const;
    const std::string& GetDebugName() const { return debugname; }
    const std::vector<SIM_Modifier>& GetModifiers() const { return modifiers; }

protected:
    std::vector<SIM_Modifier> modifiers;
    // The effects the modifiers create carry this name; rows set it to their own name.
    std::string debugname = "unset";
};
