// The state's invariants, checked by the scripted player after every day: every value the
// simulation can reach is finite and in its range, every list agrees with the others and
// every pointer leads to a live object.
#include "player/ScriptedPlayer.h"

#include "career/SIM_Album.h"
#include "career/SIM_Asset.h"
#include "career/SIM_AssetKinds.h"
#include "career/SIM_CharityGigManager.h"
#include "career/SIM_Gig.h"
#include "career/SIM_OtherGig.h"
#include "career/SIM_Performance.h"
#include "career/SIM_Rehearsal.h"
#include "career/SIM_Song.h"
#include "career/SIM_Venue.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Statistics.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

class Checker {
public:
    std::vector<std::string> breaks;

    void Finite(float v, const std::string& what)
    {
        if (!std::isfinite(v))
            breaks.push_back(what + " is not finite");
    }
    void Range(float v, float lo, float hi, const std::string& what)
    {
        if (!std::isfinite(v) || v < lo || v > hi)
            breaks.push_back(what + " = " + std::to_string(v) + " outside " + std::to_string(lo) + ".." +
                             std::to_string(hi));
    }
    void True(bool ok, const std::string& what)
    {
        if (!ok)
            breaks.push_back(what);
    }
};

template <class T, class U>
bool Contains(const std::vector<T*>& list, const U* item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

template <class T>
bool Unique(const std::vector<T*>& list)
{
    return std::set<T*>(list.begin(), list.end()).size() == list.size();
}

// Cash beyond this is an economy out of control, not a rich band.
constexpr float kCashLimit = 1.0e8f;

void CheckMoneyAndFame(Checker& c)
{
    c.Range(SIM_GetFinances()->GetCash(), -kCashLimit, kCashLimit, "cash");
    c.Range(SIM_GetFame()->GetFame(), 0.0f, SIM_Fame::MaxFame, "fame");
    for (const SIM_Effect* e : SIM_GetFame()->GetEffects())
        c.Finite(e->GetEffect(), "fame effect " + e->GetDebugName());
    for (const SIM_Effect* e : SIM_Effect::All) {
        c.Finite(e->GetEffect(), "effect " + e->GetDebugName());
        c.Range(e->GetDegrade(), 0.0f, 1.0f, "degrade of effect " + e->GetDebugName());
    }
    const SIM_Statistics* stats = SIM_GetStatistics();
    for (int i = 0; i < SIM_Statistics::NUM_COUNTERS; ++i)
        c.True(stats->GetIntCounter(static_cast<SIM_Statistics::COUNTERS>(i)) >= 0,
               "counter " + std::to_string(i) + " negative");
    for (int i = 0; i < SIM_Statistics::NUM_FLOATCOUNTERS; ++i)
        c.Range(stats->GetFloatCounter(static_cast<SIM_Statistics::FLOATCOUNTERS>(i)), 0.0f, 1.0e10f,
                "float counter " + std::to_string(i));
    c.True(static_cast<size_t>(stats->GetIntCounter(SIM_Statistics::GIGS_PLAYED)) == SIM_Gig::PlayedGigs.size(),
           "gigs played counter differs from the played gigs");
}

// Every named value of every list (band, player character, musicians, globals).
void CheckNamedValues(Checker& c)
{
    for (const SIM_NamedValueList* list : SIM_NamedValueList::AllLists())
        for (const SIM_NamedValue* v : list->GetRawList())
            c.Finite(v->GetValue(), "named value " + list->GetName() + "." + v->GetName());
}

void CheckBand(Checker& c)
{
    const auto& members = SIM_GetBand()->GetMembers();
    c.True(members.size() <= 5, "more than five members");
    c.True(Unique(members), "a member twice in the line-up");
    for (const SIM_Musician* m : members) {
        const std::string who = "member " + m->GetFullName();
        c.True(Contains(SIM_Musician::All, m), who + " is not a live musician");
        c.True(m->IsActive(), who + " is in the band but has left");
        c.Range(m->GetAbility(), 0.0f, 1.0f, who + " ability");
        c.Range(m->GetMaxAbility(), 0.0f, 1.0f, who + " max ability");
        c.Range(m->GetMotivation(), 0.0f, 1.0f, who + " motivation");
        for (float v : {m->GetChemistry(), m->GetEgo(), m->GetResentment(), m->GetExpectation(), m->GetSatisfaction(),
                        m->GetBoredom(), m->GetInnocence(), m->GetCynicism()})
            c.Finite(v, who + " attribute");
        c.Range(m->GetRehearsalData() ? m->GetRehearsalData()->GetValue() : 0.0f, 0.0f, 1.0f, who + " readiness");
        c.True(m->GetRehearsalData() == nullptr || Contains(SIM_RehearsalData::All, m->GetRehearsalData()),
               who + " rehearsal data is not live");
        c.True(m->GetRelationships().size() == members.size() - 1, who + " has the wrong number of relationships");
        for (const SIM_Relationship* r : m->GetRelationships()) {
            c.True(Contains(SIM_Relationship::All, r), who + " holds a dead relationship");
            c.True(Contains(members, r->GetOther(m)), who + " relates to a non-member");
        }
        for (const SIM_Asset* a : m->GetPossesions())
            c.True(Contains(SIM_Asset::OwnedAssets, a) || Contains(SIM_Asset::All, a),
                   who + " holds an asset that is not live");
    }
    c.True(SIM_Relationship::All.size() == members.size() * (members.size() - (members.empty() ? 0 : 1)) / 2,
           "relationships are not one per pair of members");
    for (const SIM_Relationship* r : SIM_Relationship::All) {
        c.Range(r->GetValue(), -1.0f, 1.0f, "relationship");
        c.True(Contains(members, r->GetP1()) && Contains(members, r->GetP2()), "a relationship with a non-member");
    }
}

void CheckSongsAndAlbums(Checker& c)
{
    c.True(Unique(SIM_Song::All), "a song twice in the song list");
    for (const SIM_Song* s : SIM_Song::All) {
        c.Range(s->GetQuality(), 0.0f, 1.0f, "song " + s->GetName() + " quality");
        c.Range(s->GetBoredom(), 0.0f, 1.0f, "song " + s->GetName() + " boredom");
        c.Finite(s->GetInitialInspiration(), "song inspiration");
        if (SIM_Album* a = s->GetAlbum()) {
            if (!Contains(SIM_Album::All, a))
                c.True(false, "song " + s->GetName() + " on an album that is not live");
            else
                c.True(Contains(a->GetTracks(), s), "song " + s->GetName() + " not on its album's tracks");
        }
    }
    for (const SIM_Album* a : SIM_Album::All) {
        const std::string what = "album " + a->GetTitle();
        c.Range(a->GetProductionQuality(), 0.0f, 1.0f, what + " production quality");
        c.Range(a->GetSongQuality(), 0.0f, 1.0f, what + " song quality");
        c.Range(a->GetProductionCost(), 0.0f, 1.0e9f, what + " cost");
        c.Range(a->GetTotalEarned(), 0.0f, 1.0e10f, what + " earnings");
        c.Range(a->GetRoyaltiesEarned(), 0.0f, 1.0e10f, what + " royalties");
        c.True(a->GetCopiesSold() >= 0, what + " sold a negative number");
        c.True(a->GetMode() == 0 || a->GetMode() == 1, what + " in an unknown mode");
        for (const SIM_Song* t : a->GetTracks())
            c.True((Contains(SIM_Song::All, t) || Contains(SIM_Song::Retired, t)) && t->GetAlbum() == a,
                   what + " holds a track that is not its own");
    }
}

void CheckGigs(Checker& c)
{
    c.True(SIM_Gig::BookedGigs.size() <= 64, "more than 64 gigs booked");
    std::set<const SIM_Gig*> seen;
    for (const auto* list : {&SIM_Gig::PotentialGigs, &SIM_Gig::BookedGigs, &SIM_Gig::PlayedGigs, &SIM_Gig::CancelledGigs})
        for (const SIM_Gig* g : *list) {
            c.True(seen.insert(g).second, "a gig on two lists");
            c.True(g->GetVenue() == nullptr || Contains(SIM_Venue::All, g->GetVenue()), "a gig at a venue that is not live");
        }
    for (const SIM_Gig* g : SIM_Gig::BookedGigs)
        c.True(g->GetVenue() != nullptr, "a booked gig without a venue");
    for (const SIM_Performance* p : SIM_Performance::All) {
        c.True(p->GetVenue() == nullptr || Contains(SIM_Venue::All, p->GetVenue()), "a performance at a dead venue");
        c.True(p->GetGig() == nullptr || seen.count(p->GetGig()) > 0, "a performance of a gig that is not live");
        c.Range(p->GetQuality(), 0.0f, 1.0f, "performance quality");
        c.True(p->GetAttendence() >= 0, "negative attendance");
        for (float v : {p->GetTicketSales(), p->GetMerchandiseSales(), p->GetVenueHire(), p->GetProfit()})
            c.Finite(v, "performance money");
    }
    for (const SIM_Venue* v : SIM_Venue::All)
        c.Range(v->GetBoredom(), 0.0f, 1.0f, "venue " + v->GetName() + " boredom");
}

void CheckAssets(Checker& c)
{
    c.True(Unique(SIM_Asset::OwnedAssets), "an asset owned twice");
    for (const SIM_Asset* a : SIM_Asset::OwnedAssets) {
        c.True(a->IsOwned(), "owned asset " + a->GetName() + " is not marked owned");
        // Merchandise stays on sale: another batch can always be bought.
        if (auto* m = dynamic_cast<const SIM_Merchandise*>(a)) {
            c.True(m->GetQuantity() >= 0, "merchandise " + a->GetName() + " stock below 0");
            continue;
        }
        c.True(!Contains(SIM_Asset::AvailableAssets, a), "asset " + a->GetName() + " both owned and on sale");
    }
    for (const SIM_Asset* a : SIM_Asset::AvailableAssets)
        c.True(!a->IsOwned() || dynamic_cast<const SIM_Merchandise*>(a), "asset " + a->GetName() + " on sale but owned");
}

void CheckDailyOptions(Checker& c)
{
    for (const SIM_DailyOption* o : SIM_DailyOption::All) {
        if (SIM_Gig* g = o->GetGig())
            c.True(Contains(SIM_Gig::BookedGigs, g) || Contains(SIM_Gig::PotentialGigs, g) ||
                       Contains(SIM_Gig::PlayedGigs, g) || Contains(SIM_Gig::CancelledGigs, g) ||
                       Contains(SIM_GetCharityGigManager()->GetGigs(), g),
                   "a daily option about a dead gig");
        if (SIM_OtherGig* g = o->GetOtherGig())
            c.True(Contains(SIM_OtherGig::All, g), "a daily option about a dead rival gig");
    }
}

} // namespace

std::vector<std::string> CheckInvariants()
{
    Checker c;
    CheckMoneyAndFame(c);
    CheckNamedValues(c);
    CheckBand(c);
    CheckSongsAndAlbums(c);
    CheckGigs(c);
    CheckAssets(c);
    CheckDailyOptions(c);
    return c.breaks;
}
