#include "career/SIM_Rehearsal.h"

#include "career/SIM_RehearsalVenue.h"
#include "career/SIM_Song.h"
#include "career/SIM_SongElement.h"
#include "engine/GRandom.h"
#include "engine/GTranslation.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Commenter.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Message.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Statistics.h"

#include <algorithm>

std::vector<SIM_Rehearsal*> SIM_Rehearsal::All;
std::vector<SIM_RehearsalData*> SIM_RehearsalData::All;

namespace {
float GV(const char* key)
{
    return SIM_GetGlobalVariables()->Get(key);
}
}

SIM_Rehearsal::SIM_Rehearsal(SIM_RehearsalVenue* room) : venue(room)
{
    All.push_back(this);
    GAssert(venue != nullptr, __FILE__, __LINE__);
    if (venue) {
        SIM_GetFinances()->SpendDiscountedCash(venue->GetCost());
        if (venue->GetCost() > 0.0f)
            SIM_GetScreens()->PlaySound("data/sounds/cash.ogg");
    }
    CheckForCancellation();
    if (cancelled) {
        SIM_GetStatistics()->ChangeCounter(1, SIM_Statistics::REHEARSALS_CANCELLED);
        ResolveCancellation();
    } else {
        Hold();
    }
    SIM_GetBand()->CalculateRehearsal();
}

SIM_Rehearsal::~SIM_Rehearsal()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

SIM_Rehearsal* SIM_Rehearsal::Create(SIM_RehearsalVenue* room)
{
    GAssert(room != nullptr, __FILE__, __LINE__);
    return new SIM_Rehearsal(room);
}

void SIM_Rehearsal::Open()
{
    Close();
}

void SIM_Rehearsal::Close()
{
    while (!All.empty())
        delete All.front();
}

void SIM_Rehearsal::ForgetMusician(const SIM_Musician* musician)
{
    for (SIM_Rehearsal* r : All) {
        r->noShows.erase(std::remove(r->noShows.begin(), r->noShows.end(), musician), r->noShows.end());
        for (const auto& effect : r->effects)
            if (effect->musician == musician)
                effect->musician = nullptr;
    }
}

bool SIM_Rehearsal::ShowedUp(const SIM_Musician* musician) const
{
    return std::find(noShows.begin(), noShows.end(), musician) == noShows.end();
}

SIM_Rehearsal::RehearsalEffect* SIM_Rehearsal::GetEffect(const SIM_Musician* musician) const
{
    if (!musician)
        return nullptr;
    for (const auto& effect : effects)
        if (effect->musician == musician)
            return effect.get();
    return nullptr;
}

SIM_Rehearsal::RehearsalEffect* SIM_Rehearsal::AddEffect(SIM_Musician* musician)
{
    effects.push_back(std::make_unique<RehearsalEffect>());
    effects.back()->musician = musician;
    return effects.back().get();
}

void SIM_Rehearsal::CheckForCancellation()
{
    const float chance = GV("RS_LAZY_REHEARSAL_CHANCE");
    for (SIM_Musician* m : SIM_GetBand()->GetMembers())
        if (m->HasPersonality("lazy") && GRandom::IsChance(chance)) {
            noShows.push_back(m);
            cancelled = true;
        }
}

void SIM_Rehearsal::ResolveCancellation()
{
    SIM_Message::ClearMessages();
    const std::vector<SIM_Musician*> members = SIM_GetBand()->GetMembers();
    for (SIM_Musician* m : members) {
        if (!ShowedUp(m))
            continue;
        RehearsalEffect* effect = AddEffect(m);
        effect->motivationChange =
            m->ChangeMotivation(GV("REHEARSAL_CANCELLED_DEMOTIVATION"), GV("RS_MOTIVATION_DEGRADE"), "cancelled rehearsal");
        SIM_Message::AddMessage(GTranslation::GetRandomString("REHEARSAL_COMMENT_CANCELLED", GTranslation::StringsFile), m);
        for (SIM_Musician* absent : noShows) {
            SIM_Relationship* r = SIM_Relationship::GetRelationship(absent, m);
            GAssert(r != nullptr, __FILE__, __LINE__);
            if (r && std::find(damagedRelationships.begin(), damagedRelationships.end(), r) == damagedRelationships.end())
                damagedRelationships.push_back(r);
        }
    }
    const float damage = GV("RS_REHEARSAL_NOSHOW_RELATE_DAMAGE");
    for (SIM_Relationship* r : damagedRelationships)
        r->ChangeValue(GRandom::RandReal(0.9f, 1.1f) * damage);
    damagedRelationships.clear();
}

void SIM_Rehearsal::Hold()
{
    SIM_Message::ClearMessages();
    SIM_GetStatistics()->ChangeCounter(1, SIM_Statistics::REHEARSALS);
    SIM_GetBand()->ApplyToAttribute("band_boredom", GV("RS_BOREDOM_REDUCT_REHEARSAL"), 0.0f, "rehearsal");
    SIM_Relationship::ResolveMeeting(GV("RS_MEETSCALAR_REHEARSE"));

    const std::vector<SIM_Musician*> members = SIM_GetBand()->GetMembers();
    for (SIM_Musician* m : members) {
        m->GetCommenter()->GenerateRehearsalComments(venue);
        RehearsalEffect* effect = AddEffect(m);
        if (venue)
            for (const SIM_Modifier& modifier : venue->GetModifiers()) {
                if (modifier.GetName() == "band_rehearsal") {
                    m->GetRehearsalData()->Rehearse(modifier.GetValue());
                    effect->rehearsalValue = modifier.GetValue();
                } else if (modifier.GetName() == "band_stress") {
                    effect->stressChange =
                        m->ChangeStress(modifier.GetValue(), modifier.GetDegrade(), modifier.GetDebugName());
                }
            }
        const float motivation = venue ? venue->GetMotivation(m) : 0.0f;
        effect->motivationChange = m->ChangeMotivation(motivation, GV("RS_MOTIVATION_DEGRADE"), "rehersal");
    }
}

SIM_RehearsalData::SIM_RehearsalData(SIM_Musician* m) : musician(m)
{
    All.push_back(this);
}

SIM_RehearsalData::~SIM_RehearsalData()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
    SIM_Rehearsal::ForgetMusician(musician);
    SIM_SongElement::ForgetUnlocker(musician);
}

void SIM_RehearsalData::CalculateValue()
{
    if (songData.empty()) {
        value = 0.0f;
        return;
    }
    float sum = 0.0f;
    for (const SongData& d : songData)
        sum += d.readiness;
    value = sum / static_cast<float>(songData.size());
}

void SIM_RehearsalData::NextDay()
{
    const float keep = GV("_REHEARSAL_DEGRADE");
    for (SongData& d : songData)
        d.readiness *= keep;
    CalculateValue();
}

void SIM_RehearsalData::Rehearse(float amount)
{
    for (SIM_Song* song : SIM_Song::All) {
        bool found = false;
        for (SongData& d : songData)
            if (d.song == song) {
                d.readiness = SIM_ClampValue(d.readiness + amount, 0.0f, 1.0f);
                found = true;
            }
        if (!found)
            songData.push_back({song, SIM_ClampValue(amount, 0.0f, 1.0f)});
    }
    CalculateValue();
}

void SIM_RehearsalData::AddSong(SIM_Song* song, float readiness)
{
    songData.push_back({song, readiness});
    CalculateValue();
}

void SIM_RehearsalData::RemoveSong(SIM_Song* song)
{
    auto it = std::find_if(songData.begin(), songData.end(), [song](const SongData& d) { return d.song == song; });
    if (it == songData.end())
        return;
    songData.erase(it);
    CalculateValue();
}

void SIM_RehearsalData::Clear()
{
    songData.clear();
}

bool SIM_RehearsalData::HasSong(const SIM_Song* song) const
{
    return std::any_of(songData.begin(), songData.end(), [song](const SongData& d) { return d.song == song; });
}

float SIM_RehearsalData::GetReadiness(const SIM_Song* song) const
{
    for (const SongData& d : songData)
        if (d.song == song)
            return d.readiness;
    return 0.0f;
}

void SIM_RehearsalData::AddSongAll(SIM_Song* song)
{
    for (SIM_RehearsalData* data : All)
        data->AddSong(song, 0.0f);
}

void SIM_RehearsalData::RemoveSongAll(SIM_Song* song)
{
    for (SIM_RehearsalData* data : All)
        data->RemoveSong(song);
}
