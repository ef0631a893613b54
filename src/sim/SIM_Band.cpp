#include "sim/SIM_Band.h"

#include "career/SIM_Asset.h"
#include "career/SIM_Rehearsal.h"
#include "career/SIM_SongElement.h"
#include "engine/CSpreadsheet.h"
#include "engine/GRandom.h"
#include "sim/GAssert.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_PortraitDatabase.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Riza.h"
#include "sim/SIM_Screens.h"

#include <algorithm>

namespace {
float GV(const char* key)
{
    return SIM_GetGlobalVariables()->Get(key);
}

// The attributes the band's rules set by name; the band table must define each.
const char* const kBandAttributes[] = {
    "band_rehearsal", "band_stress", "band_chemistry", "band_musicianship",
    "band_live_experience", "band_motivation", "band_hype",
};
}

SIM_Band* SIM_GetBand()
{
    static SIM_Band* band = new SIM_Band;
    return band;
}

SIM_Band::SIM_Band()
{
    InitialiseData();
}

void SIM_Band::InitialiseData()
{
    attributes.Clear();
    communalAssets.clear(); // the catalogue they pointed into is read again
    CSpreadsheet sheet("data/simulation/band.csv");
    for (const std::string& row : sheet) {
        auto* a = new SIM_Attribute;
        a->Load(row.c_str());
        attributes.AddValue(a);
    }
    for (const char* n : kBandAttributes)
        if (!attributes.HasValue(n))
            GWarning((std::string("band table lacks ") + n).c_str(), __FILE__, __LINE__);
    name = SIM_GetGameConfig()->GetBandName();
    sponsoredName = name;
    yearcount = 0;
}

void SIM_Band::SetAttribute(const char* attribute, float value)
{
    if (SIM_NamedValue* v = attributes.GetNamedValue(attribute))
        v->SetValue(value);
}

float SIM_Band::MeanStress() const
{
    if (members.empty())
        return 0.0f;
    float sum = 0.0f;
    for (SIM_Musician* m : members)
        sum += m->GetStress()->GetValue();
    return sum / static_cast<float>(members.size());
}

void SIM_Band::Recalculate()
{
    attributes.Calculate();
    CalculateRehearsal();
    RecalculateStress();
    SetAttribute("band_chemistry", (SIM_Relationship::GetAverageRelationship() + 1.0f) / 2.0f);

    // The player character plays along: one more head in the averages.
    const float heads = static_cast<float>(members.size() + 1);
    float abilities = 0.0f;
    float experience = 0.0f;
    float motivations = 0.0f;
    for (SIM_Musician* m : members) {
        abilities += m->GetAbility();
        experience += m->GetLiveExperience()->GetValue();
        motivations += m->GetMotivation();
    }
    SIM_Riza* riza = SIM_GetRiza();
    SetAttribute("band_musicianship", (abilities + riza->GetInstrumentSkill()) / heads);
    SetAttribute("band_live_experience", (experience + riza->GetValue("live_experience")) / heads);
    SetAttribute("band_motivation",
                 members.empty() ? 0.0f : motivations / static_cast<float>(members.size()));

    for (SIM_Musician* m : members)
        m->Recalculate();
}

void SIM_Band::CalculateRehearsal()
{
    float sum = 0.0f;
    float lowest = 1.0f;
    for (SIM_Musician* m : members) {
        const float v = m->GetRehearsalData()->GetValue();
        sum += v;
        lowest = std::min(lowest, v);
    }
    const float mean = members.empty() ? 0.0f : sum / static_cast<float>(members.size());
    // One unrehearsed member holds the whole band back.
    SetAttribute("band_rehearsal", std::min(mean, 0.1f + 2.0f * lowest));
}

void SIM_Band::RecalculateStress()
{
    SetAttribute("band_stress", MeanStress());
}

void SIM_Band::ApplyToAttribute(const std::string& attribute, float value, float degrade,
                                const std::string& debugName)
{
    if (attribute == "band_hype") {
        auto* hype = dynamic_cast<SIM_Attribute*>(attributes.GetNamedValue("band_hype"));
        GAssert(hype != nullptr, __FILE__, __LINE__);
        if (hype)
            hype->AddEffect(value, degrade, debugName);
        return;
    }
    // A member's change may recalculate the band; walk a copy of the line-up.
    const std::vector<SIM_Musician*> copy = members;
    for (SIM_Musician* m : copy) {
        if (attribute == "band_live_experience")
            m->GetLiveExperience()->AddEffect(value, degrade, debugName);
        else if (attribute == "band_rehearsal")
            m->GetRehearsalData()->Rehearse(value);
        else if (attribute == "band_motivation")
            m->ChangeMotivation(value, degrade, debugName);
        else if (attribute == "band_stress")
            m->ChangeStress(value, degrade, debugName);
        else if (attribute == "band_boredom")
            m->ReduceBoredom(value);
        else
            GError("Band attribute not recognised", __FILE__, __LINE__);
    }
    Recalculate();
}

void SIM_Band::NextDay()
{
    // A member may resign and leave the line-up during his own step.
    const std::vector<SIM_Musician*> copy = members;
    for (SIM_Musician* m : copy)
        m->NextDay();
    SIM_Musician::BResignationPending = false;
}

bool SIM_Band::IsMember(const SIM_Musician* musician) const
{
    return std::find(members.begin(), members.end(), musician) != members.end();
}

bool SIM_Band::Append(SIM_Musician* musician)
{
    GAssert(musician != nullptr, __FILE__, __LINE__);
    if (!musician)
        return false;
    // A second join would pair the musician with itself.
    GAssert(!IsMember(musician), __FILE__, __LINE__);
    if (IsMember(musician))
        return false;
    members.push_back(musician);
    return true;
}

void SIM_Band::PairWithMembers(SIM_Musician* newcomer)
{
    for (SIM_Musician* other : members) {
        if (other == newcomer)
            continue;
        auto* r = new SIM_Relationship(newcomer, other);
        other->AddRelationship(r);
        newcomer->AddRelationship(r);
    }
}

void SIM_Band::AddLoadedMember(SIM_Musician* musician)
{
    if (Append(musician))
        PairWithMembers(musician);
}

void SIM_Band::AddMusician(SIM_Musician* musician)
{
    if (!Append(musician))
        return;
    Recalculate();

    if (SIM_SongElement* element = musician->GetSongElement())
        element->UnlockElement(musician);
    SIM_GetRiza()->ApplyEffect("inspiration", GV("RS_NEWMEMBER_INSPIRATION"),
                               GV("RS_NEWMEMBER_INSPIRATION_DEG"), "new musician");
    if (musician->HasPersonality("imaginitive")) {
        // Lasts as long as the musician stays; the musician keeps it.
        SIM_Effect* effect = musician->AddPermanentEffect(GV("RS_IMAGINITIVE_INSPIRATION_BOOST"), "imaginitive");
        SIM_GetRiza()->ApplyRawEffect(effect, "inspiration");
    }
    SIM_GetPortraits()->MakeUsed(musician->GetPortraitTexture());
    PairWithMembers(musician);
    SIM_GetScreens()->UpdateBookGigButton();
    SIM_GetScreens()->AddBandIcon(musician);
}

void SIM_Band::RemoveMusician(SIM_Musician* musician)
{
    GAssert(musician != nullptr, __FILE__, __LINE__);
    if (!musician)
        return;
    members.erase(std::remove(members.begin(), members.end(), musician), members.end());

    if (SIM_SongElement* element = musician->GetSongElement())
        element->RelockElement(musician);
    if (!musician->GetPermanentEffects().empty()) {
        musician->WithdrawPermanentEffects();
        SIM_GetRiza()->RecalcAttributes();
    }

    for (SIM_Musician* other : members) {
        SIM_Relationship* r = SIM_Relationship::GetRelationship(musician, other);
        GAssert(r != nullptr, __FILE__, __LINE__);
        delete r; // takes itself off both musicians' lists
    }
    SIM_GetScreens()->UpdateBookGigButton();
}

void SIM_Band::ForgetMusician(SIM_Musician* musician)
{
    members.erase(std::remove(members.begin(), members.end(), musician), members.end());
}

float SIM_Band::GetValue(const std::string& attribute) const
{
    if (const SIM_NamedValue* v = attributes.GetNamedValue(attribute))
        return v->GetValue();
    if (attribute == "band_stress")
        return MeanStress();
    GWarning("failed to find band value", __FILE__, __LINE__);
    return 0.0f;
}

bool SIM_Band::Valid() const
{
    if (members.empty())
        return false;
    if (!HasInstrument(INSTRUMENT_DRUMS) || !HasInstrument(INSTRUMENT_BASS))
        return false;
    return HasInstrument(INSTRUMENT_SAXOPHONE) || HasInstrument(INSTRUMENT_GUITAR)
        || HasInstrument(INSTRUMENT_KEYBOARD);
}

SIM_Musician* SIM_Band::GetFirstMember(INSTRUMENT instrument) const
{
    for (SIM_Musician* m : members)
        if (m->GetInstrument() == instrument)
            return m;
    return nullptr;
}

bool SIM_Band::HasInstrument(INSTRUMENT instrument) const
{
    return GetFirstMember(instrument) != nullptr || SIM_GetRiza()->GetInstrument() == instrument;
}

int SIM_Band::CountPersonalities(const std::string& personality) const
{
    return static_cast<int>(std::count_if(members.begin(), members.end(),
        [&](const SIM_Musician* m) { return m->HasPersonality(personality); }));
}

float SIM_Band::GetCharisma() const
{
    return SIM_ClampValue(static_cast<float>(CountPersonalities("charismatic")) * GV("RS_CHARISMA_BOOST"),
                          0.0f, 1.0f);
}

SIM_Musician* SIM_Band::GetMostTalented() const
{
    SIM_Musician* best = nullptr;
    float ability = -1.0f;
    for (SIM_Musician* m : members)
        if (m->GetAbility() > ability) {
            ability = m->GetAbility();
            best = m;
        }
    GAssert(best != nullptr, __FILE__, __LINE__);
    return best;
}

SIM_Musician* SIM_Band::GetRandomMember() const
{
    GAssert(!members.empty(), __FILE__, __LINE__);
    if (members.empty())
        return nullptr;
    return members[GRandom::RandIndex(members.size())];
}

float SIM_Band::GetExpectations() const
{
    return SIM_ClampValue(SIM_GetFame()->GetFame() / 10000.0f, 0.0f, 1.0f);
}

bool SIM_Band::HasRoadie() const
{
    return SIM_Asset::GetOwnedByName("roadie") != nullptr;
}

void SIM_Band::PracticeInstruments(float amount)
{
    for (SIM_Musician* m : members)
        m->PracticeInstrument(amount);
    SIM_GetRiza()->PracticeSinging(amount);
}

void SIM_Band::RechooseDesiredAssets()
{
    for (SIM_Musician* m : members)
        m->ChooseDesiredAsset();
}

void SIM_Band::RemoveModifiers(SIM_Asset* asset)
{
    GAssert(asset != nullptr, __FILE__, __LINE__);
    if (!asset)
        return;
    const std::string debugName = asset->GetDebugName();
    for (SIM_Musician* m : members)
        m->RemoveModifiers(debugName);
    for (SIM_NamedValue* v : attributes.GetRawList())
        if (auto* a = dynamic_cast<SIM_Attribute*>(v))
            a->RemoveModifiers(debugName);
}

void SIM_Band::AddCommunalAsset(SIM_Asset* asset)
{
    GAssert(asset != nullptr, __FILE__, __LINE__);
    if (asset)
        communalAssets.push_back(asset);
}

void SIM_Band::RemoveCommunalAsset(SIM_Asset* asset)
{
    communalAssets.erase(std::remove(communalAssets.begin(), communalAssets.end(), asset),
                         communalAssets.end());
}
