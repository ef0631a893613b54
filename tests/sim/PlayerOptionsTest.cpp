// The player's options file: the first run, the round trip, values out of range, and
// files the game cannot read whole.
#include "sim/RecordingScreens.h"
#include "sim/SIM_PlayerOptions.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <string>

namespace {

using O = SIM_PlayerOptions;

class PlayerOptionsTest : public SandboxTest {
protected:
    std::string FilePath() const { return config.Str() + "/zelvaamplivance/player_options.txt"; }
    void WriteOptions(const std::string& text) const { config.Write("zelvaamplivance/player_options.txt", text); }
    std::string FileText() const { return ReadWholeFile(FilePath()); }
    int Warnings() const
    {
        int n = 0;
        for (const auto& r : screens.reports)
            n += r.rfind("GWarning", 0) == 0;
        return n;
    }
    void ExpectFirstRunSettings(const O& o) const
    {
        EXPECT_FLOAT_EQ(o.Get(O::OPTION_MASTERVOLUME), 1.0f);
        EXPECT_FLOAT_EQ(o.Get(O::OPTION_MUSICVOLUME), 1.0f);
        EXPECT_FLOAT_EQ(o.Get(O::OPTION_DIFFICULTY), 0.5f);
        EXPECT_FLOAT_EQ(o.Get(O::OPTION_MOUSESPEED), 0.5f);
        EXPECT_TRUE(o.GetToggle(O::TOGGLE_MUSIC));
        EXPECT_TRUE(o.GetToggle(O::TOGGLE_AUTOSAVE));
    }

    RecordingScreens screens;
    RecordingScreens::Scope scope {screens};
};

const std::string kGoodFile = "[config]\nMASTERVOLUME = 0.80\nMUSICVOLUME = 0.30\nDIFFICULTY = 0.10\n"
                              "MOUSESPEED = 0.90\n\n[toggles]\nENABLEMUSIC = 0\nENABLEAUTOSAVE = 1\n\n"
                              "[ID]\nid = 123456789\n";

} // namespace

TEST_F(PlayerOptionsTest, TheFirstRunWritesTheDefaultsWithAnEmptyIdAndTheSecondMakesTheId)
{
    O options;
    EXPECT_FLOAT_EQ(options.Get(O::OPTION_MASTERVOLUME), 0.0f); // nothing until loaded
    EXPECT_FALSE(options.GetToggle(O::TOGGLE_MUSIC));

    options.Load();
    ExpectFirstRunSettings(options);
    EXPECT_EQ(options.GetUniqueID(), "");
    EXPECT_EQ(FileText(), "[config]\nMASTERVOLUME = 1.00\nMUSICVOLUME = 1.00\nDIFFICULTY = 0.50\n"
                          "MOUSESPEED = 0.50\n\n[toggles]\nENABLEMUSIC = 1\nENABLEAUTOSAVE = 1\n\n"
                          "[ID]\nid = \n");
    EXPECT_FALSE(screens.Has("SetMouseSpeed 0.5")); // the first run leaves the mouse alone
    EXPECT_TRUE(screens.reports.empty());

    O second;
    second.Load();
    ExpectFirstRunSettings(second);
    const std::string id = second.GetUniqueID();
    ASSERT_EQ(id.size(), 9u);
    EXPECT_EQ(id.find_first_not_of("012345678"), std::string::npos) << id;
    EXPECT_TRUE(screens.Has("SetMouseSpeed 0.5"));
    second.Save();

    O third;
    third.Load();
    EXPECT_EQ(third.GetUniqueID(), id);
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(PlayerOptionsTest, SavedOptionsComeBackWithTwoDecimals)
{
    O options;
    options.Set(O::OPTION_MASTERVOLUME, 0.333f);
    options.Set(O::OPTION_MUSICVOLUME, 0.0f);
    options.Set(O::OPTION_DIFFICULTY, 1.0f);
    options.Set(O::OPTION_MOUSESPEED, 0.756f);
    options.SetToggle(O::TOGGLE_MUSIC, false);
    options.SetToggle(O::TOGGLE_AUTOSAVE, true);
    options.SetUniqueID("abcdefg");
    options.Save();
    EXPECT_NE(FileText().find("MASTERVOLUME = 0.33\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(FilePath() + ".tmp"));

    O loaded;
    loaded.Load();
    EXPECT_FLOAT_EQ(loaded.Get(O::OPTION_MASTERVOLUME), 0.33f);
    EXPECT_FLOAT_EQ(loaded.Get(O::OPTION_MUSICVOLUME), 0.0f);
    EXPECT_FLOAT_EQ(loaded.Get(O::OPTION_DIFFICULTY), 1.0f);
    EXPECT_FLOAT_EQ(loaded.Get(O::OPTION_MOUSESPEED), 0.76f);
    EXPECT_FALSE(loaded.GetToggle(O::TOGGLE_MUSIC));
    EXPECT_TRUE(loaded.GetToggle(O::TOGGLE_AUTOSAVE));
    EXPECT_EQ(loaded.GetUniqueID(), "abcdefg"); // 7 characters are kept
    EXPECT_TRUE(screens.Has("SetMouseSpeed 0.76"));
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(PlayerOptionsTest, IndexesOutsideTheListsReadNothingAndChangeNothing)
{
    O options;
    options.Set(O::OPTIONS(4), 0.7f);
    options.Set(O::OPTIONS(-1), 0.7f);
    options.SetToggle(O::TOGGLES(2), true);
    EXPECT_FLOAT_EQ(options.Get(O::OPTIONS(4)), 0.0f);
    EXPECT_FLOAT_EQ(options.Get(O::OPTIONS(-1)), 0.0f);
    EXPECT_FALSE(options.GetToggle(O::TOGGLES(2)));
    for (int i = 0; i < O::NumOptions; ++i)
        EXPECT_FLOAT_EQ(options.Get(O::OPTIONS(i)), 0.0f);
    for (int i = 0; i < O::NumToggles; ++i)
        EXPECT_FALSE(options.GetToggle(O::TOGGLES(i)));
}

TEST_F(PlayerOptionsTest, ValuesAreKeptWithinZeroToOne)
{
    struct Case {
        const char* text;
        float expected;
    };
    // Read as the master volume (first-run setting 1) and the difficulty (0.5).
    const Case cases[] = {{"-0.5", 0.0f}, {"1.7", 1.0f}, {"0.25", 0.25f}, {"inf", 1.0f}, {"-inf", 0.0f}};
    for (const Case& c : cases) {
        WriteOptions(std::string("[config]\nMASTERVOLUME = ") + c.text + "\nMUSICVOLUME = 0.5\nDIFFICULTY = " +
                     c.text + "\nMOUSESPEED = 0.5\n[toggles]\nENABLEMUSIC = 1\nENABLEAUTOSAVE = 0\n[ID]\nid = 1234567\n");
        O options;
        options.Load();
        EXPECT_FLOAT_EQ(options.Get(O::OPTION_MASTERVOLUME), c.expected) << c.text;
        EXPECT_FLOAT_EQ(options.Get(O::OPTION_DIFFICULTY), c.expected) << c.text;
        EXPECT_FALSE(options.GetToggle(O::TOGGLE_AUTOSAVE)) << c.text; // the rest of the file holds
    }
    // No number to clamp: each option takes its own first-run setting.
    WriteOptions("[config]\nMASTERVOLUME = nan\nMUSICVOLUME = 0.5\nDIFFICULTY = nan\nMOUSESPEED = nan\n"
                 "[toggles]\nENABLEMUSIC = 1\nENABLEAUTOSAVE = 0\n[ID]\nid = 1234567\n");
    O options;
    options.Load();
    EXPECT_FLOAT_EQ(options.Get(O::OPTION_MASTERVOLUME), 1.0f);
    EXPECT_FLOAT_EQ(options.Get(O::OPTION_MUSICVOLUME), 0.5f);
    EXPECT_FLOAT_EQ(options.Get(O::OPTION_DIFFICULTY), 0.5f);
    EXPECT_FLOAT_EQ(options.Get(O::OPTION_MOUSESPEED), 0.5f);
    EXPECT_TRUE(screens.Has("SetMouseSpeed 0.5"));
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(PlayerOptionsTest, AFileTheGameCannotReadWholeGivesTheDefaultsWithOneLogLine)
{
    const std::string cases[] = {
        kGoodFile.substr(0, kGoodFile.find("MOUSESPEED") + 5), // cut in the middle of a key
        kGoodFile.substr(0, kGoodFile.find("[toggles]")),      // cut before the switches
        kGoodFile.substr(0, kGoodFile.find("ENABLEAUTOSAVE")), // one switch missing
        "",
        std::string("\x01\xff\x7f garbage \x00\x02", 15),
        "[config]\nMASTERVOLUME = loud\nMUSICVOLUME = 0.3\nDIFFICULTY = 0.1\nMOUSESPEED = 0.9\n"
        "[toggles]\nENABLEMUSIC = 0\nENABLEAUTOSAVE = 0\n",
        "[config]\nMASTERVOLUME = 0.8\nMUSICVOLUME = 0.3\nDIFFICULTY = 0.1\nMOUSESPEED = 0.9\n"
        "[toggles]\nENABLEMUSIC = off\nENABLEAUTOSAVE = 0\n",
    };
    for (const std::string& text : cases) {
        screens.Clear();
        WriteOptions(text);
        O options;
        options.Load();
        SCOPED_TRACE(text);
        ExpectFirstRunSettings(options); // never silences the music or stops the autosave
        EXPECT_EQ(Warnings(), 1);
        EXPECT_EQ(options.GetUniqueID().size(), 9u);
        EXPECT_EQ(FileText(), text); // left as it is until the options are saved
    }
    // The good file itself reads whole, without a line.
    screens.Clear();
    WriteOptions(kGoodFile);
    O good;
    good.Load();
    EXPECT_FLOAT_EQ(good.Get(O::OPTION_MUSICVOLUME), 0.3f);
    EXPECT_FALSE(good.GetToggle(O::TOGGLE_MUSIC));
    EXPECT_EQ(good.GetUniqueID(), "123456789");
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(PlayerOptionsTest, IdsOfSixCharactersOrFewerAreReplaced)
{
    struct Case {
        const char* id;
        bool kept;
    };
    const Case cases[] = {{"", false}, {"123456", false}, {"1234567", true}, {"player-one-x", true}};
    for (const Case& c : cases) {
        std::string text = kGoodFile;
        text.replace(text.find("123456789"), 9, c.id);
        WriteOptions(text);
        O options;
        options.Load();
        if (c.kept)
            EXPECT_EQ(options.GetUniqueID(), c.id);
        else
            EXPECT_EQ(options.GetUniqueID().size(), 9u) << c.id;
    }
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(PlayerOptionsTest, AFileThatCannotBeWrittenOnlyWarnsAndKeepsTheOptions)
{
    std::filesystem::create_directories(FilePath()); // a folder in the file's place
    O options;
    options.Set(O::OPTION_MUSICVOLUME, 0.4f);
    options.Save();
    EXPECT_EQ(screens.reports, (std::vector<std::string> {"GWarning Failed to save variables"}));
    EXPECT_FLOAT_EQ(options.Get(O::OPTION_MUSICVOLUME), 0.4f);
    EXPECT_TRUE(std::filesystem::is_directory(FilePath()));
}
