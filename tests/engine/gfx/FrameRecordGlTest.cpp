// The recorded frame: what a clear makes invisible is dropped, equal frames compare equal,
// and the renderer neither draws nor presents a frame that is the same as the one on
// screen, unless the screen may no longer show it.
#include "GlTestFixture.h"

#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/FrameRecord.h"

#include <SDL2/SDL.h>

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>

#include <functional>

namespace {

constexpr uint32_t kRed = 0xFF0000FFu, kGreen = 0xFF00FF00u;
const int kViewport[4] = {0, 0, 1024, 768};

FrameRecord OneQuad(const DrawTextureState& state, uint8_t red)
{
    FrameRecord f;
    f.Scene(kViewport, 1024, 768);
    f.Clear(0xFF000000u);
    f.Begin(DrawOp::Quads, state);
    for (int i = 0; i < 4; ++i)
        f.Vertex(DrawVertex {float(i), 0, 0, 0, red, 0, 0, 255});
    return f;
}

// Draws and flips a frame with one filled rectangle; whether the frame was presented.
bool FlipFill(uint32_t colour)
{
    D3DEngine* e = GetD3DEngine();
    unsigned unchanged = e->GetUnchangedFrames();
    e->BeginRender();
    e->ClearScreen(0xFF000000u);
    tagRECT r {100, 100, 200, 200};
    e->FillRect(r, colour);
    e->EndRender();
    e->Flip();
    return e->GetUnchangedFrames() == unchanged;
}

} // namespace

TEST(FrameRecord, AClearDropsWhatWasDrawnBeforeItButKeepsTheScene)
{
    FrameRecord f = OneQuad({}, 255);
    f.Clear(0xFF00FF00u);
    ASSERT_EQ(f.Batches().size(), 2u);
    EXPECT_EQ(f.Batches()[0].op, DrawOp::Scene);
    EXPECT_EQ(f.Batches()[1].op, DrawOp::Clear);
    EXPECT_EQ(f.Batches()[1].colour, 0xFF00FF00u);
    EXPECT_EQ(f.VertexCount(), 0u);

    // Scenes begun with nothing drawn in between do not pile up.
    FrameRecord g;
    for (int i = 0; i < 100; ++i)
        g.Scene(kViewport, 1024, 768);
    EXPECT_EQ(g.Batches().size(), 1u);
}

TEST(FrameRecord, QuadsWithTheSameTextureGoToTheDriverAsOneDraw)
{
    const DrawTextureState a {true, false, 7}, b {true, false, 8};
    FrameRecord f;
    f.Scene(kViewport, 1024, 768);
    for (const DrawTextureState& s : {a, a, b, a}) {
        f.Begin(DrawOp::Quads, s);
        for (int i = 0; i < 4; ++i)
            f.Vertex(DrawVertex {});
    }
    f.Begin(DrawOp::LineStrip, a); // strips are never joined
    f.Begin(DrawOp::LineStrip, a);
    ASSERT_EQ(f.Batches().size(), 6u);
    EXPECT_EQ(f.Batches()[1].count, 8u);
    EXPECT_EQ(f.Batches()[2].first, 8u);
    EXPECT_EQ(f.Batches()[3].count, 4u);
}

TEST(FrameRecord, FramesDifferInAnyVertexOrTextureState)
{
    const DrawTextureState plain {true, false, 7};
    struct Case {
        const char* what;
        DrawTextureState state;
        uint8_t red;
        bool same;
    };
    const Case cases[] = {
        {"the same frame", plain, 255, true},
        {"another colour", plain, 254, false},
        {"another texture", {true, false, 8}, 255, false},
        {"point filtering", {true, true, 7}, 255, false},
        {"untextured", {false, false, 7}, 255, false},
    };
    const FrameRecord reference = OneQuad(plain, 255);
    for (const Case& c : cases)
        EXPECT_EQ(OneQuad(c.state, c.red) == reference, c.same) << c.what;
}

TEST_F(GlTest, AFrameLikeTheOneOnScreenIsNeitherDrawnNorPresentedAgain)
{
    D3DEngine* e = GetD3DEngine();
    EXPECT_TRUE(FlipFill(kRed)) << "the first frame after the window is shown";
    EXPECT_FALSE(FlipFill(kRed));
    EXPECT_FALSE(FlipFill(kRed));
    EXPECT_TRUE(FlipFill(kGreen));
    EXPECT_FALSE(FlipFill(kGreen));

    // What can make the same frame look different, or the screen lose it.
    const std::pair<const char*, std::function<void()>> reasons[] = {
        {"a texture made", [e] {
             const uint8_t px[4] = {1, 2, 3, 4};
             e->RemoveTextureManually(e->UploadTexture(1, 1, px));
         }},
        {"the window uncovered", [this] {
             SDL_Event ev {};
             ev.type = SDL_WINDOWEVENT;
             ev.window.event = SDL_WINDOWEVENT_EXPOSED;
             ev.window.windowID = SDL_GetWindowID(window->Sdl());
             SDL_PushEvent(&ev);
             PumpWindowEvents();
         }},
        {"the display restarted", [this, e] { e->Initialise(window, false, 1024, 768, 32, true, true); }},
    };
    for (const auto& [what, reason] : reasons) {
        reason();
        EXPECT_TRUE(FlipFill(kGreen)) << what;
        EXPECT_FALSE(FlipFill(kGreen)) << what;
    }

    // A frame read back is always drawn, and shows what was recorded.
    RgbaImage image;
    SetBeforeFlipHook([&image] { image = ReadBackFrame(); });
    EXPECT_TRUE(FlipFill(kGreen));
    SetBeforeFlipHook(nullptr);
    EXPECT_EQ(Green(image.At(150, 150)), 255);
    EXPECT_EQ(Red(image.At(150, 150)), 0);
    EXPECT_EQ(Green(image.At(50, 50)), 0);
}

TEST_F(GlTest, ATextureFreedWhileTheFrameStillDrawsWithItIsFreedAfterTheFrame)
{
    D3DEngine* e = GetD3DEngine();
    std::vector<uint8_t> red(4 * 4 * 4);
    for (size_t i = 0; i < red.size(); i += 4) {
        red[i] = 255;
        red[i + 3] = 255;
    }
    unsigned name = e->UploadTexture(4, 4, red.data());
    e->AddTextureManually(name, 4, 4);
    BeginFrame();
    e->SetTexture(0, name);
    BaseSprite sprite;
    sprite.width = sprite.height = 40;
    sprite.PlaceLocal(100, 100);
    sprite.DrawNoChecks();
    e->RemoveTextureManually(name);
    EXPECT_TRUE(glIsTexture(name)) << "freed before the frame was drawn";
    RgbaImage image = EndFrame();
    EXPECT_EQ(Red(image.At(100, 100)), 255);
    EXPECT_FALSE(glIsTexture(name));
}

TEST_F(GlTest, OpaqueLayersCoverAndTranslucentOnesStillBlend)
{
    D3DEngine* e = GetD3DEngine();
    auto texture = [e](uint8_t alpha) {
        std::vector<uint8_t> px(4 * 4 * 4, 0);
        for (size_t i = 0; i < px.size(); i += 4) {
            px[i] = 255;
            px[i + 3] = alpha;
        }
        unsigned name = e->UploadTexture(4, 4, px.data());
        e->AddTextureManually(name, 4, 4);
        return name;
    };
    struct Case {
        const char* what;
        uint8_t textureAlpha;
        uint32_t vertexColour;
        int green; // over white: 0 when the red layer covers, about 127 when it blends
    };
    const Case cases[] = {
        {"opaque texture, opaque colour", 255, 0xFFFFFFFFu, 0},
        {"half-transparent texture", 128, 0xFFFFFFFFu, 127},
        {"opaque texture, half-transparent colour", 255, 0x80FFFFFFu, 127},
    };
    for (const Case& c : cases) {
        unsigned name = texture(c.textureAlpha);
        BeginFrame(0xFFFFFFFFu);
        e->SetTexture(0, name);
        BaseSprite sprite;
        sprite.width = sprite.height = 40;
        sprite.PlaceLocal(100, 100);
        sprite.SetVertexColor(c.vertexColour);
        sprite.DrawNoChecks();
        RgbaImage image = EndFrame();
        EXPECT_EQ(Red(image.At(100, 100)), 255) << c.what;
        EXPECT_NEAR(Green(image.At(100, 100)), c.green, 2) << c.what;
        EXPECT_EQ(Green(image.At(10, 10)), 255) << c.what << ": the white around it";
        e->RemoveTextureManually(name);
    }
}

TEST_F(GlTest, QuadsOfOneColourLookTheSameWhateverTheirShapeOrTexture)
{
    // A picture with features to show how the texture runs: shaded across and down, a
    // dark diagonal and a dark middle column.
    std::vector<uint8_t> px;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool line = x == y || x == 16;
            px.insert(px.end(), {uint8_t(line ? 0 : 64 + x * 6), uint8_t(line ? 0 : 64 + y * 6), 90, 255});
        }
    D3DEngine* e = GetD3DEngine();
    const unsigned texture = e->UploadTexture(32, 32, px.data());
    e->AddTextureManually(texture, 32, 32);

    struct Case {
        const char* what;
        float angle, inset; // turn, and how far the bottom corners come in
    };
    const Case cases[] = {{"upright", 0, 0}, {"turned", 30, 0}, {"narrower at the bottom", 0, 60}};
    for (const Case& c : cases) {
        // Once of one colour, once with one corner a level less red: the picture must be
        // the same within that level, whichever way the driver shades each.
        RgbaImage frames[2];
        for (int n = 0; n < 2; ++n) {
            BeginFrame(PackColor(20, 20, 20, 255));
            e->SetTexture(0, texture);
            BaseSprite sprite;
            sprite.width = sprite.height = 300;
            sprite.Rotate(c.angle);
            sprite.PlaceLocal(512, 384);
            sprite.vertices[2].x += c.inset;
            sprite.vertices[3].x -= c.inset;
            sprite.SetVertexColor(0xFFFFFFFFu);
            if (n == 1)
                sprite.vertices[3].diffuse = 0xFFFFFFFEu;
            sprite.DrawNoChecks();
            frames[n] = EndFrame();
        }
        int differing = 0;
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 1024; ++x) {
                const uint32_t p = frames[0].At(x, y), q = frames[1].At(x, y);
                differing += std::abs(int(Red(p)) - int(Red(q))) > 2 || std::abs(int(Green(p)) - int(Green(q))) > 2;
            }
        EXPECT_LE(differing, 4) << c.what;
    }
    e->RemoveTextureManually(texture);
}
