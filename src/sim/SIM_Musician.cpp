#include "sim/SIM_Musician.h"

#include "career/SIM_Asset.h"
#include "career/SIM_AssetKinds.h"
#include "career/SIM_Gig.h"
#include "career/SIM_Rehearsal.h"
#include "engine/GRandom.h"
#include "engine/GTranslation.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Commenter.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Message.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Screens.h"

#include <algorithm>
#include <cmath>

std::vector<SIM_Musician*> SIM_Musician::All;
bool SIM_Musician::BResignationPending = false;

namespace {
// The rows the musician's own attributes are loaded from: motivation starts at 0.5, the
// others at 0.
const char* const kMotivationRow = "#,none,none,0.5,0,0,none,below,0,,";
const char* const kZeroRow = "#,none,none,0,0,0,none,below,0,,";

float GV(const char* key)
{
    return SIM_GetGlobalVariables()->Get(key);
}

// A finite value, or 0.
float Finite(float x)
{
    return std::isfinite(x) ? x : 0.0f;
}

// A personality's scaling factor: 1 + m or 1 - m, never negative, so that a personality
// can soften or sharpen a change but never turn a loss into a gain.
float Factor(float f)
{
    f = Finite(f);
    return f < 0.0f ? 0.0f : f;
}

template <typename T>
void Erase(std::vector<T*>& list, const T* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}
}

std::string GetInstrumentName(INSTRUMENT instrument)
{
    switch (instrument) {
    case INSTRUMENT_KEYBOARD:
        return GTranslation::GetString("INSTRUMENT_KEYBOARD");
    case INSTRUMENT_DRUMS:
        return GTranslation::GetString("INSTRUMENT_DRUMS");
    case INSTRUMENT_BASS:
        return GTranslation::GetString("INSTRUMENT_BASS");
    case INSTRUMENT_SAXOPHONE:
        return GTranslation::GetString("INSTRUMENT_SAXOPHONE");
    case INSTRUMENT_VOCALS:
        return GTranslation::GetString("INSTRUMENT_VOCALS");
    default:
        return GTranslation::GetString("INSTRUMENT_GUITAR");
    }
}

SIM_Musician::SIM_Musician()
{
    All.push_back(this);
    chemistry = GRandom::RandUnitFloat();
    innocence = GV("RS_STARTING_INNOCENCE");
    commenter = new SIM_Commenter(this);
    rehearsalData = new SIM_RehearsalData(this);
    ego = GRandom::RandReal(0.75f, 1.25f);
    motivationAttribute.Load(kMotivationRow);
    stressAttribute.Load(kZeroRow);
    thirdAttribute.Load(kZeroRow);
    liveExperienceAttribute.Load(kZeroRow);
    Recalculate();
}

SIM_Musician::~SIM_Musician()
{
    Erase(All, this);
    // Nothing may keep pointing here: the line-up and the relationships let go first.
    SIM_GetBand()->ForgetMusician(this);
    const std::vector<SIM_Relationship*> mine = relationships;
    for (SIM_Relationship* r : mine)
        delete r; // takes itself off both musicians' lists
    const std::vector<SIM_Effect*> effects = permanentEffects;
    for (SIM_Effect* e : effects)
        delete e; // takes itself off permanentEffects
    delete commenter;
    delete rehearsalData;
    SIM_GetScreens()->MusicianDeleted(this);
}

std::string SIM_Musician::GetPortraitTexture() const
{
    return portraits[static_cast<size_t>(std::clamp(mood, 0, 3))];
}

void SIM_Musician::SetGender(SIM_GENDER g, const std::string& portraitBase)
{
    gender = g;
    portrait = portraitBase;
    portraits[0] = portraitBase + "_vsad.jpg";
    portraits[1] = portraitBase + "_sad.jpg";
    portraits[2] = portraitBase + "_neutral.jpg";
    portraits[3] = portraitBase + "_happy.jpg";
}

const std::string& SIM_Musician::GetMoodPortrait(int m) const
{
    return portraits[static_cast<size_t>(std::clamp(m, 0, 3))];
}

void SIM_Musician::SetMoodPortrait(int m, const std::string& texture)
{
    if (m >= 0 && m < 4)
        portraits[static_cast<size_t>(m)] = texture;
}

void SIM_Musician::SetAbility(float a, float maxA)
{
    ability = SIM_ClampValue(a, 0.0f, 1.0f);
    maxAbility = SIM_ClampValue(maxA, 0.0f, 1.0f);
}

void SIM_Musician::SetLoadedAbility(float a, float maxA)
{
    ability = Finite(a);
    maxAbility = Finite(maxA);
}

void SIM_Musician::ReduceBoredom(float amount)
{
    boredom = SIM_ClampValue(boredom - amount, 0.0f, 1.0f);
}

// ---- personalities ----

void SIM_Musician::AddPersonality(SIM_Personality* p)
{
    GAssert(p != nullptr, __FILE__, __LINE__);
    if (!p)
        return;
    personalities.push_back(p);
    if (p->GetName() == "egotistical")
        ego = GRandom::RandReal(1.25f, 1.45f);
}

bool SIM_Musician::HasPersonality(const std::string& name) const
{
    for (const SIM_Personality* p : personalities)
        if (p->GetName() == name)
            return true;
    return false;
}

SIM_Personality* SIM_Musician::GetRandomPersonality() const
{
    GAssert(!personalities.empty(), __FILE__, __LINE__);
    if (personalities.empty())
        return nullptr;
    return personalities[GRandom::RandIndex(personalities.size())];
}

// ---- possessions ----

void SIM_Musician::AddPossesion(SIM_Asset* asset)
{
    GAssert(asset != nullptr, __FILE__, __LINE__);
    if (!asset)
        return;
    possessions.push_back(asset);
    CalculateSatisfaction();
    SIM_GetScreens()->PositionBandIcons();
}

void SIM_Musician::RemovePossesion(SIM_Asset* asset)
{
    GAssert(asset != nullptr, __FILE__, __LINE__);
    if (!asset)
        return;
    Erase(possessions, asset);
    CalculateSatisfaction();
}

void SIM_Musician::AddLoadedPossesion(SIM_Asset* asset)
{
    GAssert(asset != nullptr, __FILE__, __LINE__);
    if (asset)
        possessions.push_back(asset);
}

void SIM_Musician::ForgetAsset(const SIM_Asset* asset)
{
    if (desiredAsset == asset)
        desiredAsset = nullptr;
    Erase(possessions, asset);
    // It may have been one of the band's shared assets too.
    CalculateSatisfaction();
}

void SIM_Musician::FreeUpPossesions()
{
    // Destroying an asset may come back to this musician's list; walk a copy.
    const std::vector<SIM_Asset*> copy = possessions;
    for (SIM_Asset* a : copy)
        a->Destroy();
}

void SIM_Musician::RemoveModifiers(const std::string& debugName)
{
    stressAttribute.RemoveModifiers(debugName);
}

bool SIM_Musician::HasMultipleInstruments() const
{
    int count = 0;
    for (const SIM_Asset* a : possessions)
        if (a->GetTypeName() == "instrument")
            ++count;
    return count >= 2;
}

SIM_Instrument* SIM_Musician::GetBestInstrument() const
{
    SIM_Instrument* best = nullptr;
    float bestAbility = 0.0f;
    for (SIM_Asset* a : possessions) {
        if (a->GetTypeName() != "instrument")
            continue;
        auto* inst = dynamic_cast<SIM_Instrument*>(a);
        if (inst && inst->GetMaxAbility() > bestAbility) {
            best = inst;
            bestAbility = inst->GetMaxAbility();
        }
    }
    return best;
}

bool SIM_Musician::ReachedInstrumentAbility() const
{
    const SIM_Instrument* best = GetBestInstrument();
    return best && ability >= best->GetMaxAbility();
}

void SIM_Musician::CalculateSatisfaction()
{
    float sum = 0.0f;
    for (const SIM_Asset* a : possessions)
        sum += a->GetSatisfaction();
    for (const SIM_Asset* a : SIM_GetBand()->GetCommunalAssets())
        sum += a->GetSatisfaction();
    satisfaction = sum;
}

void SIM_Musician::CalculatePossesionResentment()
{
    expectation = std::max(0.0f, SIM_GetFame()->GetFame() - 8.0f);
    expectation = expectation * ego * GV("RS_EGO_POSSESION_RESENTMENT_MULTIPLIER");

    if (expectation > satisfaction)
        resentment += ego * GV("RS_MUSICIAN_RESENTMENT_GROWTHRATE");
    else if (satisfaction > expectation)
        resentment -= GV("RS_MUSICIAN_RESENTMENT_LOWERRATE");

    if (resentment > 0.0f)
        resentment = std::min(resentment, SIM_ClampValue((expectation - satisfaction) / 60.0f, 0.0f, 1.0f));
    else if (resentment < -0.2f)
        resentment = -0.2f;
    resentment = Finite(resentment);

    if (resentment > 0.0f && !desiredAsset)
        ChooseDesiredAsset();
}

void SIM_Musician::ChooseDesiredAsset()
{
    SIM_Asset* chosen = nullptr;
    float lowest = 9999.0f;
    for (SIM_Asset* a : SIM_Asset::All) {
        if (a->IsOwned())
            continue;
        const bool suits = a->GetAssigneeName() == "BAND" || a->GetAssigneeInstrument() == instrument;
        if (!suits || !a->GetFlag(SIM_Asset::DESIRABLE) || HasGotBetter(a))
            continue;
        const float s = a->GetSatisfaction();
        if (s > 0.0f && s < lowest) {
            lowest = s;
            chosen = a;
        }
    }
    desiredAsset = chosen;
}

bool SIM_Musician::HasGotBetter(SIM_Asset* asset) const
{
    if (!asset || asset->GetCategory().empty())
        return false;
    if (asset->GetName().find("rider") != std::string::npos)
        return true;
    auto better = [asset](const SIM_Asset* mine) {
        return mine->GetCategory() == asset->GetCategory()
            && mine->GetSatisfaction() > asset->GetSatisfaction();
    };
    const auto& communal = SIM_GetBand()->GetCommunalAssets();
    return std::any_of(possessions.begin(), possessions.end(), better)
        || std::any_of(communal.begin(), communal.end(), better);
}

void SIM_Musician::PracticeInstrument(float amount)
{
    const float rate = HasPersonality("ambitious") ? GV("MUSICIAN_PRACTICE_PROGRESS_AMBITIOUS")
                                                   : GV("MUSICIAN_PRACTICE_PROGRESS");
    float progress = (maxAbility * 1.5f - ability) * rate;
    // Without an instrument there is no ceiling to have reached.
    if (ReachedInstrumentAbility())
        progress *= 0.5f;
    progress = std::max(progress, 0.01f);
    ability += Finite(progress * amount);
}

// ---- relationships ----

void SIM_Musician::AddRelationship(SIM_Relationship* r)
{
    relationships.push_back(r);
}

void SIM_Musician::RemoveRelationship(SIM_Relationship* r)
{
    Erase(relationships, r);
}

SIM_Relationship* SIM_Musician::GetBestRelationship() const
{
    SIM_Relationship* best = nullptr;
    float value = -1.0f;
    for (SIM_Relationship* r : relationships)
        if (r->GetValue() > value) {
            value = r->GetValue();
            best = r;
        }
    return best;
}

SIM_Relationship* SIM_Musician::GetWorstRelationship() const
{
    SIM_Relationship* worst = nullptr;
    float value = 1.0f;
    for (SIM_Relationship* r : relationships)
        if (r->GetValue() < value) {
            value = r->GetValue();
            worst = r;
        }
    return worst;
}

float SIM_Musician::GetRelationshipEffect() const
{
    const float low = GV("RS_RELATIONSHIP_LOW_TRIGGER");
    const float high = GV("RS_RELATIONSHIP_HIGH_TRIGGER");
    float sum = 0.0f;
    for (const SIM_Relationship* r : relationships) {
        const float v = r->GetValue();
        if (v < low || v > high)
            sum += v;
    }
    return SIM_ClampValue(sum, -1.0f, 1.0f) / 2.0f;
}

// ---- permanent effects ----

// A musician's permanent effect. It can be deleted by others too (the attribute holding it
// is thrown away, or it is negligible at the daily clear-out); its musician must then stop
// pointing at it.
class SIM_PermanentEffect : public SIM_Effect {
public:
    SIM_PermanentEffect(SIM_Musician* owner, float value, const std::string& debugName)
        : SIM_Effect(value, 1.0f, debugName, true), musician(owner)
    {
    }
    ~SIM_PermanentEffect() override { musician->ForgetPermanentEffect(this); }

private:
    SIM_Musician* musician;
};

SIM_Effect* SIM_Musician::AddPermanentEffect(float value, const std::string& debugName)
{
    auto* effect = new SIM_PermanentEffect(this, value, debugName);
    permanentEffects.push_back(effect);
    return effect;
}

void SIM_Musician::ForgetPermanentEffect(const SIM_Effect* effect)
{
    Erase(permanentEffects, effect);
}

void SIM_Musician::WithdrawPermanentEffects()
{
    for (SIM_Effect* e : permanentEffects)
        e->RemoveFromList();
}

// ---- the day ----

void SIM_Musician::Recalculate()
{
    motivationAttribute.CalculateValue();
    stressAttribute.CalculateValue();
    thirdAttribute.CalculateValue();
    CalculatePossesionResentment();
    CalculateMotivation();
    CalculateSatisfaction();
}

void SIM_Musician::NextDay()
{
    rehearsalData->NextDay();
    ConsiderResignation();
    if (!active)
        return;
    commenter->GenerateDailyComments();

    float bored = GV("RS_BOREDOM_PER_DAY");
    if (HasPersonality("ambitious"))
        bored *= 1.25f;
    boredom = Finite(boredom + bored);

    ++daysInBand;
    if (static_cast<float>(daysInBand) > GV("RS_CYNICISM_START"))
        cynicism = SIM_ClampValue(cynicism + GV("RS_CYNICISM_INCREMENT"), 0.0f, 1.0f);
    innocence = SIM_ClampValue(innocence - GV("RS_INNOCENCE_DEGRADE"), 0.0f, 1.0f);
    CalculateMotivation();
    ability = Finite(ability * GV("RS_ABILITY_DEGRADE"));
}

void SIM_Musician::CalculateMotivation()
{
    float m = motivationAttribute.GetValue();
    m -= resentment * GV("RS_POSSESION_MULTIPLIER");
    m += innocence * GV("RS_INNOCENCE_MULTIPLIER");
    m -= cynicism * GV("RS_CYNICISM_MULTIPLIER");
    m += GetRelationshipEffect();

    const float s = stressAttribute.GetValue();
    const float b = boredom;
    struct Penalty { float level; const char* key; float weight; };
    const Penalty penalties[] = {
        {s, "RS_STRESS_THRESHOLD", 0.5f},      {b, "RS_BOREDOM_THRESHOLD", 0.5f},
        {resentment, "RS_RESENTMENT_THRESHOLD", 0.5f},
        {s, "RS_STRESS_CRISIS", 2.0f},         {b, "RS_BOREDOM_CRISIS", 2.0f},
        {resentment, "RS_RESENTMENT_CRISIS", 2.0f},
    };
    for (const Penalty& p : penalties) {
        const float limit = GV(p.key);
        if (p.level > limit)
            m -= (p.level - limit) * p.weight;
    }
    motivation = SIM_ClampValue(m, 0.0f, 1.0f);

    const int old = mood;
    mood = motivation < 0.2f ? MOOD_VERYSAD : motivation < 0.4f ? MOOD_SAD
         : motivation < 0.65f ? MOOD_NEUTRAL : MOOD_HAPPY;
    if (mood != old && icon)
        icon->UpdateTexture();
}

float SIM_Musician::ChangeMotivation(float value, float degrade, const std::string& debugName)
{
    value = Finite(value);
    if (HasPersonality("optimistic")) {
        const float k = GV("RS_OPTIMISTIC_MOTIVATION_MULTIPLIER");
        value *= value < 0.0f ? Factor(1.0f - k) : Factor(1.0f + k);
    }
    if (HasPersonality("pessimistic")) {
        const float k = GV("RS_PESSIMISTIC_MOTIVATION_MULTIPLIER");
        value *= value > 0.0f ? Factor(1.0f - k) : Factor(1.0f + k);
    }
    value = SIM_ClampValue(value, -1.0f, 1.0f);
    motivationAttribute.AddEffect(value, degrade, debugName);
    return value;
}

float SIM_Musician::ChangeStress(float value, float degrade, const std::string& debugName)
{
    value = Finite(value);
    if (HasPersonality("lazy"))
        value *= Factor(1.0f + GV("RS_LAZY_STRESS_MULTIPLIER"));
    if (HasPersonality("energetic"))
        value *= Factor(1.0f - GV("RS_ENERGETIC_STRESS_MULTIPLIER"));
    if (SIM_NamedValueList::Globals().IsTrue("masseuse") && value > 0.0f)
        value *= Factor(1.0f - GV("RS_MASSEUSE_STRESS_REDUCTION"));
    value = SIM_ClampValue(value, -1.0f, 1.0f);
    stressAttribute.AddEffect(value, degrade, debugName);
    SIM_GetBand()->RecalculateStress();
    return value;
}

void SIM_Musician::ConsiderResignation()
{
    const float threshold = GV("RS_RESIGN_CONSIDER_THRESHOLD");
    if (!(motivation < threshold)) {
        intentionToQuit = 0;
        return;
    }
    ++intentionToQuit;
    if (static_cast<float>(intentionToQuit) < GV("RS_MUSICIAN_RESIGN_MINDAYS") || BResignationPending)
        return;
    const float chance = 1.0f - motivation / threshold; // threshold > motivation >= 0 here
    // Nobody walks out on the eve of a gig while the band is broke.
    if (SIM_GetFinances()->GetCash() < 100.0f && SIM_Gig::DaysTillNextGig() == 1)
        return;
    if (GRandom::IsChance(chance))
        Resign();
}

void SIM_Musician::Resign()
{
    if (!active)
        return;
    active = false;
    SIM_GetBand()->RemoveMusician(this);
    SIM_GetScreens()->RemoveBandIcon(this);
    icon = nullptr;

    const float loss = SIM_GetFame()->GetFame() * GV("RS_RESIGN_FAME_REDUCTION_PERCENTAGE");
    SIM_GetFame()->AddEffect(-loss, GV("RS_RESIGN_FAME_DEGRADE"), "Resignation");
    SIM_GetScreens()->OpenResignation(this, loss);
    BResignationPending = true;
    FreeUpPossesions();
    SIM_Message::ClearMine(this);
    SIM_GetBand()->ApplyToAttribute("band_motivation", GV("RS_RESIGNATION_MORALE_BOOST"),
                                    GV("RS_MOTIVATION_DEGRADE"), "resignation");
}

void SIM_Musician::Close()
{
    while (!All.empty())
        delete All.front();
    BResignationPending = false; // a new game or a loaded one starts the day afresh
}
