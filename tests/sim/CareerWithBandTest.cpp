// A whole career, day after day, with a full band and the shipped data: the band rehearses,
// relaxes, goes out and writes songs on scripted days and otherwise lets the day pass.
#include "sim/BandFixture.h"

#include "career/SIM_Album.h"
#include "career/SIM_AssetKinds.h"
#include "career/SIM_Gig.h"
#include "career/SIM_Performance.h"
#include "career/SIM_RecordingStudio.h"
#include "career/SIM_Venue.h"
#include "career/SIM_AssetMusic.h"
#include "career/SIM_Endorsement.h"
#include "career/SIM_OtherBandManager.h"
#include "sim/SIM_Events.h"
#include "career/SIM_OtherGig.h"
#include "career/SIM_Rehearsal.h"
#include "career/SIM_RehearsalVenue.h"
#include "career/SIM_Relax.h"
#include "career/SIM_RelaxVenue.h"
#include "career/SIM_Song.h"
#include "sim/SIM_Auditionee.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GameMode.h"
#include "sim/SIM_Names.h"
#include "sim/SIM_Statistics.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {
float LineUp()
{
    return static_cast<float>(SIM_GetBand()->GetMembers().size());
}

// The dearest room the band can pay for; the first (free) one otherwise.
SIM_RehearsalVenue* AffordableRoom()
{
    SIM_RehearsalVenue* pick = SIM_RehearsalVenue::All.front();
    for (SIM_RehearsalVenue* room : SIM_RehearsalVenue::All)
        if (room->GetCost() <= SIM_GetFinances()->GetCash() && room->GetCost() > pick->GetCost())
            pick = room;
    return pick;
}

SIM_RelaxVenue* AffordablePlace()
{
    SIM_RelaxVenue* pick = SIM_RelaxVenue::All.front();
    for (SIM_RelaxVenue* place : SIM_RelaxVenue::All)
        if (place->GetCostPerMember() * LineUp() <= SIM_GetFinances()->GetCash())
            pick = place;
    return pick;
}

bool RelaxOffered()
{
    for (const SIM_DailyOption* o : SIM_DailyOption::All)
        if (o->GetType() == SIM_DailyOption::RELAX)
            return true;
    return false;
}

// One day of the script; every branch uses up the day's one activity.
void PlayDay(int day)
{
    if (day % 7 == 2) {
        SIM_Rehearsal::Create(AffordableRoom());
        SIM_GetSim()->EndDay(); // the rehearsal's report is finished
    } else if (day % 7 == 4 && RelaxOffered()) {
        AffordablePlace()->Use(); // ends the day before the result shows
        SIM_Relax::Process();     // the result screen is left
    } else if (day % 14 == 6 && !SIM_Socialise::CreateOption()) {
        SIM_Socialise::Process();
    } else if (day % 30 == 10) {
        SIM_Song* song = SIM_Song::CreateNew(SIM_GetRiza()->GetValue("inspiration"));
        song->SetName(SIM_NamesList::SongNames.GetRandom());
        song->CheckForClassicStatus();
        song->GenerateDescription();
        SIM_NamesList::SongNames.Remove(song->GetName());
        SIM_GetSim()->EndDay();
    } else {
        SIM_GetSim()->EndDay();
    }
}
}

namespace {

// What the player does in the shop on some days of the career.
struct ShopVisit {
    int day;
    const char* asset;
    enum { BUY, SELL, LISTEN } action;
};
const ShopVisit kShopVisits[] = {
    {5, "roadie", ShopVisit::BUY},          {5, "tshirts(20)", ShopVisit::BUY},
    {6, "cheap van", ShopVisit::BUY},       {7, "hollow body guitar", ShopVisit::BUY},
    {8, "velvet engine", ShopVisit::BUY},   {9, "velvet engine", ShopVisit::LISTEN},
    {10, "velvet engine", ShopVisit::LISTEN}, {12, "smokemachine", ShopVisit::BUY},
    {12, "home video", ShopVisit::BUY},     {30, "tshirts(20)", ShopVisit::BUY},
    {40, "masseuse", ShopVisit::BUY},       {60, "cheap van", ShopVisit::SELL},
    {61, "tour bus", ShopVisit::BUY},       {80, "hollow body guitar", ShopVisit::SELL},
    {81, "signature guitar", ShopVisit::BUY}, {90, "roadie", ShopVisit::SELL},
    {100, "masseuse", ShopVisit::SELL},     {101, "roadie", ShopVisit::BUY},
};

void VisitShop(int day)
{
    for (const ShopVisit& v : kShopVisits) {
        if (v.day != day)
            continue;
        SIM_Asset* a = SIM_Asset::GetByName(v.asset);
        ASSERT_NE(a, nullptr) << v.asset;
        if (v.action == ShopVisit::BUY)
            a->Purchase(true);
        else if (v.action == ShopVisit::SELL)
            a->Sell();
        else if (auto* record = dynamic_cast<SIM_AssetMusic*>(a))
            record->Listen();
    }
}

} // namespace

namespace {

// What the band did for its name over the career.
struct PromotionLog {
    int publicity = 0;
    int rivalGigs = 0;
    int endorsements = 0;
};

// A sponsor's offer is answered on two days; answering takes no day.
void AnswerSponsors(int day, PromotionLog& log)
{
    if ((day == 50 || day == 51) && !SIM_Endorsement::All.empty()) {
        SIM_Endorsement* offer = SIM_Endorsement::All.front();
        if (day == 50)
            offer->Accept();
        else
            offer->Reject();
        ++log.endorsements;
    }
}

// On days the script leaves free: today's rival gig when the band can pay, else today's
// first publicity event. True when the day's activity was used.
bool PromotionDay(int day, PromotionLog& log)
{
    if (day % 7 == 2 || day % 7 == 4 || day % 14 == 6 || day % 30 == 10)
        return false;
    const std::vector<SIM_DailyOption*> options = SIM_DailyOption::All;
    for (SIM_DailyOption* o : options) {
        if (o->GetType() == SIM_DailyOption::OTHERGIG && o->IsDoable()) {
            o->Activate(); // the rival gig window, which has the band watched
            o->GetOtherGig()->GetBand()->SeeLive();
            ++log.rivalGigs;
            SIM_GetSim()->EndDay();
            return true;
        }
    }
    for (SIM_DailyOption* o : options) {
        if (o->GetType() == SIM_DailyOption::PUBLICITY) {
            o->Activate(); // carried out; the result window is left
            ++log.publicity;
            SIM_GetSim()->EndDay();
            return true;
        }
    }
    return false;
}

// The band's live and recording work on one day of the career: tonight's gig is played
// (a scout may come and the band signs any offer), a charity offer is taken, a gig is
// booked now and then, and albums are recorded a day at a time and released. True when
// it used up the day.
bool GigOrRecordDay(int day)
{
    for (SIM_DailyOption* o : SIM_DailyOption::All) {
        if (o->GetType() == SIM_DailyOption::GIG && o->IsDoable() && !o->IsDone()) {
            o->Activate();
            SIM_Performance* played = SIM_Performance::All.empty() ? nullptr : SIM_Performance::All.back();
            SIM_RecordCompany* company = SIM_GetRecordCompany();
            if (played && !played->IsCancelled() && !company->IsSigned() && company->AttendedGig(played) &&
                company->OfferedDeal(played))
                company->SignDeal();
            SIM_GetSim()->EndDay(); // the gig window closes
            return true;
        }
    }
    for (SIM_DailyOption* o : SIM_DailyOption::All)
        if (o->GetType() == SIM_DailyOption::CHARITYGIG && SIM_Gig::BookedGigs.empty()) {
            o->Activate(); // books it and ends the day
            return true;
        }
    if (SIM_Gig::BookedGigs.empty()) {
        SIM_Gig::GeneratePotentialGigs();
        SIM_Gig* pick = nullptr;
        for (SIM_Gig* g : SIM_Gig::PotentialGigs)
            if (g->GetVenue()->Bookable() && g->GetVenue()->Reachable() &&
                (!pick || g->GetVenue()->GetCapacity() > pick->GetVenue()->GetCapacity()))
                pick = g;
        if (pick) {
            pick->Book();
            SIM_GetSim()->EndDay();
            return true;
        }
    }
    SIM_Album* album = SIM_Album::GetAlbumInDevelopment();
    if (!album && day % 60 >= 30) {
        std::vector<SIM_Song*> free;
        for (SIM_Song* s : SIM_Song::All)
            if (!s->GetAlbum())
                free.push_back(s);
        if (free.size() < 8)
            return false;
        album = SIM_Album::Create();
        album->SetTitle("Album " + std::to_string(SIM_Album::All.size()));
        for (size_t i = 0; i < 8; ++i)
            album->AddTrack(free[i]);
        EXPECT_TRUE(album->IsValid());
        if (SIM_GetRecordCompany()->IsSigned())
            SIM_RecordingStudio::ChooseBestStudio();
        else
            SIM_RecordingStudio::SetCurrentStudio(SIM_RecordingStudio::All.front());
        SIM_RecordingStudio::ValidateStudio();
    }
    if (!album)
        return false;
    SIM_RecordingStudio* studio = SIM_RecordingStudio::GetCurrentStudio();
    if (!studio) {
        album->Cancel(); // the band could not pay for the studio
        return false;
    }
    album->AddStudioTime(studio, 1.0f);
    studio->Use(album);
    if (album->GetDaysInStudio() >= 4) {
        album->SetMixQuality(0.8f);
        album->Release();
    }
    SIM_GetSim()->EndDay();
    return true;
}

} // namespace

// What the band's live and recording work left at the end of the career: gigs played,
// albums released, no venue's boredom out of range.
void ExpectGigsAndAlbums()
{
    EXPECT_GT(SIM_GetStatistics()->GetIntCounter(SIM_Statistics::GIGS_PLAYED), 5);
    EXPECT_EQ(static_cast<size_t>(SIM_GetStatistics()->GetIntCounter(SIM_Statistics::GIGS_PLAYED)), SIM_Gig::PlayedGigs.size());
    int released = 0;
    for (const SIM_Album* a : SIM_Album::All) {
        released += a->GetMode() == 1;
        EXPECT_GE(a->GetRoyaltiesEarned(), 0.0f) << a->GetTitle();
    }
    EXPECT_GE(released, 1);
    for (const SIM_Venue* v : SIM_Venue::All)
        EXPECT_TRUE(v->GetBoredom() >= 0.0f && v->GetBoredom() <= 1.0f) << v->GetName();
}

// A strong band with good songs and a light show gigs its way up the venues until a scout
// offers a deal, which it signs; its albums then sell and pay royalties.
// These careers follow a scripted path: the helping hand a struggling player may get (a
// gift of cash, fame or an instrument) would change what they own and where they end up,
// so it is used up before they start.
static void UseUpTheHelpingEvents()
{
    for (int id = 0; id < SIM_Events::NumEvents; ++id)
        SIM_GetEvents()->SetFired(id, true);
}

TEST_F(BandTest, AStrongBandGigsItsWayToARecordDeal)
{
    ReopenWithShippedValues();
    SIM_GetSim()->Reset();
    UseUpTheHelpingEvents();
    for (INSTRUMENT i : {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR, INSTRUMENT_KEYBOARD}) {
        SIM_Musician* m = Make(i, 0.9f);
        SIM_GetBand()->AddMusician(m);
    }
    while (SIM_Song::All.size() < 24)
        new SIM_Song;
    for (SIM_Song* s : SIM_Song::All)
        s->SetQuality(0.9f);
    for (const char* gear : {"smokemachine", "cheap van"})
        SIM_Asset::GetByName(gear)->Purchase(false);
    screens.Clear();
    int day = 0;
    for (; day < 3 * SIM_Date::DaysPerYear && !SIM_GetRecordCompany()->IsSigned(); ++day) {
        SIM_GetFinances()->SetCash(std::max(SIM_GetFinances()->GetCash(), 50000.0f));
        if (GigOrRecordDay(day))
            continue;
        if (day % 4 == 0) {
            SIM_Rehearsal::Create(SIM_RehearsalVenue::All.back());
            SIM_GetSim()->EndDay(); // the rehearsal's report is finished
        } else {
            SIM_GetSim()->EndDay();
        }
    }
    ASSERT_TRUE(SIM_GetRecordCompany()->IsSigned()) << "fame " << SIM_GetFame()->GetFame();
    for (int more = 0; more < SIM_Date::DaysPerYear; ++more, ++day) {
        SIM_GetFinances()->SetCash(std::max(SIM_GetFinances()->GetCash(), 50000.0f));
        if (!GigOrRecordDay(day))
            SIM_GetSim()->EndDay();
    }
    float royalties = 0.0f;
    int copies = 0;
    for (const SIM_Album* a : SIM_Album::All) {
        royalties += a->GetRoyaltiesEarned();
        copies += a->GetCopiesSold();
    }
    EXPECT_GT(copies, 0);
    EXPECT_GT(royalties, 0.0f);
    // Dreamer, amateur, gigging, signed: every stage reached in turn, each announced once.
    EXPECT_EQ(SIM_GetGameMode()->GetCurrentMode(), SIM_GameMode::SIGNED);
    EXPECT_EQ(screens.Count("ShowCareerStage"), 3);
    EXPECT_TRUE(screens.Alerts().empty()) << screens.Alerts().front();
}

TEST_F(BandTest, AFullBandPlaysAWholeCareerWithoutAReport)
{
    const float years = ReopenWithShippedValues();
    ASSERT_GT(years, 0.0f);
    SIM_GetSim()->Reset();
    UseUpTheHelpingEvents();
    HireFullBand();
    ASSERT_TRUE(SIM_GetBand()->Valid());
    ASSERT_FALSE(SIM_RehearsalVenue::All.empty());
    ASSERT_FALSE(SIM_RelaxVenue::All.empty());
    screens.Clear();

    const int days = static_cast<int>(years * static_cast<float>(SIM_Date::DaysPerYear));
    PromotionLog promotion;
    for (int day = 0; day < days + 1 && !SIM_GetSim()->IsTenYearsUp(); ++day) {
        // A small band earns little: it is kept solvent for the shopping, the studio, the
        // rooms and the upkeep, so nothing is repossessed.
        if (SIM_GetFinances()->GetCash() < 20000.0f)
            SIM_GetFinances()->SetCash(100000.0f);
        VisitShop(day);
        AnswerSponsors(day, promotion);
        if (!GigOrRecordDay(day) && !PromotionDay(day, promotion))
            PlayDay(day);
    }

    EXPECT_TRUE(SIM_GetSim()->IsTenYearsUp());
    EXPECT_TRUE(screens.Alerts().empty()) << screens.Alerts().front();
    ExpectGigsAndAlbums();
    EXPECT_FALSE(SIM_Musician::BResignationPending);
    const auto& members = SIM_GetBand()->GetMembers();
    EXPECT_EQ(SIM_Relationship::All.size(), members.size() * (members.size() - 1) / 2);
    for (SIM_Musician* m : members) {
        EXPECT_TRUE(m->IsActive());
        EXPECT_EQ(m->GetRelationships().size(), members.size() - 1);
        EXPECT_GE(m->GetMotivation(), 0.0f);
        EXPECT_LE(m->GetMotivation(), 1.0f);
        const float readiness = m->GetRehearsalData()->GetValue();
        EXPECT_TRUE(readiness >= 0.0f && readiness <= 1.0f) << readiness;
    }
    EXPECT_EQ(SIM_Musician::All.size(), 5u) << "those who left stay until a new game";
    for (const char* name : {"band_rehearsal", "band_stress", "band_chemistry", "band_musicianship",
                             "band_live_experience", "band_motivation", "band_hype"}) {
        const float v = SIM_GetBand()->GetValue(name);
        EXPECT_FALSE(std::isnan(v)) << name;
    }
    const SIM_Statistics* stats = SIM_GetStatistics();
    EXPECT_GT(stats->GetIntCounter(SIM_Statistics::REHEARSALS) + stats->GetIntCounter(SIM_Statistics::REHEARSALS_CANCELLED),
              0);
    EXPECT_EQ(stats->GetIntCounter(SIM_Statistics::SONGS_WRITTEN) +
                  static_cast<int>(SIM_GetGlobalVariables()->Get("RS_INITIAL_SONGS")),
              static_cast<int>(SIM_Song::All.size()));
    for (const SIM_Song* s : SIM_Song::All) {
        EXPECT_TRUE(s->GetQuality() >= 0.0f && s->GetQuality() <= 1.0f) << s->GetName();
        EXPECT_FALSE(s->GetDescription().empty()) << s->GetName();
    }
    // What the shop left: the current line-up and stock, nothing sold still held.
    for (const char* owned : {"roadie", "tour bus", "smokemachine", "velvet engine"})
        EXPECT_NE(SIM_Asset::GetOwnedByName(owned), nullptr) << owned;
    // The guitar is its player's: a guitarist who walked out took it with him.
    const bool guitaristStayed = SIM_GetBand()->GetFirstMember(INSTRUMENT_GUITAR) != nullptr;
    EXPECT_EQ(SIM_Asset::GetOwnedByName("signature guitar") != nullptr, guitaristStayed);
    for (const char* sold : {"cheap van", "hollow body guitar", "masseuse"})
        EXPECT_EQ(SIM_Asset::GetOwnedByName(sold), nullptr) << sold;
    EXPECT_EQ(SIM_Asset::OwnedAssets.size(), guitaristStayed ? 7u : 6u); // with the T-shirts and the video

    SIM_GetSim()->Reset();
    EXPECT_TRUE(SIM_Musician::All.empty());
    EXPECT_TRUE(SIM_Asset::OwnedAssets.empty());
    EXPECT_EQ(screens.Count("MusicianDeleted"), 5);
    EXPECT_TRUE(SIM_Rehearsal::All.empty());
    EXPECT_TRUE(SIM_RehearsalData::All.empty());
    EXPECT_TRUE(SIM_OtherGig::All.empty());
    EXPECT_TRUE(SIM_Endorsement::Offered.empty());
}

namespace {

// An audition as the player holds one: three candidates for the instrument, the most able
// one hired, the others sent home. Returns the hire.
SIM_Musician* Audition(INSTRUMENT instrument)
{
    std::vector<SIM_Musician*> candidates;
    for (int i = 0; i < 3; ++i)
        if (SIM_Musician* m = SIM_Auditionee::CreateFromAvailable(instrument))
            candidates.push_back(m);
    EXPECT_EQ(candidates.size(), 3u);
    if (candidates.empty())
        return nullptr;
    SIM_Musician* best = *std::max_element(candidates.begin(), candidates.end(), [](auto* a, auto* b) {
        return a->GetAbility() < b->GetAbility();
    });
    for (SIM_Musician* m : candidates)
        if (m != best)
            delete m;
    SIM_GetBand()->AddMusician(best);
    return best;
}

} // namespace

// A band built through the auditions from nothing: each good hire lifts the band, the
// next candidates rise with it, and with a practice a week the band ends its career more
// skilled than it started. A member who walks out is replaced through the auditions too.
TEST_F(BandTest, ABandHiredThroughTheAuditionsGrowsItsMusicianshipOverACareer)
{
    const float years = ReopenWithShippedValues();
    ASSERT_GT(years, 0.0f);
    SIM_GetSim()->Reset();
    ASSERT_EQ(SIM_GetRiza()->GetInstrumentSkill(), 0.0f) << "the player brings nothing to the band's skill";
    const INSTRUMENT lineUp[] = {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR, INSTRUMENT_KEYBOARD,
                                 INSTRUMENT_SAXOPHONE};
    float musicianship = SIM_GetBand()->GetValue("band_musicianship");
    for (INSTRUMENT i : lineUp) {
        SIM_Musician* hired = Audition(i);
        ASSERT_NE(hired, nullptr);
        EXPECT_GE(hired->GetAbility(), 0.15f) << "worth hiring";
        const float now = SIM_GetBand()->GetValue("band_musicianship");
        EXPECT_GT(now, musicianship) << GetInstrumentName(i) << " hire lifts the band";
        musicianship = now;
    }
    ASSERT_TRUE(SIM_GetBand()->Valid());
    const float formed = musicianship;
    EXPECT_GE(formed, 0.4f);
    int replaced = 0;
    const int days = static_cast<int>(years * static_cast<float>(SIM_Date::DaysPerYear));
    for (int day = 0; day < days + 1 && !SIM_GetSim()->IsTenYearsUp(); ++day) {
        for (INSTRUMENT i : lineUp)
            if (!SIM_GetBand()->GetFirstMember(i)) {
                ASSERT_NE(Audition(i), nullptr);
                ++replaced;
            }
        if (day % 7 == 0)
            SIM_GetBand()->PracticeInstruments(1.0f);
        SIM_GetSim()->EndDay();
    }
    EXPECT_TRUE(SIM_GetSim()->IsTenYearsUp());
    SIM_GetBand()->Recalculate();
    const float retired = SIM_GetBand()->GetValue("band_musicianship");
    EXPECT_GT(retired, formed + 0.1f) << replaced << " members replaced";
    // Until the asset catalogue is shipped a candidate's possession cannot be found, which
    // the candidate maker asserts; nothing else may be reported.
    const bool assetsShipped = std::filesystem::exists(std::string(AMP_GAME_DIR) + "/data/simulation/assets.csv");
    for (const std::string& alert : screens.Alerts())
        EXPECT_TRUE(!assetsShipped && alert.find("SIM_Auditionee.cpp") != std::string::npos) << alert;
}
