// The screen fader's callbacks, the texture cache, and where reports go.
#include "harness/GameHarness.h"

#include "engine/gfx/D3DEngine.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_TextureCache.h"
#include "shell/Input.h"
#include "shell/ShellScreens.h"
#include "sim/GAssert.h"

namespace {

std::vector<std::string> order;
void First(intptr_t a) { order.push_back("first:" + std::to_string(a)); }
void Second(intptr_t a) { order.push_back("second:" + std::to_string(a)); }
void StartsAFadeIn(intptr_t) { GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN); }

class FaderTest : public ToolkitHarness {
protected:
    void SetUp() override
    {
        ToolkitHarness::SetUp();
        order.clear();
    }
};

using ReportTest = ToolkitHarness;
using TextureCacheTest = ToolkitHarness;

} // namespace

TEST_F(FaderTest, ReplacingAFadeKeepsPendingCallbacksInOrder)
{
    GUI_ScreenFader* f = GUI_GetFader();
    f->StartFade(GUI_ScreenFader::FADE_OUT, First, 1);
    Step(2);
    f->StartFade(GUI_ScreenFader::FADE_OUT, First, 1); // identical: merged
    f->StartFade(GUI_ScreenFader::FADE_OUT, Second, 2);
    f->StartFade(GUI_ScreenFader::FADE_IN); // a fade in without a callback drops nothing
    WaitFade();
    EXPECT_EQ(order, (std::vector<std::string> {"first:1", "second:2"}));
}

TEST_F(FaderTest, FadeOutBlocksClicksAndKeysUntilItEnds)
{
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, First, 0);
    EXPECT_TRUE(Input()->GetIgnoreClicks());
    Click(10, 10);
    PressKey(kKeyEscape);
    EXPECT_EQ(mode.clicks, 0);
    EXPECT_TRUE(mode.keys.empty());
    WaitFade();
    EXPECT_FALSE(Input()->GetIgnoreClicks());
    // A fade in neither blocks clicks and keys nor leaves them blocked.
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    Click(10, 10);
    PressKey(kKeyEscape);
    EXPECT_EQ(mode.clicks, 1);
    EXPECT_EQ(mode.keys, std::vector<unsigned> {kKeyEscape});
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT);
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    WaitFade();
    EXPECT_FALSE(Input()->GetIgnoreClicks());
}

TEST_F(FaderTest, DarknessFollowsTheClockAndAFadeStartedByTheCallbackStands)
{
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, StartsAFadeIn, 0);
    Step(1, 75);
    EXPECT_NEAR(GUI_GetFader()->GetDarkness(), 0.5f, 0.01f);
    clock.Advance(42);
    RgbaImage half = CaptureFrame(); // 150 ms: the last, fully black frame
    EXPECT_EQ(half.At(512, 384) & 0x00FFFFFFu, 0u);
    EXPECT_EQ(GUI_GetFader()->GetType(), GUI_ScreenFader::FADE_IN);
    WaitFade();
    EXPECT_EQ(GUI_GetFader()->GetDarkness(), 0.0f);
}

TEST_F(TextureCacheTest, HandlesAreFetchedAtStartAndOutOfRangeIdsDoNothing)
{
    GUI_TextureCache* cache = GUI_GetTextureCache();
    for (int id = 0; id < TEX_COUNT; ++id)
        EXPECT_NE(cache->GetHandle(id), 0u) << GUI_TextureCache::Names[id];
    EXPECT_EQ(cache->GetHandle(0), cache->GetHandle(5)); // one texture, one handle
    cache->SetTexture(3);
    unsigned bound = D3DEngine::LastTexNum;
    cache->SetTexture(15);
    cache->SetTexture(-1);
    EXPECT_EQ(D3DEngine::LastTexNum, bound);
}

TEST_F(ReportTest, FailedCheckShowsTheAlertAndLogsTheReport)
{
    GAssert(true, "Nowhere.cpp", 1);
    EXPECT_TRUE(reports.alerts.empty());
    GAssert(false, "GUI_Test.cpp", 42);
    auto taken = TakeReports();
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].title, "Problem encountered");
    EXPECT_EQ(taken[0].buttons, (std::vector<std::string> {"Attempt to continue", "Email developer"}));
    std::string report = "Assertion failure:filename:GUI_Test.cpp,linenum:42,build:" +
                         GetGame()->GetVersionString();
    EXPECT_EQ(GAssertLastReport(), report);
    EXPECT_NE(DebugLog().find(report), std::string::npos);
    EXPECT_FALSE(GetGame()->GetVersionString().empty());
}

TEST_F(ReportTest, EmailButtonStillLogsAndReturns)
{
    reports.answer = 1; // "Email developer" (opening mail does nothing in tests)
    GAssert(false, "Mail.cpp", 7);
    EXPECT_EQ(TakeReports().size(), 1u);
    EXPECT_NE(DebugLog().find("filename:Mail.cpp,linenum:7"), std::string::npos);
}

TEST_F(ReportTest, ErrorsAndWarningsGoWhereTheyBelong)
{
    GError("Hook not found: x", "SIM_FunctionTable", 12);
    auto taken = TakeReports();
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].title, "Error");
    EXPECT_EQ(taken[0].message, "Hook not found: x:SIM_FunctionTable 12");
    GError(std::string(400, 'e').c_str(), "F", 1);
    EXPECT_EQ(TakeReports()[0].message.size(), 255u);
    GWarning("odd value", "GUI_Slider", 3);
    EXPECT_TRUE(reports.alerts.empty());
    EXPECT_NE(DebugLog().find("odd value:GUI_Slider 3"), std::string::npos);
}
