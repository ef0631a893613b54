// Both text engines drawn through the real renderer: the baked bitmap font and a system
// font, checked pixel by pixel.
#include "GlTestFixture.h"

#include "engine/LibTextEngine.h"
#include "engine/gfx/GDIText.h"
#include "engine/gfx/TextRenderGL.h"

namespace {

class TextGlTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        CopyShippedData();
        GetD3DEngine()->AddBitmapDirectories("data/bitmaps", true);
        ConnectTextToRenderer();
        GetTextEngine()->Initialise();
    }
    // Pixels in the rectangle for which the test holds.
    template <class Test> static int Count(const RgbaImage& img, int l, int t, int r, int b, Test test)
    {
        int n = 0;
        for (int y = t; y < b; ++y)
            for (int x = l; x < r; ++x)
                n += test(img.At(x, y)) ? 1 : 0;
        return n;
    }
};

TEST_F(TextGlTest, BakedFontWidthsMatchTheirTexture)
{
    LibFont* font = GetTextEngine()->AddFont("data/fonts/verdana14.dds.dat", "verdana14.dds", 14, 14);
    int w = 0, h = 0;
    const uint8_t* pixels = nullptr;
    ASSERT_TRUE(GetD3DEngine()->GetTextureData("verdana14.dds", &w, &h, &pixels));
    EXPECT_EQ(w, 140);
    EXPECT_EQ(h, 140);
    int32_t widths[100];
    LibFont::CalculateCharWidths(pixels, w, h, 14, widths);
    for (int g = 0; g < 100; ++g)
        EXPECT_EQ(font->GetWidth(g), widths[g]) << "glyph " << g;
    EXPECT_GT(font->GetWidth(LibTextEngine::CharToID('W')), font->GetWidth(LibTextEngine::CharToID('i')));
}

TEST_F(TextGlTest, BitmapAndSystemTextReachTheScreen)
{
    LibTextEngine* text = GetTextEngine();
    text->AddFont("data/fonts/verdana14.dds.dat", "verdana14.dds", 14, 14)->SetSpacing(1);
    text->SetCurrentFont("verdana14.dds", 28);
    BeginFrame();
    text->DrawString("HELLO", 100, 100, 0xFFFF0000u); // opaque red, 0xAARRGGBB
    GDIText::AddChunk(100, 300, "Amplivance", "tahoma", 24, 400, GTEXTALIGN_LEFT, 0, 255, 0);
    GDIText::RenderChunks(-1);
    RgbaImage img = EndFrame();
    Save(img, "text.png");

    auto red = [](uint32_t c) { return Red(c) > 150 && Green(c) < 80 && Blue(c) < 80; };
    auto green = [](uint32_t c) { return Green(c) > 150 && Red(c) < 80 && Blue(c) < 80; };
    auto lit = [](uint32_t c) { return Red(c) + Green(c) + Blue(c) > 60; };
    const int hello = text->GetStringLength("HELLO");
    EXPECT_GT(Count(img, 100, 100, 100 + hello + 2, 130, red), 100);
    EXPECT_EQ(Count(img, 100 + hello + 30, 100, 400, 130, lit), 0); // nothing past the text
    GDIText::SetFont("tahoma", 24, false);
    const int width = int(GDIText::GetStringWidth("Amplivance"));
    EXPECT_GT(Count(img, 100, 300, 100 + width, 330, green), 100);
    EXPECT_EQ(Count(img, 0, 0, 90, 768, lit), 0);
}

} // namespace
