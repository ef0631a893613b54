// The play balancer: when a player counts as stuck, the day's status, and what the net
// worth counts; the turn logger's file.
#include "career/AssetFixture.h"
#include "career/SIM_Gig.h"
#include "career/SIM_Venue.h"
#include "sim/GAM_Logger.h"
#include "sim/GAM_PlayBalancer.h"
#include "sim/SimFixture.h"

#include <cmath>
#include <filesystem>
#include <string>

namespace {

// A history of 20 days (plus `older` days before them): the ten newest each worth
// newest / 10, the ten before each worth earlier / 10.
GAM_PlayBalancer History(float newest, float earlier, int older = 0, float olderWorth = 0.0f)
{
    GAM_PlayBalancer b;
    for (int i = 0; i < 10; ++i)
        b.AddEntry(newest / 10.0f);
    for (int i = 0; i < 10; ++i)
        b.AddEntry(earlier / 10.0f);
    for (int i = 0; i < older; ++i)
        b.AddEntry(olderWorth);
    return b;
}

} // namespace

TEST(PlayBalancer, StuckWhenTheNewestTenDaysGrewByLessThanFivePercent)
{
    struct Case {
        const char* what;
        float newest; // sum of the ten newest days
        float earlier; // sum of the ten before
        bool stuck;
    };
    const Case cases[] = {
        {"flat", 1000, 1000, true},
        {"grew 4%", 1040, 1000, true},
        {"grew 6%", 1060, 1000, false},
        {"fell", 900, 1000, true},
        {"from nothing to something", 100, 0, false},
        {"nothing at all", 0, 0, false},
        {"from nothing into debt", -100, 0, true},
        {"debt, flat", -1000, -1000, true},
        {"debt, sinking deeper", -2000, -1000, true},
        {"debt, halved", -500, -1000, false},
        {"debt, paid off 4%", -960, -1000, true},
        {"out of debt", 500, -1000, false},
        {"into debt", -500, 1000, true},
    };
    for (const Case& c : cases) {
        GAM_PlayBalancer b = History(c.newest, c.earlier);
        EXPECT_EQ(b.IsStuck(), c.stuck) << c.what;
    }

    // The stored ratio is newest over earlier, as single-precision division gives it.
    GAM_PlayBalancer flat = History(1000, 1000);
    flat.IsStuck();
    EXPECT_FLOAT_EQ(flat.GetRatio(), 1.0f);
    GAM_PlayBalancer up = History(100, 0);
    up.IsStuck();
    EXPECT_TRUE(std::isinf(up.GetRatio()) && up.GetRatio() > 0);
    GAM_PlayBalancer none = History(0, 0);
    none.IsStuck();
    EXPECT_TRUE(std::isnan(none.GetRatio()));

    // Days before the twenty newest play no part; nineteen days are never stuck.
    EXPECT_FALSE(History(1100, 1000, 30, 1e6f).IsStuck());
    GAM_PlayBalancer young;
    for (int i = 0; i < 19; ++i)
        young.AddEntry(-50.0f);
    EXPECT_FALSE(young.IsStuck());
}

TEST_F(SimTest, TheDailyStatusIsNormalForNineteenDaysThenJudgesTheGrowth)
{
    NewGame(2);
    GAM_PlayBalancer* b = GAM_GetBalancer();
    EXPECT_EQ(b->GetStatus(), GAM_PlayBalancer::STATUS_NORMAL);
    EXPECT_TRUE(b->GetHistory().empty());
    b->Reset();

    SIM_GetFinances()->SetCash(500.0f);
    for (int day = 0; day < 19; ++day) {
        b->NextDay();
        EXPECT_EQ(b->GetStatus(), GAM_PlayBalancer::STATUS_NORMAL) << day;
    }
    b->NextDay();
    EXPECT_EQ(b->GetStatus(), GAM_PlayBalancer::STATUS_STUCK); // flat worth
    EXPECT_FLOAT_EQ(b->GetRatio(), 1.0f);
    EXPECT_FLOAT_EQ(b->GetHistory().front().worth, 500.0f);

    // Growing 1% a day: the newest ten are about 10.5% over the ten before.
    float cash = 500.0f;
    for (int day = 0; day < 20; ++day) {
        cash *= 1.01f;
        SIM_GetFinances()->SetCash(cash);
        b->NextDay();
    }
    EXPECT_EQ(b->GetStatus(), GAM_PlayBalancer::STATUS_NORMAL);
    EXPECT_NEAR(b->GetRatio(), 1.105f, 0.001f);
    EXPECT_FALSE(b->IsWinning());
    EXPECT_EQ(b->GetHistory().size(), 40u);
    EXPECT_FLOAT_EQ(b->GetHistory().front().worth, cash); // newest first

    b->Reset();
    EXPECT_TRUE(b->GetHistory().empty());
    EXPECT_EQ(b->GetStatus(), GAM_PlayBalancer::STATUS_NORMAL);
    EXPECT_FLOAT_EQ(b->GetRatio(), 0.0f);
}

TEST_F(SimTest, ADayPassRecordsTheDaysWorth)
{
    NewGame(2);
    EndDays(3);
    EXPECT_EQ(GAM_GetBalancer()->GetHistory().size(), 3u);
    EXPECT_FLOAT_EQ(GAM_GetBalancer()->GetHistory().front().worth, GAM_PlayBalancer::GetNetWorth());
}

namespace {
class NetWorthTest : public AssetTest {};
}

TEST_F(NetWorthTest, WorthCountsCashPaidRentalsAndOwnedAssets)
{
    resources.Write(SIM_Venue::File, "Columns: marker, name, ...\n"
                                     "#,pub,The Pub,LOCAL,0,0.1,0.5,50,20,0,5,1,1,80,Small,pub.jpg,pub_bd.jpg\n");
    SIM_Venue::Open();
    SIM_Venue* pub = SIM_Venue::GetByName("pub");
    ASSERT_NE(pub, nullptr);
    SetCash(1000.0f);
    EXPECT_FLOAT_EQ(GAM_PlayBalancer::GetNetWorth(), 1000.0f);

    // Booking a normal gig pays its rental, which still counts: the worth does not drop.
    (new SIM_Gig(pub, SIM_Gig::NORMAL))->Book();
    EXPECT_FLOAT_EQ(Cash(), 980.0f);
    EXPECT_FLOAT_EQ(GAM_PlayBalancer::GetNetWorth(), 1000.0f);
    // A charity gig paid nothing and counts nothing.
    (new SIM_Gig(pub, SIM_Gig::CHARITY))->Book();
    EXPECT_FLOAT_EQ(GAM_PlayBalancer::GetNetWorth(), 1000.0f);

    // An asset counts its price; merchandise the stock's sale value.
    Get("van")->Purchase(false);
    EXPECT_FLOAT_EQ(GAM_PlayBalancer::GetNetWorth(), 3000.0f);
    auto* shirts = GetAs<SIM_Merchandise>("shirts");
    shirts->Purchase(false);
    ASSERT_GT(shirts->GetQuantity(), 0);
    EXPECT_FLOAT_EQ(GAM_PlayBalancer::GetNetWorth(), 3000.0f + float(shirts->GetQuantity()) * shirts->GetUnitPrice());
    SIM_Gig::Reset();
}

namespace {
class TurnLoggerTest : public BandTest {};
}

TEST_F(TurnLoggerTest, EachLineHoldsTheFiguresWithThePreviousMeansAndGoesToTheUserFolder)
{
    EndDays(2);
    GAM_Logger logger;
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS, 0.5f);
    SIM_Musician* b = Hire(INSTRUMENT_BASS, 0.75f);
    a->SetResentment(0.25f);
    b->SetResentment(0.5f);
    a->GetStress()->SetValue(0.25f);
    b->GetStress()->SetValue(0.75f);
    SIM_GetFinances()->SetCash(1234.9f);
    logger.LogTurn(); // the means of no earlier calculation: 0
    EXPECT_FLOAT_EQ(logger.GetAbility(), 0.625f);
    EXPECT_FLOAT_EQ(logger.GetResentment(), 0.375f);
    EXPECT_FLOAT_EQ(logger.GetStress(), 0.5f);
    EXPECT_FLOAT_EQ(logger.GetMotivation(), (a->GetMotivation() + b->GetMotivation()) / 2);

    SIM_GetFinances()->SetCash(-7.5f);
    logger.LogTurn();
    const std::string fame = std::to_string(int(SIM_GetFame()->GetFame()));
    const std::string motivation = std::to_string(int(100.0f * logger.GetMotivation()));
    EXPECT_EQ(ReadWholeFile(GAM_Logger::GetPath()),
              "2," + fame + ",1234,0,0,0,0\n2," + fame + ",-7," + motivation + ",37,62,50\n");
    EXPECT_EQ(GAM_Logger::GetPath(), config.Str() + "/zelvaamplivance/balance_log.txt");
    EXPECT_FALSE(std::filesystem::exists(resources.Str() + "/data/balance_log.txt"));
    EXPECT_TRUE(screens.reports.empty());

    // Without musicians the means stay.
    SIM_GetBand()->ClearMembers();
    logger.CalculateData();
    EXPECT_FLOAT_EQ(logger.GetAbility(), 0.625f);

    // A log that cannot be written is one warning; the game goes on.
    std::filesystem::remove(GAM_Logger::GetPath());
    std::filesystem::create_directories(GAM_Logger::GetPath());
    logger.LogTurn();
    ASSERT_EQ(screens.reports.size(), 1u);
    EXPECT_EQ(screens.reports[0].rfind("GWarning Failed to write the balance log", 0), 0u);
}
