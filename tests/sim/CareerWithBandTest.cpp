// A whole career, day after day, with a full band and the shipped data.
#include "sim/BandFixture.h"

#include "career/SIM_AssetKinds.h"
#include "career/SIM_AssetMusic.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"

#include <cmath>

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

TEST_F(BandTest, AFullBandPlaysAWholeCareerWithoutAReport)
{
    const float years = ReopenWithShippedValues();
    ASSERT_GT(years, 0.0f);
    SIM_GetSim()->Reset();
    HireFullBand();
    ASSERT_TRUE(SIM_GetBand()->Valid());
    screens.Clear();

    const int days = static_cast<int>(years * static_cast<float>(SIM_Date::DaysPerYear));
    SIM_GetFinances()->SetCash(100000.0f); // enough for the shopping below
    for (int day = 0; day < days + 1 && !SIM_GetSim()->IsTenYearsUp(); ++day) {
        VisitShop(day);
        SIM_GetSim()->EndDay();
    }

    EXPECT_TRUE(SIM_GetSim()->IsTenYearsUp());
    EXPECT_TRUE(screens.Alerts().empty()) << screens.Alerts().front();
    EXPECT_FALSE(SIM_Musician::BResignationPending);
    const auto& members = SIM_GetBand()->GetMembers();
    EXPECT_EQ(SIM_Relationship::All.size(), members.size() * (members.size() - 1) / 2);
    for (SIM_Musician* m : members) {
        EXPECT_TRUE(m->IsActive());
        EXPECT_EQ(m->GetRelationships().size(), members.size() - 1);
        EXPECT_GE(m->GetMotivation(), 0.0f);
        EXPECT_LE(m->GetMotivation(), 1.0f);
    }
    EXPECT_EQ(SIM_Musician::All.size(), 5u) << "those who left stay until a new game";
    for (const char* name : {"band_rehearsal", "band_stress", "band_chemistry", "band_musicianship",
                             "band_live_experience", "band_motivation", "band_hype"}) {
        const float v = SIM_GetBand()->GetValue(name);
        EXPECT_FALSE(std::isnan(v)) << name;
    }
    // What the shop left: the current line-up and stock, nothing sold still held.
    for (const char* owned : {"roadie", "tour bus", "signature guitar", "smokemachine", "velvet engine"})
        EXPECT_NE(SIM_Asset::GetOwnedByName(owned), nullptr) << owned;
    for (const char* sold : {"cheap van", "hollow body guitar", "masseuse"})
        EXPECT_EQ(SIM_Asset::GetOwnedByName(sold), nullptr) << sold;
    EXPECT_EQ(SIM_Asset::OwnedAssets.size(), 7u); // with the T-shirts and the video

    SIM_GetSim()->Reset();
    EXPECT_TRUE(SIM_Musician::All.empty());
    EXPECT_TRUE(SIM_Asset::OwnedAssets.empty());
    EXPECT_EQ(screens.Count("MusicianDeleted"), 5);
}
