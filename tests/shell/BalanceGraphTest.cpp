// The balance graph: the points it takes from the balancer's history, where they are
// drawn, and the window itself in the in-game screen.
#include "harness/GameHarness.h"

#include "port/sdl/FrameCapture.h"
#include "shell/GUI_Balance.h"
#include "shell/GUI_WindowManager.h"
#include "sim/GAM_PlayBalancer.h"

#include <cmath>
#include <filesystem>
#include <limits>
#include <vector>

namespace {

using Entries = std::deque<GAM_PlayBalancer::BALANCE_LOGENTRY>;

// A history of `days` days, newest first, worth 100 + day (the oldest day is day 0).
Entries Rising(int days)
{
    Entries history;
    for (int day = 0; day < days; ++day)
        history.push_front({100.0f + float(day)});
    return history;
}

} // namespace

TEST(BalanceGraphPoints, WorthsComeOldestFirstWithOneRatioEach)
{
    const GUI_Balance::Points none = GUI_Balance::ComputePoints({});
    EXPECT_TRUE(none.worth.empty());
    EXPECT_FLOAT_EQ(none.highest, 1.0f);

    const GUI_Balance::Points p = GUI_Balance::ComputePoints(Rising(22));
    ASSERT_EQ(p.worth.size(), 22u);
    EXPECT_FLOAT_EQ(p.worth.front(), 100.0f);
    EXPECT_FLOAT_EQ(p.worth.back(), 121.0f);
    EXPECT_FLOAT_EQ(p.highest, 121.0f);
    ASSERT_EQ(p.ratio.size(), 22u);
    // 1 until twenty worths are taken (taking the newest first), then the later ten of
    // the first twenty (oldest first) over the earlier ten.
    for (size_t i = 0; i < 19; ++i)
        EXPECT_FLOAT_EQ(p.ratio[i], 1.0f) << i;
    // Twenty taken: days 2..21, so days 12..21 over days 2..11.
    EXPECT_FLOAT_EQ(p.ratio[19], (10 * 100.0f + 165.0f) / (10 * 100.0f + 65.0f));
    // Twenty-two taken: days 0..19, so days 10..19 over days 0..9.
    EXPECT_FLOAT_EQ(p.ratio[21], (10 * 100.0f + 145.0f) / (10 * 100.0f + 45.0f));

    // A worth that is no finite number never becomes the highest; a worth below 1 leaves 1.
    Entries odd = {{std::numeric_limits<float>::infinity()}, {0.5f}, {std::nanf("")}};
    EXPECT_FLOAT_EQ(GUI_Balance::ComputePoints(odd).highest, 1.0f);
}

TEST(BalanceGraphPoints, LinesStepAcrossFromTheLeftAndRiseFromTheBottom)
{
    tagRECT graph;
    SetRect(&graph, 100, 50, 503, 450); // 403 wide: steps of 100 for four points
    const std::deque<float> worth = {0.0f, 50.0f, 100.0f, 25.0f};
    const std::vector<V2> line = GUI_Balance::Polyline(graph, 4, worth, GUI_Balance::WorthFraction, 100.0f);
    ASSERT_EQ(line.size(), 4u);
    const float expected[4][2] = {{200, 450}, {300, 250}, {400, 50}, {500, 350}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(line[i].x, expected[i][0]) << i;
        EXPECT_FLOAT_EQ(line[i].y, expected[i][1]) << i;
    }

    // Ratios: 1 at the bottom, 5 at the top; points with no finite place are left out.
    const float inf = std::numeric_limits<float>::infinity();
    const std::deque<float> ratio = {1.0f, 5.0f, inf, std::nanf(""), 3.0f};
    const std::vector<V2> red = GUI_Balance::Polyline(graph, 5, ratio, GUI_Balance::RatioFraction, 1.0f);
    ASSERT_EQ(red.size(), 3u);
    EXPECT_FLOAT_EQ(red[0].y, 450.0f);
    EXPECT_FLOAT_EQ(red[1].y, 50.0f);
    EXPECT_FLOAT_EQ(red[2].x, 100.0f + 5 * 80.0f); // the fifth point keeps its own place
    EXPECT_FLOAT_EQ(red[2].y, 250.0f);
    EXPECT_TRUE(GUI_Balance::Polyline(graph, 0, ratio, GUI_Balance::RatioFraction, 1.0f).empty());
}

namespace {
class BalanceGraphTest : public GameHarness {
protected:
    void TearDown() override
    {
        delete GUI_Balance::PTheWindow;
        GAM_GetBalancer()->Reset();
        GameHarness::TearDown();
    }
};
} // namespace

TEST_F(BalanceGraphTest, TheGraphDrawsTheHistoryOverBlackInACentredDialog)
{
    GAM_PlayBalancer* balancer = GAM_GetBalancer();
    balancer->Reset();
    // Oldest to newest: a slump, a day of no finite worth, then a recovery to the highest.
    std::vector<float> days;
    for (int day = 0; day < 60; ++day)
        days.push_back(day < 25 ? 1000.0f - 30.0f * float(day) : 250.0f + 40.0f * float(day - 25));
    days[30] = std::numeric_limits<float>::infinity();
    for (auto it = days.rbegin(); it != days.rend(); ++it)
        balancer->AddEntry(*it); // each goes behind the newer ones
    GUI_Balance::Create();
    GUI_Balance* first = GUI_Balance::PTheWindow;
    ASSERT_NE(first, nullptr);
    GUI_Balance::Create(); // a second opens in place of the first
    GUI_Balance* graph = GUI_Balance::PTheWindow;
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(ScreenWindows().size(), 1u);
    EXPECT_EQ(graph->GetWidth(), 500);
    EXPECT_EQ(graph->rect.left, (1024 - 500) / 2);
    EXPECT_EQ(graph->GetGraphRect().left, graph->rect.left + 50);
    EXPECT_EQ(graph->GetGraphRect().bottom, graph->rect.bottom - 50);
    EXPECT_EQ(graph->GetPoints().worth.size(), 60u);
    EXPECT_FLOAT_EQ(graph->GetPoints().worth.front(), 1000.0f);

    Step(3);
    RgbaImage frame = CaptureFrame();
    const std::filesystem::path out = std::filesystem::path(GameDir()).parent_path() / "artifacts";
    std::filesystem::create_directories(out);
    EXPECT_TRUE(WritePng((out / "balance_graph.png").string(), frame));

    const tagRECT& g = graph->GetGraphRect();
    EXPECT_EQ(frame.At(g.left + 2, g.top + 2) & 0xFFFFFFu, 0u); // black fill
    // The newest worth, the highest, reaches the top at the sixtieth step.
    const int step = (g.right - g.left) / 60;
    int white = 0;
    int red = 0;
    for (int y = g.top; y < g.bottom; ++y)
        for (int x = g.left; x < g.right; ++x) {
            const uint32_t c = frame.At(x, y) & 0xFFFFFFu;
            white += c == 0xFFFFFFu;
            red += c == 0x0000FFu;
        }
    EXPECT_GT(white, 100);
    EXPECT_GT(red, 50);
    int whiteAtTop = 0;
    for (int y = g.top - 1; y <= g.top + 1; ++y)
        for (int x = g.left + 60 * step - 1; x <= g.left + 60 * step + 1; ++x)
            whiteAtTop += (frame.At(x, y) & 0xFFFFFFu) == 0xFFFFFFu;
    EXPECT_GT(whiteAtTop, 0);

    delete GUI_Balance::PTheWindow;
    EXPECT_EQ(GUI_Balance::PTheWindow, nullptr);
    EXPECT_TRUE(ScreenWindows().empty());
}
