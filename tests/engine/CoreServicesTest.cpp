#include "engine/GDebugEngine.h"
#include "engine/GRandom.h"
#include "engine/GTimer.h"
#include "engine/RefCounted.h"
#include "support/TestSupport.h"

#include <cstdlib>

class DebugLogTest : public SandboxTest {};

TEST_F(DebugLogTest, FirstAndLastLinesAndEmptyLine)
{
    GDebugEngine log;
    log.DebugOut("before open is dropped");
    log.Initialise();
    log.DebugOut("hello");
    log.DebugOut("");
    DebugOutF("%s %d", "ignored", 1); // goes to the global log, which is not open
    log.Shutdown();
    // In the per-user folder, made when missing; the second line dates the run.
    EXPECT_EQ(GetDebugLogPath(), config.Str() + "/zelvaamplivance/debugdata/debug.txt");
    std::string text = ReadWholeFile(GetDebugLogPath());
    ASSERT_EQ(text.rfind("----DEBUG FILE----\nStarted 2", 0), 0u) << text;
    std::string rest = text.substr(text.find('\n', 19) + 1);
    EXPECT_EQ(rest, "hello\n\nEND DEBUG---\n");
}

TEST_F(DebugLogTest, TheRunBeforeIsKeptAndOnlyThatOne)
{
    for (const char* line : {"first run", "second run", "third run"}) {
        GDebugEngine log;
        log.Initialise();
        log.DebugOut(line);
        log.Shutdown();
    }
    std::string current = ReadWholeFile(GetDebugLogPath());
    std::string previous = ReadWholeFile(GetPreviousDebugLogPath());
    EXPECT_NE(current.find("third run"), std::string::npos);
    EXPECT_EQ(current.find("second run"), std::string::npos);
    EXPECT_NE(previous.find("second run"), std::string::npos);
    EXPECT_EQ(previous.find("first run"), std::string::npos);
}

TEST_F(DebugLogTest, LogThatCannotOpenIsSilent)
{
    // The per-user folder cannot be made: a file stands where its parent should be.
    std::string blocker = config.Write("blocker", "a file");
    setenv("XDG_CONFIG_HOME", blocker.c_str(), 1);
    GDebugEngine log;
    log.Initialise();
    EXPECT_FALSE(log.IsOpen());
    log.DebugOut("nothing");
    log.Shutdown();
}

TEST(DebugFlagsTest, ExactNames)
{
    GDebugEngine log;
    log.SetFlag("Trace");
    EXPECT_TRUE(log.IsSet("Trace"));
    EXPECT_FALSE(log.IsSet("trace"));
}

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override { SetClockSource(&clock); }
    void TearDown() override { SetClockSource(nullptr); }
    GManualClock clock {1000};
};

TEST_F(TimerTest, PausedSpanIsNotCounted)
{
    GTimer t;
    EXPECT_TRUE(t.IsPaused());
    t.StartTimer();
    clock.Advance(100);
    t.PauseTimer();
    clock.Advance(5000);
    t.Update();
    t.UnPauseTimer();
    t.Update();
    EXPECT_DOUBLE_EQ(t.GetElapsed(), 100.0);
}

TEST_F(TimerTest, MultiplierScalesThrottleAndElapsed)
{
    GTimer t;
    t.SetMultiplier(2.0f);
    t.StartTimer();
    clock.Advance(120);
    t.Update();
    EXPECT_FLOAT_EQ(t.GetThrottle(), 20.0f);
    EXPECT_DOUBLE_EQ(t.GetElapsed(), 240.0);
}

TEST_F(TimerTest, ClockWrapGivesSmallPositiveDelta)
{
    clock.Set(0xFFFFFFF0u);
    GTimer t;
    t.StartTimer();
    clock.Set(0x20u);
    t.Update();
    EXPECT_DOUBLE_EQ(t.GetElapsed(), 48.0);
}

TEST(FormatAsTimeTest, Table)
{
    struct Case { double ms; const char* text; } cases[] = {
        {83456, "1:23:45"}, {59999, "0:59:99"}, {0, "0:00:00"}, {600000, "10:00:00"},
    };
    for (auto& c : cases) {
        char buf[32];
        GTimer::FormatAsTime(buf, c.ms);
        EXPECT_STREQ(buf, c.text) << c.ms;
    }
}

TEST(RandomTest, ChanceAndRanges)
{
    std::srand(7);
    for (int i = 0; i < 1000; ++i) {
        EXPECT_FALSE(GRandom::IsChance(0.0f));
        EXPECT_EQ(GRandom::RandReal(5, 5), 5.0f);
        float r = GRandom::RandReal(2, 4);
        EXPECT_GE(r, 2.0f);
        EXPECT_LE(r, 4.0f);
    }
    EXPECT_EQ(GRandom::RandIndex(0), 0u);
}

namespace {
struct Counted : RefCounted {
    explicit Counted(bool* flag) : deleted(flag) {}
    ~Counted() override { *deleted = true; }
    bool* deleted;
};
} // namespace

TEST(RefCountedTest, DeletesAtZero)
{
    bool deleted = false;
    auto* c = new Counted(&deleted);
    c->AddRefcount();
    c->RemoveRefcount();
    EXPECT_FALSE(deleted);
    c->RemoveRefcount();
    EXPECT_TRUE(deleted);
}
