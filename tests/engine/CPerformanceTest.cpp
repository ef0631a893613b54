// The section profiler's bookkeeping and the renderer counters.
#include "engine/CPerformance.h"
#include "engine/GDebugEngine.h"
#include "support/TestSupport.h"


namespace {

class PerformanceTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        GetDebug()->Initialise();
    }
    std::string Log() const { return ReadWholeFile(GetDebugLogPath()); }
    CPerformance perf;
};

TEST_F(PerformanceTest, SectionsCountStartsAndTakePaletteColours)
{
    perf.StartTime("draw");
    perf.StartTime("draw");
    ASSERT_EQ(perf.GetSections().size(), 1u);
    EXPECT_EQ(perf.Find("draw")->count, 2);
    EXPECT_EQ(perf.GetCurrentName(), "draw");
    perf.EndTime("draw");
    EXPECT_EQ(perf.GetCurrentName(), "undefined");

    for (const char* name : {"b", "c", "d", "e", "f", "g"})
        perf.StartTime(name);
    ASSERT_EQ(perf.GetSections().size(), 7u);
    EXPECT_EQ(perf.Find("b")->colour, CPerformance::Palette[1]);
    EXPECT_EQ(perf.Find("g")->colour, CPerformance::Palette[0]); // the seventh wraps round
}

TEST_F(PerformanceTest, TimersRunOnlyWhileTheSectionIsOpen)
{
    perf.StartTime("sim");
    clock.Advance(30);
    perf.EndTime("sim");
    clock.Advance(100);
    perf.StartTime("sim");
    clock.Advance(10);
    perf.EndTime("sim");
    EXPECT_DOUBLE_EQ(perf.Find("sim")->totalTimer.GetElapsed(), 40.0);
    perf.Release();
    EXPECT_NE(Log().find("--PERFORMANCE DATA--"), std::string::npos);
    EXPECT_NE(Log().find("sim\t\t20.000000"), std::string::npos);
    EXPECT_NE(Log().find("--END--"), std::string::npos);

    perf.EndTime("never started");
    EXPECT_NE(Log().find("Performance tag mismatch"), std::string::npos);
}

TEST_F(PerformanceTest, HistoryMovesEveryFifthFrame)
{
    perf.StartTime("ai");
    perf.EndTime("ai");
    for (int frame = 1; frame <= 10; ++frame) {
        perf.BeginFrame();
        perf.StartTime("ai");
        clock.Advance(uint32_t(frame));
        perf.EndTime("ai");
        perf.EndFrame();
    }
    const CPerformanceObject* s = perf.Find("ai");
    EXPECT_FLOAT_EQ(s->history[31], 10.0f);
    EXPECT_FLOAT_EQ(s->history[30], 5.0f);
    EXPECT_FLOAT_EQ(s->history[29], 0.0f);
}

TEST(GPerfStats, CountersAddUpAndReset)
{
    GPerfStats stats;
    stats.ChangeStat(GPerfStats::TEXTURESWAPS, 2.5f);
    stats.ChangeStat(GPerfStats::TEXTURESWAPS, 1.0f);
    stats.ChangeStat(GPerfStats::PIXELSDRAWN, 1234.6f);
    EXPECT_EQ(stats.Lines(), (std::vector<std::string> {"GDILOCKS: 0.00", "TEXTURESWAPS: 3.50", "PIXELSDRAWN: 1235"}));
    stats.Reset();
    EXPECT_EQ(stats.GetStat(GPerfStats::TEXTURESWAPS), 0.0f);
}

} // namespace

TEST(PerformanceDeathTest, UnnamedSectionStopsWithItsAssertion)
{
    EXPECT_DEATH(CPerformance().StartTime(nullptr), "failed assertion `fname'\n");
}
