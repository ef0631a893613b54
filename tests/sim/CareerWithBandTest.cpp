// A whole career, day after day, with a full band and the shipped data.
#include "sim/BandFixture.h"

#include "sim/SIM_Auditionee.h"
#include "sim/SIM_Date.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

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
