#pragma once
// An attribute: a named value computed as a base plus its effects, clamped to 0..1,
// optionally feeding a parent attribute and shown by an on-screen indicator.
#include "sim/SIM_Effect.h"
#include "sim/SIM_NamedValue.h"

#include <string>
#include <vector>

class SIM_IndicatorView;

class SIM_Attribute : public SIM_NamedValue {
public:
    enum WARNDIRECTION { WARN_ABOVE = 0, WARN_BELOW = 1, WARN_NONE = 2 };

    // Empty; Load fills it from a data row.
    SIM_Attribute();
    SIM_Attribute(const std::string& name, const std::string& guiname, float base);
    // Leaves All, unhooks its indicator and deletes its effects.
    ~SIM_Attribute() override;

    // Fills the attribute from one row of "attributes.csv" or "band.csv": marker, name,
    // GUI name, base, always shown, high is good, description, warn direction, warn limit,
    // parent name and, when a parent is named, parent weight. A parent that is missing, or
    // that would make the attribute its own ancestor, leaves no parent.
    void Load(const char* row);

    // value = base + the effects, clamped to 0..1.
    void CalculateValue() override;
    // Plays sound 0 and opens the attribute window.
    void Clicked() override;

    // Adds the effect (taking it off any list it was on), recalculates, shows the change.
    void AddEffect(SIM_Effect* effect);
    void AddEffect(float value, float degrade, const std::string& debugname);
    void RemoveEffect(SIM_Effect* effect);
    // Deletes every effect with that debug name, then recalculates.
    void RemoveModifiers(const std::string& debugname);
    void ClearEffects();
    bool WarnPlayer() const;
    // Shows the change on the indicator, then change x weight on the parent, up the chain.
    void ShowEffect(float change);

    const std::string& GetDescription() const { return description; }
    void SetDescription(const std::string& text) { description = text; }
    bool IsHighGood() const { return highisgood; }
    void SetHighGood(bool good) { highisgood = good; }
    bool IsAlwaysShown() const { return alwaysshow; }
    void SetAlwaysShown(bool shown) { alwaysshow = shown; }
    float GetBaseValue() const { return base; }
    void SetBaseValue(float b) { base = b; }
    void SetIndicator(SIM_IndicatorView* view);
    SIM_IndicatorView* GetIndicator() const { return indicator; }
    SIM_Attribute* GetParent() const { return parent; }
    float GetParentWeight() const { return parentWeight; }
    WARNDIRECTION GetWarnDirection() const { return warnDirection; }
    float GetWarnLimit() const { return warnLimit; }
    // The warning as a saved game holds it: direction 0 above, 1 below, anything else none.
    void SetWarning(int direction, float limit);
    const SIM_EffectList& GetEffects() const { return effects; }

    // The first attribute of All with that name, or null.
    static SIM_Attribute* GetAttribute(const std::string& name);
    // Forgets every attribute (without deleting any): a new game.
    static void Clear();

    // Every live attribute, in order of construction.
    static std::vector<SIM_Attribute*> All;

private:
    bool alwaysshow = false;
    bool highisgood = false;
    float base = 0.0f;
    std::string description;
    SIM_EffectList effects;
    WARNDIRECTION warnDirection = WARN_NONE;
    float warnLimit = 0.0f;
    SIM_IndicatorView* indicator = nullptr;
    SIM_Attribute* parent = nullptr;
    float parentWeight = 1.0f;
};
