// Headless rules of the renderer: window size fallback, the ".dds" name rule, folder
// listing order, colour orders, sprite geometry and UVs, animation timing, GUI placement.
#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GUI_BaseElement.h"
#include "engine/gfx/GVertexBuffer.h"
#include "port/sdl/FrameLoop.h"
#include "support/TestSupport.h"

TEST(WindowSizeTest, FallbackIsLargestListedSizeSmallerThanTheDisplay)
{
    struct Case {
        int dw, dh, w, h;
    } cases[] = {
        {1024, 768, 800, 600},   {1440, 900, 1024, 768}, {1280, 1024, 1024, 768},
        {1920, 1080, 1280, 1024}, {1281, 961, 1280, 960}, {800, 600, 800, 600},
    };
    for (const Case& c : cases) {
        int w = 0, h = 0;
        ChooseWindowedSize(c.dw, c.dh, w, h);
        EXPECT_EQ(w, c.w) << c.dw << "x" << c.dh;
        EXPECT_EQ(h, c.h) << c.dw << "x" << c.dh;
    }
}

TEST(TextureNameTest, DdsIsRequestedAsPng)
{
    EXPECT_EQ(TextureRequestName("verdana12.dds"), "verdana12.png");
    EXPECT_EQ(TextureRequestName("verdana12.dds.dat"), "verdana12.png");
    EXPECT_EQ(TextureRequestName("postit1.bmp"), "postit1.bmp");
    EXPECT_EQ(TextureRequestName(""), "");
}

TEST(TextureNameTest, EmptyNameNeverFindsATextureAddedByHand)
{
    D3DEngine engine;
    engine.AddTextureManually(7, 16, 16); // as the system fonts' glyph pictures are
    EXPECT_EQ(engine.GetTexture(""), 0u);
    EXPECT_FALSE(engine.GetTextureData("", nullptr, nullptr));
    EXPECT_EQ(engine.FindSurface(""), nullptr);
}

TEST(InitialiseTest, NoWindowIsAFailure)
{
    D3DEngine engine;
    EXPECT_FALSE(engine.Initialise(nullptr, false, 1024, 768, 32, true, true));
}

class BitmapFolderTest : public SandboxTest {};

TEST_F(BitmapFolderTest, FoldersListedParentFirstThenDepthFirstSkippingDotFolders)
{
    // Upper-case names sort among the lower-case ones, as in every other listing.
    for (const char* d : {"data/bitmaps/b/inner", "data/bitmaps/a", "data/bitmaps/.hidden", "data/bitmaps/Band",
                          "data/bitmaps/Zed", "data/bitmaps/B"})
        std::filesystem::create_directories(resources.Path() / d);
    resources.Write("data/bitmaps/c.png", "not a folder");
    D3DEngine engine;
    engine.AddBitmapDirectories("data/bitmaps", true);
    engine.AddBitmapDirectories(config.Str(), false);  // absolute folder, no sub-folders
    engine.AddBitmapDirectories("data/bitmaps", true); // again after a display restart
    EXPECT_EQ(engine.GetBitmapDirectories(),
              (std::vector<std::string> {"data/bitmaps", "data/bitmaps/a", "data/bitmaps/B", "data/bitmaps/b",
                                         "data/bitmaps/b/inner", "data/bitmaps/Band", "data/bitmaps/Zed",
                                         config.Str()}));
}

TEST(ColourTest, PackedAndVertexBufferOrders)
{
    EXPECT_EQ(PackColor(255, 0, 0, 255), 0xFF0000FFu);
    EXPECT_EQ(VertexColor(0, 0, 255, 255), 0xFF0000FFu);
    BaseSprite s;
    s.SetVertexColor(1, 2, 3, 4);
    EXPECT_EQ(s.vertices[3].diffuse, 0x04030201u);
}

TEST(SpriteTest, ConstructionAndPlacement)
{
    BaseSprite s(tagRECT {10, 20, 31, 41});
    EXPECT_EQ(s.width, 21.0f);
    EXPECT_EQ(s.vertices[0].rhw, 1.0f);
    EXPECT_EQ(s.vertices[1].tu, 1.0f);
    EXPECT_EQ(s.vertices[2].tv, 1.0f);
    EXPECT_FLOAT_EQ(s.GetCenterX(), 20.0f);  // (10 + 31) / 2 in integers
    EXPECT_FLOAT_EQ(s.GetCenterY(), 30.0f);
    EXPECT_TRUE(s.IsPointInside(20, 30));
    EXPECT_FALSE(s.IsPointInside(s.Left(), 30)); // strict

    BaseSprite r;
    r.width = 20;
    r.height = 10;
    r.Rotate(90);
    r.PlaceLocal(100, 100);
    // Clockwise on screen: the top-left corner goes to the top right.
    EXPECT_NEAR(r.vertices[0].x, 105.0f, 1e-3);
    EXPECT_NEAR(r.vertices[0].y, 90.0f, 1e-3);
    r.axisAligned = true;
    r.PlaceLocal(100, 100);
    EXPECT_FLOAT_EQ(r.vertices[0].x, 90.0f);
}

TEST(SpriteTest, RotateWrapsOnce)
{
    struct Case {
        float by, expected;
    } cases[] = {{370, 10}, {-10, 350}, {-400, -40}, {360, 0}};
    for (const Case& c : cases) {
        BaseSprite s;
        s.Rotate(c.by);
        EXPECT_FLOAT_EQ(s.angle, c.expected) << c.by;
    }
}

TEST(SpriteTest, UvCellsAndMirrors)
{
    BaseSprite s;
    s.SetUV(16, 5);
    EXPECT_FLOAT_EQ(s.vertices[0].tu, 0.25f);
    EXPECT_FLOAT_EQ(s.vertices[0].tv, 0.25f);
    EXPECT_FLOAT_EQ(s.vertices[3].tu, 0.5f);
    EXPECT_FLOAT_EQ(s.vertices[3].tv, 0.5f);
    s.SetUVPx(64, 0, 16, 32, 64);
    EXPECT_FLOAT_EQ(s.vertices[1].tu, 0.5f);
    EXPECT_FLOAT_EQ(s.vertices[0].tv, 0.25f);
    s.MirrorLeftRight();
    EXPECT_FLOAT_EQ(s.vertices[0].tu, 0.5f);
    EXPECT_FLOAT_EQ(s.vertices[3].tu, 0.0f);
    s.MirrorUpDown();
    EXPECT_FLOAT_EQ(s.vertices[0].tv, 1.0f);
    EXPECT_FLOAT_EQ(s.vertices[2].tv, 0.25f);
}

TEST(SpriteTest, OnscreenNeedsACornerStrictlyInside)
{
    D3DEngine::W = 1024;
    D3DEngine::H = 768;
    BaseSprite s;
    s.width = 1024;
    s.height = 768;
    s.PlaceLocal(512, 384);
    EXPECT_FALSE(s.IsOnscreen());
    s.PlaceLocal(600, 400);
    EXPECT_TRUE(s.IsOnscreen());
    D3DEngine::W = D3DEngine::H = 0;
}

TEST(SpriteTest, WorldAndIsoSprites)
{
    WorldSprite w;
    w.width = w.height = 40;
    w.worldX = 150;
    w.worldY = 120;
    w.Transform(50, 20);
    EXPECT_TRUE(w.IsPointInside(119, 100));
    EXPECT_FALSE(w.IsPointInside(120, 100));
    EXPECT_FLOAT_EQ(w.Left(), 80.0f);

    IsoSprite iso;
    iso.width = 10;
    iso.height = 5;
    iso.PlaceLocal(100, 100);
    EXPECT_FLOAT_EQ(iso.vertices[0].x, 90.0f);
    EXPECT_FLOAT_EQ(iso.vertices[1].y, 95.0f);
    EXPECT_FLOAT_EQ(iso.vertices[2].y, 105.0f);
    EXPECT_FLOAT_EQ(iso.vertices[3].x, 110.0f);
}

class AnimationTest : public SandboxTest {};

TEST_F(AnimationTest, StepsThroughCellsThenFinishes)
{
    AnimatedSprite a;          // off screen (no screen size): Draw only advances
    a.Initialise(400, 4);
    EXPECT_FLOAT_EQ(a.vertices[3].tu, 0.5f);    // cell 0 of a 2 x 2 sheet
    a.Draw();
    EXPECT_EQ(a.GetFrame(), 0);
    for (int expected = 1; expected <= 3; ++expected) {
        clock.Advance(101);
        a.Draw();
        EXPECT_EQ(a.GetFrame(), expected);
        EXPECT_FALSE(a.IsFinished());
    }
    EXPECT_FLOAT_EQ(a.vertices[0].tu, 0.5f);    // cell 3: bottom right
    EXPECT_FLOAT_EQ(a.vertices[0].tv, 0.5f);
    clock.Advance(101);
    a.Draw();
    EXPECT_TRUE(a.IsFinished());
    clock.Advance(1000);
    a.Draw();
    EXPECT_TRUE(a.IsFinished());
}

TEST_F(AnimationTest, FewerThanFourFramesDoNotAbort)
{
    for (int frames : {0, 1, 2, 3}) {
        AnimatedSprite a;
        a.Initialise(300, frames);
        for (int i = 0; i < 5; ++i) {
            clock.Advance(200);
            a.Draw();
        }
        EXPECT_TRUE(a.IsFinished()) << frames;
    }
}

TEST(VertexBufferTest, RebuildReplacesTheStoreAndKeepsIndicesWhenAsked)
{
    {
        GVertexBuffer vb;
        vb.Initialise(8, true);
        vb.indices[0] = 7;
        IDirect3DVertexBuffer8* old = vb.store.get();
        vb.Rebuild();
        EXPECT_NE(vb.store.get(), nullptr);
        EXPECT_EQ(vb.indices[0], 7);
        (void)old;
        EXPECT_EQ(GVertexBuffer::AllVBs.size(), 1u);
        vb.Reset();
        EXPECT_EQ(vb.indices[0], 0);
    }
    EXPECT_TRUE(GVertexBuffer::AllVBs.empty());  // a destroyed buffer leaves the list
}

TEST(VertexBufferDeathTest, CapacityOutsideTheLimitsIsAProgrammingError)
{
    GVertexBuffer vb;
    EXPECT_DEATH(vb.Initialise(0, false), "vertsused > 0");
    EXPECT_DEATH(vb.Initialise(MAXVERTS + 1, false), "vertsused > 0");
}

TEST(GuiElementTest, HitTestSizeAndForceOnscreen)
{
    GUI_BaseElement el;
    el.SetPosition(10, 10, 110, 60);
    EXPECT_EQ(el.width, 100);
    struct Case {
        float x, y;
        bool inside;
    } cases[] = {{11, 11, true}, {109, 59, true}, {10, 30, false}, {110, 30, false}, {50.9f, 10.9f, false}};
    for (const Case& c : cases)
        EXPECT_EQ(el.PtInside(c.x, c.y), c.inside) << c.x << "," << c.y;

    el.SetSize(50, 20);
    el.SetPosition(5, 5);
    EXPECT_EQ(el.rect.right, 55);
    EXPECT_EQ(el.rect.bottom, 25);

    D3DEngine::W = 1024;
    D3DEngine::H = 768;
    el.SetSize(100, 50);
    el.SetPosition(-20, -10);
    el.ForceOnscreen();
    EXPECT_EQ(el.rect.left, 0);
    EXPECT_EQ(el.rect.top, 0);
    EXPECT_EQ(el.rect.right, 100);
    EXPECT_EQ(el.rect.bottom, 50);
    el.SetSize(2000, 1000);
    el.SetPosition(10, 10);
    el.ForceOnscreen();
    EXPECT_EQ(el.rect.left, 0);        // wider than the screen: ends at left 0
    EXPECT_LT(el.rect.top, 0);         // taller: top above 0
    D3DEngine::W = D3DEngine::H = 0;
}

TEST(FrameSchedulerTest, FirstFrameAtOnceThenEveryPeriodWithoutBursts)
{
    FrameScheduler s(1000.0 / 30.0);
    s.Start(0);
    EXPECT_TRUE(s.Due(0));
    s.FrameRan(0);
    EXPECT_FALSE(s.Due(30));
    EXPECT_TRUE(s.Due(33.34));
    s.FrameRan(40);                     // a little late: the cadence holds
    EXPECT_NEAR(s.NextDue(), 66.67, 0.01);
    s.FrameRan(500);                    // a stall: one frame, then a full period
    EXPECT_FALSE(s.Due(501));
    EXPECT_NEAR(s.NextDue(), 533.33, 0.01);
}
