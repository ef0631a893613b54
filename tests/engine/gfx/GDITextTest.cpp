// System-font text: metrics from the free faces (no display needed), line breaking, chunk
// alignment and the character limit, over a painter that records the glyphs drawn.
#include "engine/gfx/GDIText.h"

#include "engine/LibTextEngine.h"
#include "engine/gfx/D3DEngine.h"
#include "port/Paths.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

namespace {

struct Painted {
    unsigned char c;
    float x, baseline;
    int r, g, b;
};

class RecordingPainter : public GDIGlyphPainter {
public:
    void DrawGlyph(GDIFont&, unsigned char c, float x, float baseline, int r, int g, int b) override
    {
        glyphs.push_back(Painted {c, x, baseline, r, g, b});
    }
    void ForgetFont(GDIFont&) override { ++forgotten; }
    std::string Text() const
    {
        std::string s;
        for (const Painted& p : glyphs)
            s += char(p.c);
        return s;
    }
    std::vector<Painted> glyphs;
    int forgotten = 0;
};

class GDITextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GDIText::SetGlyphPainter(&painter);
        GDIText::SetScreenWidth(1024);
    }
    void TearDown() override
    {
        GDIText::RenderChunks(-1);
        GDIText::DeleteFonts();
        GDIText::SetGlyphPainter(nullptr);
    }
    RecordingPainter painter;
};

TEST_F(GDITextTest, FontsAreBuiltSmallerThanAskedAndReused)
{
    const struct {
        int size, glyph;
    } cases[] = {{12, 10}, {17, 15}, {18, 14}, {24, 20}};
    for (const auto& c : cases) {
        GDIText::SetFont("tahoma", c.size, false);
        ASSERT_NE(GDIText::GetCurrentFont(), nullptr);
        EXPECT_EQ(GDIText::GetCurrentFont()->glyphSize, c.glyph) << c.size;
        EXPECT_GT(GDIText::GetCurrentFont()->ascent, 0) << c.size;
    }
    GDIText::SetFont("tahoma", 12, false);
    GDIFont* plain = GDIText::GetCurrentFont();
    GDIText::SetFont("tahoma", 12, true);
    EXPECT_NE(GDIText::GetCurrentFont(), plain);
    GDIText::SetFont("tahoma", 12, false);
    EXPECT_EQ(GDIText::GetCurrentFont(), plain);
    GDIText::DeleteFonts();
    EXPECT_EQ(GDIText::GetCurrentFont(), nullptr);
    EXPECT_EQ(painter.forgotten, 5);
}

TEST_F(GDITextTest, EveryGameFontNameHasAFace)
{
    for (const char* name : {"Verdana bold", "LCD Bold", "Journal", "tahoma", "tahoma bold", "tahoma bold ", "",
                             "Unheard Of Sans"}) {
        GDIText::SetFont(name, 16, false);
        GDIFont* f = GDIText::GetCurrentFont();
        ASSERT_NE(f->face, nullptr) << name;
        EXPECT_GT(GDIText::GetStringWidth("Band"), 0.0f) << name;
    }
    // The bold face is wider than the plain one; the three tahoma names stay apart.
    GDIText::SetFont("tahoma", 16, false);
    const float plain = GDIText::GetStringWidth("Rehearsal");
    GDIText::SetFont("tahoma bold ", 16, false);
    EXPECT_GT(GDIText::GetStringWidth("Rehearsal"), plain);
    EXPECT_EQ(GDIText::GetCurrentFont()->name, "tahoma bold ");
}

TEST_F(GDITextTest, WidthTableCoversEveryByte)
{
    GDIText::SetFont("tahoma", 14, false);
    const GDIFont* f = GDIText::GetCurrentFont();
    EXPECT_GT(f->widths[0xFF], 0); // y with diaeresis
    EXPECT_GT(f->widths[0xE9], 0); // e acute, a cp1252 byte
    EXPECT_GT(f->widths[0x80], 0); // the euro sign
    EXPECT_EQ(f->widths['\n'], 0);
    EXPECT_EQ(GDIText::GetStringWidth("ab"), float(f->widths['a'] + f->widths['b']));
    EXPECT_EQ(GDIText::GetStringWidth("\xFF\xFF"), 2.0f * f->widths[0xFF]);
}

TEST_F(GDITextTest, LinesBreakAtSpacesBeforeTheWrap)
{
    GDIText::SetFont("tahoma", 14, false);
    const int line = GDIText::GetLineHeight();
    const float word = GDIText::GetStringWidth("word ");
    const struct {
        const char* text;
        float wrap;
        int lines;
    } cases[] = {
        {"word word word", 1000, 1},
        {"word word word", word * 2 + 1, 2},
        {"word word word", word, 3},
        {"unbreakableword", 5, 1},   // words are never split
        {"word  word", word, 2},     // the second space at the break is skipped
        {"", 100, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GDIText::GetTextHeight(c.text, c.wrap), c.lines * line) << c.text << " at " << c.wrap;

    painter.glyphs.clear();
    const int down = GDIText::RenderText(10, 100, "word word word", word);
    const int ascent = GDIText::GetCurrentFont()->ascent;
    EXPECT_EQ(down, ascent + 2 * line);
    EXPECT_EQ(painter.Text(), "word word word");
    EXPECT_EQ(painter.glyphs[5].x, 10); // the second line starts again at x
    EXPECT_EQ(painter.glyphs[5].baseline, 100 + ascent + line);
}

TEST_F(GDITextTest, ZeroWrapReachesTheScreenEdge)
{
    GDIText::SetFont("tahoma", 14, false);
    const std::string text = "a b c d e f g h";
    // At x = 1000 on a 1024 screen the wrap is 24 pixels.
    painter.glyphs.clear();
    const int down = GDIText::RenderText(1000, 0, text, 0);
    const int lines = (down - GDIText::GetCurrentFont()->ascent) / GDIText::GetLineHeight() + 1;
    EXPECT_EQ(lines * GDIText::GetLineHeight(), GDIText::GetTextHeight(text.c_str(), 24));
    EXPECT_GT(lines, 1);
    // Measured from the left edge, a zero wrap is the whole screen: one line.
    EXPECT_EQ(GDIText::GetTextHeight(text.c_str(), 0), GDIText::GetLineHeight());
}

TEST_F(GDITextTest, ZeroWrapFollowsTheDisplayWhenItIsReopened)
{
    GDIText::SetFont("tahoma", 14, false);
    const std::string text = "a b c d e f g h";
    D3DEngine::W = 24; // the display opened again, much narrower
    const int height = GDIText::GetTextHeight(text.c_str(), 0);
    D3DEngine::W = 0;
    EXPECT_EQ(height, GDIText::GetTextHeight(text.c_str(), 24));
    EXPECT_GT(height, GDIText::GetLineHeight());
}

TEST_F(GDITextTest, AlignedChunksKeepTheirPlace)
{
    GDIText::SetFont("tahoma", 14, false);
    const float width = GDIText::GetStringWidth("Cash");
    GDIText::AddChunk(100, 50, "Cash", "tahoma", 14, 200, GTEXTALIGN_RIGHT, 10, 20, 30);
    GDIText::AddChunk(100, 80, "Cash", "tahoma", 14, 200, GTEXTALIGN_CENTRE, 255, 255, 255);
    painter.glyphs.clear();
    GDIText::RenderChunks(-1);
    ASSERT_EQ(painter.glyphs.size(), 8u);
    EXPECT_FLOAT_EQ(painter.glyphs[0].x, 300 - width);
    EXPECT_EQ(painter.glyphs[0].r, 10);
    EXPECT_EQ(painter.glyphs[0].b, 30);
    EXPECT_FLOAT_EQ(painter.glyphs[4].x, 200 - width / 2);
    EXPECT_TRUE(GDIText::GetChunks().empty());

    GDITextCache cache;
    cache.Add(100, 50, "Cash", "tahoma", 14, 200, GTEXTALIGN_RIGHT, 255, 255, 255);
    painter.glyphs.clear();
    cache.Render();
    cache.Render();
    ASSERT_EQ(painter.glyphs.size(), 8u);
    EXPECT_FLOAT_EQ(painter.glyphs[0].x, 300 - width);
    EXPECT_FLOAT_EQ(painter.glyphs[4].x, 300 - width);
}

TEST_F(GDITextTest, ChunksOfSizeMinusOneUseTheChunkFont)
{
    GDIText::SetChunkFont("Verdana bold", 20);
    GDIText::AddItalicChunk(0, 0, "x", nullptr, -1, 100, GTEXTALIGN_LEFT, 255, 255, 255);
    GDIText::RenderChunks(-1);
    ASSERT_NE(GDIText::GetCurrentFont(), nullptr);
    EXPECT_EQ(GDIText::GetCurrentFont()->name, "Verdana bold");
    EXPECT_EQ(GDIText::GetCurrentFont()->size, 20);
    EXPECT_TRUE(GDIText::GetCurrentFont()->italic);
}

TEST_F(GDITextTest, CharacterLimitTypesTextOut)
{
    const struct {
        int limit;
        const char* drawn;
    } cases[] = {{-1, "abcdefg"}, {0, ""}, {2, "ab"}, {5, "abcde"}, {100, "abcdefg"}};
    for (const auto& c : cases) {
        GDIText::AddChunk(0, 0, "abc", "tahoma", 14, 500, GTEXTALIGN_LEFT, 255, 255, 255);
        GDIText::AddChunk(0, 40, "defg", "tahoma", 14, 500, GTEXTALIGN_LEFT, 255, 255, 255);
        painter.glyphs.clear();
        GDIText::RenderChunks(c.limit);
        EXPECT_EQ(painter.Text(), c.drawn) << c.limit;
        EXPECT_EQ(GDIText::GetCharacterLimit(), c.limit);
        EXPECT_TRUE(GDIText::GetChunks().empty());
    }
    GDIText::ResetCharacterLimit();
    EXPECT_EQ(GDIText::GetCharacterLimit(), -1);
}

TEST_F(GDITextTest, StaticChunksDrawOnlyWithAFrameOfChunks)
{
    GDITextChunk* kept = GDIText::StaticAddChunk(0, 0, "S", "tahoma", 14, 100, GTEXTALIGN_LEFT, 255, 255, 255);
    painter.glyphs.clear();
    GDIText::RenderChunks(-1);
    EXPECT_TRUE(painter.glyphs.empty());
    GDIText::AddChunk(0, 0, "F", "tahoma", 14, 100, GTEXTALIGN_LEFT, 255, 255, 255);
    GDIText::RenderChunks(-1);
    EXPECT_EQ(painter.Text(), "FS");
    GDIText::ClearStaticChunk(kept);
    GDIText::AddChunk(0, 0, "F", "tahoma", 14, 100, GTEXTALIGN_LEFT, 255, 255, 255);
    painter.glyphs.clear();
    GDIText::RenderChunks(-1);
    EXPECT_EQ(painter.Text(), "F");
}

TEST_F(GDITextTest, DropTextDrawsAShadowFirst)
{
    GDIText::SetFont("tahoma", 14, false);
    painter.glyphs.clear();
    GDIText::RenderDropText(10, 10, "A", 200, 100, 50, 300);
    ASSERT_EQ(painter.glyphs.size(), 2u);
    EXPECT_EQ(painter.glyphs[0].x, 12);
    EXPECT_EQ(painter.glyphs[0].r, 0);
    EXPECT_EQ(painter.glyphs[1].x, 10);
    EXPECT_EQ(painter.glyphs[1].r, 200);
}

// Absurd sizes, positions and wraps: fonts stay a drawable size and every measure handed
// out stays within the pixel range.
TEST_F(GDITextTest, AbsurdSizesPositionsAndWrapsStayWithinRange)
{
    for (int size : {INT_MIN, -5, 0, 1, 3, 100000, INT_MAX}) {
        GDIText::SetFont("tahoma", size, false);
        const GDIFont* f = GDIText::GetCurrentFont();
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->size, size);
        EXPECT_GE(f->glyphSize, 1) << size;
        EXPECT_LE(f->glyphSize, GDIText::kMaxGlyphSize) << size;
    }
    const float inf = std::numeric_limits<float>::infinity(); // 1e39 as a float
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float big = std::numeric_limits<float>::max();
    const struct {
        float x, y, wrap;
    } cases[] = {
        {0, inf, 100}, {0, nan, 100}, {inf, 0, 0}, {-inf, -inf, nan}, {big, -big, big}, {0, 0, -inf}, {0, big, 3e9f},
    };
    const char* text = "word word word word";
    auto inRange = [](int v) { return v >= -kMaxTextPixels && v <= kMaxTextPixels; };
    for (const auto& c : cases) {
        GDIText::SetFont("tahoma", 14, false);
        const std::string what = std::to_string(c.x) + ", " + std::to_string(c.y) + " wrap " + std::to_string(c.wrap);
        EXPECT_TRUE(inRange(GDIText::RenderText(c.x, c.y, text, c.wrap))) << what;
        EXPECT_TRUE(inRange(GDIText::RenderDropText(c.x, c.y, text, 1, 2, 3, c.wrap))) << what;
        const int height = GDIText::GetTextHeight(text, c.wrap);
        EXPECT_TRUE(height > 0 && inRange(height)) << what;
        for (int align : {GTEXTALIGN_LEFT, GTEXTALIGN_CENTRE, GTEXTALIGN_RIGHT})
            GDIText::AddChunk(c.x, c.y, text, "tahoma", 14, c.wrap, align, 255, 255, 255);
        GDIText::RenderChunks(-1);
    }
}

// The faces of the system-font text ship in the runnable tree and are found there before
// the system's; a missing face is logged by name and the text falls back to another face.
class SystemFontFaceTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        OpenSandboxDebugLog();
    }
    void TearDown() override
    {
        GDIText::DeleteFonts();
        ResetSystemFontFolders();
        SandboxTest::TearDown();
    }
    void Ship(const std::string& face) const
    {
        std::filesystem::create_directories(resources.Path() / kShippedFontFolder);
        std::filesystem::copy_file(GameDir() + "/ttf/" + face, resources.Path() / kShippedFontFolder / face);
    }
};

TEST_F(SystemFontFaceTest, EveryFaceShipsWithTheGameAndIsFoundThereFirst)
{
    SetResourcesFolder(GameDir());
    for (const std::string& face : SystemFontFaces()) {
        EXPECT_EQ(FindFontFile(face), GameDir() + "/ttf/" + face) << face;
        EXPECT_NE(TTFFont::Open(FindFontFile(face), 12), nullptr) << face;
    }
    // Without a shipped copy, the system's; with one, the shipped copy.
    SetResourcesFolder(resources.Str());
    const std::string system = FindFontFile("DejaVuSans.ttf");
    EXPECT_FALSE(system.empty());
    EXPECT_EQ(system.find(resources.Str()), std::string::npos);
    Ship("DejaVuSans.ttf");
    EXPECT_EQ(FindFontFile("DejaVuSans.ttf"), resources.Str() + "/ttf/DejaVuSans.ttf");
    EXPECT_EQ(FindFontFile("NoSuchFace.ttf"), "");
}

// A face is read into memory once for all its sizes: each size keeps drawing after the
// others are closed and after the file itself is gone; what is not a font opens nothing.
TEST_F(SystemFontFaceTest, FacesKeepTheirFileInMemoryForEverySize)
{
    Ship("DejaVuSans.ttf");
    const std::string file = (resources.Path() / kShippedFontFolder / "DejaVuSans.ttf").string();
    auto small = TTFFont::Open(file, 12);
    auto large = TTFFont::Open(file, 24);
    ASSERT_NE(small, nullptr);
    ASSERT_NE(large, nullptr);
    TTFGlyphBitmap before;
    ASSERT_TRUE(large->RenderGlyph('A', before));
    small.reset();
    std::filesystem::remove(file);
    TTFGlyphBitmap after;
    ASSERT_TRUE(large->RenderGlyph('A', after));
    EXPECT_EQ(after.coverage, before.coverage);
    EXPECT_GT(large->GetAdvance('W'), large->GetAdvance('i'));
    large.reset();
    EXPECT_EQ(TTFFont::Open(file, 12), nullptr); // gone, and no longer held by any face

    const std::filesystem::path notAFont = resources.Path() / "notafont.ttf";
    std::ofstream(notAFont) << "plain text, not a face";
    EXPECT_EQ(TTFFont::Open(notAFont.string(), 12), nullptr);
    EXPECT_EQ(TTFFont::Open((resources.Path() / "empty.ttf").string(), 12), nullptr);
    // A file of no bytes and a folder are read as nothing, not as a face of no size.
    std::ofstream(resources.Path() / "nothing.ttf").close();
    EXPECT_EQ(TTFFont::Open((resources.Path() / "nothing.ttf").string(), 12), nullptr);
    EXPECT_EQ(TTFFont::Open(resources.Str(), 12), nullptr);
}

TEST_F(SystemFontFaceTest, MissingFaceIsLoggedByNameAndTextFallsBack)
{
    SetSystemFontFolders({});
    Ship("DejaVuSans.ttf");
    GDIText::SetFont("LCD Bold", 16, false);
    ASSERT_NE(GDIText::GetCurrentFont()->face, nullptr);
    EXPECT_GT(GDIText::GetStringWidth("123"), 0.0f);
    GDIText::SetFont("LCD Bold", 20, false);
    const std::string line = "Missing font face DSEG14Classic-Bold.ttf for \"LCD Bold\", using DejaVuSans.ttf";
    const std::string log = SandboxDebugLog();
    ASSERT_NE(log.find(line), std::string::npos) << log;
    EXPECT_EQ(log.find(line, log.find(line) + 1), std::string::npos) << "logged once per face";

    // With no face at all the text cannot be drawn, and the log says which face is missing.
    std::filesystem::remove(resources.Path() / kShippedFontFolder / "DejaVuSans.ttf");
    GDIText::SetFont("Journal", 16, true);
    EXPECT_EQ(GDIText::GetCurrentFont()->face, nullptr);
    EXPECT_NE(SandboxDebugLog().find("Missing font face ComicNeue-Italic.otf for \"Journal\": its text cannot be drawn"),
              std::string::npos);
}

} // namespace
