// Endorsements: the table, when an offer is made, and what accepting or rejecting does.
#include "career/CareerFixture.h"

#include "career/SIM_Endorsement.h"
#include "career/SIM_EndorsementManager.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_NamedValue.h"

namespace {
class EndorsementTest : public CareerTest {
protected:
    void UseEndorsements(std::initializer_list<const char*> rows)
    {
        WriteTable(SIM_Endorsement::File, rows);
        SIM_Endorsement::Open();
    }
    // Days of the manager until it makes an offer, at most `limit`; -1 when none came.
    int DaysUntilOffer(int limit)
    {
        for (int day = 1; day <= limit; ++day) {
            SIM_GetEndorsements()->NextDay();
            if (screens.Has("OpenEndorsement"))
                return day;
        }
        return -1;
    }
};
}

TEST_F(EndorsementTest, RowsAreReadAndANewGameStartsWithEveryEndorsementUnoffered)
{
    UseEndorsements({"Fizz Cola,1500,Put our name on it,0.3", "Short"});
    ASSERT_EQ(SIM_Endorsement::All.size(), 2u);
    SIM_Endorsement* fizz = SIM_Endorsement::GetByName("Fizz Cola");
    ASSERT_NE(fizz, nullptr);
    EXPECT_FLOAT_EQ(fizz->GetAmount(), 1500.0f);
    EXPECT_EQ(fizz->GetText(), "\"Put our name on it\"");
    EXPECT_FLOAT_EQ(fizz->GetFameHitChance(), 0.3f);
    EXPECT_FLOAT_EQ(SIM_Endorsement::GetByName("Short")->GetAmount(), 0.0f) << "a short row keeps defaults";
    EXPECT_EQ(SIM_Endorsement::GetByName("Nobody"), nullptr);

    fizz->Reject();
    EXPECT_EQ(SIM_Endorsement::GetByName("Fizz Cola"), nullptr) << "answered offers are not found";
    EXPECT_TRUE(SIM_Endorsement::MarkOffered("Short"));
    EXPECT_FALSE(SIM_Endorsement::MarkOffered("Short"));
    SIM_GetSim()->Reset();
    EXPECT_TRUE(SIM_Endorsement::Offered.empty());
    EXPECT_FALSE(SIM_Endorsement::All.empty());
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(EndorsementTest, OffersNeedAManagerFameTenQuietDaysAndAnUnofferedSponsor)
{
    UseEndorsements({"A,100,x,0", "B,100,x,0"});
    SIM_NamedValueList::ForceGlobal("manager", 1.0f);
    SetFame(500.0f); // a daily chance of 1

    struct Case {
        const char* what;
        bool manager;
        float fame;
        int expected;
    };
    const Case cases[] = {
        {"no manager", false, 500, -1},
        {"fame 74", true, 74, -1},
        {"famous with a manager: the tenth day", true, 500, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SIM_GetEndorsements()->Initialise();
        SIM_NamedValueList::ForceGlobal("manager", c.manager ? 1.0f : 0.0f);
        SetFame(c.fame);
        screens.Clear();
        EXPECT_EQ(DaysUntilOffer(30), c.expected);
    }
    EXPECT_EQ(SIM_GetEndorsements()->GetDays(), 0) << "the count restarts at an offer";
    screens.Clear();
    EXPECT_EQ(DaysUntilOffer(30), 10) << "offers come at least ten days apart";

    SIM_Endorsement::All.front()->Accept();
    SIM_Endorsement::All.front()->Reject();
    SIM_GetEndorsements()->Initialise();
    screens.Clear();
    EXPECT_EQ(DaysUntilOffer(30), -1) << "every endorsement has been offered";
    SIM_GetEndorsements()->OfferEndorsement();
    EXPECT_FALSE(screens.Has("OpenEndorsement"));
    EXPECT_EQ(screens.reports.size(), 1u) << "offering from an empty list is a fault, not a crash";
}

TEST_F(EndorsementTest, BusinessmenRaiseTheDailyChance)
{
    SetFame(100.0f);
    Hire(INSTRUMENT_DRUMS, 0.5f, {"businessman"});
    Hire(INSTRUMENT_BASS, 0.5f, {"businessman"});
    Hire(INSTRUMENT_GUITAR);
    EXPECT_NEAR(SIM_EndorsementManager::DailyChance(), 0.24f, 1e-6f);
}

TEST_F(EndorsementTest, AcceptingPaysRenamesTheBandAndMayCostFameOnce)
{
    UseEndorsements({"Safe Co,1000,x,0", "Risky Co,4000,x,0.8", "Sure Co,500,x,1"});
    SIM_GetBand()->SetName("The Testers");
    SetFame(200.0f);
    SIM_GetFinances()->SetCash(0.0f);

    SIM_Endorsement* safe = SIM_Endorsement::GetByName("Safe Co");
    EXPECT_FLOAT_EQ(safe->Accept(), 0.0f);
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 1000.0f);
    EXPECT_FLOAT_EQ(safe->GetFameHitChance(), 0.0f) << "cash not above 3000: no raise, and 0 never hits";
    EXPECT_TRUE(safe->IsAnswered());

    SIM_Endorsement* risky = SIM_Endorsement::GetByName("Risky Co");
    const float hit = risky->Accept();
    EXPECT_NEAR(risky->GetFameHitChance(), 1.2f, 1e-6f) << "rich and famous: the chance rises by half";
    EXPECT_GE(hit, 0.15f);
    EXPECT_LE(hit, 0.32f);
    const SIM_Effect* loss = nullptr;
    for (const SIM_Effect* e : SIM_GetFame()->GetEffects())
        if (e->GetDebugName() == "Risky Co")
            loss = e;
    ASSERT_NE(loss, nullptr);
    EXPECT_NEAR(loss->GetEffect(), -200.0f * hit, 1e-3f);
    EXPECT_GE(-loss->GetEffect(), 30.0f);
    EXPECT_LE(-loss->GetEffect(), 64.0f);
    EXPECT_TRUE(screens.Has("PlaySound data/sounds/crowd_small_boo2.ogg"));
    const std::string sponsored = SIM_GetBand()->GetSponsoredName();
    EXPECT_NE(sponsored.find("Risky Co"), std::string::npos) << "built from the second sponsor";
    EXPECT_NE(sponsored.find("The Testers"), std::string::npos);

    // Answering again pays and moves nothing.
    const float cash = SIM_GetFinances()->GetCash();
    const size_t effects = SIM_GetFame()->GetEffects().size();
    EXPECT_FLOAT_EQ(risky->Accept(), 0.0f);
    risky->Reject();
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), cash);
    EXPECT_EQ(SIM_GetFame()->GetEffects().size(), effects);
    EXPECT_EQ(SIM_Endorsement::Offered.size(), 2u);

    SIM_Endorsement* sure = SIM_Endorsement::GetByName("Sure Co");
    sure->Reject();
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), cash) << "rejecting changes nothing else";
    EXPECT_EQ(SIM_GetBand()->GetSponsoredName(), sponsored);
    EXPECT_FLOAT_EQ(sure->Accept(), 0.0f) << "a rejected offer cannot be accepted later";
    EXPECT_TRUE(screens.reports.empty());
}
