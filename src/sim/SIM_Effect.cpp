#include "sim/SIM_Effect.h"

#include "sim/GAssert.h"
#include "sim/SIM_NamedValue.h"

#include <algorithm>
#include <cmath>

std::vector<SIM_Effect*> SIM_Effect::All;

namespace {
void Erase(std::vector<SIM_Effect*>& list, SIM_Effect* e)
{
    list.erase(std::remove(list.begin(), list.end(), e), list.end());
}
}

SIM_Effect::SIM_Effect(float value_, float degrade_, const std::string& debugname_, bool clamp_)
    : degrade(degrade_), value(std::isnan(value_) ? 0.0f : value_), debugname(debugname_),
      clamp(clamp_)
{
    if (std::isnan(degrade) || degrade > 1.0f || degrade < -1.0f) {
        degrade = SIM_ClampValue(degrade, -1.0f, 1.0f);
        std::string note = "Effect degrade factor clamped: " + debugname;
        GWarning(note.c_str(), __FILE__, __LINE__);
    }
    All.push_back(this);
}

SIM_Effect::~SIM_Effect()
{
    Erase(All, this);
    RemoveFromList();
}

void SIM_Effect::Process()
{
    value *= degrade;
    if (clamp)
        value = SIM_ClampValue(value, -1.0f, 1.0f);
    else if (std::isnan(value))
        value = 0.0f;
}

void SIM_Effect::RemoveFromList()
{
    if (owner)
        Erase(*owner, this);
    owner = nullptr;
}

void SIM_Effect::ProcessAllEffects()
{
    // Process over a snapshot: an effect's step must not disturb the walk.
    std::vector<SIM_Effect*> snapshot = All;
    for (SIM_Effect* e : snapshot)
        e->Process();
    ClearDead();
}

void SIM_Effect::ClearDead()
{
    std::vector<SIM_Effect*> dead;
    for (SIM_Effect* e : All)
        if (e->IsNegligible())
            dead.push_back(e);
    for (SIM_Effect* e : dead)
        delete e;
}
