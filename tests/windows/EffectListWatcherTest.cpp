// The developer's watch of an effect list, opened as a developer opens it: a click on the
// fame read-out, one more watcher each time, each an ordinary dialog that reads the live
// list every frame and closes by its own button or with the game.
#include "engine/gfx/D3DEngine.h"
#include "harness/GameHarness.h"
#include "mainscreen/GUI_Date.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_WindowManager.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_Fame.h"
#include "windows/GUI_EffectListWatcher.h"

#include <cmath>
#include <limits>

namespace {

class EffectListWatcherTest : public GameHarness {
protected:
    static std::vector<GUI_EffectListWatcher*> Watchers()
    {
        std::vector<GUI_EffectListWatcher*> found;
        for (GUI_WindowBase* w : GUI_GetWindowManager()->Windows())
            if (auto* watcher = dynamic_cast<GUI_EffectListWatcher*>(w))
                found.push_back(watcher);
        return found;
    }
    void ClickFame() { ClickCentre(GUI_GetFame()); Step(); }
};

TEST(EffectListWatcherBars, FillGrowsFromTheFrameLeftBySixtyPixelsAUnit)
{
    struct Case {
        const char* name;
        float value;
        tagRECT fill;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {"half", 0.5f, {300, 50, 330, 60}},
        {"negative", -0.25f, {285, 50, 300, 60}},
        {"beyond one draws past the frame", 1.5f, {300, 50, 390, 60}},
        {"below minus one", -2.0f, {180, 50, 300, 60}},
        {"nothing", 0.0f, {300, 50, 300, 60}},
        {"a NaN draws no fill", nan, {300, 50, 300, 60}},
        {"a wild value stays an int", 1.0e30f, {300, 50, 300 + 8192, 60}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const tagRECT r = GUI_EffectListWatcher::BarFill(100.0f, 50.0f, c.value);
        EXPECT_EQ(r.left, c.fill.left);
        EXPECT_EQ(r.top, c.fill.top);
        EXPECT_EQ(r.right, c.fill.right);
        EXPECT_EQ(r.bottom, c.fill.bottom);
    }
    const tagRECT frame = GUI_EffectListWatcher::BarFrame(100.0f, 50.0f);
    EXPECT_EQ(frame.left, 300);
    EXPECT_EQ(frame.right, 360);
    EXPECT_EQ(frame.bottom, 60);
}

TEST_F(EffectListWatcherTest, EachClickOnFameOpensOneMoreWatcherOfTheLiveList)
{
    PutAwayDaysPage();
    SIM_GetFame()->AddEffect(0.4f, 0.95f, "gig at the anchor");
    SIM_GetFame()->AddEffect(-0.3f, 0.9f, "bad review");
    SIM_GetFame()->AddEffect(1.6f, 1.0f, "hit single");

    ClickFame();
    ASSERT_EQ(Watchers().size(), 1u);
    GUI_EffectListWatcher* first = Watchers()[0];
    EXPECT_EQ(first->GetTitle(), "fame");
    EXPECT_EQ(first->GetList(), &SIM_GetFame()->GetEffects());
    EXPECT_EQ(first->GetRect().right - first->GetRect().left, 300);
    EXPECT_EQ(first->GetRect().bottom - first->GetRect().top, 400);
    EXPECT_NEAR(first->GetCenterX(), D3DEngine::W / 2.0f, 1.0f);
    EXPECT_NEAR(first->GetCenterY(), D3DEngine::H / 2.0f, 1.0f);
    Step();
    SaveArtifact("effect_list_watcher.png");

    ClickFame();
    ASSERT_EQ(Watchers().size(), 2u) << "the first stays open";

    // The list is read live: an effect that goes is simply not drawn any more.
    SIM_GetFame()->Clear();
    Step(2);
    EXPECT_TRUE(SIM_GetFame()->GetEffects().empty());

    // Each closes by its own button.
    GUI_EffectListWatcher* top = Watchers().back();
    ClickCentre(top->GetCloseButton());
    Step();
    ASSERT_EQ(Watchers().size(), 1u);
    EXPECT_EQ(Watchers()[0], first);

    // A new game closes the last game's watchers.
    ClickFame();
    ASSERT_EQ(Watchers().size(), 2u);
    GetGame()->StartNewGame();
    WaitFade();
    Step(2);
    EXPECT_TRUE(Watchers().empty());

    // A missing list is reported and opens nothing.
    EXPECT_EQ(GUI_EffectListWatcher::Create(nullptr, "nothing"), nullptr);
    EXPECT_EQ(TakeReports().size(), 1u);
    EXPECT_TRUE(Watchers().empty());
}

TEST_F(EffectListWatcherTest, ALongListRunsPastTheDialogUnclipped)
{
    PutAwayDaysPage();
    for (int i = 0; i < 40; ++i)
        SIM_GetFame()->AddEffect(0.05f * float(i % 10) - 0.2f, 0.9f, "effect " + std::to_string(i));
    ClickFame();
    ASSERT_EQ(Watchers().size(), 1u);
    const GUI_EffectListWatcher* watcher = Watchers()[0];
    const float top = float(watcher->GetRect().top);
    EXPECT_GT(GUI_EffectListWatcher::RowY(top, 39), float(watcher->GetRect().bottom));
    Step();
    SaveArtifact("effect_list_watcher_long.png");
}

} // namespace
