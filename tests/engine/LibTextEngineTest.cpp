// The bitmap text engine's layout: glyph mapping, widths, kerning, queueing and wrapping,
// over a synthetic 10 x 10 font drawn in memory and a renderer that records its draws.
#include "engine/GDebugEngine.h"
#include "engine/LibTextEngine.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <limits>
#include <map>

namespace {

constexpr int kCell = 10;
constexpr int kSide = kCell * 10;

// A font texture whose glyph g has its rightmost pixel `width` columns into its cell.
std::vector<uint8_t> MakeTexture(const std::map<int, int>& widths, int defaultWidth)
{
    std::vector<uint8_t> pixels(size_t(kSide) * kSide * 4, 0);
    for (int g = 0; g < 100; ++g) {
        auto it = widths.find(g);
        const int w = it == widths.end() ? defaultWidth : it->second;
        if (w < 0)
            continue; // empty cell
        const int x = (g % 10) * kCell + w, y = (g / 10) * kCell + 3;
        pixels[(size_t(y) * kSide + x) * 4 + 3] = 200;
        pixels[(size_t(y + 1) * kSide + (g % 10) * kCell) * 4 + 3] = 255; // some ink at the left too
    }
    return pixels;
}

struct Draw {
    std::string font;
    std::vector<LibTextGlyph> glyphs;
};

// Serves font textures from memory and records every draw.
class RecordingRenderer : public LibTextRenderer {
public:
    bool LoadFontTexture(const std::string& name, int& width, int& height, const uint8_t*& pixels) override
    {
        if (missing)
            return false;
        loaded.push_back(name);
        width = height = kSide;
        pixels = texture.data();
        return true;
    }
    void DrawGlyphs(const LibFont& font, const LibTextGlyph* glyphs, int count) override
    {
        draws.push_back(Draw {font.GetName(), std::vector<LibTextGlyph>(glyphs, glyphs + count)});
    }
    std::vector<uint8_t> texture;
    std::vector<std::string> loaded;
    std::vector<Draw> draws;
    bool missing = false;
};

int Id(char c) { return LibTextEngine::CharToID(static_cast<unsigned char>(c)); }

class TextEngineTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        GetDebug()->Initialise();
        renderer.texture = MakeTexture({{Id('f'), 4}, {Id('o'), 6}, {Id('A'), 7}, {Id('i'), 2}}, 5);
        engine.SetRenderer(&renderer);
        engine.Initialise();
    }
    std::string Log() const { return ReadWholeFile(GetDebugLogPath()); }
    // Adds a font with spacing 1 at base size 10; its width file is computed on first use.
    LibFont* AddTestFont(const char* name = "test.dds")
    {
        const std::string dat = std::string("data/fonts/") + name + ".dat";
        LibFont* font = engine.AddFont(dat.c_str(), name, 10, kCell);
        font->SetSpacing(1);
        return font;
    }
    std::vector<float> QueuedX() const
    {
        std::vector<float> xs;
        for (const LibTextGlyph& g : engine.GetQueue())
            xs.push_back(g.x);
        return xs;
    }

    RecordingRenderer renderer;
    LibTextEngine engine;
};

TEST(LibTextGlyphs, CharToIdFollowsTheFontGrid)
{
    const struct {
        unsigned char c;
        int id;
    } cases[] = {
        {'!', 0}, {'A', 32}, {'z', 89}, {'}', 92}, {'~', 93}, {'%', 93}, {127, 94},
        {0xA3, 92}, {0xE7, 94}, {0xF6, 95}, {0xDE, 95}, {0xE4, 96}, {0xFC, 97}, {0xDF, 98},
        {0x80, 31}, {0x92, 49}, {0xC0, 95},
        {' ', -1}, {'\t', -1}, {0, -1}, {31, -1}, {0xC1, -1}, {0xE9, -1}, {0xFF, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LibTextEngine::CharToID(c.c), c.id) << "byte " << int(c.c);
    for (int b = 0; b < 256; ++b) {
        const int id = LibTextEngine::CharToID(static_cast<unsigned char>(b));
        EXPECT_TRUE(id >= -1 && id < 100) << b;
    }
}

TEST(LibTextGlyphs, AccentsFoldToPlainLetters)
{
    const struct {
        unsigned char in, out;
    } cases[] = {
        {0x92, '\''}, {0xC0, 'A'}, {0xC1, 'A'}, {0xC4, 'A'}, {0xC9, 'E'}, {0xCD, 'I'}, {0xD6, 'O'},
        {0xDC, 'U'}, {0xE0, 'a'}, {0xE2, 'a'}, {0xEA, 'e'}, {0xED, 'i'}, {0xF1, 'n'}, {0xF3, 'o'},
        {0xFA, 'u'}, {0xE9, 0xE9}, {'x', 'x'}, {0xE4, 0xE4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LibTextEngine::FoldAccent(c.in), c.out) << "byte " << int(c.in);
}

TEST(LibTextGlyphs, WidthIsTheRightmostInkColumnOfTheCell)
{
    auto pixels = MakeTexture({{0, 6}, {1, -1}, {15, 9}, {99, 0}}, 3);
    // Colour without alpha is no ink.
    pixels[(size_t(4) * kSide + 2 * kCell + 8) * 4 + 0] = 255;
    int32_t widths[100];
    LibFont::CalculateCharWidths(pixels.data(), kSide, kSide, kCell, widths);
    EXPECT_EQ(widths[0], 6);
    EXPECT_EQ(widths[1], 0);
    EXPECT_EQ(widths[2], 3);
    EXPECT_EQ(widths[15], 9);
    EXPECT_EQ(widths[99], 0);
    // A picture smaller than the grid and no picture at all measure without reading outside.
    std::vector<uint8_t> small(25 * 25 * 4, 0);
    small[(3 * 25 + 6) * 4 + 3] = 1;
    small[(24 * 25 + 24) * 4 + 3] = 1; // glyph 22, cut by the picture's edge
    LibFont::CalculateCharWidths(small.data(), 25, 25, kCell, widths);
    EXPECT_EQ(widths[0], 6);
    EXPECT_EQ(widths[22], 4);
    EXPECT_EQ(widths[3], 0);
    LibFont::CalculateCharWidths(nullptr, 0, 0, kCell, widths);
    EXPECT_EQ(widths[0], 0);
}

TEST_F(TextEngineTest, WidthFileIsComputedOnceAndReadBack)
{
    LibFont* font = AddTestFont();
    EXPECT_EQ(font->GetWidth(Id('o')), 6);
    const std::string written = resources.Str() + "/data/fonts/test.dds.dat";
    ASSERT_TRUE(std::filesystem::exists(written));
    EXPECT_EQ(std::filesystem::file_size(written), 400u);

    // A width file present wins over the texture.
    int32_t widths[100] = {};
    widths[Id('o')] = 3;
    ASSERT_TRUE(LibFont::WriteWidthFile(resources.Str() + "/data/fonts/other.dds.dat", widths));
    EXPECT_EQ(AddTestFont("other.dds")->GetWidth(Id('o')), 3);
    // UVs: a 100-pixel texture of 10-pixel cells.
    EXPECT_FLOAT_EQ(font->GetU(Id('A'), 1), 0.3f);
    EXPECT_FLOAT_EQ(font->GetV(Id('A'), 2), 0.4f);
}

TEST_F(TextEngineTest, UnwritableWidthFileKeepsWidthsInMemory)
{
    resources.Write("blocked", "a file where a folder should be");
    LibFont* font = engine.AddFont("blocked/test.dds.dat", "test.dds", 10, kCell);
    EXPECT_EQ(font->GetWidth(Id('A')), 7);
    EXPECT_NE(Log().find("Could not write font widths"), std::string::npos);
}

TEST_F(TextEngineTest, MissingTextureDividesByNothingAndWritesNoWidths)
{
    renderer.missing = true;
    LibFont* font = AddTestFont();
    EXPECT_FLOAT_EQ(font->GetU(1, 1), 0.2f);
    EXPECT_EQ(font->GetWidth(Id('A')), 0);
    engine.SetCurrentFont("test.dds");
    EXPECT_EQ(engine.GetStringLength("AA"), 2); // spacing only
    EXPECT_NE(Log().find("Font widths not computed, no texture to measure: test.dds"), std::string::npos);

    // No zero widths were kept on disk: once the texture is back, it is measured.
    EXPECT_FALSE(std::filesystem::exists(resources.Path() / "data/fonts/test.dds.dat"));
    renderer.missing = false;
    engine.Release();
    engine.Initialise();
    EXPECT_EQ(AddTestFont()->GetWidth(Id('A')), 7);
}

TEST_F(TextEngineTest, CharacterWidthScalesWithPointSize)
{
    AddTestFont();
    engine.SetCurrentFont("test.dds");
    const struct {
        float points;
        char c;
        int width;
    } cases[] = {
        {10, 'o', 7},  // 6 + spacing 1
        {20, 'o', 14}, // int(12) + 2
        {15, 'o', 10}, // int(int(9) + 1.5)
        {15, 'A', 11}, // int(int(10.5) + 1.5) = int(11.5)
        {12, ' ', 3},  // no glyph: a quarter of the point size
        {12, '\t', 3},
        {13, char(0xE9), 3},
    };
    for (const auto& c : cases) {
        engine.SetPointsize(c.points);
        EXPECT_EQ(engine.GetCharacterWidth(c.c), c.width) << c.c << " at " << c.points;
    }
    engine.SetPointsize(10);
    EXPECT_EQ(engine.GetStringLength("oA o"), 7 + 8 + 2 + 7);
}

TEST_F(TextEngineTest, NoFontOrNoEngineMeasuresZeroAndQueuesNothing)
{
    EXPECT_EQ(engine.GetStringLength("hello"), 0);
    engine.AddQueueString("hello", 0, 0, 0xFFFFFFFF);
    EXPECT_TRUE(engine.GetQueue().empty());

    LibTextEngine fresh;
    EXPECT_EQ(fresh.GetStringLength("hello"), 0);
    fresh.AddQueueString("hello", 0, 0, 0xFFFFFFFF);
    EXPECT_TRUE(fresh.GetQueue().empty());
    EXPECT_NE(Log().find("Text Not Initialised"), std::string::npos);
    EXPECT_NE(Log().find("TextNotInitialised"), std::string::npos);
}

TEST_F(TextEngineTest, MissingFontLogsAndFallsBack)
{
    AddTestFont("first.dds");
    AddTestFont("second.dds");
    engine.SetCurrentFont("arial16.dds");
    ASSERT_NE(engine.GetCurrentFont(), nullptr);
    EXPECT_EQ(engine.GetCurrentFont()->GetName(), "first.dds");
    EXPECT_NE(Log().find("missing font: arial16.dds"), std::string::npos);

    engine.SetCurrentFont("second.dds", 20);
    engine.SetCurrentFont("nothere.dds");
    EXPECT_EQ(engine.GetCurrentFont()->GetName(), "second.dds");
    EXPECT_EQ(engine.GetPointsize(), 20);
}

TEST_F(TextEngineTest, ChangingFontFlushesTheQueueInTheOldFont)
{
    AddTestFont("first.dds");
    AddTestFont("second.dds");
    engine.SetCurrentFont("first.dds");
    engine.AddQueueString("Ao", 0, 0, 0xFFFFFFFF);
    engine.SetCurrentFont("first.dds");
    EXPECT_TRUE(renderer.draws.empty());
    engine.SetCurrentFont("second.dds");
    ASSERT_EQ(renderer.draws.size(), 1u);
    EXPECT_EQ(renderer.draws[0].font, "first.dds");
    EXPECT_EQ(renderer.draws[0].glyphs.size(), 2u);
    EXPECT_TRUE(engine.GetQueue().empty());
}

TEST_F(TextEngineTest, LayoutOfGlyphsSpacesTabsAndKerning)
{
    AddTestFont();
    engine.SetCurrentFont("test.dds", 10);
    const struct {
        const char* text;
        float x;
        std::vector<float> xs;
    } cases[] = {
        {"AA", 3.7f, {3, 11}},             // x taken whole; 7 + spacing 1
        {"ff", 0, {0, 3}},                 // 4 + 1, then pulled back 2
        {"fo", 0, {0, 4}},                 // pulled back 1
        {"of", 0, {0, 7}},                 // no pair in this order
        {"ow", 0, {0, 6}},                 // pulled back 1
        {"A A", 0, {0, 10}},               // a space is a quarter point, floored
        {"\tA", 85, {160}},                // tabs go to the next multiple of 80
        {"\tA", 160, {240}},
        {"f\x01o", 0, {0, 7.5f}},          // no glyph: a quarter point, kerning broken
        {"\xE0\xE9o", 0, {0, 8.5f}},       // a-grave folds to "a"; e-acute has no glyph
    };
    for (const auto& c : cases) {
        engine.EndFrame();
        engine.AddQueueString(c.text, c.x, 5.9f, 0xFF112233);
        EXPECT_EQ(QueuedX(), c.xs) << c.text;
        for (const LibTextGlyph& g : engine.GetQueue()) {
            EXPECT_EQ(g.y, 5);
            EXPECT_EQ(g.size, 10);
            EXPECT_EQ(g.colour, 0xFF112233u);
        }
    }
    engine.EndFrame();
    engine.SetPointsize(20);
    engine.AddQueueString("ff", 0, 0, 0);
    EXPECT_EQ(QueuedX(), (std::vector<float> {0, 6}));
    EXPECT_EQ(engine.GetQueue()[0].size, 20);
    EXPECT_EQ(engine.GetQueue()[0].glyph, Id('f'));
}

TEST_F(TextEngineTest, AlignmentPlacesTheLineInItsBox)
{
    AddTestFont();
    engine.SetCurrentFont("test.dds", 10);
    const int length = engine.GetStringLength("AAo"); // 8 + 8 + 7 = 23
    ASSERT_EQ(length, 23);
    const struct {
        int align;
        float x;
    } cases[] = {{LibTextEngine::ALIGN_LEFT, 10}, {LibTextEngine::ALIGN_RIGHT, 10 + 100 - 23},
                 {LibTextEngine::ALIGN_CENTRE, 48}, {7, 0}};
    for (const auto& c : cases) {
        engine.EndFrame();
        engine.AddQueueString("AAo", 10, 0, 0, 100, c.align);
        ASSERT_FALSE(engine.GetQueue().empty());
        EXPECT_EQ(engine.GetQueue()[0].x, c.x) << c.align;
    }
}

TEST_F(TextEngineTest, FullQueueFlushesBeforeAStringAndRefusesOverflow)
{
    AddTestFont();
    engine.SetCurrentFont("test.dds");
    const std::string many(1999, 'A');
    engine.AddQueueString(many, 0, 0, 0);
    EXPECT_EQ(engine.GetQueueCount(), 7996);
    EXPECT_TRUE(renderer.draws.empty());

    engine.AddQueueString("A", 0, 0, 0); // fits the 8000 but may not start past 7995
    EXPECT_EQ(engine.GetQueueCount(), 7996);
    EXPECT_NE(Log().find("ERROR - Text exceeds max characters"), std::string::npos);

    engine.AddQueueString("AB", 0, 0, 0);
    ASSERT_EQ(renderer.draws.size(), 1u);
    EXPECT_EQ(renderer.draws[0].glyphs.size(), 1999u);
    EXPECT_EQ(engine.GetQueueCount(), 8);

    // One string longer than the whole queue stops at the queue's end.
    engine.EndFrame();
    engine.AddQueueString(std::string(2100, 'A'), 0, 0, 0);
    EXPECT_EQ(engine.GetQueueCount(), 7996);
}

TEST_F(TextEngineTest, ProcessTextQueueDrawsUpToTheLimitAndEndFrameDrops)
{
    AddTestFont();
    engine.SetCurrentFont("test.dds");
    engine.AddQueueString("AAAA", 0, 0, 0);
    engine.ProcessTextQueue(3);
    ASSERT_EQ(renderer.draws.size(), 1u);
    EXPECT_EQ(renderer.draws[0].glyphs.size(), 3u);
    EXPECT_TRUE(engine.GetQueue().empty());

    engine.AddQueueString("AAAA", 0, 0, 0);
    engine.EndFrame();
    engine.ProcessTextQueue(-1);
    EXPECT_EQ(renderer.draws.size(), 1u);

    engine.DrawString("Ao", 0, 0, 0xFFFFFFFF);
    ASSERT_EQ(renderer.draws.size(), 2u);
    EXPECT_EQ(renderer.draws[1].glyphs.size(), 2u);
}

TEST_F(TextEngineTest, ShadowsGoUnderTheText)
{
    AddTestFont();
    engine.SetCurrentFont("test.dds");
    engine.AddShadowedString("A", 10, 20, 0xFFFF0000);
    ASSERT_EQ(engine.GetQueue().size(), 2u);
    EXPECT_EQ(engine.GetQueue()[0].x, 11);
    EXPECT_EQ(engine.GetQueue()[0].colour, 0xFF000000u);
    EXPECT_EQ(engine.GetQueue()[1].y, 20);
    EXPECT_EQ(engine.GetQueue()[1].colour, 0xFFFF0000u);

    engine.DrawDropString("A", 10, 20, 0xFFFFFFFF);
    ASSERT_EQ(renderer.draws.size(), 1u);
    ASSERT_EQ(renderer.draws[0].glyphs.size(), 4u);
    EXPECT_EQ(renderer.draws[0].glyphs[2].colour, 0xFF080808u);
}

// Every wrapped loop ends, loses no character and keeps lines within the width (a line of
// one character may be wider when a single glyph is).
TEST_F(TextEngineTest, WrappingAlwaysProgressesAndLosesNothing)
{
    AddTestFont();
    engine.SetCurrentFont("test.dds", 10);
    const char* texts[] = {"", "A", "Ao oA", "AAAAAAAAAAAAAAAAAAAA", "one two three four five six",
                           " leading and trailing ", "AAAAAAAAAAAAAAA A AAAAAAAAAAAAAAAAAAAAAAAA", "a  b"};
    for (int wrap : {0, 1, 5, 8, 20, 40, 1000}) {
        for (const char* text : texts) {
            std::string rest = text, line;
            int lines = 0;
            while (!rest.empty()) {
                const std::string before = rest;
                line.swap(rest);
                engine.TruncateText(wrap, line, rest);
                ASSERT_LT(rest.size(), before.size()) << text << " at " << wrap;
                if (line.size() > 1) {
                    EXPECT_LE(engine.GetStringLength(line), wrap) << line;
                }
                // Only the space at the cut may leave the text.
                EXPECT_TRUE(before == line + rest || before == line + " " + rest)
                    << "'" << before << "' became '" << line << "' + '" << rest << "'";
                ++lines;
            }
            EXPECT_EQ(engine.GetWrappedHeight(text, float(wrap)), 10 * lines);
        }
    }
}

TEST_F(TextEngineTest, TruncateTextCutsAtTheLastSpace)
{
    AddTestFont();
    engine.SetCurrentFont("test.dds", 10);
    const struct {
        const char* text;
        int wrap;
        const char* line;
        const char* rest;
    } cases[] = {
        {"AA AA", 100, "AA AA", ""},
        {"AA AA", 25, "AA", "AA"},  // "AA A" reaches 26: back to the space
        {"AA AA", 16, "A", "A AA"}, // "AA" reaches the width exactly: the word is broken
        {"AAAA", 20, "AA", "AA"},   // one long word is broken inside
        {"A", 0, "A", ""},          // a glyph wider than the line still goes
        {"AA A AAAA", 30, "AA A", "AAAA"},
    };
    for (const auto& c : cases) {
        std::string line = c.text, rest;
        engine.TruncateText(c.wrap, line, rest);
        EXPECT_EQ(line, c.line) << c.text << " at " << c.wrap;
        EXPECT_EQ(rest, c.rest) << c.text << " at " << c.wrap;
    }
}

TEST_F(TextEngineTest, WrappedStringsMeasureAndQueueLineByLine)
{
    AddTestFont();
    engine.SetCurrentFont("test.dds", 10);
    EXPECT_EQ(engine.GetMaxWrapWidth("", 50), -1);
    EXPECT_EQ(engine.GetWrappedHeight("", 50), 0);
    EXPECT_EQ(engine.GetMaxWrapWidth("AAA AAAAA AA", 50), 40);
    const float below = engine.AddWrappedString("AAA AAAAA AA", 5, 100, 50, 0xFFFFFFFF);
    EXPECT_EQ(below, 130);
    ASSERT_EQ(engine.GetQueue().size(), 10u);
    EXPECT_EQ(engine.GetQueue()[3].y, 110);
    EXPECT_EQ(engine.GetQueue()[3].x, 5);
    EXPECT_EQ(engine.GetQueue()[8].y, 120);
}

TEST_F(TextEngineTest, JustifiedLinesSpreadWordsOrStayPlain)
{
    AddTestFont();
    engine.SetCurrentFont("test.dds", 12);
    // At 12 points a space is 3 wide and "A" measures 9: "AA AA" is 39.
    const int normal = engine.GetStringLength("AA AA");
    ASSERT_EQ(normal, 39);
    engine.AddJustifiedString("AA AA", 0, 0, float(normal + 2), 0xFFFFFFFF);
    ASSERT_EQ(engine.GetQueue().size(), 4u);
    EXPECT_EQ(engine.GetQueue()[2].x, 18 + 5); // the gap is the space plus the 2 spare pixels

    // No spaces, or a gap above twice a space: set plainly, never divided by zero.
    for (const char* text : {"AAAA", "AA AA"}) {
        engine.EndFrame();
        engine.AddJustifiedString(text, 0, 0, 500, 0xFFFFFFFF);
        EXPECT_EQ(engine.GetQueue().size(), 4u) << text;
    }
    engine.EndFrame();
    engine.AddJustifiedString("AA AA", 0, 0, 500, 0xFFFFFFFF);
    EXPECT_FLOAT_EQ(engine.GetQueue()[2].x, 2 * 9.6f + 3); // laid out as one plain line
}

TEST(LibTextPixels, WholePartHeldWithinRangeAndNanIsZero)
{
    const struct {
        double value;
        int pixels;
    } cases[] = {
        {2.9, 2}, {-2.9, -2}, {1e39, kMaxTextPixels}, {-1e39, -kMaxTextPixels},
        {std::numeric_limits<double>::infinity(), kMaxTextPixels}, {std::nan(""), 0}, {3e9, kMaxTextPixels},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextPixels(c.value), c.pixels) << c.value;
}

// Absurd point sizes, wraps and positions (from data files or callers' arithmetic) and a
// width file of enormous glyphs are laid out without overflow: every measure handed out
// stays within the pixel range.
TEST_F(TextEngineTest, AbsurdSizesWrapsAndWidthsStayWithinRange)
{
    int32_t widths[100];
    std::fill(widths, widths + 100, INT32_MAX);
    widths[Id('o')] = INT32_MIN;
    ASSERT_TRUE(LibFont::WriteWidthFile(resources.Str() + "/data/fonts/huge.dds.dat", widths));
    AddTestFont();
    EXPECT_EQ(AddTestFont("huge.dds")->GetWidth(Id('o')), 0);

    const float inf = std::numeric_limits<float>::infinity(); // a size of 1e39 as a float
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float big = std::numeric_limits<float>::max();
    const struct {
        const char* font;
        float points, wrap, x;
    } cases[] = {
        {"test.dds", inf, 100, 0},   {"test.dds", -inf, 100, 0}, {"test.dds", nan, 100, 0},
        {"test.dds", big, big, big}, {"test.dds", 12, inf, 0},   {"test.dds", 12, nan, nan},
        {"test.dds", 12, -inf, -inf}, {"test.dds", 12, 3e9f, 0}, {"huge.dds", 12, 100, 0},
        {"huge.dds", 1e-30f, 100, 0}, {"huge.dds", big, 1e10f, 0}, {"huge.dds", nan, nan, inf},
    };
    const std::string longText(1500, 'A');
    std::string words;
    for (int i = 0; i < 20; ++i)
        words += "AAAA oooo A ";
    auto inRange = [](int v) { return v >= -kMaxTextPixels && v <= kMaxTextPixels; };
    for (const auto& c : cases) {
        engine.EndFrame();
        engine.SetCurrentFont(c.font, c.points);
        const std::string what = std::string(c.font) + " at " + std::to_string(c.points) + " wrap " + std::to_string(c.wrap);
        for (char ch : {'A', 'o', ' ', '\t'})
            EXPECT_TRUE(inRange(engine.GetCharacterWidth(ch))) << what << " '" << ch << "'";
        EXPECT_TRUE(inRange(engine.GetStringLength(longText))) << what;
        EXPECT_TRUE(inRange(engine.GetWrappedHeight(words.c_str(), c.wrap))) << what;
        EXPECT_TRUE(inRange(engine.GetMaxWrapWidth(words.c_str(), c.wrap))) << what;
        engine.AddWrappedString(words, c.x, c.x, c.wrap, 0xFFFFFFFF);
        engine.AddQueueString(words, c.x, 0, 0xFFFFFFFF, c.wrap, LibTextEngine::ALIGN_RIGHT);
        engine.AddShadowedString(words, c.x, 0, 0xFFFFFFFF, c.wrap, LibTextEngine::ALIGN_CENTRE);
        engine.AddJustifiedString("AA oo AA", c.x, 0, c.wrap, 0xFFFFFFFF);
        engine.ProcessTextQueue(-1);
    }
}

} // namespace

TEST(LibTextDeathTest, MissingArgumentsStopWithTheirAssertion)
{
    const struct {
        const char* text;
        void (*call)();
    } cases[] = {
        {"widthdata", [] { LibTextEngine().AddFont(nullptr, "a.dds", 10, 10); }},
        {"texture", [] { LibTextEngine().AddFont("a.dat", nullptr, 10, 10); }},
        {"texturename", [] { LibTextEngine().SetCurrentFont(nullptr); }},
        {"buffer", [] { LibTextEngine().AddQueueString(nullptr, 0, 0, 0, 0, 0); }},
        {"datafile", [] { LibFont().Initialise(nullptr, "a.dds", 10, 10, nullptr); }},
        {"texname", [] { LibFont().Initialise("a.dat", nullptr, 10, 10, nullptr); }},
    };
    for (const auto& c : cases)
        EXPECT_DEATH(c.call(), std::string("failed assertion `") + c.text + "'\n") << c.text;
}
