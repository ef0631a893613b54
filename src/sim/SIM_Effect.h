#pragma once
// A signed contribution to a value that is multiplied by its degrade factor every day and
// disappears once negligible: how every temporary boost or penalty fades out, and how a
// permanent one (degrade 1) stays.
#include <string>
#include <vector>

class SIM_Effect;
// A list of effects held by an attribute or the fame store; each effect knows its list.
using SIM_EffectList = std::vector<SIM_Effect*>;

class SIM_Effect {
public:
    // The degrade factor is a daily keep-factor: one whose size is above 1 (the effect
    // would grow for ever) is clamped to -1..1 and a NaN one reads as 0, with a warning;
    // a NaN value reads as 0.
    SIM_Effect(float value, float degrade, const std::string& debugname, bool clamp);
    SIM_Effect(const SIM_Effect&) = delete;
    SIM_Effect& operator=(const SIM_Effect&) = delete;
    // Leaves All and its owner list.
    virtual ~SIM_Effect();
    // One day: value x degrade, clamped to -1..1 when the clamp flag is set.
    virtual void Process();

    // -0.001 < value < 0.001.
    bool IsNegligible() const { return value > -0.001f && value < 0.001f; }
    float GetEffect() const { return value; }
    float GetDegrade() const { return degrade; }
    const std::string& GetDebugName() const { return debugname; }
    bool IsClamped() const { return clamp; }
    SIM_EffectList* GetList() const { return owner; }
    void SetList(SIM_EffectList* list) { owner = list; }
    // Takes the effect off its owner list (every occurrence) and forgets the owner.
    void RemoveFromList();

    // The daily decay of every effect, then the deletion of every negligible one.
    static void ProcessAllEffects();
    // Deletes every negligible effect.
    static void ClearDead();

    // Every effect in existence, in creation order.
    static std::vector<SIM_Effect*> All;

private:
    float degrade;
    float value;
    std::string debugname;
    SIM_EffectList* owner = nullptr;
    bool clamp;
};
