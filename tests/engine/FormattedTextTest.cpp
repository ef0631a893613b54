// Formatted text files: parsing tags into chunks and drawing them through the text engine.
#include "engine/FormattedText.h"
#include "engine/GDebugEngine.h"
#include "engine/LibTextEngine.h"
#include "support/TestSupport.h"


namespace {

// Measures every glyph as 4 pixels wide; draws nothing.
class BlankFontRenderer : public LibTextRenderer {
public:
    bool LoadFontTexture(const std::string&, int& width, int& height, const uint8_t*& pixels) override
    {
        width = height = 100;
        pixels = texture.data();
        return true;
    }
    void DrawGlyphs(const LibFont&, const LibTextGlyph*, int) override {}
    std::vector<uint8_t> texture = std::vector<uint8_t>(100 * 100 * 4, 0);
};

std::vector<std::string> Texts(const FormattedText& ft)
{
    std::vector<std::string> out;
    for (const auto& c : ft.GetChunks())
        out.push_back(c->text);
    return out;
}

TEST(FormattedText, LinesAndTagsBecomeChunks)
{
    const struct {
        const char* source;
        std::vector<std::string> chunks;
    } cases[] = {
        {"Hello\n", {"Hello"}},
        {"Hello\n\n\n", {"Hello", "", ""}},
        {"Hello", {"Hello"}},
        {"A<COLOR=255,0,0,255>B", {"A", "B"}},
        {"A<BR>B", {"A", "<BR>", "B"}},
        {"<SIZE=20><UNKNOWN>Text", {"Text"}},
        {"", {}},
        {"unclosed <tag", {"unclosed "}},
    };
    for (const auto& c : cases) {
        FormattedText ft;
        ft.Parse(c.source);
        EXPECT_EQ(Texts(ft), c.chunks) << c.source;
    }
}

TEST(FormattedText, TagsSetTheFollowingChunks)
{
    FormattedText ft;
    ft.Parse("plain<COLOR=255,0,0,255>red<FONTNAME=verdana14.dds><SIZE=14><WRAP=300>small<BR>after");
    const auto& c = ft.GetChunks();
    ASSERT_EQ(c.size(), 5u);
    EXPECT_EQ(c[0]->fontName, "arial16.dds");
    EXPECT_EQ(c[0]->size, 16.0f);
    EXPECT_EQ(c[0]->colour, 0xFFFFFFFFu);
    EXPECT_EQ(c[0]->wrap, 1280.0f);
    EXPECT_EQ(c[1]->colour, 0xFF0000FFu); // opaque red, red in the low byte
    EXPECT_EQ(c[2]->fontName, "verdana14.dds");
    EXPECT_EQ(c[2]->size, 14.0f);
    EXPECT_EQ(c[2]->wrap, 300.0f);
    EXPECT_EQ(c[3]->text, "<BR>");
    EXPECT_EQ(c[3]->size, 14.0f);
    EXPECT_EQ(c[3]->wrap, 0.0f);
    EXPECT_EQ(c[4]->text, "after");
    EXPECT_EQ(FormattedText::ToEngineColour(c[1]->colour), 0xFFFF0000u);
    EXPECT_EQ(FormattedText::ToEngineColour(0x80302010u), 0x80102030u);

    FormattedText spaced;
    spaced.Parse("<FONTNAME = verdana14.dds ><SIZE= 14 >text");
    ASSERT_EQ(spaced.GetChunks().size(), 1u);
    EXPECT_EQ(spaced.GetChunks()[0]->fontName, "verdana14.dds");
    EXPECT_EQ(spaced.GetChunks()[0]->size, 14.0f);
}

class FormattedTextRender : public SandboxTest {};

TEST_F(FormattedTextRender, ChunksStackDownwardInEngineColours)
{
    BlankFontRenderer renderer;
    LibTextEngine engine;
    engine.SetRenderer(&renderer);
    engine.Initialise();
    engine.AddFont("data/fonts/blank.dds.dat", "blank.dds", 10, 10);
    FormattedText ft;
    ft.Parse("<FONTNAME=blank.dds><SIZE=10>ab<COLOR=255,0,0,255><BR>cd");
    ft.Render(5, 100, &engine);
    const auto& q = engine.GetQueue();
    ASSERT_EQ(q.size(), 4u);
    EXPECT_EQ(q[0].y, 100);
    EXPECT_EQ(q[0].colour, 0xFFFFFFFFu);
    // The first chunk ends 10 lower; the line break moves a further 10 (its size).
    EXPECT_EQ(q[2].y, 120);
    EXPECT_EQ(q[2].x, 5);
    EXPECT_EQ(q[2].colour, 0xFFFF0000u);
}

// Absurd tag values from a text file: colours keep their low bytes, and sizes and wraps
// beyond any float still lay out every glyph (held within range by the text engine).
TEST_F(FormattedTextRender, AbsurdTagValuesLoseNoGlyph)
{
    FormattedText colours;
    colours.Parse("<COLOR=99999999999,-99999999999,256,-1>x");
    ASSERT_EQ(colours.GetChunks().size(), 1u);
    EXPECT_EQ(colours.GetChunks()[0]->colour, 0xFF0001FFu);

    BlankFontRenderer renderer;
    LibTextEngine engine;
    engine.SetRenderer(&renderer);
    engine.Initialise();
    engine.AddFont("data/fonts/blank.dds.dat", "blank.dds", 10, 10);
    for (const char* tags : {"<SIZE=1e39>", "<SIZE=-1e39>", "<SIZE=nan>", "<WRAP=1e39>", "<WRAP=-1e39>", "<WRAP=nan>",
                             "<SIZE=1e39><WRAP=1e39>", "<SIZE=3e9><WRAP=0>"}) {
        FormattedText ft;
        ft.Parse(std::string("<FONTNAME=blank.dds>") + tags + "ab cd<BR>ef");
        engine.EndFrame();
        ft.Render(5, 100, &engine);
        EXPECT_EQ(engine.GetQueue().size(), 6u) << tags;
    }
}

TEST_F(FormattedTextRender, LoadReadsTheFileOrLogs)
{
    GetDebug()->Initialise();
    resources.Write("data/story.txt", "First line\n<SIZE=20>Second\n");
    FormattedText ft;
    EXPECT_TRUE(ft.Load("data\\story.txt"));
    EXPECT_EQ(Texts(ft), (std::vector<std::string> {"First line", "Second"}));
    EXPECT_EQ(ft.GetChunks()[1]->size, 20.0f);

    FormattedText none;
    EXPECT_FALSE(none.Load("data/absent.txt"));
    EXPECT_TRUE(none.GetChunks().empty());
    EXPECT_NE(ReadWholeFile(GetDebugLogPath()).find("Failed to open: data/absent.txt"), std::string::npos);
}

} // namespace
