// Window backgrounds: corners placed, edges and middle tiled from the cells of a 4 x 4
// texture, pieces cut (never stretched) at the ends, shadows on the right and bottom.
#include "harness/GameHarness.h"

#include "engine/gfx/D3DEngine.h"
#include "shell/GUI_WindowBackground.h"

#include <cmath>
#include <filesystem>
#include <functional>

namespace {

// The colour of each cell of the test texture: cell c has red 16 c + 8.
uint32_t CellColour(int cell) { return uint32_t(16 * cell + 8) | 0x40u << 8 | 0x80u << 16 | 0xFFu << 24; }
// The cell drawn at a pixel, over black at the given vertex alpha.
int CellAt(const RgbaImage& image, int x, int y, int alpha = 255)
{
    float red = float(image.At(x, y) & 0xFF) * 255.0f / float(alpha);
    return int(std::lround((red - 8.0f) / 16.0f));
}

class DrawingMode : public HarnessMode {
public:
    void Draw() override
    {
        GetD3DEngine()->ClearScreen(0xFF000000u);
        GetD3DEngine()->SetPointFilter();
        if (draw)
            draw();
        GetD3DEngine()->SetLinearFilter();
    }
    std::function<void()> draw;
};

class WindowBackgroundTest : public ToolkitHarness {
protected:
    void BeforeStart() override
    {
        // A 64 x 64 texture whose sixteen 16-pixel cells each have their own colour.
        RgbaImage cells;
        cells.width = cells.height = 64;
        cells.pixels.resize(64 * 64 * 4);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                uint32_t c = CellColour((y / 16) * 4 + x / 16);
                for (int i = 0; i < 4; ++i)
                    cells.pixels[size_t((y * 64 + x) * 4 + i)] = uint8_t(c >> (8 * i));
            }
        std::filesystem::create_directories(resources.Path() / "data/bitmaps/test");
        ASSERT_TRUE(WritePng((resources.Path() / "data/bitmaps/test/cells.png").string(), cells));
    }
    RgbaImage Draw(std::function<void()> draw)
    {
        DrawingMode drawing;
        drawing.draw = std::move(draw);
        GetGame()->SetModeObject(Game::MODE_MAINMENU, &drawing);
        RgbaImage image = CaptureFrame();
        GetGame()->SetModeObject(Game::MODE_MAINMENU, &mode);
        return image;
    }
};

} // namespace

TEST_F(WindowBackgroundTest, TiledBackgroundPlacesCornersEdgesAndMiddle)
{
    // 100 x 100 with P 32: edges of 36 pixels (a full piece and a 4-pixel piece), a middle
    // of 36 x 36.
    tagRECT r {100, 100, 200, 200};
    RgbaImage image = Draw([&] { GUI_WindowBackground::DrawTiled(r, "cells.png", 32.0f, 1.0f); });
    struct Probe {
        int x, y, cell;
    };
    const Probe probes[] = {
        {110, 110, 0},  {190, 110, 3},  {110, 190, 12}, {190, 190, 15}, // corners
        {140, 110, 1},  {166, 110, 1},  {140, 190, 13}, {166, 190, 13}, // top, bottom
        {110, 140, 4},  {110, 166, 4},  {190, 140, 7},  {190, 166, 7},  // left, right
        {140, 140, 5},  {166, 166, 5},  {140, 166, 5},  {166, 140, 5},  // middle pieces
    };
    for (const Probe& p : probes)
        EXPECT_EQ(CellAt(image, p.x, p.y), p.cell) << p.x << "," << p.y;
    EXPECT_EQ(image.At(98, 150) & 0xFFFFFFu, 0u); // nothing outside
    EXPECT_EQ(image.At(202, 150) & 0xFFFFFFu, 0u);
}

TEST_F(WindowBackgroundTest, OpacityBecomesVertexAlpha)
{
    tagRECT r {100, 100, 200, 200};
    RgbaImage image = Draw([&] { GUI_WindowBackground::DrawTiled(r, "cells.png", 32.0f, 0.7f); });
    // 178 / 255 of the middle cell's red over black.
    int red = int(image.At(150, 150) & 0xFF);
    EXPECT_NEAR(red, (16 * 5 + 8) * 178 / 255, 2);
}

TEST_F(WindowBackgroundTest, DropShadowIsOffsetAndCoversOnlyTheRightAndBottom)
{
    tagRECT r {100, 100, 200, 150};
    RgbaImage image = Draw([&] {
        GetD3DEngine()->SetTexture("cells.png");
        GUI_WindowBackground::DrawDropShadowBase(r, 16.0f, 6);
    });
    // As if the rectangle were (106, 106)-(206, 156).
    EXPECT_EQ(CellAt(image, 200, 112, 192), 3);
    EXPECT_EQ(CellAt(image, 200, 150, 192), 15);
    EXPECT_EQ(CellAt(image, 112, 150, 192), 12);
    EXPECT_EQ(CellAt(image, 156, 150, 192), 14);
    EXPECT_EQ(CellAt(image, 200, 131, 192), 7);
    EXPECT_EQ(image.At(112, 112) & 0xFFFFFFu, 0u); // no top-left corner, no top edge
    EXPECT_EQ(image.At(156, 112) & 0xFFFFFFu, 0u);
}

TEST_F(WindowBackgroundTest, AngledShadowAtZeroMatchesAnUnrotatedFrame)
{
    tagRECT r {100, 100, 200, 200};
    RgbaImage image = Draw([&] { GUI_WindowBackground::DrawAngledDropShadow("cells.png", r, 16.0f, 0.0f, 0); });
    EXPECT_EQ(CellAt(image, 104, 104, 192), 0);
    EXPECT_EQ(CellAt(image, 196, 104, 192), 3);
    EXPECT_EQ(CellAt(image, 104, 196, 192), 12);
    EXPECT_EQ(CellAt(image, 196, 196, 192), 15);
    EXPECT_EQ(CellAt(image, 150, 104, 192), 1);
    EXPECT_EQ(CellAt(image, 150, 196, 192), 14);
    EXPECT_EQ(CellAt(image, 104, 150, 192), 4);
    EXPECT_EQ(CellAt(image, 196, 150, 192), 7);
}

TEST_F(WindowBackgroundTest, PiecesWithNoRoomAreSkippedNotMirrored)
{
    // A shadow narrower and lower than two cells leaves its bottom and right edges a
    // negative size: drawn, they would turn over and cover the corners.
    tagRECT r {100, 100, 110, 110};
    RgbaImage image = Draw([&] {
        GetD3DEngine()->SetTexture("cells.png");
        GUI_WindowBackground::DrawDropShadowBase(r, 16.0f, 0);
    });
    EXPECT_EQ(CellAt(image, 96, 112, 192), 3);  // the top-right corner alone
    EXPECT_EQ(CellAt(image, 114, 104, 192), 12); // the bottom-left corner alone
}
