#include "sim/SIM_Fame.h"

#include "sim/SIM_NamedValue.h"

#include <algorithm>

SIM_Fame* SIM_GetFame()
{
    static SIM_Fame* fame = new SIM_Fame;
    return fame;
}

SIM_Fame::~SIM_Fame()
{
    Clear();
}

void SIM_Fame::AddEffect(float value, float degrade, const std::string& debugname)
{
    SIM_Effect* effect = new SIM_Effect(value, degrade, debugname, false);
    effects.push_back(effect);
    effect->SetList(&effects);
    CalculateValue();
}

void SIM_Fame::CalculateValue()
{
    float sum = 0.0f;
    for (const SIM_Effect* effect : effects)
        sum += effect->GetEffect();
    fame = SIM_ClampValue(sum, 0.0f, MaxFame);
}

float SIM_Fame::GetPotentialAudience() const
{
    return std::max(15.0f, 10.0f * fame);
}

void SIM_Fame::Clear()
{
    SIM_EffectList doomed;
    doomed.swap(effects);
    for (SIM_Effect* effect : doomed)
        delete effect;
    fame = 0.0f;
}
