#include "engine/GProfileStore.h"
#include "engine/IniLoader.h"
#include "engine/PrivateProfile.h"
#include "iniparser/iniparser.h"
#include "port/AtomicFile.h"
#include "support/LogCapture.h"
#include "support/TestSupport.h"

#include <chrono>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

class PrivateProfileTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        GetProfileStore()->Forget();
        resources.Write("data/config.muf",
                        "[pref]\nSCREEN_WIDTH = 1024\nSCREEN_HEIGHT = 768\n"
                        "[config]\nIsWindowed = 1\nSafeMode = 0\nbuild = test build\n");
    }
    const char* muf = "data\\config.muf";
};

TEST_F(PrivateProfileTest, FileIsFoundUnderResourcesWithEitherSeparator)
{
    EXPECT_EQ(GetPrivateProfileString("pref", "SCREEN_WIDTH", "x", muf), "1024");
    EXPECT_EQ(GetPrivateProfileString("pref", "SCREEN_WIDTH", "x", "data/config.muf"), "1024");
    EXPECT_EQ(GetPrivateProfileString("pref", "screen_width", "x", muf), "x");
    EXPECT_EQ(GetPrivateProfileInt("config", "SafeMode", 7, muf), 0);
    EXPECT_EQ(GetPrivateProfileInt("config", "Missing", 7, muf), 7);
}

TEST_F(PrivateProfileTest, WorkingFolderWinsOverResources)
{
    work.Write("data/config.muf", "[pref]\nSCREEN_WIDTH = 800\n");
    EXPECT_EQ(GetPrivateProfileInt("pref", "SCREEN_WIDTH", 0, muf), 800);
}

TEST_F(PrivateProfileTest, BufferFormCutsToSize)
{
    char buffer[8];
    EXPECT_EQ(GetPrivateProfileString("config", "build", "", buffer, sizeof buffer, muf), 7u);
    EXPECT_STREQ(buffer, "test bu");
    EXPECT_EQ(GetPrivateProfileString("config", "none", "default text", buffer, sizeof buffer, muf), 7u);
    EXPECT_STREQ(buffer, "default");
    EXPECT_EQ(GetPrivateProfileString("config", "build", "", buffer, 0, muf), 0u);
}

TEST_F(PrivateProfileTest, MissingFileIsCreatedEmptyAndReadsDefaults)
{
    OpenSandboxDebugLog();
    EXPECT_EQ(GetPrivateProfileString("s", "k", "dflt", "data\\absent.ini"), "dflt");
    EXPECT_TRUE(fs::exists(resources.Path() / "data/absent.ini"));
    EXPECT_EQ(fs::file_size(resources.Path() / "data/absent.ini"), 0u);
    EXPECT_TRUE(GetPrivateProfileSection("s", "data\\absent.ini").empty());
    EXPECT_NE(SandboxDebugLog().find("absent.ini not found"), std::string::npos);
}

TEST_F(PrivateProfileTest, StoreComesBeforeFileAndSurvivesRestart)
{
    EXPECT_TRUE(WritePrivateProfileInt("config", "IsWindowed", 0, muf));
    EXPECT_EQ(GetPrivateProfileInt("config", "IsWindowed", 5, muf), 0);
    // The INI file itself is never written.
    EXPECT_NE(ReadWholeFile(resources.Str() + "/data/config.muf").find("IsWindowed = 1"), std::string::npos);
    // Keyed by the name as written: the other spelling reads the file.
    EXPECT_EQ(GetPrivateProfileInt("config", "IsWindowed", 5, "data/config.muf"), 1);

    GetProfileStore()->Forget(); // as at the next start
    EXPECT_EQ(GetPrivateProfileInt("config", "IsWindowed", 5, muf), 0);
    EXPECT_TRUE(fs::exists(GProfileStore::StorePath()));
}

TEST_F(PrivateProfileTest, EmptyStoredValueFallsThroughToFile)
{
    WritePrivateProfileString("config", "build", "", muf);
    EXPECT_EQ(GetPrivateProfileString("config", "build", "", muf), "test build");
}

TEST_F(PrivateProfileTest, SectionReadMergesStoreIntoFileOrder)
{
    WritePrivateProfileString("config", "extra", "new", muf);
    WritePrivateProfileInt("config", "IsWindowed", 0, muf);
    std::vector<std::string> expected {"IsWindowed=0", "SafeMode=0", "build=test build", "extra=new"};
    EXPECT_EQ(GetPrivateProfileSection("config", muf), expected);
    // A section with nothing stored is the file's alone.
    EXPECT_EQ(GetPrivateProfileSection("pref", muf),
              (std::vector<std::string> {"SCREEN_WIDTH=1024", "SCREEN_HEIGHT=768"}));
}

TEST_F(PrivateProfileTest, SectionReadMatchesWholeSectionNames)
{
    resources.Write("data/fig.ini", "[config]\na = 1\n[fig]\nb = 2\n[figure]\nc = 3\n");
    EXPECT_EQ(GetPrivateProfileSection("fig", "data/fig.ini"), (std::vector<std::string> {"b=2"}));
}

TEST_F(PrivateProfileTest, SectionBufferHoldsWholeTextsOnly)
{
    char buffer[64];
    std::fill(std::begin(buffer), std::end(buffer), 'Z');
    size_t n = GetPrivateProfileSection("pref", buffer, sizeof buffer, muf);
    EXPECT_EQ(n, std::string("SCREEN_WIDTH=1024").size() + 1 + std::string("SCREEN_HEIGHT=768").size() + 1);
    EXPECT_STREQ(buffer, "SCREEN_WIDTH=1024");
    EXPECT_STREQ(buffer + 18, "SCREEN_HEIGHT=768");
    EXPECT_EQ(buffer[n], '\0');

    char small[24];
    std::fill(std::begin(small), std::end(small), 'Z');
    n = GetPrivateProfileSection("pref", small, sizeof small, muf);
    EXPECT_EQ(n, 18u); // the second text does not fit
    EXPECT_EQ(small[18], '\0');
    EXPECT_EQ(small[19], 'Z'); // nothing written past what was reported

    char tiny[1] = {'Z'};
    EXPECT_EQ(GetPrivateProfileSection("pref", tiny, 1, muf), 0u);
    EXPECT_EQ(tiny[0], '\0');
}

TEST_F(PrivateProfileTest, ChangedFileIsSeenAtNextRead)
{
    EXPECT_EQ(GetPrivateProfileInt("pref", "SCREEN_WIDTH", 0, muf), 1024);
    resources.Write("data/config.muf", "[pref]\nSCREEN_WIDTH = 1280\n");
    EXPECT_EQ(GetPrivateProfileInt("pref", "SCREEN_WIDTH", 0, muf), 1280);
    resources.Write("data/config.muf", "[pref]\nSCREEN_WIDTH = 1600\n"); // same size
    fs::last_write_time(resources.Path() / "data/config.muf",
                        fs::last_write_time(resources.Path() / "data/config.muf") + std::chrono::seconds(2));
    EXPECT_EQ(GetPrivateProfileInt("pref", "SCREEN_WIDTH", 0, muf), 1600);
}

TEST_F(PrivateProfileTest, FloatsAndColours)
{
    resources.Write("data/look.ini", "[c]\nf = 2.5\nempty = \"\"\nrgba = 10,20,30,255\nshort = 1,2\n");
    const char* file = "data/look.ini";
    EXPECT_FLOAT_EQ(GetPrivateProfileFloat("c", "f", 9.0f, file), 2.5f);
    EXPECT_FLOAT_EQ(GetPrivateProfileFloat("c", "none", 9.0f, file), 9.0f);
    EXPECT_EQ(GetPrivateProfileRGBA("c", "rgba", file), 0xFF1E140Au);
    EXPECT_EQ(GetPrivateProfileRGBA("c", "none", file), 0u);
    EXPECT_EQ(GetPrivateProfileRGBA("c", "short", file), 0x0201u); // missing parts read 0
    WritePrivateProfileFloat("c", "f", 0.25f, file);
    EXPECT_EQ(GetPrivateProfileString("c", "f", "", file), "0.250000");
}

TEST_F(PrivateProfileTest, StoreWorksBeforeUserFolderExists)
{
    fs::remove_all(config.Path());
    EXPECT_TRUE(WritePrivateProfileInt("config", "IsWindowed", 0, muf));
    EXPECT_TRUE(fs::exists(GProfileStore::StorePath()));
}

TEST_F(PrivateProfileTest, FailedStoreWriteIsReportedAndKeptForTheRun)
{
    // The per-user folder cannot be created: a file stands in its place.
    fs::remove_all(config.Path());
    std::ofstream(config.Str()) << "in the way";
    EXPECT_FALSE(WritePrivateProfileInt("config", "IsWindowed", 0, muf));
    EXPECT_EQ(GetPrivateProfileInt("config", "IsWindowed", 5, muf), 0);
    fs::remove(config.Path());
    fs::create_directories(config.Path());
}

TEST_F(PrivateProfileTest, DamagedStoreReadsEmptyOrSkipsBadLines)
{
    OpenSandboxDebugLog();
    std::string path = GProfileStore::StorePath();
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << "garbage\n";
    EXPECT_EQ(GetPrivateProfileInt("config", "IsWindowed", 5, muf), 1);
    EXPECT_NE(SandboxDebugLog().find("damaged"), std::string::npos);
    // Kept aside: the next write would otherwise overwrite it.
    EXPECT_EQ(ReadWholeFile(path + ".bad"), "garbage\n");

    std::ofstream(path) << "# Amplivance profile store 1\nbad line\n"
                           "data\\\\config.muf\tconfig\tIsWindowed\t0\n";
    GetProfileStore()->Forget();
    EXPECT_EQ(GetPrivateProfileInt("config", "IsWindowed", 5, muf), 0);
}

TEST_F(PrivateProfileTest, StoreKeepsAnyText)
{
    std::string odd = "tab\there\nnew line\\ and = signs";
    WritePrivateProfileString("sec tion", "k\te=y", odd, "odd\\name.ini");
    GetProfileStore()->Forget();
    EXPECT_EQ(GetPrivateProfileString("sec tion", "k\te=y", "", "odd\\name.ini"), odd);
}

TEST_F(PrivateProfileTest, DictionaryForFilenameIsACopy)
{
    dictionary* d = GetDictionaryForFilename(muf);
    ASSERT_NE(d, nullptr);
    EXPECT_STREQ(iniparser_getstring(d, "config:build", ""), "test build");
    iniparser_freedict(d);
}

TEST_F(PrivateProfileTest, StoreWithAValueTooLongIsSetAsideAndDefaultsUsed)
{
    // Any value of the store reaches the INI readers, which stop the program on a value of
    // 2,047 characters or more: such a store is kept aside and the game starts afresh.
    OpenSandboxDebugLog();
    std::string path = GProfileStore::StorePath();
    fs::create_directories(fs::path(path).parent_path());
    const std::string header = "# Amplivance profile store 1\n";
    const std::string good = "data\\\\config.muf\tconfig\tIsWindowed\t0\n";
    std::string escapedEquals;
    for (int i = 0; i < 2047; ++i)
        escapedEquals += "\\\\=";
    const std::string stores[] = {
        header + good + "data\\\\config.muf\tconfig\tbuild\t" + std::string(2047, 'x') + "\n",
        header + "data\\\\config.muf\tconfig\tbuild\t" + escapedEquals + "\n" + good,
        // A key holding "=" makes the rest of the key part of the value.
        header + "data\\\\config.muf\tconfig\tk=" + std::string(1500, 'y') + "\t" + std::string(1500, 'z') + "\n",
    };
    int n = 0;
    for (const std::string& store : stores) {
        SCOPED_TRACE(n);
        WriteFileAtomically(path, store);
        GetProfileStore()->Forget();
        IniLoader config;
        config.LoadSection("config", muf);
        EXPECT_EQ(config.GetValue("IsWindowed"), "1");
        EXPECT_EQ(config.GetValue("build"), "test build");
        std::string aside = path + ".bad" + (n ? std::to_string(n + 1) : "");
        EXPECT_EQ(ReadWholeFile(aside), store);
        EXPECT_NE(SandboxDebugLog().find("set aside as " + aside), std::string::npos);
        EXPECT_FALSE(fs::exists(path));
        ++n;
    }
    // The fresh store takes writes as usual.
    EXPECT_TRUE(WritePrivateProfileInt("config", "IsWindowed", 0, muf));
    GetProfileStore()->Forget();
    EXPECT_EQ(GetPrivateProfileInt("config", "IsWindowed", 5, muf), 0);
}

TEST_F(PrivateProfileTest, SectionNameWithAZeroByteMatchesNoShorterKey)
{
    // "abc" stands before any section line, so its entry is the bare name: a section name
    // of "abc", a zero byte and more must not match it (and read past its end).
    resources.Write("data/top.ini", "abc = 1\nconfig = 2\n[s]\nk = v\n");
    for (const std::string& section : {std::string("abc\0", 4), std::string("abc\0x", 5), std::string("s\0", 2),
                                       std::string("config\0", 7)}) {
        EXPECT_TRUE(GetPrivateProfileSection(section, "data/top.ini").empty());
        EXPECT_TRUE(GetPrivateProfileSection(section, muf).empty());
    }
    EXPECT_EQ(GetPrivateProfileSection("s", "data/top.ini"), std::vector<std::string> {"k=v"});
}

TEST_F(PrivateProfileTest, LargeStoreLoadsInLinearTime)
{
    // 20,000 sections of one key each (about 900 KB): a scan of the sections per line
    // took many seconds; a lookup per line takes a fraction of one.
    std::string path = GProfileStore::StorePath();
    std::string text = "# Amplivance profile store 1\n";
    const int sections = 20000;
    for (int i = 0; i < sections; ++i)
        text += "data\\\\config.muf\tsection" + std::to_string(i) + "\tkey\tvalue" + std::to_string(i) + "\n";
    text += "data\\\\config.muf\tsection7\tkey\tlast\n"; // a later line replaces the value
    ASSERT_TRUE(WriteFileAtomically(path, text));
    GetProfileStore()->Forget();
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(GetPrivateProfileString("section19999", "key", "", muf), "value19999");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(GetPrivateProfileString("section7", "key", "", muf), "last");
    EXPECT_EQ(GetPrivateProfileSection("section7", muf), std::vector<std::string> {"key=last"});
}
