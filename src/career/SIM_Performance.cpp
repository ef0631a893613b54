#include "career/SIM_Performance.h"

#include "career/SIM_Album.h"
#include "career/SIM_Asset.h"
#include "career/SIM_AssetKinds.h"
#include "career/SIM_Gig.h"
#include "career/SIM_Song.h"
#include "career/SIM_Venue.h"
#include "engine/GRandom.h"
#include "engine/GTranslation.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Commenter.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Riza.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Statistics.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <set>
#include <string>

std::vector<SIM_Performance*> SIM_Performance::All;

namespace {
float GV(const char* key)
{
    return SIM_GetGlobalVariables()->Get(key);
}

float Clamp01(float v)
{
    return std::clamp(v, 0.0f, 1.0f);
}

// A float figure as a whole count, clamped first so it never overflows an int.
int ToCount(float v)
{
    if (!(v > 0.0f))
        return 0;
    return v >= 2.0e9f ? 2000000000 : static_cast<int>(v);
}

const std::vector<SIM_Musician*>& Members()
{
    return SIM_GetBand()->GetMembers();
}
} // namespace

SIM_Performance::SIM_Performance(SIM_Gig* gig_) : gig(gig_)
{
    if (gig) {
        venue = gig->GetVenue();
        date = gig->GetDate();
        gigType = gig->GetType();
    }
    All.push_back(this);
}

SIM_Performance::~SIM_Performance()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

SIM_Performance* SIM_Performance::Create(SIM_Gig* gig)
{
    GAssert(gig != nullptr, __FILE__, __LINE__);
    if (!gig)
        return nullptr;
    auto* performance = new SIM_Performance(gig);
    performance->Play();
    return performance;
}

SIM_Performance* SIM_Performance::CreateWithFigures(SIM_Gig* gig, float quality, int attendance)
{
    GAssert(gig != nullptr, __FILE__, __LINE__);
    if (!gig)
        return nullptr;
    auto* performance = new SIM_Performance(gig);
    performance->quality = Clamp01(quality);
    performance->attendance = std::max(0, attendance);
    return performance;
}

void SIM_Performance::Open()
{
    Close();
}

void SIM_Performance::Close()
{
    while (!All.empty())
        delete All.front();
}

void SIM_Performance::GigDeleted(const SIM_Gig* g)
{
    for (SIM_Performance* p : All)
        if (p->gig == g)
            p->gig = nullptr;
}

float SIM_Performance::GetPerformanceAspect(PERFORMANCE_ASPECTS a) const
{
    return a >= 0 && a < NUM_ASPECTS ? aspects[a] : 0.0f;
}

float SIM_Performance::GetEffect(EFFECT e) const
{
    return e >= 0 && e < NUM_EFFECTS ? effects[e] : 0.0f;
}

int SIM_Performance::GetSales(MERCHANDISE_SALES s) const
{
    return s >= 0 && s < NUM_SALES ? sales[s] : 0;
}

void SIM_Performance::Play()
{
    if (!venue) { // a gig made without a venue was reported when it was made
        cancelled = true;
        return;
    }
    CheckForCancellation();
    // The band may have changed since the reminder: a gig without a band or enough songs
    // cannot be played and is cancelled like a missed one.
    if (!cancelled && (!SIM_GetBand()->Valid() || Members().empty() || !SIM_Song::EnoughSongsToGig()))
        cancelled = true;
    if (cancelled) {
        Cancel();
        return;
    }
    CalculateData();
    ApplyEffects();
    SIM_Relationship::ResolveMeeting(GV("RS_MEETSCALAR_GIG"));
    gig->FinishPlaying();
    SIM_GetStatistics()->ChangeCounter(1, SIM_Statistics::GIGS_PLAYED);
}

void SIM_Performance::CheckForCancellation()
{
    const std::vector<SIM_Musician*> members = Members();
    for (SIM_Musician* m : members)
        if (MissedGig(m))
            missed.push_back(m);
    cancelled = !missed.empty();
}

float SIM_Performance::MissChance(const SIM_Musician* member)
{
    float chance = 0.0f;
    const float stress = const_cast<SIM_Musician*>(member)->GetStress()->GetValue();
    if (stress > GV("RS_STRESS_CRISIS"))
        chance += 2.0f * (1.0f - stress);
    const float motivation = member->GetMotivation();
    if (motivation < 0.24f)
        chance += 2.0f * (0.24f - motivation);
    if (member->HasPersonality("lazy"))
        chance *= 1.5f;
    return chance;
}

bool SIM_Performance::MissedGig(SIM_Musician* member)
{
    if (!GRandom::IsChance(MissChance(member)))
        return false;
    const char* section = member->GetStress()->GetValue() > 0.8f ? "GIG_CANCELLED_TOOTIRED" : "GIG_CANCELLED_TOOUNHAPPY";
    if (SIM_Commenter* c = member->GetCommenter())
        c->AddTimedComment(SIM_Commenter::OWN_TEXT, 1.0f, GTranslation::GetRandomString(section));
    return true;
}

void SIM_Performance::Cancel()
{
    SIM_Asset::ApplyGigCosts(GV("RS_GIG_CANCEL_EXPENSES_PERCENTAGE"));
    gig->CancelGig();
}

void SIM_Performance::CalculateData()
{
    CalculateAspects();
    CalculateQuality();
    CalculateAttendence();
    SellMerchandise();
    SellAlbums();
    CalculateMoney();
    CheckForDestruction();
    SIM_Asset::ApplyGigCosts(1.0f);
    CommentOnWeakShow();
}

float SIM_Performance::CalculatePerformance()
{
    const auto& members = Members();
    if (members.empty())
        return 0.0f;
    float sum = 0.0f;
    for (SIM_Musician* m : members) {
        const float stress = m->GetStress()->GetValue();
        sum += Clamp01(0.5f + (m->GetMotivation() - 0.55f) - 0.5f * Clamp01(stress - 0.05f));
    }
    return sum / static_cast<float>(members.size());
}

void SIM_Performance::CalculateAspects()
{
    SIM_Band* band = SIM_GetBand();
    const float n = static_cast<float>(Members().size());
    aspects[MUSICIANSHIP] = (n * band->GetValue("band_musicianship") + SIM_GetRiza()->GetValue("attrib_vocals")) / (n + 1.0f);
    aspects[LIVE_EXPERIENCE] = band->GetValue("band_live_experience");
    aspects[CHEMISTRY] = Clamp01(band->GetValue("band_chemistry") + band->GetCharisma());
    aspects[SONGS] = SIM_Song::GetTotalSongQuality();
    aspects[STAGE_SHOW] = SIM_StageEquipment::GetTotalStageShow();
    aspects[REHEARSAL] = band->GetValue("band_rehearsal");
    aspects[PERFORMANCE] = CalculatePerformance();
    // The venue table refuses expectations below 0.01, so these never divide by 0.
    const float qualityScale = 1.0f / std::max(0.01f, venue->GetQualityExpectation());
    aspects[MUSICIANSHIP] *= qualityScale;
    aspects[LIVE_EXPERIENCE] *= qualityScale;
    aspects[PERFORMANCE] *= qualityScale;
    aspects[STAGE_SHOW] *= 1.0f / std::max(0.01f, venue->GetStageShowExpectation());
    for (float& a : aspects)
        a = Clamp01(a);
}

float SIM_Performance::QualityOf(const float (&aspects)[NUM_ASPECTS], int year, int capacity)
{
    const float crisis = GV("RS_PERFORMANCE_CRISISLEVEL");
    const float penalty = GV("RS_PERFORMANCE_PENALTY");
    float sum = 0.0f;
    for (float a : aspects)
        sum += a < crisis ? penalty : a;
    float q = Clamp01(sum / static_cast<float>(NUM_ASPECTS));
    if (year <= 2010 && capacity > 1000)
        q = Clamp01(q * 0.9f);
    return q;
}

float SIM_Performance::Fill(int attendance, int capacity)
{
    return capacity > 0 ? Clamp01(static_cast<float>(attendance) / static_cast<float>(capacity)) : 0.0f;
}

void SIM_Performance::CalculateQuality()
{
    quality = QualityOf(aspects, SIM_Date::PPresentDay->GetYear(), venue->GetCapacity());
}

void SIM_Performance::CalculateAttendence()
{
    float a = SIM_GetFame()->GetPotentialAudience();
    if (gigType == SIM_Gig::CHARITY)
        a *= GRandom::RandReal(1.0f, 2.0f);
    const float hype = Clamp01(SIM_GetBand()->GetValue("band_hype"));
    a *= 0.5f + 1.5f * hype;
    attendance = ToCount(GRandom::RandReal(0.9f, 1.0f) * a);
    if (attendance >= venue->GetCapacity()) {
        attendance = venue->GetCapacity();
        soldOut = true;
    }
    SIM_GetStatistics()->ChangeCounter(attendance, SIM_Statistics::TOTAL_AUDIENCE);
}

void SIM_Performance::SellMerchandise()
{
    for (int& s : sales)
        s = 0;
    float f = quality + SIM_GetBand()->GetValue("band_hype");
    float s = GV("RS_MERCHANDISE_SCALAR");
    if (SIM_GetBand()->CountPersonalities("businessman") > 0)
        s *= 1.25f;
    f = Clamp01(f * s);
    if (gigType == SIM_Gig::CHARITY)
        f *= GV("RS_CHARITY_GIG_MULTIPLIER");
    f = Clamp01(f);
    const float buyers = static_cast<float>(attendance) * f;
    struct Line {
        const char* asset;
        float share;
        MERCHANDISE_SALES counter;
    };
    static const Line lines[] = {
        {"tshirts(20)", 0.4f, TSHIRTS}, {"sweatshirts(20)", 0.15f, SWEATSHIRTS}, {"posters(100)", 0.15f, POSTERS}};
    static std::set<std::string> reported; // one report per missing row
    for (const Line& line : lines) {
        auto* stock = dynamic_cast<SIM_Merchandise*>(SIM_Asset::GetByName(line.asset));
        if (!stock) {
            if (reported.insert(line.asset).second)
                GError((std::string("Missing merchandise: ") + line.asset).c_str(), __FILE__, __LINE__);
            continue;
        }
        const int count = std::min(ToCount(line.share * buyers), stock->GetQuantity());
        if (count <= 0)
            continue;
        merchandiseSales += stock->SellUnits(count);
        sales[line.counter] = count;
    }
}

void SIM_Performance::SellAlbums()
{
    SIM_Album* album = SIM_Album::GetNewestAlbum();
    if (!album)
        return;
    float chance = quality * GV("RS_CHANCE_BUY_CD_AT_GIG");
    if (album->GetWeeksSinceRelease() > 10)
        chance *= GV("RS_CHANCE_BUY_CD_OLD");
    chance = Clamp01(chance * GRandom::RandReal(0.8f, 1.2f));
    const int copies = ToCount(static_cast<float>(attendance) * chance);
    album->SellCopies(copies);
    sales[ALBUMS] = copies;
}

void SIM_Performance::CalculateMoney()
{
    if (gigType != SIM_Gig::NORMAL)
        return;
    venueHire = venue->GetRental();
    ticketSales = static_cast<float>(attendance) * venue->GetTicketPrice();
    profit = ticketSales + merchandiseSales - venueHire - SIM_Asset::GetPerGigCosts();
    SIM_GetFinances()->AddCash(ticketSales);
}

int SIM_Performance::DamageFor(float ticketSales, float fraction)
{
    const float raw = ticketSales * fraction;
    return std::clamp(raw > 1.0e6f ? 1000000 : static_cast<int>(std::max(0.0f, raw)), 10, 300);
}

void SIM_Performance::CheckForDestruction()
{
    damage = 0;
    int destroyed = 0;
    bool damaged = false;
    const std::vector<SIM_Musician*> members = Members();
    for (SIM_Musician* m : members) {
        if (!m->HasPersonality("destructive"))
            continue;
        const float scale = m->GetMotivation() < 0.5f ? 1.5f : 1.0f;
        bool smashed = false;
        if (m->HasMultipleInstruments() && GRandom::IsChance(Clamp01(GV("RS_DESTROY_INSTRUMENT_CHANCE") * scale))) {
            // Without an instrument of any ceiling there is nothing to smash.
            if (SIM_Instrument* instrument = m->GetBestInstrument()) {
                m->RemovePossesion(instrument);
                instrument->Destroy();
                if (SIM_Commenter* c = m->GetCommenter())
                    c->AddTimedComment(SIM_Commenter::DESTROYED_INSTRUMENT, 1.0f);
                ++destroyed;
                smashed = true;
            }
        }
        if (smashed || !GRandom::IsChance(Clamp01(GV("RS_DESTROY_BACKSTAGE_CHANCE") * scale)))
            continue;
        const int cost = DamageFor(ticketSales, GRandom::RandReal(0.05f, 0.2f));
        SIM_GetFinances()->SpendDiscountedCash(static_cast<float>(cost));
        SIM_GetStatistics()->ChangeCounter(static_cast<float>(cost), SIM_Statistics::DAMAGE_COST);
        // The figure shown is everything paid, not only the last member's share.
        damage = damage > INT_MAX - cost ? INT_MAX : damage + cost;
        damaged = true;
        std::string text = GTranslation::GetRandomString("COMMENT_BACKSTAGE_DAMAGE");
        char amount[32];
        std::snprintf(amount, sizeof amount, "$%d", cost);
        GTranslation::ReplaceToken(text, "<AMOUNT>", amount);
        if (SIM_Commenter* c = m->GetCommenter())
            c->AddTimedComment(SIM_Commenter::OWN_TEXT, 1.0f, text);
    }
    if (destroyed > 0) {
        aspects[STAGE_SHOW] += GV("RS_DESTRUCTION_STAGESHOW_BOOST");
        SIM_GetBand()->ApplyToAttribute("band_boredom", GV("RS_BOREDOM_REDUCT_DAMAGE"), 0.0f, "destruction");
    }
    if (destroyed > 0 || damaged)
        SIM_GetScreens()->PlaySound("data/sounds/smash_guitar.ogg");
}

void SIM_Performance::CommentOnWeakShow()
{
    auto comment = [](SIM_Commenter::TYPE type) {
        if (SIM_Musician* m = SIM_GetBand()->GetRandomMember())
            if (SIM_Commenter* c = m->GetCommenter())
                c->AddTimedComment(type, 1.0f);
    };
    if (aspects[STAGE_SHOW] < 0.2f)
        comment(SIM_Commenter::STAGESHOWLOW);
    if (aspects[SONGS] < 0.2f)
        comment(SIM_Commenter::SONGSBAD);
}

void SIM_Performance::ApplyEffects()
{
    const float liveBoost = GV("RS_LIVE_EXPERIENCE_BOOST");
    const float liveDegrade = GV("RS_LIVE_EXPERIENCE_DEGRADE");
    SIM_GetRiza()->ApplyEffect("live_experience", liveBoost, liveDegrade, "gig");
    SIM_Band* band = SIM_GetBand();
    band->ApplyToAttribute("band_live_experience", liveBoost, liveDegrade, "gig");
    band->ApplyToAttribute("band_rehearsal", GV("RS_LIVE_REHEARSAL_BOOST"), GV("RS_LIVE_REHEARSAL_DEGRADE"), "gig");

    float boost = venue->GetFameBoost(quality);
    if (boost != 0.0f) {
        boost *= GV("RS_GIG_FAMEEFFECT");
        SIM_GetFame()->AddEffect(boost, GV("RS_GIG_FAME_DEGRADE"), venue->GetGUIName());
        effects[FAME] = boost;
    }
    if (quality < 0.2f) {
        SIM_GetRiza()->ApplyEffect("inspiration", GV("RS_GIG_INSPIRE_CUT"), GV("RS_GIG_INSPIRE_CUT_DEGRADE"), "badgig");
        effects[INSPIRATION] = GV("RS_GIG_INSPIRE_CUT");
    } else if (quality > 0.5f) {
        SIM_GetRiza()->ApplyEffect("inspiration", GV("RS_GIG_INSPIRE_BOOST"), GV("RS_GIG_INSPIRE_BOOST_DEGRADE"),
                                   "goodgig");
        effects[INSPIRATION] = GV("RS_GIG_INSPIRE_BOOST");
    }
    AffectBand();
    venue->SetBoredom(GV("RS_VENUE_BOREDOM"));
    SIM_Song::PerformAll();
}

void SIM_Performance::AffectBand()
{
    SIM_Band* band = SIM_GetBand();
    band->ApplyToAttribute("band_boredom", GV("RS_BOREDOM_REDUCT_GIG"), 0.0f, "gig");
    const float motivationDegrade = GV("RS_MOTIVATION_DEGRADE");
    if (quality <= GV("RS_GIG_POOR_DEMOTIVATE_THRESHOLD")) {
        effects[MOTIVATION] = GV("RS_GIG_POOR_DEMOTIVATE_AMOUNT");
        band->ApplyToAttribute("band_motivation", effects[MOTIVATION], motivationDegrade, "gig");
    } else if (quality >= GV("RS_GIG_GOOD_MOTIVATE_THRESHOLD")) {
        effects[MOTIVATION] = GV("RS_GIG_GOOD_MOTIVATE_AMOUNT");
        band->ApplyToAttribute("band_motivation", effects[MOTIVATION], motivationDegrade, "gig");
    }

    const float fill = Fill(attendance, venue->GetCapacity());
    auto comments = [](SIM_Commenter::TYPE type, const char* personality) {
        const std::vector<SIM_Musician*> members = Members();
        for (SIM_Musician* m : members) {
            const float chance = m->HasPersonality(personality) ? 0.45f : 0.3f;
            if (GRandom::IsChance(chance))
                if (SIM_Commenter* c = m->GetCommenter())
                    c->AddTimedComment(type, GRandom::RandUnitFloat());
        }
    };
    if (fill <= GV("RS_GIG_LOWATTENDENCE_THRESHOLD")) {
        const float amount = GV("RS_GIG_LOWATTENDENCE_DEMOTIVATE_AMOUNT");
        band->ApplyToAttribute("band_motivation", amount, motivationDegrade, "gig");
        effects[MOTIVATION] += amount;
        comments(SIM_Commenter::POOR_ATTENDENCE, "pessimistic");
    } else if (fill >= GV("RS_GIG_HIGHATTENDENCE_THRESHOLD")) {
        const float amount = GV("RS_GIG_HIGHATTENDENCE_MOTIVATE_AMOUNT");
        band->ApplyToAttribute("band_motivation", amount, motivationDegrade, "gig");
        effects[MOTIVATION] += amount;
        comments(SIM_Commenter::GOOD_ATTENDENCE, "optimistic");
    }

    const float carry = band->HasRoadie() ? GV("RS_ROADIE_CARRYING_ABILITY") : 0.0f;
    const float load = std::min(Clamp01((SIM_StageEquipment::GetTotalEncumberence() - carry) / 100.0f),
                                GV("RS_STRESS_FROM_ENCUMBERENCE"));
    effects[STRESS] = Clamp01(GV("RS_STRESS_PER_GIG") + load);
    band->ApplyToAttribute("band_stress", effects[STRESS], GV("RS_STRESS_DEGRADE"), "gig");
}
