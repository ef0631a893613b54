#pragma once
// The band's fame: the sum of its decaying fame effects, clamped to 0..500, from which the
// potential audience follows.
#include "sim/SIM_Effect.h"

#include <string>

class SIM_Fame {
public:
    static constexpr float MaxFame = 500.0f;

    SIM_Fame() = default;
    SIM_Fame(const SIM_Fame&) = delete;
    SIM_Fame& operator=(const SIM_Fame&) = delete;
    // Deletes the fame effects.
    virtual ~SIM_Fame();

    float GetFame() const { return fame; }
    // A new effect that does not clamp while decaying, owned here; then recalculates.
    void AddEffect(float value, float degrade, const std::string& debugname);
    // fame = the sum of the effects, clamped to 0..500.
    void CalculateValue();
    // The day's recalculation (the effects decay in the common effect pass).
    void ProcessTurn() { CalculateValue(); }
    // The larger of 15 and 10 x fame.
    float GetPotentialAudience() const;
    // Deletes every fame effect.
    void Clear();
    // A new game: no fame effects.
    void Initialise() { Clear(); }
    const SIM_EffectList& GetEffects() const { return effects; }

private:
    SIM_EffectList effects;
    float fame = 0.0f;
};

SIM_Fame* SIM_GetFame();
