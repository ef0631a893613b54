// Desktop icons: the slot grid, placement by slot, by remembered position and by least
// overlap, the positions file (read, written, merged), dragging, clicks and the display
// restart, on the real in-game screen.
#include "harness/GameHarness.h"

#include "engine/GRandom.h"
#include "engine/LibTextEngine.h"
#include "engine/gfx/D3DEngine.h"
#include "port/sdl/FrameCapture.h"
#include "shell/GUI_DesktopItem.h"
#include "shell/GUI_Tooltip.h"
#include "shell/GUI_WindowManager.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>

namespace fs = std::filesystem;

TEST(DesktopSlotTest, SlotTableLaysOutTheLargeAndSmallGrids)
{
    struct Case {
        int slot;
        float x, y;
    };
    const Case cases[] = {
        {0, 152, 225},  {4, 692, 225},  {5, 152, 365},  {9, 692, 365},  {10, 287, 505}, {13, 692, 505},
        {14, 152, 365}, {23, 755, 365}, {24, 152, 432}, {33, 755, 432}, {34, 286, 499}, {41, 755, 499},
        {42, 286, 566}, {49, 755, 566}, {50, 286, 633}, {53, 487, 633},
    };
    for (const Case& c : cases) {
        V2 p = GUI_DesktopItem::SlotPoint(c.slot);
        EXPECT_FLOAT_EQ(p.x, c.x) << "slot " << c.slot;
        EXPECT_FLOAT_EQ(p.y, c.y) << "slot " << c.slot;
    }
    // Neighbours in a row step 135 (large) or 67 (small) pixels.
    for (int s = 0; s + 1 < GUI_DesktopItem::NUM_SLOTS; ++s) {
        V2 a = GUI_DesktopItem::SlotPoint(s), b = GUI_DesktopItem::SlotPoint(s + 1);
        if (a.y == b.y) {
            EXPECT_FLOAT_EQ(b.x - a.x, s < GUI_DesktopItem::FIRST_SMALL_SLOT ? 135.0f : 67.0f) << s;
        }
    }
}

TEST(DesktopPositionsFileTest, ReadsOnlyLinesThatNameAnIconAndTwoNumbers)
{
    struct Case {
        const char* line;
        bool read;
        float x, y;
    };
    const Case cases[] = {
        {"The Gold Sax,300,400", true, 300, 400},
        {"Album,-12,7.5", true, -12, 7.5f},
        {"Windows line,10,20\r", true, 10, 20},
        {"Rock, Paper,300,400", false, 0, 0}, // a comma in the key name
        {"Fuzz,nan,400", false, 0, 0},
        {"Fuzz,300,inf", false, 0, 0},
        {"Fuzz,1e300,4", false, 0, 0},
        {"Fuzz,loud,4", false, 0, 0},
        {"Fuzz,300", false, 0, 0},
        {",300,400", false, 0, 0}, // no key name
        {"ab", false, 0, 0},
        {"", false, 0, 0},
    };
    for (const Case& c : cases) {
        auto read = GUI_DesktopItem::ParsePositions(std::string(c.line) + "\n");
        ASSERT_EQ(read.size(), c.read ? 1u : 0u) << c.line;
        if (c.read) {
            EXPECT_FLOAT_EQ(read[0].point.x, c.x) << c.line;
            EXPECT_FLOAT_EQ(read[0].point.y, c.y) << c.line;
        }
    }
    // A line too long to be the game's own is not read, nor does it hide the next one.
    std::string text = std::string(2000, 'k') + ",1,2\nNext,3,4\n";
    auto read = GUI_DesktopItem::ParsePositions(text);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].name, "Next");
}

TEST(DesktopPositionsFileTest, MergeKeepsAbsentIconsAndWritesWhatReadsBack)
{
    using P = GUI_DesktopItem::Position;
    const std::vector<P> stored = {{"Tour bus", V2(10, 20)}, {"Skull", V2(30, 40)}, {"Gone,Album", V2(1, 1)}};
    const std::vector<P> current = {{"Skull", V2(500, 600)}, {"New album", V2(70, 80)}, {"Skull", V2(9, 9)},
                                    {"", V2(5, 5)}, {"Bad\nname", V2(5, 5)}};
    const auto merged = GUI_DesktopItem::MergePositions(current, stored);
    ASSERT_EQ(merged.size(), 3u);
    EXPECT_EQ(merged[0].name, "Skull"); // where it is now, the first of its name
    EXPECT_FLOAT_EQ(merged[0].point.x, 500.0f);
    EXPECT_EQ(merged[1].name, "New album");
    EXPECT_EQ(merged[2].name, "Tour bus"); // not on the desktop now: kept
    const std::string text = GUI_DesktopItem::FormatPositions(merged);
    EXPECT_EQ(text, "Skull,500,600\nNew album,70,80\nTour bus,10,20\n");
    const auto back = GUI_DesktopItem::ParsePositions(text);
    ASSERT_EQ(back.size(), merged.size());
    for (size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i].name, merged[i].name);
        EXPECT_FLOAT_EQ(back[i].point.y, merged[i].point.y);
    }
}

TEST(DesktopPositionsFileTest, DamagedFilesGiveOnlyUsablePositions)
{
    // Seeded random damage to a good file: whatever is read names an icon whole and puts
    // it at a finite point, and reading it again after writing gives the same.
    const std::string good = "Skull,500,600\nNew album,70,80\nTour bus,10,20\n";
    const char noise[] = ",\n\r-+.e9x \0";
    std::srand(2024);
    for (int round = 0; round < 2000; ++round) {
        std::string text = good;
        for (int k = 1 + std::rand() % 6; k > 0; --k) {
            size_t at = size_t(std::rand()) % (text.size() + 1);
            char c = noise[std::rand() % int(sizeof noise - 1)];
            if (std::rand() % 2 && at < text.size())
                text[at] = c;
            else
                text.insert(at, 1, c);
        }
        auto read = GUI_DesktopItem::ParsePositions(text);
        for (const auto& p : read) {
            ASSERT_TRUE(GUI_DesktopItem::IsStorableName(p.name)) << text;
            ASSERT_TRUE(std::isfinite(p.point.x) && std::isfinite(p.point.y)) << text;
        }
        auto again = GUI_DesktopItem::ParsePositions(GUI_DesktopItem::FormatPositions(read));
        ASSERT_EQ(again.size(), read.size()) << text;
    }
}

namespace {

// A plain square icon: a teal card with its name tag and the hover glow.
class TestIcon : public GUI_DesktopItem {
public:
    TestIcon(const std::string& name, float size)
    {
        SetName(name);
        SetSize(size, size);
        GUI_BaseElement::SetPosition(0.0f, 0.0f, size, size);
    }
    void Draw() override
    {
        if (MouseInside())
            DrawMouseover();
        GetD3DEngine()->FillRect(rect, PackColor(40, 120, 116, 255));
        DrawNameTag(GetName());
        GetTextEngine()->ProcessTextQueue();
        GUI_DesktopItem::Draw();
    }
    void Clicked() override { ++clicks; }
    int clicks = 0;
};

class DesktopItemTest : public GameHarness {
protected:
    void BeforeStart() override
    {
        fs::create_directories(config.Path() / "zelvaamplivance");
        std::ofstream(PositionsFile()) << "Stored icon,300,400\nFar away,5000,-90\nElsewhere,20,30\n";
    }
    void TearDown() override
    {
        icons.clear();
        GUI_DesktopItem::SetSmallIconMode(false);
        GameHarness::TearDown();
    }
    std::string PositionsFile() const { return (config.Path() / "zelvaamplivance" / "icon_positions.txt").string(); }
    TestIcon* Icon(const std::string& name, float size = 120.0f)
    {
        icons.push_back(std::make_unique<TestIcon>(name, size));
        return icons.back().get();
    }
    std::vector<std::unique_ptr<TestIcon>> icons;
};

} // namespace

TEST_F(DesktopItemTest, IconsTakeTheLowestFreeSlotOfTheirRange)
{
    TestIcon* merch[3] = {Icon("T-shirts"), Icon("Sweatshirts"), Icon("Posters")};
    for (TestIcon* m : merch)
        GUI_DesktopItem::SetSlotPosition(m, 0, 3);
    TestIcon* album = Icon("Stored icon", 80);
    GUI_DesktopItem::SetSlotPosition(album, 3, 99); // a free slot: the stored place is not asked
    EXPECT_EQ(merch[0]->GetSlot(), 0);
    EXPECT_EQ(merch[2]->rect.left, 422);
    EXPECT_EQ(merch[2]->rect.top, 225);
    EXPECT_EQ(album->GetSlot(), 3);
    EXPECT_EQ(album->rect.left, 557);
    EXPECT_EQ(album->rect.right, 557 + 80);

    // Small-icon mode sends albums and assets to the small grid.
    GUI_DesktopItem::SetSmallIconMode(true);
    TestIcon* small = Icon("Small", 59);
    GUI_DesktopItem::SetSlotPosition(small, 3, 99);
    EXPECT_EQ(small->GetSlot(), 14);
    EXPECT_EQ(small->rect.left, 152);
    EXPECT_EQ(small->rect.top, 365);
    // Placed again (a refresh), it does not hold two slots.
    GUI_DesktopItem::SetSlotPosition(small, 3, 99);
    EXPECT_EQ(small->GetSlot(), 14);
    // A destroyed icon frees its slot.
    icons.erase(icons.begin() + 1);
    TestIcon* again = Icon("Again");
    GUI_DesktopItem::SetSlotPosition(again, 0, 3);
    EXPECT_EQ(again->GetSlot(), 1);
}

TEST_F(DesktopItemTest, WithNoFreeSlotAnIconGoesWhereItOverlapsLeast)
{
    // Merchandise's three slots taken: the fourth goes free, to the best of 50 tries.
    for (const char* name : {"A", "B", "C"})
        GUI_DesktopItem::SetSlotPosition(Icon(name), 0, 3);
    TestIcon* extra = Icon("Extra");
    std::srand(99);
    float best = 99999.0f;
    V2 corner;
    for (int i = 0; i < 50; ++i) {
        float x = GRandom::RandReal(233.0f, 850.0f - 120.0f);
        float y = GRandom::RandReal(70.0f, 678.0f - 120.0f);
        float overlap = GUI_DesktopItem::GetOverlap(V2(x, y), 120.0f);
        if (overlap < best) {
            best = overlap;
            corner = V2(x, y);
        }
    }
    std::srand(99);
    GUI_DesktopItem::SetSlotPosition(extra, 0, 3);
    EXPECT_EQ(extra->GetSlot(), -1);
    EXPECT_EQ(extra->rect.left, int(corner.x));
    EXPECT_EQ(extra->rect.top, int(corner.y));
    EXPECT_GE(extra->rect.left, 233);
    EXPECT_LE(extra->rect.right, 850);
    EXPECT_LE(extra->rect.bottom, 678);

    // The overlap measure: the summed areas of intersection with every icon.
    tagRECT r = Icon("Probe", 100)->rect; // at (0, 0)
    EXPECT_EQ(r.right, 100);
    EXPECT_FLOAT_EQ(GUI_DesktopItem::GetOverlap(V2(50, 50), 100.0f), 50.0f * 50.0f);
    EXPECT_FLOAT_EQ(GUI_DesktopItem::GetOverlap(V2(100, 0), 100.0f), 0.0f);
}

TEST_F(DesktopItemTest, RememberedPositionsPlaceIconsOnScreen)
{
    TestIcon* stored = Icon("Stored icon");
    GUI_DesktopItem::PlaceNew(stored, 120.0f);
    EXPECT_EQ(stored->rect.left, 300);
    EXPECT_EQ(stored->rect.top, 400);
    EXPECT_EQ(stored->rect.right, 420);
    // Remembered off the screen (another display, a hand-edited file): kept on it.
    TestIcon* far = Icon("Far away");
    GUI_DesktopItem::PlaceNew(far, 120.0f);
    EXPECT_EQ(far->rect.left, int(D3DEngine::W) - 120);
    EXPECT_EQ(far->rect.top, 0);
}

TEST_F(DesktopItemTest, DraggingAnIconSavesEveryPositionOnceWhenDropped)
{
    TestIcon* icon = Icon("Stored icon");
    GUI_DesktopItem::PlaceNew(icon, 120.0f);
    Step(2);
    Drag(360, 460, 560, 300);
    EXPECT_EQ(icon->rect.left, 500);
    EXPECT_EQ(icon->rect.top, 240);
    // Every icon now, and the remembered places of icons not on the desktop now.
    EXPECT_EQ(ReadWholeFile(PositionsFile()), "Stored icon,500,240\nFar away,5000,-90\nElsewhere,20,30\n");
    // Saved once, at the drop: later frames, hovering or not, write nothing.
    fs::remove(PositionsFile());
    Hover(560, 300, 10);
    Hover(100, 700, 5);
    EXPECT_FALSE(fs::exists(PositionsFile()));
    // Dropped half off the screen, it is put back on it.
    Drag(560, 300, 1020, 300);
    EXPECT_EQ(icon->rect.right, int(D3DEngine::W));
    EXPECT_EQ(ReadWholeFile(PositionsFile()).rfind("Stored icon," + std::to_string(icon->rect.left) + ",", 0), 0u);
}

TEST_F(DesktopItemTest, LeftAndRightClicksOpenTheIcon)
{
    TestIcon* icon = Icon("Clicky");
    GUI_DesktopItem::SetSlotPosition(icon, 3, 99); // (557, 225)
    Step();
    Click(600, 280);
    EXPECT_EQ(icon->clicks, 1);
    EXPECT_TRUE(icon->CheckRightClick(600, 280));
    EXPECT_EQ(icon->clicks, 2);
    EXPECT_FALSE(icon->CheckRightClick(100, 100));
    Click(100, 700); // beside it
    EXPECT_EQ(icon->clicks, 2);
}

TEST_F(DesktopItemTest, TheDisplayRestartBringsIconsBackOnScreen)
{
    TestIcon* icon = Icon("Wanderer");
    icon->GUI_BaseElement::SetPosition(2000.0f, 900.0f, 2120.0f, 1020.0f);
    GetGame()->RebuildSurfaces();
    EXPECT_EQ(icon->rect.right, int(D3DEngine::W));
    EXPECT_EQ(icon->rect.bottom, int(D3DEngine::H));
    EXPECT_EQ(icon->GetWidth(), 120);
}

TEST_F(DesktopItemTest, ScreenshotOfIconsOnTheInGameScreen)
{
    const char* names[] = {"T-shirts", "Posters", "First album", "Tour bus"};
    for (int i = 0; i < 4; ++i)
        GUI_DesktopItem::SetSlotPosition(Icon(names[i]), i < 2 ? 0 : 3, i < 2 ? 3 : 99);
    Hover(600, 280, 40); // over "First album": the glow and the tool tip
    ASSERT_NE(icons[2]->GetTooltip(), nullptr);
    EXPECT_GT(icons[2]->GetTooltip()->GetShownLevel(), 0.0f);
    RgbaImage frame = CaptureFrame();
    const fs::path out = fs::path(GameDir()).parent_path() / "artifacts";
    fs::create_directories(out);
    EXPECT_TRUE(WritePng((out / "desktop_items.png").string(), frame));
    // The name tag straddles the bottom edge: light grey below the icon's middle.
    EXPECT_EQ(frame.At(170, 225 + 120 + 3) & 0xFFFFFFu, 0xE0E0E0u);
    // The glow shows beside the hovered icon and not beside the others.
    auto red = [&](int x, int y) { return int(frame.At(x, y) & 0xFF); };
    auto green = [&](int x, int y) { return int((frame.At(x, y) >> 8) & 0xFF); };
    EXPECT_GT(green(557 - 4, 285) - red(557 - 4, 285), green(152 - 4, 285) - red(152 - 4, 285));
}
