// Whole careers played by the scripted player with fixed seeds, one test per strategy:
// every day's state holds its invariants and nothing is reported; the sensible band gets
// to gig, the idle one is never signed, and no strategy's cash or fame runs away.
#include "player/ScriptedPlayer.h"

#include "career/SIM_Album.h"
#include "career/SIM_Song.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_SIM.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iostream>

namespace {

// The game's own data, read where the build put it; user files in the sandbox.
class ScriptedCareerTest : public SandboxTest, public ::testing::WithParamInterface<PlayerStrategy> {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        CopyShippedData();
    }
    // Careers short enough for the sanitizers: five years each.
    static constexpr float kYears = 5.0f;
    static constexpr unsigned kSeeds[] = {11, 2024, 77777};
};

TEST_P(ScriptedCareerTest, SeededCareersHoldTogether)
{
    for (unsigned seed : kSeeds) {
        const CareerSummary s = PlayCareer({seed, GetParam(), kYears});
        std::cout << s.Line() << "\n";
        EXPECT_TRUE(s.reports.empty()) << s.Line() << "\n" << s.reports.front();
        EXPECT_EQ(s.invariantBreakCount, 0) << s.Line() << "\n" << (s.invariantBreaks.empty() ? "" : s.invariantBreaks.front());
        EXPECT_GE(s.days, static_cast<int>(kYears * SIM_Date::DaysPerYear) - 1) << "the career runs to its end";
        EXPECT_LT(s.maxCash, 5.0e6f) << s.Line();
        switch (GetParam()) {
        case PlayerStrategy::Sensible:
            EXPECT_GE(s.stage, 2) << "a sensible band gets to gig: " << s.Line();
            EXPECT_GT(s.gigs, 10) << s.Line();
            break;
        case PlayerStrategy::Reckless:
            EXPECT_GT(s.purchases, 0) << s.Line();
            break;
        case PlayerStrategy::Idle:
            EXPECT_FALSE(s.isSigned) << s.Line();
            EXPECT_EQ(s.gigs, 0) << s.Line();
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Strategies, ScriptedCareerTest,
                         ::testing::Values(PlayerStrategy::Sensible, PlayerStrategy::Reckless, PlayerStrategy::Idle),
                         [](const auto& info) { return std::string(StrategyName(info.param)); });

// The same seed plays the same career.
TEST_F(ScriptedCareerTest, ACareerReplaysExactlyFromItsSeed)
{
    const CareerSummary a = PlayCareer({5, PlayerStrategy::Sensible, 1.0f});
    const CareerSummary b = PlayCareer({5, PlayerStrategy::Sensible, 1.0f});
    EXPECT_EQ(a.Line(), b.Line());
}

// The daily check finds a fault planted in a played state, and finds nothing once it is
// put right.
TEST_F(ScriptedCareerTest, TheDailyCheckFindsPlantedFaults)
{
    CareerOptions options {3, PlayerStrategy::Sensible, 5.0f};
    options.stopAfterDays = 60;
    ScriptedPlayer player(options);
    player.Play();
    ASSERT_TRUE(CheckInvariants().empty()) << CheckInvariants().front();
    ASSERT_FALSE(SIM_GetBand()->GetMembers().empty());
    const auto unrecorded = std::find_if(SIM_Song::All.begin(), SIM_Song::All.end(), [](auto* s) { return !s->GetAlbum(); });
    ASSERT_NE(unrecorded, SIM_Song::All.end());
    SIM_Song* song = *unrecorded;
    SIM_Musician* member = SIM_GetBand()->GetMembers().front();
    SIM_NamedValue* bandValue = SIM_GetBand()->GetAttributes().GetRawList().front();
    const float cash = SIM_GetFinances()->GetCash();
    const float quality = song->GetQuality();
    const float boredom = member->GetBoredom();
    const float value = bandValue->GetValue();
    const int gigs = SIM_GetStatistics()->GetIntCounter(SIM_Statistics::GIGS_PLAYED);
    SIM_Album* album = nullptr;

    const struct {
        const char* fault;
        std::function<void()> plant;
        std::function<void()> mend;
    } faults[] = {
        {"cash", [] { SIM_GetFinances()->SetCash(NAN); }, [&] { SIM_GetFinances()->SetCash(cash); }},
        {"cash", [] { SIM_GetFinances()->SetCash(1.0e12f); }, [&] { SIM_GetFinances()->SetCash(cash); }},
        {"quality", [&] { song->SetQuality(1.5f); }, [&] { song->SetQuality(quality); }},
        {"attribute", [&] { member->SetBoredom(INFINITY); }, [&] { member->SetBoredom(boredom); }},
        {"named value", [&] { bandValue->SetValue(NAN); }, [&] { bandValue->SetValue(value); }},
        {"gigs played", [&] { SIM_GetStatistics()->SetIntCounter(SIM_Statistics::GIGS_PLAYED, gigs + 1); },
         [&] { SIM_GetStatistics()->SetIntCounter(SIM_Statistics::GIGS_PLAYED, gigs); }},
        {"not on its album's tracks",
         [&] {
             album = SIM_Album::Create();
             song->SetAlbum(album);
         },
         [&] {
             song->SetAlbum(nullptr);
             album->Cancel();
         }},
    };
    for (const auto& f : faults) {
        f.plant();
        const std::vector<std::string> breaks = CheckInvariants();
        f.mend();
        ASSERT_FALSE(breaks.empty()) << f.fault;
        EXPECT_NE(breaks.front().find(f.fault), std::string::npos) << breaks.front();
        EXPECT_TRUE(CheckInvariants().empty()) << f.fault << " mended";
    }
    SIM_GetSim()->Close();
}

} // namespace
