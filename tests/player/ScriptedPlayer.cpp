#include "player/ScriptedPlayer.h"

#include "career/SIM_Album.h"
#include "career/SIM_Asset.h"
#include "career/SIM_AssetKinds.h"
#include "career/SIM_Endorsement.h"
#include "career/SIM_Gig.h"
#include "career/SIM_OtherBandManager.h"
#include "career/SIM_OtherGig.h"
#include "career/SIM_Performance.h"
#include "career/SIM_RecordingStudio.h"
#include "career/SIM_Rehearsal.h"
#include "career/SIM_RehearsalVenue.h"
#include "career/SIM_Relax.h"
#include "career/SIM_RelaxVenue.h"
#include "career/SIM_Song.h"
#include "career/SIM_Venue.h"
#include "sim/SIM_Auditionee.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_GameMode.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Names.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Riza.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Statistics.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

float GV(const char* key)
{
    return SIM_GetGlobalVariables()->Get(key);
}

float Cash()
{
    return SIM_GetFinances()->GetCash();
}

int Today()
{
    return SIM_Date::PPresentDay ? SIM_Date::PPresentDay->DayCount() : 0;
}

// The day's first option of the type that can be chosen and has not been carried out.
SIM_DailyOption* Option(SIM_DailyOption::DailyOptionType type)
{
    for (SIM_DailyOption* o : SIM_DailyOption::All)
        if (o->GetType() == type && o->IsDoable() && !o->IsDone())
            return o;
    return nullptr;
}

// The upkeep of everything owned, a day.
float DailyUpkeep()
{
    float total = 0.0f;
    for (const SIM_Asset* a : SIM_Asset::OwnedAssets)
        total += a->GetDailyCost();
    return total;
}

SIM_Asset* OnSale(const char* name)
{
    for (SIM_Asset* a : SIM_Asset::AvailableAssets)
        if (a->GetName() == name)
            return a;
    return nullptr;
}

// The asset is no instrument, the player character's microphone, or an instrument a
// member plays.
bool Usable(const SIM_Asset* a)
{
    const INSTRUMENT i = a->GetAssigneeInstrument();
    if (i == INSTRUMENT_NONE || i == INSTRUMENT_VOCALS)
        return true;
    return SIM_GetBand()->GetFirstMember(i) != nullptr;
}

// The sensible player's shopping list, in order: what the band buys once the fame is
// there and the money is spare.
struct Wish {
    const char* asset;
    float fame;
};
const Wish kWishes[] = {
    {"tshirts(20)", 5},        {"2spotlightrig", 5},     {"cheap van", 15},     {"smokemachine", 15},
    {"roadie", 25},            {"manager", 40},          {"4spotlightrig", 40}, {"posters(100)", 40},
    {"home video", 50},        {"sound engineer", 60},   {"masseuse", 80},      {"sweatshirts(20)", 80},
    {"tour bus", 120},         {"8spotlightrig", 120},   {"publicist", 150},    {"studio video", 150},
    {"lighting engineer", 200}, {"computerised lighting", 250}, {"laser", 300}, {"videoscreen", 350},
};

} // namespace

const char* StrategyName(PlayerStrategy strategy)
{
    switch (strategy) {
    case PlayerStrategy::Sensible:
        return "sensible";
    case PlayerStrategy::Reckless:
        return "reckless";
    case PlayerStrategy::Idle:
        return "idle";
    }
    return "?";
}

void PlayerScreens::OpenEndorsement(SIM_Endorsement* offer)
{
    RecordingScreens::OpenEndorsement(offer);
    pendingOffer = offer;
}

void PlayerScreens::OpenResignation(SIM_Musician* who, float fameLoss)
{
    RecordingScreens::OpenResignation(who, fameLoss);
    ++resignations;
}

void PlayerScreens::OpenGig(SIM_Performance* performance)
{
    RecordingScreens::OpenGig(performance);
    lastGig = performance;
}

void PlayerScreens::OpenCancelledGig(SIM_Performance* performance)
{
    RecordingScreens::OpenCancelledGig(performance);
    lastGig = nullptr;
}

std::string CareerSummary::Line() const
{
    static const char* const kStages[] = {"dreamer", "amateur", "gigging", "signed"};
    char buffer[512];
    std::snprintf(buffer, sizeof buffer,
                  "seed %5u %-8s days %4d stage %-7s (amateur d%d gigging d%d signed d%d) cash %9.0f (max %9.0f min %8.0f) "
                  "fame %5.1f (max %5.1f) gigs %3d albums %2d songs %3d hires %2d quits %2d buys %3d sponsors %d reports %zu "
                  "breaks %d",
                  seed, StrategyName(strategy), days, kStages[std::clamp(stage, 0, 3)], stageDay[1], stageDay[2], stageDay[3],
                  cash, maxCash, minCash, fame, maxFame, gigs, albums, songs, hires, resignations, purchases, endorsements,
                  reports.size(), invariantBreakCount);
    return buffer;
}

int CareerStage()
{
    return SIM_GetGameMode()->GetCurrentMode();
}

// ---- the player ----

ScriptedPlayer::ScriptedPlayer(const CareerOptions& options) : options_(options)
{
    summary_.seed = options.seed;
    summary_.strategy = options.strategy;
    screens_.keepDrawCalls = false;
}

ScriptedPlayer::~ScriptedPlayer() = default;

void ScriptedPlayer::Start()
{
    started_ = true;
    SIM_SIM::SetSeed(options_.seed);
    SIM_GetSim()->Open();
    // A headless career never writes a save game.
    SIM_GetPlayerOptions()->SetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE, false);
    if (options_.years > 0.0f)
        SIM_GetGlobalVariables()->Set("GAME_DURATION_YEARS", options_.years);
    SIM_GetSim()->Reset();
    summary_.cash = summary_.maxCash = summary_.minCash = Cash();
    screens_.Clear();
}

CareerSummary ScriptedPlayer::Play()
{
    while (PlayDay()) {
    }
    return summary_;
}

bool ScriptedPlayer::PlayDay()
{
    if (!started_)
        Start();
    if (SIM_GetSim()->IsTenYearsUp() || (options_.stopAfterDays >= 0 && day_ >= options_.stopAfterDays))
        return false;
    const int today = Today();
    AnswerOffers();
    if (options_.strategy != PlayerStrategy::Idle) {
        Sell();
        Shop();
    }
    const bool playing = options_.strategy != PlayerStrategy::Idle;
    const bool used = Hire() || (playing && (PlayTonightsGig() || RecordAlbum() || Relax() || BookGig() ||
                                             TakeCharityGig() || WriteSong() || Rehearse() || Promote() ||
                                             WatchRivals() || Socialise()));
    (void)used;
    // Whatever the day's choice, the day is over: a finished activity has ended it, an
    // activity that was turned down (or none) leaves the player to end it.
    if (Today() == today)
        SIM_GetSim()->EndDay();
    ++day_;
    AfterDay();
    return true;
}

void ScriptedPlayer::AfterDay()
{
    CareerSummary& s = summary_;
    s.days = day_;
    s.cash = Cash();
    s.maxCash = std::max(s.maxCash, s.cash);
    s.minCash = std::min(s.minCash, s.cash);
    s.fame = SIM_GetFame()->GetFame();
    s.maxFame = std::max(s.maxFame, s.fame);
    s.gigs = SIM_GetStatistics()->GetIntCounter(SIM_Statistics::GIGS_PLAYED);
    s.albums = 0;
    for (const SIM_Album* a : SIM_Album::All)
        s.albums += a->GetMode() == 1;
    s.songs = static_cast<int>(SIM_Song::All.size());
    s.resignations = screens_.resignations;
    s.isSigned = SIM_GetRecordCompany()->IsSigned();

    const int stage = CareerStage();
    if (stage > s.stage)
        for (int st = s.stage + 1; st <= stage && st < 4; ++st)
            s.stageDay[st] = day_;
    s.stage = std::max(s.stage, stage);

    if (day_ % SIM_Date::DaysPerYear == 0) {
        const SIM_Statistics* stats = SIM_GetStatistics();
        char line[256];
        std::snprintf(line, sizeof line, "year %2d cash %10.0f fame %5.1f gigs %4d albums %2d income %10.0f members %zu upkeep %6.0f venue %s",
                      day_ / SIM_Date::DaysPerYear, s.cash, s.fame, s.gigs, s.albums,
                      stats->GetFloatCounter(SIM_Statistics::TOTAL_INCOME), SIM_GetBand()->GetMembers().size(), DailyUpkeep(),
                      SIM_Gig::PlayedGigs.empty() || !SIM_Gig::PlayedGigs.back()->GetVenue()
                          ? "-"
                          : SIM_Gig::PlayedGigs.back()->GetVenue()->GetName().c_str());
        s.yearly.push_back(line);
    }
    for (const std::string& r : screens_.Alerts())
        s.reports.push_back("day " + std::to_string(day_) + ": " + r);
    screens_.Clear();
    for (const std::string& b : CheckInvariants()) {
        if (s.invariantBreakCount++ < 20)
            s.invariantBreaks.push_back("day " + std::to_string(day_) + ": " + b);
    }
}

float ScriptedPlayer::Reserve() const
{
    return Reckless() ? 0.0f : 300.0f + 45.0f * DailyUpkeep();
}

void ScriptedPlayer::AnswerOffers()
{
    SIM_Endorsement* offer = screens_.pendingOffer;
    screens_.pendingOffer = nullptr;
    if (!offer || std::find(SIM_Endorsement::All.begin(), SIM_Endorsement::All.end(), offer) == SIM_Endorsement::All.end())
        return;
    // The sensible player takes the money when the fans are unlikely to mind or the band is
    // short; the reckless one always; the idle one never.
    const bool take = options_.strategy == PlayerStrategy::Reckless ||
                      (options_.strategy == PlayerStrategy::Sensible &&
                       (offer->GetFameHitChance() < 0.35f || Cash() < offer->GetAmount()));
    if (take) {
        offer->Accept();
        ++summary_.endorsements;
    } else {
        offer->Reject();
    }
}

bool ScriptedPlayer::Hire()
{
    SIM_Band* band = SIM_GetBand();
    std::vector<INSTRUMENT> wanted = {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR};
    if (options_.strategy != PlayerStrategy::Idle)
        wanted.push_back(INSTRUMENT_KEYBOARD);
    if (Reckless())
        wanted.push_back(INSTRUMENT_SAXOPHONE);
    // The idle player forms a band once and never replaces anyone.
    if (options_.strategy == PlayerStrategy::Idle && summary_.hires >= 3)
        return false;
    INSTRUMENT missing = INSTRUMENT_VOCALS;
    for (INSTRUMENT i : wanted)
        if (!band->GetFirstMember(i)) {
            missing = i;
            break;
        }
    // The fourth member waits until the band earns.
    if (missing == INSTRUMENT_VOCALS || band->GetMembers().size() >= 5)
        return false;
    const float cost = GV("AUDITION_COST");
    if (Cash() < cost || (missing == INSTRUMENT_KEYBOARD && !Reckless() && Cash() < 2000.0f))
        return false;
    // The audition picker: paid when it opens, three candidates, the most able hired.
    SIM_GetFinances()->SpendCash(cost);
    std::vector<SIM_Musician*> candidates;
    for (int c = 0; c < 3; ++c)
        if (SIM_Musician* m = SIM_Auditionee::CreateFromAvailable(missing))
            candidates.push_back(m);
    if (!candidates.empty()) {
        auto best = std::max_element(candidates.begin(), candidates.end(),
                                     [](auto* a, auto* b) { return a->GetAbility() < b->GetAbility(); });
        SIM_Musician* hire = *best;
        candidates.erase(best);
        for (SIM_Musician* m : candidates)
            delete m;
        band->AddMusician(hire);
        ++summary_.hires;
    }
    SIM_GetSim()->EndDay();
    return true;
}

bool ScriptedPlayer::PlayTonightsGig()
{
    SIM_DailyOption* gig = Option(SIM_DailyOption::GIG);
    if (!gig)
        return false;
    screens_.lastGig = nullptr;
    gig->Activate();
    // The gig window closes: a scout may have come, and an offer is signed.
    SIM_Performance* played = screens_.lastGig;
    SIM_RecordCompany* company = SIM_GetRecordCompany();
    if (played && !company->IsSigned() && company->AttendedGig(played) && company->OfferedDeal(played))
        company->SignDeal();
    SIM_GetSim()->EndDay();
    return true;
}

bool ScriptedPlayer::TakeCharityGig()
{
    if (!SIM_Gig::BookedGigs.empty())
        return false;
    SIM_DailyOption* charity = Option(SIM_DailyOption::CHARITYGIG);
    if (!charity || !SIM_GetBand()->Valid())
        return false;
    charity->Activate(); // books it and ends the day
    return true;
}

bool ScriptedPlayer::BookGig()
{
    if (!SIM_Gig::BookedGigs.empty() || !SIM_GetBand()->Valid() || !SIM_Song::EnoughSongsToGig())
        return false;
    SIM_Gig::GeneratePotentialGigs();
    const float audience = SIM_GetFame()->GetPotentialAudience();
    SIM_Gig* pick = nullptr;
    float best = -1e9f;
    for (SIM_Gig* g : SIM_Gig::PotentialGigs) {
        const SIM_Venue* v = g->GetVenue();
        if (!v->Bookable() || !v->Reachable() || v->GetRental() > Cash() - Reserve() * 0.5f)
            continue;
        // Reckless: the biggest hall it can pay for; sensible: the best expected takings.
        const float score = Reckless() ? static_cast<float>(v->GetCapacity())
                                       : std::min(static_cast<float>(v->GetCapacity()), audience) * v->GetTicketPrice() -
                                             v->GetRental();
        if (score > best) {
            best = score;
            pick = g;
        }
    }
    if (!pick)
        return false;
    pick->Book();
    SIM_GetSim()->EndDay();
    return true;
}

bool ScriptedPlayer::RecordAlbum()
{
    SIM_Album* album = SIM_Album::GetAlbumInDevelopment();
    const bool isSigned = SIM_GetRecordCompany()->IsSigned();
    if (!album) {
        std::vector<SIM_Song*> free;
        for (SIM_Song* s : SIM_Song::All)
            if (!s->GetAlbum())
                free.push_back(s);
        const size_t tracks = Reckless() ? 8 : 10;
        if (free.size() < tracks || !SIM_Gig::BookedGigs.empty())
            return false;
        // The best songs go on the record.
        std::sort(free.begin(), free.end(), [](auto* a, auto* b) { return a->GetQuality() > b->GetQuality(); });
        if (isSigned) {
            SIM_RecordingStudio::ChooseBestStudio();
        } else {
            SIM_RecordingStudio* pick = nullptr;
            for (SIM_RecordingStudio* s : SIM_RecordingStudio::All) {
                const float budget = Reckless() ? Cash() : (Cash() - Reserve()) * 0.5f;
                if (s->GetDailyCost() * 4.0f <= budget && (!pick || s->GetQuality() > pick->GetQuality()))
                    pick = s;
            }
            if (!pick)
                return false;
            SIM_RecordingStudio::SetCurrentStudio(pick);
        }
        SIM_RecordingStudio::ValidateStudio();
        if (!SIM_RecordingStudio::GetCurrentStudio())
            return false;
        album = SIM_Album::Create();
        album->SetTitle(SIM_NamesList::AlbumNames.GetRandom());
        SIM_NamesList::AlbumNames.Remove(album->GetTitle());
        for (size_t i = 0; i < tracks; ++i)
            album->AddTrack(free[i]);
    }
    SIM_RecordingStudio* studio = SIM_RecordingStudio::GetCurrentStudio();
    if (!studio || (!isSigned && studio->GetDailyCost() > Cash())) {
        album->Cancel(); // the band could not pay for the studio
        return false;
    }
    album->AddStudioTime(studio, 1.0f);
    studio->Use(album);
    if (album->GetDaysInStudio() >= (isSigned ? 6 : 4)) {
        album->SetMixQuality(Reckless() ? 0.5f : 0.75f); // the mixing desk
        album->Release();
    }
    SIM_GetSim()->EndDay();
    return true;
}

bool ScriptedPlayer::WriteSong()
{
    const int wanted = static_cast<int>(GV("RS_SONGS_REQ_FOR_GIG"));
    const int count = static_cast<int>(SIM_Song::All.size());
    // Enough to gig first, then a song a week or so.
    if (count >= wanted && day_ % (Reckless() ? 5 : 8) != 0)
        return false;
    SIM_Song* song = SIM_Song::CreateNew(SIM_GetRiza()->GetValue("inspiration"));
    song->SetName(SIM_NamesList::SongNames.GetRandom());
    SIM_NamesList::SongNames.Remove(song->GetName());
    song->CheckForClassicStatus();
    song->GenerateDescription();
    SIM_GetSim()->EndDay();
    return true;
}

bool ScriptedPlayer::Rehearse()
{
    if (SIM_GetBand()->GetMembers().empty() || SIM_RehearsalVenue::All.empty())
        return false;
    if (!Reckless() && SIM_GetBand()->GetValue("band_rehearsal") > 0.8f && day_ % 3 != 0)
        return false;
    SIM_RehearsalVenue* room = SIM_RehearsalVenue::All.front();
    const float budget = Reckless() ? Cash() : (Cash() - Reserve()) * 0.1f;
    for (SIM_RehearsalVenue* r : SIM_RehearsalVenue::All)
        if (r->GetCost() <= budget && r->GetCost() > room->GetCost())
            room = r;
    if (room->GetCost() > Cash())
        return false;
    SIM_Rehearsal::Create(room);
    SIM_GetSim()->EndDay(); // the rehearsal's report is finished
    return true;
}

bool ScriptedPlayer::Promote()
{
    SIM_DailyOption* publicity = Option(SIM_DailyOption::PUBLICITY);
    if (!publicity || SIM_GetBand()->GetMembers().empty())
        return false;
    publicity->Activate(); // carried out; the result window is left
    SIM_GetSim()->EndDay();
    return true;
}

bool ScriptedPlayer::Relax()
{
    if (SIM_GetBand()->GetMembers().empty() || SIM_GetBand()->GetValue("band_stress") < (Reckless() ? 0.8f : 0.5f))
        return false;
    SIM_DailyOption* relax = Option(SIM_DailyOption::RELAX);
    if (!relax || SIM_RelaxVenue::All.empty())
        return false;
    relax->Activate(); // the chooser
    const float members = static_cast<float>(SIM_GetBand()->GetMembers().size());
    const float budget = Reckless() ? Cash() : (Cash() - Reserve()) * 0.05f;
    SIM_RelaxVenue* place = SIM_RelaxVenue::All.front();
    for (SIM_RelaxVenue* p : SIM_RelaxVenue::All)
        if (p->GetCostPerMember() * members <= budget && p->GetCostPerMember() > place->GetCostPerMember())
            place = p;
    if (place->GetCostPerMember() * members > Cash())
        return Socialise();
    place->Use();         // ends the day before the result shows
    SIM_Relax::Process(); // the result screen is left
    return true;
}

bool ScriptedPlayer::Socialise()
{
    if (SIM_GetBand()->GetMembers().empty() || day_ % 10 != 5)
        return false;
    if (SIM_Socialise::CreateOption()) // too dear tonight
        return false;
    SIM_Socialise::Process();
    return true;
}

bool ScriptedPlayer::WatchRivals()
{
    SIM_DailyOption* rival = Option(SIM_DailyOption::OTHERGIG);
    if (!rival || !rival->GetOtherGig() || !rival->GetOtherGig()->GetBand())
        return false;
    SIM_OtherBand* band = rival->GetOtherGig()->GetBand();
    if (!Reckless() && band->GetCost() > (Cash() - Reserve()) * 0.05f)
        return false;
    rival->Activate();
    band->SeeLive();
    SIM_GetSim()->EndDay();
    return true;
}

void ScriptedPlayer::Shop()
{
    if (!SIM_GetBand()->Valid())
        return; // the band comes first
    if (Reckless()) {
        // The dearest thing it can pay for, whatever the upkeep.
        SIM_Asset* pick = nullptr;
        for (SIM_Asset* a : SIM_Asset::AvailableAssets)
            if (a->GetPurchaseCost() <= Cash() && Usable(a) && (!pick || a->GetPurchaseCost() > pick->GetPurchaseCost()))
                pick = a;
        if (pick) {
            pick->Purchase(true);
            ++summary_.purchases;
        }
        return;
    }
    const float fame = SIM_GetFame()->GetFame();
    for (const Wish& w : kWishes) {
        if (fame < w.fame)
            break;
        SIM_Asset* a = OnSale(w.asset);
        if (!a)
            continue;
        // Merchandise is bought again once the stock is sold.
        if (auto* m = dynamic_cast<SIM_Merchandise*>(a); m && m->GetQuantity() > 5)
            continue;
        if (a->GetPurchaseCost() + Reserve() + 45.0f * a->GetDailyCost() > Cash())
            return; // saving up for it
        a->Purchase(true);
        ++summary_.purchases;
        if (std::string(w.asset) == "tour bus")
            if (SIM_Asset* van = SIM_Asset::GetOwnedByName("cheap van"); van && van->GetFlag(SIM_Asset::SELLABLE))
                van->Sell();
        return; // one purchase a day
    }
}

void ScriptedPlayer::Sell()
{
    // In debt the sensible player sells the dearest thing it can; the reckless one waits
    // for the bailiffs.
    if (Reckless() || Cash() >= 0.0f)
        return;
    SIM_Asset* pick = nullptr;
    for (SIM_Asset* a : SIM_Asset::OwnedAssets)
        if (a->GetFlag(SIM_Asset::SELLABLE) && (!pick || a->GetPurchaseCost() > pick->GetPurchaseCost()))
            pick = a;
    if (pick)
        pick->Sell();
}

CareerSummary PlayCareer(const CareerOptions& options)
{
    CareerSummary summary;
    {
        RecordingReportSink sink;
        SetReportSink(&sink);
        ScriptedPlayer player(options);
        summary = player.Play();
        for (const AlertRequest& a : sink.alerts)
            summary.reports.push_back("alert: " + a.title + ": " + a.message);
        SIM_GetSim()->Close();
        SetReportSink(nullptr);
    }
    return summary;
}
