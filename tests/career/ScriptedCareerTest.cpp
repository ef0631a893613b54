// Whole careers played by the scripted player with fixed seeds, one test per strategy:
// every day's state holds its invariants and nothing is reported; the sensible band gets
// to gig, the idle one is never signed, and no strategy's cash or fame runs away.
#include "player/ScriptedPlayer.h"

#include "sim/SIM_Date.h"
#include "sim/SIM_SIM.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

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

} // namespace
