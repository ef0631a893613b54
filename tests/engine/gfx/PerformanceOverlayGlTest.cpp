// The profiler's graphs and the counters' box reach the screen.
#include "GlTestFixture.h"

#include "engine/CPerformance.h"
#include "engine/LibTextEngine.h"

TEST_F(GlTest, ProfilerGraphRunsAlongTheBaselineInTheSectionColour)
{
    CPerformance perf;
    perf.StartTime("frame");
    perf.EndTime("frame");
    BeginFrame(0xFF000000u);
    perf.Render(GetTextEngine());
    RgbaImage image = EndFrame();
    // No time recorded: the history is flat at y 400, drawn in the first palette colour.
    uint32_t pixel = image.At(200, 400) | image.At(200, 399) | image.At(200, 401);
    EXPECT_EQ(pixel & 0xFFFFFFu, CPerformance::Palette[0] & 0xFFFFFFu);
    EXPECT_EQ(image.At(200, 300) & 0xFFFFFFu, 0u);
}

TEST_F(GlTest, PerfStatsBoxIsFilledBlackInsideAWhiteFrame)
{
    GPerfStats stats;
    stats.ChangeStat(GPerfStats::TEXTURESWAPS, 3);
    BeginFrame(0xFFFF0000u); // blue background
    stats.Draw();
    RgbaImage image = EndFrame();
    EXPECT_EQ(image.At(220, 125) & 0xFFFFFFu, 0u);          // inside the box, below the text
    EXPECT_EQ(image.At(300, 200) & 0xFFFFFFu, 0xFF0000u);   // outside: the background
}
