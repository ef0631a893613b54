// Fame (sum of unclamped effects, potential audience), money (cash, discount, income
// statistics) and the statistics counters and clock.
#include "sim/RecordingScreens.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_Statistics.h"
#include "support/TestSupport.h"

#include <memory>

namespace {

class FameFinancesTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        SIM_GetFame()->Initialise();
        SIM_GetStatistics()->Reset();
        SIM_GetFinances()->SetCash(0.0f);
    }
    void TearDown() override
    {
        SIM_GetBand()->ClearMembers();
        members.clear();
        SIM_GetFame()->Initialise();
        SandboxTest::TearDown();
    }
    // Adds band members, `businessmen` of them business-minded.
    void Band(int size, int businessmen)
    {
        for (int i = 0; i < size; ++i) {
            members.push_back(std::make_unique<SIM_Musician>());
            if (i < businessmen)
                members.back()->AddPersonality(&businessman);
            else
                members.back()->AddPersonality(&lazy);
            SIM_GetBand()->AddMusician(members.back().get());
        }
    }

    SIM_Personality businessman {"businessman", "Business-minded", ""};
    SIM_Personality lazy {"lazy", "Lazy", ""};
    std::vector<std::unique_ptr<SIM_Musician>> members;
    RecordingScreens screens;
    RecordingScreens::Scope scope {screens};
};

} // namespace

TEST_F(FameFinancesTest, FameIsTheClampedSumOfItsEffects)
{
    struct Case {
        std::vector<float> effects;
        float fame;
        float audience;
    };
    const Case cases[] = {
        {{}, 0.0f, 15.0f},
        {{1.2f}, 1.2f, 15.0f},
        {{1.0f, 2.0f}, 3.0f, 30.0f},
        {{-1.5f, -0.5f}, 0.0f, 15.0f},
        {{400.0f, 200.0f}, 500.0f, 5000.0f},
    };
    for (const Case& c : cases) {
        SIM_Fame* fame = SIM_GetFame();
        fame->Initialise();
        for (float e : c.effects)
            fame->AddEffect(e, 1.0f, "test");
        EXPECT_FLOAT_EQ(fame->GetFame(), c.fame);
        EXPECT_FLOAT_EQ(fame->GetPotentialAudience(), c.audience);
    }
}

TEST_F(FameFinancesTest, FameEffectsDecayUnclampedAndDieWithTheStore)
{
    SIM_Fame* fame = SIM_GetFame();
    size_t before = SIM_Effect::All.size();
    fame->AddEffect(8.0f, 0.5f, "gig");
    fame->AddEffect(0.0015f, 0.5f, "tiny");
    SIM_Effect::ProcessAllEffects();
    EXPECT_FLOAT_EQ(fame->GetFame(), 8.0015f); // not recalculated until the day's turn
    fame->ProcessTurn();
    EXPECT_FLOAT_EQ(fame->GetFame(), 4.0f);    // 8 x 0.5 kept above 1; the tiny one is gone
    EXPECT_EQ(fame->GetEffects().size(), 1u);
    fame->Clear();
    EXPECT_FLOAT_EQ(fame->GetFame(), 0.0f);
    EXPECT_EQ(SIM_Effect::All.size(), before);
}

TEST_F(FameFinancesTest, CashMovesThroughTheFinances)
{
    SIM_GetGlobalVariables()->Set("RS_STARTINGCASH", 250.0f);
    SIM_Finances* money = SIM_GetFinances();
    SIM_Statistics* stats = SIM_GetStatistics();
    money->Reset();
    EXPECT_FLOAT_EQ(money->GetCash(), 250.0f);
    money->AddCash(100.0f);
    EXPECT_FLOAT_EQ(stats->GetFloatCounter(SIM_Statistics::TOTAL_INCOME), 100.0f);
    EXPECT_FLOAT_EQ(stats->GetFloatCounter(SIM_Statistics::HIGHEST_CASH), 350.0f);
    money->AddCash(-50.0f); // lowers cash and income; the highest stays
    EXPECT_FLOAT_EQ(money->GetCash(), 300.0f);
    EXPECT_FLOAT_EQ(stats->GetFloatCounter(SIM_Statistics::TOTAL_INCOME), 50.0f);
    EXPECT_FLOAT_EQ(stats->GetFloatCounter(SIM_Statistics::HIGHEST_CASH), 350.0f);
    money->SpendCash(500.0f); // no statistics, no check against the balance
    EXPECT_FLOAT_EQ(money->GetCash(), -200.0f);
    EXPECT_FLOAT_EQ(stats->GetFloatCounter(SIM_Statistics::TOTAL_INCOME), 50.0f);
}

TEST_F(FameFinancesTest, DiscountComesFromBusinessmenAndStaysWithinOneWhole)
{
    struct Case {
        int members;
        int businessmen;
        float percent;
        float discount;
        float cashAfterSpending200;
    };
    const Case cases[] = {
        {0, 0, 5.0f, 0.0f, -200.0f},
        {3, 2, 5.0f, 0.1f, -180.0f},
        {4, 1, 0.0f, 0.0f, -200.0f},   // missing key reads 0
        {2, 2, 60.0f, 1.0f, 0.0f},     // 1.2 would pay the band for spending
        {2, 1, -10.0f, 0.0f, -200.0f}, // a surcharge is no discount
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.percent);
        SIM_GetBand()->ClearMembers();
        members.clear();
        Band(c.members, c.businessmen);
        SIM_GetGlobalVariables()->Set("RS_BUSINESS_DISCOUNT", c.percent);
        EXPECT_EQ(SIM_GetBand()->CountPersonalities("businessman"), c.businessmen);
        EXPECT_FLOAT_EQ(SIM_Finances::GetDiscount(), c.discount);
        SIM_GetFinances()->SetCash(0.0f);
        SIM_GetFinances()->SpendDiscountedCash(200.0f);
        EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), c.cashAfterSpending200);
    }
}

TEST_F(FameFinancesTest, StatisticsCounters)
{
    SIM_Statistics* stats = SIM_GetStatistics();
    stats->ChangeCounter(1, SIM_Statistics::GIGS_PLAYED);
    stats->ChangeCounter(1, SIM_Statistics::GIGS_PLAYED);
    stats->ChangeCounter(350, SIM_Statistics::TOTAL_AUDIENCE);
    stats->ChangeCounter(12.5f, SIM_Statistics::DAMAGE_COST);
    stats->CheckHighest(40.0f, SIM_Statistics::HIGHEST_CASH);
    stats->CheckHighest(30.0f, SIM_Statistics::HIGHEST_CASH);
    EXPECT_EQ(stats->GetIntCounter(SIM_Statistics::GIGS_PLAYED), 2);
    EXPECT_EQ(stats->GetIntCounter(SIM_Statistics::TOTAL_AUDIENCE), 350);
    EXPECT_FLOAT_EQ(stats->GetFloatCounter(SIM_Statistics::DAMAGE_COST), 12.5f);
    EXPECT_FLOAT_EQ(stats->GetFloatCounter(SIM_Statistics::HIGHEST_CASH), 40.0f);
    EXPECT_TRUE(screens.reports.empty());

    // A counter outside the table is reported and changes nothing.
    stats->ChangeCounter(5, SIM_Statistics::COUNTERS(9));
    stats->ChangeCounter(5.0f, SIM_Statistics::FLOATCOUNTERS(-1));
    EXPECT_EQ(stats->GetIntCounter(SIM_Statistics::COUNTERS(7)), 0);
    EXPECT_EQ(screens.reports.size(), 3u);

    stats->Reset();
    for (int i = 0; i < SIM_Statistics::NUM_COUNTERS; ++i)
        EXPECT_EQ(stats->GetIntCounter(SIM_Statistics::COUNTERS(i)), 0);
    for (int i = 0; i < SIM_Statistics::NUM_FLOATCOUNTERS; ++i)
        EXPECT_FLOAT_EQ(stats->GetFloatCounter(SIM_Statistics::FLOATCOUNTERS(i)), 0.0f);
}

TEST_F(FameFinancesTest, PlayClockRunsOnlyBetweenStartAndStop)
{
    SIM_Statistics stats;
    stats.StartTimer();
    clock.Advance(1000);
    stats.StopTimer();
    EXPECT_DOUBLE_EQ(stats.GetTimer().GetElapsed(), 1000.0);
    clock.Advance(5000); // paused: not counted
    stats.StartTimer();  // resumes
    clock.Advance(500);
    stats.StopTimer();
    EXPECT_DOUBLE_EQ(stats.GetTimer().GetElapsed(), 1500.0);
    stats.Reset();       // the clock is not a counter
    EXPECT_DOUBLE_EQ(stats.GetTimer().GetElapsed(), 1500.0);
}
