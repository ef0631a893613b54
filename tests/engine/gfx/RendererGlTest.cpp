// The renderer drawn for real (Xvfb, llvmpipe) and read back: fills, lines, textures,
// sprites, vertex buffers, the frame bracket and the full-screen switch.
#include "GlTestFixture.h"

#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/GUI_BaseElement.h"
#include "engine/gfx/GVertexBuffer.h"
#include "engine/gfx/SmartTexture.h"
#include "port/sdl/ImageDecode.h"

#include <SDL2/SDL.h>

#include <chrono>
#include <functional>
#include <cstdio>

namespace {
constexpr uint32_t kRed = 0xFF0000FFu, kGreen = 0xFF00FF00u, kBlue = 0xFFFF0000u;

// Pixels of the square of half side `half` about (x, y) that differ by more than two levels
// from those `offset` pixels to the right.
int CountDiffering(const RgbaImage& img, int x, int y, int half, int offset)
{
    int differing = 0;
    for (int j = y - half; j < y + half; ++j)
        for (int i = x - half; i < x + half; ++i) {
            const uint32_t a = img.At(i, j), b = img.At(i + offset, j);
            differing += std::abs(int(Red(a)) - int(Red(b))) > 2 || std::abs(int(Green(a)) - int(Green(b))) > 2 ||
                         std::abs(int(Blue(a)) - int(Blue(b))) > 2;
        }
    return differing;
}

void ExpectColour(const RgbaImage& img, int x, int y, int r, int g, int b)
{
    uint32_t c = img.At(x, y);
    EXPECT_NEAR(Red(c), r, 2) << "at " << x << "," << y;
    EXPECT_NEAR(Green(c), g, 2) << "at " << x << "," << y;
    EXPECT_NEAR(Blue(c), b, 2) << "at " << x << "," << y;
}
} // namespace

TEST_F(GlTest, SmokeFillsLinesTexturedSpriteAndVertexBuffer)
{
    D3DEngine* e = GetD3DEngine();
    WriteTwoColourPng(resources.Path() / "data/bitmaps", "halves.png", 8, 8, kRed, kBlue);
    e->AddBitmapDirectories("data/bitmaps", true);
    EXPECT_EQ(e->GetScreenWidth(), 1024);
    EXPECT_EQ(D3DEngine::W, 1024.0f);

    BeginFrame();
    tagRECT fill {10, 20, 30, 40};
    e->FillRect(fill, kRed);                          // packed colour: red in the low byte
    e->RenderLine(100, 300, 300, 300, kGreen);
    tagRECT frame {400, 100, 500, 200};
    e->FrameRect(frame, kGreen);

    CTexturedSprite sprite;
    sprite.width = sprite.height = 80;
    sprite.PlaceLocal(200, 200);
    sprite.SetTexture("halves.png");
    EXPECT_NE(sprite.GetGLName(), 0u);
    sprite.Draw();

    GVertexBuffer vb;
    vb.Initialise(4, false);
    vb.Lock();
    ASSERT_NE(vb.lockedData, nullptr);
    const float corners[4][2] = {{600, 600}, {700, 600}, {600, 700}, {700, 700}};
    for (int i = 0; i < 4; ++i)
        vb.lockedData[i] = _D3DTLVERTEX(corners[i][0], corners[i][1], 0, 1, 0xFF0000FFu, 0, 0, 0);
    const uint16_t quad[6] = {0, 1, 2, 2, 1, 3};
    std::copy(quad, quad + 6, vb.indices);
    vb.indexCount = 6;
    vb.Unlock();
    e->SetTexture(0, 0u);
    vb.Draw();                                         // 0xAARRGGBB: 0xFF0000FF is blue
    RgbaImage img = EndFrame();
    Save(img, "smoke.png");

    ExpectColour(img, 20, 30, 255, 0, 0);
    ExpectColour(img, 5, 30, 0, 0, 0);
    ExpectColour(img, 200, 300, 0, 255, 0);
    ExpectColour(img, 200, 310, 0, 0, 0);
    ExpectColour(img, 450, 100, 0, 255, 0);   // frame's top edge
    ExpectColour(img, 450, 150, 0, 0, 0);     // not filled inside
    ExpectColour(img, 170, 200, 255, 0, 0);   // left half of the texture
    ExpectColour(img, 230, 200, 0, 0, 255);   // right half
    ExpectColour(img, 650, 650, 0, 0, 255);
}

TEST_F(GlTest, GradientAndAlphaBlending)
{
    D3DEngine* e = GetD3DEngine();
    BeginFrame(0xFFFFFFFFu);
    tagRECT g {0, 0, 256, 10};
    e->FillRectGradient(g, 0xFF000000u, 0xFF0000FFu);
    tagRECT half {0, 50, 100, 100};
    e->FillRect(half, 0x800000FFu);                   // half-transparent red over white
    RgbaImage img = EndFrame();
    EXPECT_LT(Red(img.At(10, 5)), 30);
    EXPECT_GT(Red(img.At(245, 5)), 225);
    ExpectColour(img, 50, 75, 255, 127, 127);
}

TEST_F(GlTest, TileRectStepsByTextureSizeAndSqueezesTheLastTile)
{
    D3DEngine* e = GetD3DEngine();
    WriteTwoColourPng(resources.Path() / "data/bitmaps", "tile.png", 64, 64, kRed, kGreen);
    e->AddBitmapDirectory("data/bitmaps");
    BeginFrame();
    tagRECT r {0, 0, 100, 64};
    e->TileRect(r, "tile.png", 0xFFFFFFFFu);
    RgbaImage img = EndFrame();
    ExpectColour(img, 10, 30, 255, 0, 0);    // first tile, left half
    ExpectColour(img, 50, 30, 0, 255, 0);    // first tile, right half
    ExpectColour(img, 70, 30, 255, 0, 0);    // second tile: 36 wide, whole texture squeezed
    ExpectColour(img, 95, 30, 0, 255, 0);
    ExpectColour(img, 110, 30, 0, 0, 0);

    // A name written with ".dds" tiles the texture loaded for it from the ".png".
    BeginFrame();
    e->TileRect(r, "tile.dds", 0xFFFFFFFFu);
    img = EndFrame();
    ExpectColour(img, 10, 30, 255, 0, 0);
    ExpectColour(img, 50, 30, 0, 255, 0);
}

TEST_F(GlTest, TexturesByNameDdsRuleCaseAndFolderOrder)
{
    D3DEngine* e = GetD3DEngine();
    WriteTwoColourPng(resources.Path() / "first", "same.png", 4, 4, kRed, kRed);
    WriteTwoColourPng(resources.Path() / "second", "same.png", 4, 4, kGreen, kGreen);
    WriteTwoColourPng(resources.Path() / "second", "verdana12.png", 16, 8, kBlue, kBlue);
    WriteTwoColourPng(resources.Path() / "second", "logo.png", 4, 4, kBlue, kBlue);
    e->AddBitmapDirectory("first");
    e->AddBitmapDirectory("second");

    unsigned font = e->GetTexture("verdana12.dds");
    EXPECT_NE(font, 0u);
    EXPECT_EQ(e->GetTexture("verdana12.png"), font);     // same cache entry
    EXPECT_EQ(e->GetTexture("verdana12.dds.dat"), font);
    int w = 0, h = 0;
    ASSERT_TRUE(e->GetTextureData("verdana12.dds", &w, &h));
    EXPECT_EQ(w, 16);
    EXPECT_EQ(h, 8);

    EXPECT_EQ(e->GetTexture("Logo.png"), 0u);            // names match exactly

    BeginFrame();
    BaseSprite s;
    s.width = s.height = 20;
    s.PlaceLocal(50, 50);
    ASSERT_TRUE(e->SetTexture("same.png"));
    s.Draw();
    RgbaImage img = EndFrame();
    ExpectColour(img, 50, 50, 255, 0, 0);                // the folder added first wins

    e->SetTexture(0, font);
    ASSERT_TRUE(e->GetTextureData(nullptr, &w, &h));     // the texture bound last
    EXPECT_EQ(w, 16);
}

TEST_F(GlTest, MissingTextureIsRememberedReportedOnceAndUnbinds)
{
    D3DEngine* e = GetD3DEngine();
    WriteTwoColourPng(resources.Path() / "data/bitmaps", "red.png", 4, 4, kRed, kRed);
    e->AddBitmapDirectory("data/bitmaps");
    EXPECT_EQ(e->GetTexture("nothere.png"), 0u);
    EXPECT_EQ(e->GetTexture("nothere.png"), 0u);
    BeginFrame(0xFFFFFFFFu);
    ASSERT_TRUE(e->SetTexture("red.png"));
    EXPECT_FALSE(e->SetTexture("nothere.png"));          // binds nothing...
    BaseSprite s;
    s.width = s.height = 20;
    s.PlaceLocal(50, 50);
    s.SetVertexColor(kGreen);
    s.Draw();                                            // ...so the quad is drawn untextured
    RgbaImage img = EndFrame();
    ExpectColour(img, 50, 50, 0, 255, 0);
    EXPECT_EQ(reports.alerts.size(), IsNonInteractive() ? 0u : 1u);
    if (!reports.alerts.empty()) {
        EXPECT_EQ(reports.alerts[0].message, "Failed to locate texture: nothere.png");
    }
}

TEST_F(GlTest, ALoadedPictureKeepsNoCopyOfItsPixelsAndReadsThemBackUnchanged)
{
    D3DEngine* e = GetD3DEngine();
    const std::string path =
        WriteTwoColourPng(resources.Path() / "data/bitmaps", "halves.png", 7, 5, kRed, 0x40102030u);
    e->AddBitmapDirectory("data/bitmaps");
    ASSERT_NE(e->GetTexture("halves.png"), 0u);
    EXPECT_TRUE(e->FindSurface("halves.png")->pixels.empty()); // the driver holds the picture

    int w = 0, h = 0;
    const uint8_t* pixels = nullptr;
    ASSERT_TRUE(e->GetTextureData("halves.png", &w, &h, &pixels));
    int fw = 0, fh = 0;
    std::vector<uint8_t> file;
    ASSERT_TRUE(DecodeImageFile(path, fw, fh, file));
    ASSERT_EQ(w, fw);
    ASSERT_EQ(h, fh);
    ASSERT_NE(pixels, nullptr);
    EXPECT_TRUE(std::equal(file.begin(), file.end(), pixels));

    // A texture registered by hand has no file behind it: no pixels to give.
    const unsigned manual = e->UploadTexture(2, 2, file.data());
    e->AddTextureManually(manual, 2, 2);
    e->SetTexture(0, manual);
    ASSERT_TRUE(e->GetTextureData(nullptr, &w, &h, &pixels));
    EXPECT_EQ(w, 2);
    EXPECT_EQ(pixels, nullptr);
}

TEST_F(GlTest, ALargePictureLeftUnusedGivesItsMemoryBackAndComesBackWhenUsed)
{
    D3DEngine* e = GetD3DEngine();
    e->AddBitmapDirectory("data/bitmaps");
    struct Case {
        const char* name;
        int size;
        bool released; // after the idle frames
    };
    for (const Case& c : {Case {"large.png", 512, true}, Case {"small.png", 64, false}}) {
        WriteTwoColourPng(resources.Path() / "data/bitmaps", c.name, c.size, c.size, kRed, kBlue);
        const unsigned name = e->GetTexture(c.name);
        ASSERT_NE(name, 0u) << c.name;
        for (int i = 0; i < 400; ++i)
            e->Flip(); // nothing bound
        EXPECT_EQ(!e->FindSurface(c.name)->resident, c.released) << c.name;

        // Drawn again under the same name: the picture is back whole.
        BeginFrame();
        BaseSprite s;
        s.width = s.height = 40;
        s.PlaceLocal(50, 50);
        e->SetTexture(0, name);
        s.Draw();
        RgbaImage img = EndFrame();
        ExpectColour(img, 40, 50, 255, 0, 0);
        ExpectColour(img, 60, 50, 0, 0, 255);
        EXPECT_TRUE(e->FindSurface(c.name)->resident) << c.name;
    }
    // Its pixels, asked for while it is released, are read from the file again.
    for (int i = 0; i < 400; ++i)
        e->Flip();
    ASSERT_FALSE(e->FindSurface("large.png")->resident);
    int w = 0, h = 0;
    const uint8_t* pixels = nullptr;
    ASSERT_TRUE(e->GetTextureData("large.png", &w, &h, &pixels));
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(pixels[0], 255);                    // red on the left
    EXPECT_EQ(pixels[(w - 1) * 4 + 2], 255);      // blue on the right
}

TEST_F(GlTest, PicturesBeyondTheBudgetLetGoOfThoseUsedLongestAgoButNeverOfThisFrames)
{
    D3DEngine* e = GetD3DEngine();
    e->AddBitmapDirectory("data/bitmaps");
    // Four pictures of 4 MB each in the driver: three fit the budget, four do not.
    const size_t side = 1024;
    static_assert(3 * side * side * 4 <= D3DEngine::kResidentBudget && 4 * side * side * 4 > D3DEngine::kResidentBudget);
    const char* names[] = {"a.png", "b.png", "c.png", "d.png"};
    for (const char* name : names)
        WriteTwoColourPng(resources.Path() / "data/bitmaps", name, int(side), int(side), kRed, kBlue);
    auto resident = [e](const char* name) { return e->FindSurface(name)->resident; };
    auto drawFrame = [&](std::initializer_list<const char*> used) {
        BeginFrame();
        BaseSprite s;
        s.width = s.height = 40;
        s.PlaceLocal(50, 50);
        for (const char* name : used) {
            e->SetTexture(name);
            s.Draw();
        }
        return EndFrame();
    };
    for (const char* name : {"a.png", "b.png", "c.png"})
        drawFrame({name});
    for (int i = 0; i < int(D3DEngine::kRecentFrames); ++i)
        drawFrame({"c.png"});
    drawFrame({"d.png"}); // over the budget: the one drawn longest ago goes
    EXPECT_FALSE(resident("a.png"));
    EXPECT_TRUE(resident("b.png"));
    EXPECT_TRUE(resident("c.png"));
    EXPECT_TRUE(resident("d.png"));

    // All four in one frame: over the budget rather than a picture drawn wrong.
    const RgbaImage img = drawFrame({"b.png", "c.png", "d.png", "a.png"});
    for (const char* name : names)
        EXPECT_TRUE(resident(name)) << name;
    ExpectColour(img, 40, 50, 255, 0, 0);
    ExpectColour(img, 60, 50, 0, 0, 255);
}

TEST_F(GlTest, APictureCopiedIntoTheFrameLetsGoOfItselfAndIsDrawnWholeAfterwards)
{
    D3DEngine* e = GetD3DEngine();
    e->AddBitmapDirectory("data/bitmaps");
    WriteTwoColourPng(resources.Path() / "data/bitmaps", "stage.png", 256, 128, kRed, kBlue);
    BaseSprite s;
    s.width = 40;
    s.height = 20;
    s.PlaceLocal(400, 300);
    // Drawn as a sprite in the frame that first copies it: still whole in that frame.
    BeginFrame();
    e->SetTexture("stage.png");
    s.Draw();
    ASSERT_TRUE(e->CopyOpaqueTexture("stage.png", tagRECT {10, 20, 266, 148}));
    RgbaImage img = EndFrame();
    ExpectColour(img, 20, 30, 255, 0, 0);
    ExpectColour(img, 250, 140, 0, 0, 255);
    ExpectColour(img, 385, 300, 255, 0, 0);
    ExpectColour(img, 415, 300, 0, 0, 255);
    // The copy is what is drawn from now on: the picture and its read-back pixels are let go.
    EXPECT_FALSE(e->FindSurface("stage.png")->resident);
    EXPECT_TRUE(e->FindSurface("stage.png")->pixels.empty());

    BeginFrame();
    ASSERT_TRUE(e->CopyOpaqueTexture("stage.png", tagRECT {10, 20, 266, 148}));
    e->SetTexture("stage.png"); // drawn as a sprite again: loaded again
    s.Draw();
    img = EndFrame();
    ExpectColour(img, 20, 30, 255, 0, 0);
    ExpectColour(img, 250, 140, 0, 0, 255);
    ExpectColour(img, 385, 300, 255, 0, 0);
    ExpectColour(img, 415, 300, 0, 0, 255);
}

TEST_F(GlTest, UndecodableFileIsCachedWithoutTexture)
{
    D3DEngine* e = GetD3DEngine();
    resources.Write("data/bitmaps/broken.png", "not a picture");
    e->AddBitmapDirectory("data/bitmaps");
    EXPECT_EQ(e->GetTexture("broken.png"), 0u);
    EXPECT_TRUE(e->GetTextureData("broken.png", nullptr, nullptr));
    EXPECT_TRUE(reports.alerts.empty());
    BeginFrame();
    tagRECT r {0, 0, 100, 100};
    e->TileRect(r, "broken.png", 0xFFFFFFFFu);           // returns rather than looping forever
    EndFrame();
}

TEST_F(GlTest, SceneCountingAndRedundantBinds)
{
    D3DEngine* e = GetD3DEngine();
    WriteTwoColourPng(resources.Path() / "data/bitmaps", "a.png", 4, 4, kRed, kRed);
    e->AddBitmapDirectory("data/bitmaps");
    e->BeginRender();
    e->BeginRender();
    EXPECT_EQ(e->GetSceneCount(), 1u);
    EXPECT_TRUE(e->InScene());
    e->SetTexture("a.png");
    e->SetTexture("a.png");
    EXPECT_EQ(e->GetRedundantBinds(), 1.0f);
    e->EndRender();                                      // the inner scene (a loading screen
    EXPECT_TRUE(e->InScene());                           // drawn within a frame) ends...
    EXPECT_EQ(e->GetCurrentTextureName(), "a.png");
    e->EndRender();                                      // ...and then the frame's
    EXPECT_FALSE(e->InScene());
    e->SetTexture("a.png");                              // begins a scene; the name was cleared
    EXPECT_EQ(e->GetRedundantBinds(), 1.0f);
    EXPECT_EQ(e->GetSceneCount(), 2u);
    e->EndRender();
    e->Flip();
    EXPECT_EQ(e->GetSceneCount(), 0u);
}

TEST_F(GlTest, ReleaseLogsRedundantCallsOnlyAfterFrames)
{
    D3DEngine* e = GetD3DEngine();
    FILE* log = std::tmpfile();
    ASSERT_NE(log, nullptr);
    e->SetLogStream(log);
    e->Release();
    std::fflush(log);
    std::rewind(log);
    char line[256] = {};
    bool sawRedundant = false;
    while (std::fgets(line, sizeof line, log))
        sawRedundant = sawRedundant || std::string(line).find("Redundant") != std::string::npos;
    EXPECT_FALSE(sawRedundant);
    e->BeginRender();
    e->EndRender();
    e->Flip();
    e->Release();
    std::rewind(log);
    while (std::fgets(line, sizeof line, log))
        sawRedundant = sawRedundant || std::string(line).find("Redundant calls/frame = 0.000000") == 0;
    EXPECT_TRUE(sawRedundant);
    e->SetLogStream(nullptr);
    std::fclose(log);
}

TEST_F(GlTest, FullScreenSwitchKeepsTexturesAndComesBack)
{
    D3DEngine* e = GetD3DEngine();
    WriteTwoColourPng(resources.Path() / "data/bitmaps", "red.png", 4, 4, kRed, kRed);
    e->AddBitmapDirectory("data/bitmaps");
    CTexturedSprite sprite;
    sprite.SetTexture("red.png");
    unsigned before = sprite.GetGLName();
    SmartTexture smart("red.png");

    ASSERT_TRUE(e->Initialise(window, false, 1024, 768, 32, true, false));  // full screen
    EXPECT_EQ(window->GetRefCon(), e->GetIsWindowed() ? 0 : 1);
    SmartTexture::RebuildAll();
    EXPECT_EQ(smart.GetGLName(), before);
    ASSERT_TRUE(e->Initialise(window, false, 1024, 768, 32, true, true));   // and back
    EXPECT_EQ(window->GetRefCon(), 0);

    BeginFrame();
    sprite.width = sprite.height = 40;
    sprite.PlaceLocal(100, 100);
    sprite.Draw();
    RgbaImage img = EndFrame();
    ExpectColour(img, 100, 100, 255, 0, 0);
    EXPECT_EQ(img.width, 1024);
    EXPECT_EQ(img.height, 768);
}

TEST_F(GlTest, GuiElementPlacementAndTexturedFill)
{
    WriteTwoColourPng(resources.Path() / "data/bitmaps", "white.png", 4, 4, 0xFFFFFFFFu, 0xFFFFFFFFu);
    GetD3DEngine()->AddBitmapDirectory("data/bitmaps");
    GUI_BaseElement el;
    el.SetSize(101, 50);
    el.PlaceCentral();
    EXPECT_EQ(el.rect.left, 462);
    EXPECT_EQ(el.rect.top, 359);
    EXPECT_EQ(el.rect.right, 563);

    BeginFrame();
    el.FillWithTexture("white.png", 1.0f, 0.5f);       // grey at half brightness
    RgbaImage img = EndFrame();
    uint32_t c = img.At(512, 384);
    EXPECT_NEAR(Red(c), 127, 2);
    EXPECT_NEAR(Green(c), 127, 2);
    EXPECT_NEAR(Blue(c), 127, 2);

    // Out-of-range values clamp instead of wrapping the byte (1.004 was fully transparent).
    BeginFrame();
    el.FillWithTexture("white.png", 1.004f, 2.0f);
    img = EndFrame();
    c = img.At(512, 384);
    EXPECT_GT(Red(c), 250);
    EXPECT_GT(Blue(c), 250);
}

namespace {

// One way of drawing a sprite: size, turn, mirror, filter, blend, and whether a clip cuts
// it 20 pixels right of its centre.
struct TrimCase {
    float size, angle;
    bool mirrored, point, additive, clippedLeft;
};

// Pictures whose see-through part may be left out of their quads, checked against copies
// whose margin is barely there (alpha 1) and so are drawn whole.
class ContentTrimTest : public GlTest {
protected:
    // Writes a 32 x 32 picture twice: "<name>" with the margin see-through and
    // "faint_<name>" with it barely there. paint sets a texel's colour and says whether it
    // is part of the picture (opaque).
    void WritePair(const std::string& name, const std::function<bool(int, int, uint8_t*)>& paint)
    {
        const std::filesystem::path folder = resources.Path() / "data/bitmaps";
        std::filesystem::create_directories(folder);
        for (uint8_t marginAlpha : {0, 1}) {
            RgbaImage img;
            img.width = img.height = 32;
            img.pixels.assign(32 * 32 * 4, 0);
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x) {
                    uint8_t* p = &img.pixels[size_t(y * 32 + x) * 4];
                    p[3] = paint(x, y, p) ? 255 : marginAlpha;
                }
            WritePng((folder / ((marginAlpha ? "faint_" : "") + name)).string(), img);
        }
    }

    // The trimmed sprite drawn at (256, 384) and the whole one at (768, 384), the same way.
    RgbaImage DrawSideBySide(CTexturedSprite& trimmed, CTexturedSprite& whole, const TrimCase& c)
    {
        D3DEngine* e = GetD3DEngine();
        BeginFrame();
        e->ClearScreen(PackColor(40, 40, 90, 255));
        for (CTexturedSprite* s : {&trimmed, &whole}) {
            const float x = s == &trimmed ? 256.0f : 768.0f;
            s->width = s->height = c.size;
            s->angle = 0;
            s->Rotate(c.angle);
            s->PlaceLocal(x, 384.0f);
            if (c.mirrored)
                s->MirrorLeftRight();
            if (c.point)
                e->SetPointFilter();
            e->SetAdditiveBlend(c.additive);
            if (c.clippedLeft)
                s->DrawClipped(tagRECT {int(x) - 20, 0, 1024, 768});
            else
                s->Draw();
            e->SetAdditiveBlend(false);
            e->SetLinearFilter();
            if (c.mirrored)
                s->MirrorLeftRight();
        }
        return EndFrame();
    }
};

} // namespace

TEST_F(ContentTrimTest, ASeeThroughMarginIsLeftOutOfTheQuadWithoutChangingAPixel)
{
    D3DEngine* e = GetD3DEngine();
    // A red square with a green corner at 12..19, the rest margin.
    WritePair("margin.png", [](int x, int y, uint8_t* p) {
        const bool core = x >= 12 && x < 20 && y >= 12 && y < 20;
        p[0] = core && !(x < 14 && y < 14) ? 255 : 0;
        p[1] = core && x < 14 && y < 14 ? 255 : 0;
        return core;
    });
    e->AddBitmapDirectories("data/bitmaps", true);

    CTexturedSprite trimmed, whole;
    trimmed.SetTexture("margin.png");
    whole.SetTexture("faint_margin.png");
    float box[4];
    ASSERT_TRUE(e->GetContentBox(trimmed.GetGLName(), box));
    EXPECT_FLOAT_EQ(box[0], 11.0f / 32.0f); // a texel of margin kept for the filter
    EXPECT_FLOAT_EQ(box[1], 11.0f / 32.0f);
    EXPECT_FLOAT_EQ(box[2], 21.0f / 32.0f);
    EXPECT_FLOAT_EQ(box[3], 21.0f / 32.0f);
    EXPECT_FALSE(e->GetContentBox(whole.GetGLName(), box));

    // Upright, scaled, mirrored and turned, filtered or not, added or blended: the trimmed
    // quad draws what the whole one draws.
    const TrimCase cases[] = {{64, 0, false, false, false, false}, {128, 30, false, false, false, false},
                              {100, 0, true, true, false, false}, {160, 75, true, false, true, false}};
    int n = 0;
    for (const TrimCase& c : cases) {
        RgbaImage img = DrawSideBySide(trimmed, whole, c);
        Save(img, "content_box_" + std::to_string(n++) + ".png");
        int shown = 0;
        for (int y = 384 - 100; y < 384 + 100; ++y)
            for (int x = 256 - 100; x < 256 + 100; ++x)
                shown += img.At(x, y) != img.At(0, 0);
        EXPECT_GT(shown, 0) << "case " << n;
        EXPECT_EQ(CountDiffering(img, 256, 384, 100, 512), 0) << "case " << n;
    }
}

TEST_F(ContentTrimTest, ARoundPicturesSeeThroughCornersAreLeftOutWithoutChangingAPixel)
{
    D3DEngine* e = GetD3DEngine();
    // A disc shaded across and down. Its box is nearly the whole picture: only the
    // diagonal cuts of the corners leave anything out.
    WritePair("disc.png", [](int x, int y, uint8_t* p) {
        p[0] = uint8_t(x * 8);
        p[1] = uint8_t(y * 8);
        p[2] = 128;
        return (x - 16) * (x - 16) + (y - 16) * (y - 16) <= 14 * 14;
    });
    e->AddBitmapDirectories("data/bitmaps", true);

    CTexturedSprite trimmed, whole;
    trimmed.SetTexture("disc.png");
    whole.SetTexture("faint_disc.png");

    // Sizes on both sides of the one below which corners are kept; upright, turned and
    // mirrored; filtered or not; added or blended; whole or cut by a clip (a part of the
    // texture across the quad).
    const TrimCase cases[] = {{64, 0, false, false, false, false}, {128, 30, false, false, false, false},
                              {90, 40, true, true, false, false},  {180, 75, true, false, true, false},
                              {20, 45, false, false, false, false}, {150, 0, false, false, false, true}};
    int n = 0;
    for (const TrimCase& c : cases) {
        RgbaImage img = DrawSideBySide(trimmed, whole, c);
        Save(img, "content_outline_" + std::to_string(n++) + ".png");
        EXPECT_NE(img.At(256, 384), img.At(0, 0)) << "case " << n;
        EXPECT_EQ(CountDiffering(img, 256, 384, 100, 512), 0) << "case " << n;
    }
}

namespace {

// A 4 x 4 texture of one colour and alpha, registered for SetTexture(0, name).
unsigned SolidTexture(uint8_t r, uint8_t g, uint8_t b, uint8_t alpha)
{
    std::vector<uint8_t> px;
    for (int i = 0; i < 16; ++i)
        px.insert(px.end(), {r, g, b, alpha});
    unsigned name = GetD3DEngine()->UploadTexture(4, 4, px.data());
    GetD3DEngine()->AddTextureManually(name, 4, 4);
    return name;
}

// A stage in small: a fan of added beams and a turned blended bar, partly behind a
// trapezoid screen that is drawn over them last.
class OccluderTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        screenTexture = SolidTexture(20, 70, 60, 255);
        beamTexture = SolidTexture(255, 220, 160, 200);
        screen.width = 300;
        screen.height = 200;
        screen.PlaceLocal(512, 300);
        screen.vertices[2].x += 15; // narrower at the bottom, as the stage's screen is
        screen.vertices[3].x -= 15;
    }

    // occluder: the texture named to SetOccluder (0: none set); what SetOccluder said is
    // left in `accepted`.
    RgbaImage Draw(unsigned occluder, uint32_t screenColour, bool drawScreen)
    {
        D3DEngine* e = GetD3DEngine();
        BeginFrame(PackColor(30, 10, 40, 255));
        screen.SetVertexColor(screenColour);
        accepted = occluder && e->SetOccluder(screen.vertices, occluder);
        e->SetTexture(0, beamTexture);
        e->SetAdditiveBlend(true);
        std::vector<_D3DTLVERTEX> fan;
        for (int i = 0; i < 12; ++i) {
            const float x = 200.0f + 55.0f * float(i);
            fan.emplace_back(512, 500, 0, 1, 0xFFFFFFFFu, 0, 0.5f, 1.0f);
            fan.emplace_back(x, 40, 0, 1, 0x60FFFFFFu, 0, 0.0f, 0.0f);
            fan.emplace_back(x + 30, 40, 0, 1, 0x60FF8080u, 0, 1.0f, 0.0f);
        }
        e->DrawTriangles(fan.data(), int(fan.size()), nullptr, int(fan.size()));
        e->SetAdditiveBlend(false);
        BaseSprite bar;
        bar.width = 260;
        bar.height = 50;
        bar.Rotate(30);
        bar.PlaceLocal(380, 260);
        bar.SetVertexColor(0xC0FFFFFFu);
        bar.DrawNoChecks();
        e->ClearOccluder();
        if (drawScreen) {
            e->SetTexture(0, screenTexture);
            screen.DrawNoChecks();
        }
        return EndFrame();
    }

    // Pixels of b more than two levels from a's, and of those how many are not on the edge
    // of a shape in a (no neighbour of another colour).
    static std::pair<int, int> Differing(const RgbaImage& a, const RgbaImage& b)
    {
        auto near = [](uint32_t p, uint32_t q) {
            return std::abs(int(Red(p)) - int(Red(q))) <= 2 && std::abs(int(Green(p)) - int(Green(q))) <= 2 &&
                   std::abs(int(Blue(p)) - int(Blue(q))) <= 2;
        };
        int differing = 0, inside = 0;
        for (int y = 1; y < 767; ++y)
            for (int x = 1; x < 1023; ++x) {
                const uint32_t p = a.At(x, y);
                if (near(p, b.At(x, y)))
                    continue;
                ++differing;
                inside += near(p, a.At(x - 1, y)) && near(p, a.At(x + 1, y)) && near(p, a.At(x, y - 1)) &&
                          near(p, a.At(x, y + 1));
            }
        return {differing, inside};
    }

    unsigned screenTexture = 0, beamTexture = 0;
    BaseSprite screen;
    bool accepted = false;
};

} // namespace

TEST_F(OccluderTest, WhatAnOpaqueScreenCoversIsLeftOutOfTheShapesBehindIt)
{
    const RgbaImage plain = Draw(0, 0xFFFFFFFFu, true);
    const RgbaImage occluded = Draw(screenTexture, 0xFFFFFFFFu, true);
    ASSERT_TRUE(accepted);
    Save(occluded, "occluded.png");
    // The shapes are cut where they cross the screen's edges, and a cut corner falls on
    // the shape's edge only to the driver's precision: a pixel on that edge may go either
    // way, as it may when the same shape is drawn turned a hair. No other pixel changes.
    const auto [differing, inside] = Differing(plain, occluded);
    EXPECT_LE(differing, 12);
    EXPECT_EQ(inside, 0);

    // Left out indeed: with the screen never drawn, its inside shows the clear colour, and
    // the beams and the bar still cross its edges outside it.
    const RgbaImage hole = Draw(screenTexture, 0xFFFFFFFFu, false);
    const RgbaImage none = Draw(0, 0xFFFFFFFFu, false);
    const uint32_t clear = hole.At(1, 1);
    EXPECT_EQ(hole.At(526, 300), clear);
    EXPECT_NE(none.At(526, 300), clear);
    EXPECT_EQ(hole.At(512, 150), none.At(512, 150)) << "above the screen";
    EXPECT_EQ(hole.At(512, 450), none.At(512, 450)) << "below the screen";
}

TEST_F(OccluderTest, AScreenThatLetsAnythingThroughHidesNothing)
{
    const unsigned seeThrough = SolidTexture(20, 70, 60, 254);
    struct Case {
        const char* what;
        unsigned texture;
        uint32_t colour;
    };
    const Case cases[] = {
        {"a texel not quite opaque", seeThrough, 0xFFFFFFFFu},
        {"a tint not quite opaque", screenTexture, 0xFEFFFFFFu},
    };
    for (const Case& c : cases) {
        const RgbaImage image = Draw(c.texture, c.colour, false);
        EXPECT_FALSE(accepted) << c.what;
        EXPECT_NE(image.At(526, 300), image.At(1, 1)) << c.what << ": the beams behind it are drawn";
    }
    EXPECT_FALSE(GetD3DEngine()->SetOccluder(screen.vertices, 0));
    EXPECT_FALSE(GetD3DEngine()->SetOccluder(nullptr, screenTexture));
}

TEST_F(GlTest, SpriteLineAndClippedSprite)
{
    D3DEngine* e = GetD3DEngine();
    BeginFrame();
    V2 pts[3] = {{100, 100}, {300, 100}, {300, 300}};
    e->SetTexture(0, 0u);
    e->RenderSpriteLine(pts, 3, kGreen, 10.0f);
    BaseSprite s;
    s.width = s.height = 100;
    s.PlaceLocal(600, 600);
    s.SetVertexColor(kRed);
    tagRECT clip {600, 0, 1024, 768};
    s.DrawClipped(clip);
    // Wholly outside the rectangle, on either side: nothing, not a reversed sliver
    // between the sprite and the rectangle.
    BaseSprite outside;
    outside.width = outside.height = 50;
    outside.SetVertexColor(kRed);
    outside.PlaceLocal(125, 600);
    outside.DrawClipped(clip);
    outside.PlaceLocal(700, 600);
    outside.DrawClipped(tagRECT {0, 0, 1024, 300});
    RgbaImage img = EndFrame();
    ExpectColour(img, 400, 600, 0, 0, 0);
    ExpectColour(img, 700, 450, 0, 0, 0);
    ExpectColour(img, 200, 100, 0, 255, 0);
    ExpectColour(img, 300, 200, 0, 255, 0);
    ExpectColour(img, 200, 120, 0, 0, 0);
    ExpectColour(img, 580, 600, 0, 0, 0);     // cut away
    ExpectColour(img, 620, 600, 255, 0, 0);
}

TEST_F(GlTest, EventLoopRunsFirstFrameAtOnceThenAtThirtyHertz)
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> at;
    auto start = Clock::now();
    RunApplicationEventLoop([&] {
        at.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (at.size() == 4)
            QuitApplicationEventLoop();
    });
    // Wall-clock bounds only loose enough to hold on a loaded machine; the exact cadence
    // is checked against the scheduler with made-up times.
    ASSERT_EQ(at.size(), 4u);
    EXPECT_LT(at[0], 250.0);
    EXPECT_GE(at[3], 99.0);
}

TEST_F(GlTest, ClosingTheWindowEndsTheEventLoop)
{
    int frames = 0;
    window->SetWindowProc([](const GEvent& e) {
        if (e.kind == GEventKind::Closed)
            QuitApplicationEventLoop();
    });
    RunApplicationEventLoop([&] {
        if (++frames == 2) {
            SDL_Event quit {};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
        }
        ASSERT_LT(frames, 100);
    });
    EXPECT_EQ(frames, 2);
}

namespace {
int safeModeSetting = 0;
int FakeSettings(const char* section, const char* key, int def)
{
    if (std::string(section) != "config")
        return def;
    if (std::string(key) == "IsWindowed")
        return 0;
    if (std::string(key) == "SafeMode")
        return safeModeSetting;
    return def;
}
} // namespace

TEST_F(GlTest, SafeModeKeepsTheGameInAWindow)
{
    D3DEngine* e = GetD3DEngine();
    D3DEngine::SetDisplaySettingReader(FakeSettings);
    safeModeSetting = 1;
    ASSERT_TRUE(e->Initialise(window, false, 1024, 768, 32, false, false));
    EXPECT_TRUE(e->GetIsWindowed());
    ASSERT_TRUE(e->Initialise(window, false, 1024, 768, 32, true, false));  // safe mode skipped
    EXPECT_EQ(window->GetRefCon(), e->GetIsWindowed() ? 0 : 1);
    D3DEngine::SetDisplaySettingReader(nullptr);
    ASSERT_TRUE(e->Initialise(window, false, 1024, 768, 32, true, true));
    EXPECT_TRUE(e->GetIsWindowed());
}

// A kept layer and a picture made for copying are stored top row first, as the window's
// memory is, so that copying them in is a copy of memory. Whichever way they reach the frame
// (copied at its start, or, once something was shaded, copied later or drawn as a quad),
// they come out upright and in place, with what was drawn into the layer (clipped or not)
// where it was drawn.
TEST_F(GlTest, KeptLayersAndCopiedPicturesComeOutUprightWhicheverWayTheyReachTheFrame)
{
    D3DEngine* e = GetD3DEngine();
    // Red above with a green quarter at the top right, blue below.
    RgbaImage picture;
    picture.width = 64;
    picture.height = 32;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t c = y >= 16 ? kBlue : x >= 32 ? kGreen : kRed;
            for (int k = 0; k < 4; ++k)
                picture.pixels.push_back(uint8_t(c >> (8 * k)));
        }
    std::filesystem::create_directories(resources.Path() / "data/bitmaps");
    WritePng((resources.Path() / "data/bitmaps/quarters.png").string(), picture);
    e->AddBitmapDirectories("data/bitmaps", true);

    constexpr uint32_t kWhite = 0xFFFFFFFFu, kYellow = 0xFF00FFFFu;
    const tagRECT place {100, 200, 164, 232};
    struct Case {
        const char* what;
        bool layer;       // copied into a kept layer with two marks drawn over it
        bool shadedFirst; // something is shaded in the frame before it
    };
    const Case cases[] = {
        {"picture copied into the frame", false, false},
        {"picture copied after shading", false, true},
        {"layer copied in at the frame's start", true, false},
        {"layer drawn as a quad after shading", true, true},
    };
    int n = 0;
    for (const Case& c : cases) {
        BeginFrame();
        if (c.shadedFirst)
            e->FillRect(tagRECT {0, 0, 8, 8}, kWhite);
        if (c.layer)
            e->BeginCachedLayer(0, place);
        ASSERT_TRUE(e->CopyOpaqueTexture("quarters.png", place)) << c.what;
        if (c.layer) {
            e->FillRect(tagRECT {100, 200, 104, 202}, kWhite); // the layer's top left
            const tagRECT corner {160, 230, 164, 232};         // its bottom right, by clipping
            e->SetClipRect(&corner);
            e->FillRect(place, kYellow);
            e->SetClipRect(nullptr);
            e->EndCachedLayer();
        }
        RgbaImage img = EndFrame();
        Save(img, "upright_" + std::to_string(n++) + ".png");
        SCOPED_TRACE(c.what);
        for (int x : {100, 120, 131}) {
            ExpectColour(img, x, 199, 0, 0, 0);
            ExpectColour(img, x, 215, 255, 0, 0);
            ExpectColour(img, x, 216, 0, 0, 255);
            ExpectColour(img, x, 232, 0, 0, 0);
        }
        ExpectColour(img, 99, 210, 0, 0, 0);
        ExpectColour(img, 132, 210, 0, 255, 0);
        ExpectColour(img, 163, 200, 0, 255, 0);
        ExpectColour(img, 164, 210, 0, 0, 0);
        ExpectColour(img, 150, 231, 0, 0, 255);
        if (c.layer) {
            ExpectColour(img, 103, 201, 255, 255, 255);
            ExpectColour(img, 104, 201, 255, 0, 0);
            ExpectColour(img, 103, 202, 255, 0, 0);
            ExpectColour(img, 160, 230, 255, 255, 0);
            ExpectColour(img, 163, 231, 255, 255, 0);
            ExpectColour(img, 159, 231, 0, 0, 255);
            ExpectColour(img, 160, 229, 0, 0, 255);
        } else {
            ExpectColour(img, 100, 200, 255, 0, 0);
            ExpectColour(img, 163, 231, 0, 0, 255);
        }
    }
}
