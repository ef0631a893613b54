// A whole career, day after day, with a full band and the shipped data.
#include "sim/BandFixture.h"

#include "sim/SIM_Date.h"

#include <cmath>

TEST_F(BandTest, AFullBandPlaysAWholeCareerWithoutAReport)
{
    const float years = ReopenWithShippedValues();
    ASSERT_GT(years, 0.0f);
    SIM_GetSim()->Reset();
    HireFullBand();
    ASSERT_TRUE(SIM_GetBand()->Valid());
    screens.Clear();

    const int days = static_cast<int>(years * static_cast<float>(SIM_Date::DaysPerYear));
    for (int day = 0; day < days + 1 && !SIM_GetSim()->IsTenYearsUp(); ++day)
        SIM_GetSim()->EndDay();

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
    SIM_GetSim()->Reset();
    EXPECT_TRUE(SIM_Musician::All.empty());
    EXPECT_EQ(screens.Count("MusicianDeleted"), 5);
}
