// Playing a gig: who misses it, the quality and attendance, the money and merchandise, the
// damage destructive members do, the effects, and gigs that can no longer be played.
#include "career/GigFixture.h"

#include "career/SIM_Album.h"
#include "career/SIM_Asset.h"
#include "career/SIM_AssetKinds.h"
#include "career/SIM_Performance.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_Statistics.h"

#include <algorithm>
#include <cmath>

namespace {
class PerformanceTest : public GigTest {
protected:
    void SetUp() override
    {
        GigTest::SetUp();
        // "hall": 100 seats, $5 tickets, rental 50, expectations 1.
        UseVenues({"hall,The Hall,LOCAL,0,0.5,2,100,50,0,5,1,1,80,d,hall.jpg,b"});
        QuietMotivation();
        Set("RS_DESTROY_INSTRUMENT_CHANCE", 0.0f);
        Set("RS_DESTROY_BACKSTAGE_CHANCE", 0.0f);
        SIM_GetFinances()->SetCash(10000.0f);
    }
    // A full, rested, motivated band with enough songs, famous enough to sell out.
    void ReadyToPlay()
    {
        ReadyBand(0.6f);
        for (SIM_Musician* m : SIM_GetBand()->GetMembers()) {
            m->GetStress()->SetValue(0.0f);
            SetMotivation(m, 0.4f);
        }
        SetFame(100.0f);
    }
    static SIM_Performance* Play(SIM_Gig::GIGTYPE type = SIM_Gig::NORMAL)
    {
        return SIM_Performance::Create(BookAt(Venue("hall"), type));
    }
};
} // namespace

TEST_F(PerformanceTest, TheMissChanceTable)
{
    Set("RS_STRESS_CRISIS", 0.8f);
    struct Case {
        const char* name;
        float stress;
        float motivationChange; // motivation 0.5 + this, clamped, before stress penalties
        bool lazy;
        float chance;
    } cases[] = {
        {"rested and keen", 0.0f, 0.3f, false, 0.0f},
        {"just past the crisis", 0.81f, 5.0f, false, 0.38f},
        {"at the end of his rope", 0.99f, 5.0f, false, 0.02f},
        {"without any motivation", 0.0f, -5.0f, false, 0.48f},
        {"lazy without motivation", 0.0f, -5.0f, true, 0.72f},
    };
    for (const Case& c : cases) {
        SIM_Musician* m = c.lazy ? Make(INSTRUMENT_BASS, 0.5f, {"lazy"}) : Make(INSTRUMENT_BASS);
        m->GetStress()->SetValue(c.stress);
        SetMotivation(m, c.motivationChange);
        EXPECT_NEAR(SIM_Performance::MissChance(m), c.chance, 1e-4f) << c.name;
    }
}

TEST_F(PerformanceTest, EveryMemberWhoMissesIsListedAndTheGigIsCalledOff)
{
    ReadyToPlay();
    Set("RS_STRESS_CRISIS", 0.0f); // any stress is a crisis: a certain miss
    Set("RS_GIG_CANCEL_EXPENSES_PERCENTAGE", 0.5f);
    const auto& members = SIM_GetBand()->GetMembers();
    SIM_Asset::GetByName("roadie")->Purchase(false);
    const float perGig = SIM_Asset::GetPerGigCosts();
    const float cash = SIM_GetFinances()->GetCash();
    SIM_Gig* gig = BookAt(Venue("hall"));
    members[1]->GetStress()->SetValue(0.01f);
    members[3]->GetStress()->SetValue(0.01f);
    const float afterBooking = SIM_GetFinances()->GetCash();
    SIM_DailyOption* option = SIM_DailyOption::Create(SIM_DailyOption::GIG, gig, "t", "", "", true);
    screens.Clear();
    option->Activate();
    ASSERT_EQ(SIM_Performance::All.size(), 1u);
    const SIM_Performance* p = SIM_Performance::All[0];
    EXPECT_TRUE(p->IsCancelled());
    EXPECT_EQ(p->GetMissed(), (std::vector<SIM_Musician*> {members[1], members[3]}));
    EXPECT_TRUE(screens.Has("OpenCancelledGig"));
    EXPECT_EQ(SIM_Gig::CancelledGigs, std::vector<SIM_Gig*> {gig});
    EXPECT_NEAR(afterBooking - SIM_GetFinances()->GetCash(), 0.5f * perGig, 1e-3f);
    EXPECT_LT(SIM_GetFinances()->GetCash(), cash);
    EXPECT_EQ(SIM_GetStatistics()->GetIntCounter(SIM_Statistics::GIGS_PLAYED), 0);
}

TEST_F(PerformanceTest, AGigTheBandCanNoLongerPlayIsCalledOffWithoutACrash)
{
    SIM_Performance* p = Play(); // no members, three songs
    EXPECT_TRUE(p->IsCancelled());
    EXPECT_TRUE(p->GetMissed().empty());
    EXPECT_EQ(SIM_Performance::CalculatePerformance(), 0.0f);
    EXPECT_EQ(SIM_Gig::CancelledGigs.size(), 1u);
}

TEST_F(PerformanceTest, APlayedGigPaysItsTicketsAndMerchandiseAndShowsItsProfit)
{
    ReadyToPlay();
    Set("RS_MERCHANDISE_SCALAR", 100.0f); // everyone who can buy does
    auto* shirts = dynamic_cast<SIM_Merchandise*>(SIM_Asset::GetByName("tshirts(20)"));
    ASSERT_NE(shirts, nullptr);
    shirts->Purchase(false); // 20 in stock, 40 wanted
    SIM_Asset::GetByName("roadie")->Purchase(false);
    const float perGig = SIM_Asset::GetPerGigCosts();
    SIM_Gig* gig = BookAt(Venue("hall"));
    const float cash = SIM_GetFinances()->GetCash();
    SIM_Performance* p = SIM_Performance::Create(gig);
    ASSERT_FALSE(p->IsCancelled());
    EXPECT_EQ(p->GetAttendence(), 100);
    EXPECT_TRUE(p->IsSoldOut());
    EXPECT_EQ(p->GetSales(SIM_Performance::TSHIRTS), 20);
    EXPECT_EQ(shirts->GetQuantity(), 0);
    EXPECT_EQ(p->GetSales(SIM_Performance::SWEATSHIRTS), 0) << "none in stock";
    EXPECT_FLOAT_EQ(p->GetMerchandiseSales(), 20.0f * shirts->GetUnitPrice());
    EXPECT_FLOAT_EQ(p->GetTicketSales(), 500.0f);
    EXPECT_FLOAT_EQ(p->GetVenueHire(), 50.0f);
    EXPECT_NEAR(p->GetProfit(), 500.0f + p->GetMerchandiseSales() - 50.0f - perGig, 1e-3f);
    EXPECT_NEAR(SIM_GetFinances()->GetCash() - cash, p->GetProfit() + p->GetVenueHire(), 1e-2f);
    EXPECT_EQ(SIM_Gig::PlayedGigs, std::vector<SIM_Gig*> {gig});
    EXPECT_EQ(SIM_GetStatistics()->GetIntCounter(SIM_Statistics::GIGS_PLAYED), 1);
    EXPECT_EQ(SIM_GetStatistics()->GetIntCounter(SIM_Statistics::TOTAL_AUDIENCE), 100);
    EXPECT_TRUE(Venue("hall")->IsBored());
    EXPECT_GE(p->GetQuality(), 0.0f);
    EXPECT_LE(p->GetQuality(), 1.0f);
    for (int a = 0; a < SIM_Performance::NUM_ASPECTS; ++a) {
        const float v = p->GetPerformanceAspect(SIM_Performance::PERFORMANCE_ASPECTS(a));
        EXPECT_TRUE(v >= 0.0f && v <= 1.0f) << a;
    }
    EXPECT_TRUE(screens.reports.empty()) << screens.reports.front();
}

TEST_F(PerformanceTest, ACharityGigDrawsMoreAndEarnsNoTickets)
{
    ReadyToPlay();
    SetFame(1.0f); // 15 potential listeners before hype: never sold out
    UseVenues({"hall,The Hall,LOCAL,0,0.5,2,100000,50,0,5,1,1,80,d,hall.jpg,b"});
    const float cash = SIM_GetFinances()->GetCash();
    SIM_Performance* p = Play(SIM_Gig::CHARITY);
    ASSERT_FALSE(p->IsCancelled());
    EXPECT_FLOAT_EQ(cash, SIM_GetFinances()->GetCash()) << "no rental, no tickets, no costs";
    EXPECT_FLOAT_EQ(p->GetTicketSales(), 0.0f);
    EXPECT_FLOAT_EQ(p->GetVenueHire(), 0.0f);
    EXPECT_FLOAT_EQ(p->GetProfit(), 0.0f);
    const float hype = std::clamp(SIM_GetBand()->GetValue("band_hype"), 0.0f, 1.0f);
    const float normal = 15.0f * (0.5f + 1.5f * hype);
    EXPECT_GE(p->GetAttendence(), static_cast<int>(0.9f * normal) - 1);
    EXPECT_LE(p->GetAttendence(), static_cast<int>(2.0f * normal) + 1);
}

TEST_F(PerformanceTest, BackstageDamageIsClampedAndTheFigureIsAllThatWasPaid)
{
    struct Case {
        float tickets, fraction;
        int damage;
    } cases[] = {{1000, 0.05f, 50}, {1000, 0.2f, 200}, {30, 0.2f, 10}, {3000, 0.05f, 150}, {3000, 0.2f, 300}, {0, 0.1f, 10},
                 {1e30f, 0.2f, 300}};
    for (const Case& c : cases)
        EXPECT_EQ(SIM_Performance::DamageFor(c.tickets, c.fraction), c.damage) << c.tickets;

    ReadyToPlay();
    SIM_Musician* wrecker = Hire(INSTRUMENT_VOCALS, 0.5f, {"destructive"});
    SIM_Musician* another = Hire(INSTRUMENT_VOCALS, 0.5f, {"destructive"});
    for (SIM_Musician* m : {wrecker, another}) {
        m->GetStress()->SetValue(0.0f);
        SetMotivation(m, 0.4f);
    }
    Set("RS_DESTROY_BACKSTAGE_CHANCE", 1.0f);
    const float before = SIM_GetFinances()->GetCash();
    SIM_Performance* p = Play();
    ASSERT_FALSE(p->IsCancelled());
    EXPECT_GE(p->GetDamage(), 20);
    EXPECT_LE(p->GetDamage(), 600);
    EXPECT_FLOAT_EQ(SIM_GetStatistics()->GetFloatCounter(SIM_Statistics::DAMAGE_COST), static_cast<float>(p->GetDamage()));
    const float paidDamage = static_cast<float>(p->GetDamage()) * (1.0f - SIM_Finances::GetDiscount());
    EXPECT_NEAR(before - SIM_GetFinances()->GetCash(),
                50.0f * (1.0f - SIM_Finances::GetDiscount()) - p->GetTicketSales() - p->GetMerchandiseSales() +
                    SIM_Asset::GetPerGigCosts() + paidDamage,
                0.05f);
    EXPECT_TRUE(screens.Has("PlaySound data/sounds/smash_guitar.ogg"));
}

TEST_F(PerformanceTest, AGoodGigRaisesFameAndTheNewestAlbumSells)
{
    ReadyToPlay();
    Set("RS_CHANCE_BUY_CD_AT_GIG", 1.0f);
    SIM_Album* album = SIM_Album::Create();
    album->Release();
    const float fame = SIM_GetFame()->GetFame();
    SIM_Performance* p = Play();
    ASSERT_FALSE(p->IsCancelled());
    EXPECT_EQ(p->GetSales(SIM_Performance::ALBUMS), album->GetCopiesSold());
    EXPECT_GT(album->GetCopiesSold(), 0);
    const float boost = Venue("hall")->GetFameBoost(p->GetQuality()) * SIM_GetGlobalVariables()->Get("RS_GIG_FAMEEFFECT");
    EXPECT_NEAR(p->GetEffect(SIM_Performance::FAME), boost, 1e-4f);
    SIM_GetFame()->CalculateValue();
    EXPECT_NEAR(SIM_GetFame()->GetFame(), std::clamp(fame + boost, 0.0f, 500.0f), 1e-3f);
    const float stress = SIM_GetGlobalVariables()->Get("RS_STRESS_PER_GIG");
    EXPECT_NEAR(p->GetEffect(SIM_Performance::STRESS), stress, 1e-4f) << "no stage equipment to carry";
    EXPECT_GT(p->GetEffect(SIM_Performance::MOTIVATION), 0.0f) << "a sold-out show";
}

TEST_F(PerformanceTest, QualityCountsCrisisAspectsAsAPenaltyAndBigHallsEarlyOn)
{
    Set("RS_PERFORMANCE_CRISISLEVEL", 0.15f);
    Set("RS_PERFORMANCE_PENALTY", -0.1f);
    struct Case {
        const char* name;
        float aspects[SIM_Performance::NUM_ASPECTS];
        int year, capacity;
        float quality;
    } cases[] = {
        {"all at 0.7", {0.7f, 0.7f, 0.7f, 0.7f, 0.7f, 0.7f, 0.7f}, 2011, 5000, 0.7f},
        {"one in crisis", {0.7f, 0.7f, 0.7f, 0.14f, 0.7f, 0.7f, 0.7f}, 2011, 100, (6 * 0.7f - 0.1f) / 7},
        {"at the crisis level", {0.7f, 0.7f, 0.7f, 0.15f, 0.7f, 0.7f, 0.7f}, 2011, 100, (6 * 0.7f + 0.15f) / 7},
        {"all in crisis", {0, 0, 0, 0, 0, 0, 0}, 2011, 100, 0.0f},
        {"2010, 1001 seats", {0.7f, 0.7f, 0.7f, 0.7f, 0.7f, 0.7f, 0.7f}, 2010, 1001, 0.63f},
        {"2010, 1000 seats", {0.7f, 0.7f, 0.7f, 0.7f, 0.7f, 0.7f, 0.7f}, 2010, 1000, 0.7f},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(SIM_Performance::QualityOf(c.aspects, c.year, c.capacity), c.quality, 1e-5f) << c.name;

    struct FillCase {
        int attendance, capacity;
        float fill;
    } fills[] = {{30, 100, 0.3f}, {150, 100, 1.0f}, {10, 0, 0.0f}, {-5, 100, 0.0f}};
    for (const FillCase& f : fills)
        EXPECT_FLOAT_EQ(SIM_Performance::Fill(f.attendance, f.capacity), f.fill) << f.attendance << "/" << f.capacity;
}

TEST_F(PerformanceTest, LowExpectationsRaiseTheMusicalAspectsAndAPoorHouseDisappoints)
{
    ReadyToPlay();
    SetFame(0.0f); // 15 listeners at most before hype: a poor house in 1000 seats
    UseVenues({"hall,The Hall,LOCAL,0,0.5,2,1000,0,0,5,0.5,1,80,d,hall.jpg,b"});
    SIM_Performance* p = Play();
    ASSERT_FALSE(p->IsCancelled());
    const float raw = SIM_Performance::CalculatePerformance();
    EXPECT_NEAR(p->GetPerformanceAspect(SIM_Performance::PERFORMANCE), std::min(1.0f, 2.0f * raw), 0.05f);
    EXPECT_LE(SIM_Performance::Fill(p->GetAttendence(), 1000), SIM_GetGlobalVariables()->Get("RS_GIG_LOWATTENDENCE_THRESHOLD"));
    const float motivation = p->GetEffect(SIM_Performance::MOTIVATION);
    float byQuality = 0.0f;
    if (p->GetQuality() <= SIM_GetGlobalVariables()->Get("RS_GIG_POOR_DEMOTIVATE_THRESHOLD"))
        byQuality = SIM_GetGlobalVariables()->Get("RS_GIG_POOR_DEMOTIVATE_AMOUNT");
    else if (p->GetQuality() >= SIM_GetGlobalVariables()->Get("RS_GIG_GOOD_MOTIVATE_THRESHOLD"))
        byQuality = SIM_GetGlobalVariables()->Get("RS_GIG_GOOD_MOTIVATE_AMOUNT");
    EXPECT_NEAR(motivation, byQuality + SIM_GetGlobalVariables()->Get("RS_GIG_LOWATTENDENCE_DEMOTIVATE_AMOUNT"), 1e-5f);
}

TEST_F(PerformanceTest, ADestructiveGuitaristSmashesHisBestGuitarAndNothingBackstage)
{
    ReadyToPlay();
    SIM_Musician* guitarist = SIM_GetBand()->GetFirstMember(INSTRUMENT_GUITAR);
    ASSERT_NE(guitarist, nullptr);
    guitarist->AddPersonality(SIM_Personality::GetByName("destructive"));
    for (const char* name : {"starter guitar", "signature guitar"})
        SIM_Asset::GetByName(name)->Purchase(false);
    ASSERT_TRUE(guitarist->HasMultipleInstruments());
    SIM_Asset* best = guitarist->GetBestInstrument();
    ASSERT_NE(best, nullptr);
    Set("RS_DESTROY_INSTRUMENT_CHANCE", 1.0f);
    Set("RS_DESTROY_BACKSTAGE_CHANCE", 1.0f);
    Set("RS_DESTRUCTION_STAGESHOW_BOOST", 0.25f);
    for (SIM_Musician* m : SIM_GetBand()->GetMembers()) {
        m->GetStress()->SetValue(0.0f);
        SetMotivation(m, 0.4f);
    }
    screens.Clear();
    SIM_Performance* p = Play();
    ASSERT_FALSE(p->IsCancelled());
    EXPECT_FALSE(best->IsOwned());
    const auto& kept = guitarist->GetPossesions();
    EXPECT_EQ(std::find(kept.begin(), kept.end(), best), kept.end());
    EXPECT_EQ(p->GetDamage(), 0) << "a member who smashed his guitar does no backstage damage";
    EXPECT_EQ(screens.Count("PlaySound data/sounds/smash_guitar.ogg"), 1);
    EXPECT_GE(p->GetPerformanceAspect(SIM_Performance::STAGE_SHOW), 0.25f);
}

TEST_F(PerformanceTest, AMissingMerchandiseRowIsSkippedWithOneReport)
{
    ReadyToPlay();
    delete SIM_Asset::GetByName("posters(100)");
    ASSERT_FALSE(Play()->IsCancelled());
    Venue("hall")->SetBoredom(0.0f);
    ASSERT_FALSE(Play()->IsCancelled());
    EXPECT_EQ(screens.reports.size(), 1u);
    EXPECT_EQ(Reports("posters(100)"), 1);
}
