#include "engine/GProfileStore.h"
#include "engine/IniLoader.h"
#include "engine/PrivateProfile.h"
#include "port/AtomicFile.h"
#include "port/Paths.h"
#include "support/LogCapture.h"
#include "support/TestSupport.h"

#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

class IniLoaderTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        GetProfileStore()->Forget();
        OpenSandboxDebugLog();
        resources.Write("data/config.muf", "[pref]\nSCREEN_WIDTH = 1024\n[config]\nIsWindowed = 1\nbuild = b7\n");
    }
    void Load(const std::string& text, const std::string& section = "s")
    {
        resources.Write("data/t.ini", text);
        loader.LoadSection(section, "data/t.ini");
    }
    IniLoader loader;
};

TEST_F(IniLoaderTest, DisplaySettings)
{
    loader.LoadSection("pref", "data\\config.muf");
    EXPECT_EQ(loader.GetValue("SCREEN_WIDTH"), "1024");
    EXPECT_EQ(loader.GetValueI("SCREEN_WIDTH"), 1024);
    EXPECT_EQ(loader.GetValue("SCREEN_HEIGHT"), "");
    EXPECT_EQ(loader.GetValueI("SCREEN_HEIGHT"), 0);
    EXPECT_EQ(loader.GetSectionName(), "pref");
    EXPECT_EQ(loader.GetFileName(), "data\\config.muf");
}

TEST_F(IniLoaderTest, WrittenKeyDoesNotHideTheFilesOtherKeys)
{
    // The shell writes IsWindowed at almost every start; build must still be read.
    WritePrivateProfileInt("config", "IsWindowed", 0, "data\\config.muf");
    loader.LoadSection("config", "data\\config.muf");
    EXPECT_EQ(loader.GetValue("build"), "b7");
    EXPECT_EQ(loader.GetValueI("IsWindowed"), 0);
}

struct DecodeCase {
    const char* line;
    const char* expected;
};

void PrintTo(const DecodeCase& c, std::ostream* os)
{
    *os << ::testing::PrintToString(std::string(c.line));
}


class IniLoaderDecodeTest : public IniLoaderTest, public ::testing::WithParamInterface<DecodeCase> {};

TEST_P(IniLoaderDecodeTest, ValueDecoding)
{
    Load(std::string("[s]\n") + GetParam().line + "\n");
    EXPECT_EQ(loader.GetValue("k"), GetParam().expected) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Escapes, IniLoaderDecodeTest, ::testing::Values(
    DecodeCase {"k = a=b", "ab"},
    DecodeCase {"k = a\\=b", "a=b"},
    DecodeCase {"k = \\x\"quoted\"", "x\"quoted"},   // one escape keeps one special character
    DecodeCase {"k = 'say \"hi\"'", "say hi"},
    DecodeCase {"k = a\\\\b", "ab"},                 // a backslash never survives
    DecodeCase {"k = plain text", "plain text"},
    DecodeCase {"k = ''", "''"},
    DecodeCase {"k = \\ab=c=d", "ab=cd"},            // an escape waits for the next special character
    DecodeCase {"k = a\\\"b", "a\"b"},
    DecodeCase {"k = \"a=b\"", "ab"},                // quotes are the parser's, "=" still dropped
    DecodeCase {"k = x\\", "x"}                      // a trailing backslash keeps nothing
));

TEST_F(IniLoaderTest, CommentKeysDuplicatesAndOrder)
{
    Load("[s]\n//note = ignored\n/x = also ignored\nb = 2\na = 1\nc = 3\n");
    EXPECT_EQ(loader.GetNumKeys(), 3);
    EXPECT_FALSE(loader.HasValue("//note"));
    std::string key;
    std::vector<std::string> keys;
    while (loader.GetNextKey(key))
        keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string> {"b", "a", "c"}));
    key = "unchanged";
    EXPECT_FALSE(loader.GetNextKey(key));
    EXPECT_EQ(key, "unchanged");
    char buffer[4] = "xy";
    EXPECT_FALSE(loader.GetNextValue(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "xy");
}

TEST_F(IniLoaderTest, SharedIteratorAndCutBuffers)
{
    Load("[s]\nlongkey = longvalue\nsecond = 2\n");
    char buffer[5];
    EXPECT_TRUE(loader.GetNextKey(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "long");
    EXPECT_TRUE(loader.GetNextValue(buffer, sizeof buffer)); // the second entry's value
    EXPECT_STREQ(buffer, "2");
}

TEST_F(IniLoaderTest, FloatsAndDefaults)
{
    Load("[s]\nzero = 0\nhalf = 0.5\nempty = \"\"");
    EXPECT_FLOAT_EQ(loader.GetValueF("zero", 7.0f), 0.0f);
    EXPECT_FLOAT_EQ(loader.GetValueF("half", 7.0f), 0.5f);
    EXPECT_FLOAT_EQ(loader.GetValueF("empty", 7.0f), 7.0f);
    EXPECT_FLOAT_EQ(loader.GetValueF("missing", 7.0f), 7.0f);
}

// Gives the tests a loader with two equal keys.
class TwoEqualKeys : public IniLoader {
public:
    TwoEqualKeys()
    {
        AddEntry("k", "first");
        AddEntry("k ", "second"); // trailing spaces are trimmed from keys
    }
};

TEST(IniLoaderEqualKeysTest, FirstIsReadAndBothAreSet)
{
    TwoEqualKeys two;
    EXPECT_EQ(two.GetNumKeys(), 2);
    EXPECT_EQ(two.GetValue("k"), "first");
    two.SetValueF("k", 2.5f);
    EXPECT_EQ(two.GetEntries()[0].value, "2.5");
    EXPECT_EQ(two.GetEntries()[1].value, "2.5");
}

TEST_F(IniLoaderTest, SetValueFAddsMissingKeysAtFullPrecision)
{
    Load("[s]\nk = 1\n");
    loader.SetValueF("k", 0.1f);
    EXPECT_EQ(loader.GetValue("k"), "0.1");
    EXPECT_FLOAT_EQ(loader.GetValueF("k", 0), 0.1f);
    loader.SetValueF("new", 1.0f / 3.0f);
    EXPECT_EQ(loader.GetNumKeys(), 2);
    EXPECT_EQ(loader.GetValueF("new", 0), 1.0f / 3.0f); // full precision
    loader.SetValueF("k", 12345.678f);
    EXPECT_EQ(loader.GetValueF("k", 0), 12345.678f);
}

TEST_F(IniLoaderTest, MissingSectionLoadsEmpty)
{
    Load("[other]\nk = v\n");
    EXPECT_EQ(loader.GetNumKeys(), 0);
    EXPECT_EQ(loader.GetValue("k"), "");
}

TEST_F(IniLoaderTest, SaveAsFileAndSectionNames)
{
    Load("[s]\nb = 2\na = x y\n[t]\n[u v]\n");
    ASSERT_TRUE(loader.SaveAsFile("out\\saved.ini"));
    EXPECT_EQ(ReadWholeFile("out/saved.ini"), "[s]\nb = 2\na = x y\n");

    loader.LoadAllSectionNames("data/t.ini");
    EXPECT_EQ(loader.GetSectionNames(), (std::vector<std::string> {"s", "t", "u v"}));
    loader.LoadAllSectionNames("data/none.ini");
    EXPECT_TRUE(loader.GetSectionNames().empty());
}

TEST_F(IniLoaderTest, GetNextLineWalksRawTexts)
{
    Load("[s]\na = x\\=y\nb = 2\n");
    std::string key, value;
    ASSERT_TRUE(loader.GetNextLine(key, value));
    EXPECT_EQ(key, "a");
    EXPECT_EQ(value, "x\\=y"); // raw, not decoded
    char k[8], v[2];
    ASSERT_TRUE(loader.GetNextLine(k, sizeof k, v, sizeof v));
    EXPECT_STREQ(k, "b");
    EXPECT_STREQ(v, "2");
    EXPECT_FALSE(loader.GetNextLine(key, value));
}

TEST_F(IniLoaderTest, ValueLimit)
{
    Load("[s]\nk = " + std::string(2046, 'v') + "\n");
    EXPECT_EQ(loader.GetValue("k").size(), 2046u);
    EXPECT_DEATH(Load("[s]\nk = " + std::string(2047, 'v') + "\n"), "writepos < 2047");
}

TEST_F(IniLoaderTest, PlayersFileWithAValueTooLongIsSetAsideAndReadsAsDefaults)
{
    // Stopping on shipped data stays (above); a player's own file must never stop every
    // start. It is kept beside as ".bad", then ".bad2", and the section reads empty.
    std::string user = GetUserFolder();
    std::string hints = user + "/hints.txt";
    std::string first = "[hints]\nintro = 1\nlong = " + std::string(2047, 'v') + "\n";
    std::string escaped;
    for (int i = 0; i < 2047; ++i)
        escaped += "\\="; // each pair decodes to one "="
    std::string second = "[hints]\nlong = " + escaped + "\nintro = 1\n";
    fs::create_directories(user);
    for (const std::string* text : {&first, &second}) {
        WriteFileAtomically(hints, *text);
        EXPECT_FALSE(loader.LoadUserSection("hints", hints));
        EXPECT_EQ(loader.GetNumKeys(), 0);
        EXPECT_EQ(loader.GetValue("intro"), "");
    }
    EXPECT_EQ(ReadWholeFile(hints + ".bad"), first);
    EXPECT_EQ(ReadWholeFile(hints + ".bad2"), second);
    EXPECT_NE(SandboxDebugLog().find("set aside as " + hints + ".bad2"), std::string::npos);

    // The next file written in its place reads as usual; so does a value of 2,046.
    WriteFileAtomically(hints, "[hints]\nintro = 1\nlong = " + std::string(2046, 'v') + "\n");
    EXPECT_TRUE(loader.LoadUserSection("hints", hints));
    EXPECT_EQ(loader.GetValue("intro"), "1");
    EXPECT_EQ(loader.GetValue("long").size(), 2046u);
    EXPECT_FALSE(fs::exists(hints + ".bad3"));
}
