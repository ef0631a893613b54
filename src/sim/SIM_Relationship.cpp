#include "sim/SIM_Relationship.h"

#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Screens.h"

#include <algorithm>
#include <cmath>

std::vector<SIM_Relationship*> SIM_Relationship::All;

namespace {
float GV(const char* key)
{
    return SIM_GetGlobalVariables()->Get(key);
}
}

SIM_Relationship::SIM_Relationship(SIM_Musician* first, SIM_Musician* second)
    : p1(first), p2(second)
{
    GAssert(first != nullptr, __FILE__, __LINE__);
    GAssert(second != nullptr, __FILE__, __LINE__);
    All.push_back(this);
    line = SIM_GetScreens()->CreateRelationshipLine(this);
}

SIM_Relationship::~SIM_Relationship()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
    // Neither musician may keep pointing here.
    if (p1)
        p1->RemoveRelationship(this);
    if (p2)
        p2->RemoveRelationship(this);
    delete line;
}

bool SIM_Relationship::Has(const SIM_Musician* a, const SIM_Musician* b) const
{
    return (p1 == a && p2 == b) || (p1 == b && p2 == a);
}

SIM_Musician* SIM_Relationship::GetOther(const SIM_Musician* musician) const
{
    GAssert(musician != nullptr, __FILE__, __LINE__);
    return p1 == musician ? p2 : p1;
}

void SIM_Relationship::SetValue(float v)
{
    value = SIM_ClampValue(v, -1.0f, 1.0f);
}

void SIM_Relationship::ChangeValue(float delta)
{
    value = SIM_ClampValue(value + delta, -1.0f, 1.0f);
}

void SIM_Relationship::NextDay()
{
    value = SIM_ClampValue(value * GV("RS_RELATIONSHIP_DEGRADE"), -1.0f, 1.0f);
}

float SIM_Relationship::GetJealousy() const
{
    if (!p1 || !p2)
        return 0.0f;
    const float gap = std::min(std::fabs(p1->GetSatisfaction() - p2->GetSatisfaction()), 500.0f) / 500.0f;
    return std::min(gap, GV("RS_JEALOUSY_LIMIT"));
}

void SIM_Relationship::NextDayAll()
{
    for (SIM_Relationship* r : All)
        r->NextDay();
}

SIM_Relationship* SIM_Relationship::GetRelationship(const SIM_Musician* a, const SIM_Musician* b)
{
    for (SIM_Relationship* r : All)
        if (r->Has(a, b))
            return r;
    return nullptr;
}

float SIM_Relationship::GetAverageRelationship()
{
    if (All.empty())
        return 0.0f;
    float sum = 0.0f;
    for (const SIM_Relationship* r : All)
        sum += r->value;
    return SIM_ClampValue(sum / static_cast<float>(All.size()), -1.0f, 1.0f);
}

void SIM_Relationship::ResolveMeeting(float weight)
{
    SIM_Band* band = SIM_GetBand();
    const float peace = 1.0f + static_cast<float>(band->CountPersonalities("peacemaker")) * GV("RS_PEACEMAKER_EFFECT");
    const float disruption = 1.0f + static_cast<float>(band->CountPersonalities("disruptor")) * GV("RS_DISRUPTOR_EFFECT");
    const float lowMotivation = GV("RS_LOW_MOTIV_RELATIONSHIP");
    const float scale = GV("RS_RELATIONSHIP_MULTIPLIER") * weight;

    for (SIM_Relationship* r : All) {
        if (!r->p1 || !r->p2)
            continue;
        const float d = std::fabs(r->p1->GetChemistry() - r->p2->GetChemistry());
        // Musicians too far apart clash, and envy of each other's things makes it worse.
        float change = d > 0.5f ? -(d + r->GetJealousy()) * disruption : (0.5f - d) * peace;
        if (std::min(r->p1->GetMotivation(), r->p2->GetMotivation()) < lowMotivation)
            change *= change > 0.0f ? 0.5f : 2.0f;
        r->ChangeValue(change * scale);
    }
}

void SIM_Relationship::Clear()
{
    while (!All.empty())
        delete All.front();
}
