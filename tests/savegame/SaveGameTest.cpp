// Saving a career and loading it back: the second save equals the first, the loaded game
// is the saved one, and damaged files never harm the game in progress.
#include "savegame/SaveGameFixture.h"
#include "port/AtomicFile.h"
#include "sim/SIM_PlayerOptions.h"
#include "support/TestSupport.h"

#include <cerrno>
#include <cmath>
#include <fstream>
#include <unistd.h>
#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

TEST_F(SaveGameTest, ASecondSaveOfALoadedCareerEqualsTheFirst)
{
    for (unsigned seed : {1u, 7u, 42u}) {
        SCOPED_TRACE(seed);
        NewGame(2);
        BuildCareer(seed);
        const std::string digest = Digest();
        const auto sums = Sums();
        const std::string w1 = Compose();
        ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("career"));
        EXPECT_EQ(Masked(ReadWholeFile(SaveFormat::SavePath("career"))), Masked(w1));

        // A fresh game, with other ids and another band, is replaced by the save.
        NewGame(3);
        Hire(INSTRUMENT_DRUMS);
        ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("career"));
        EXPECT_EQ(Digest(), digest);
        ExpectSums(sums);
        const std::string w2 = Compose();
        EXPECT_EQ(Masked(w2), Masked(w1));
        EXPECT_TRUE(screens.Alerts().empty()) << screens.Alerts().front();
        EXPECT_FLOAT_EQ(SIM_GetLoadGame()->GetVersion(), 1.13f);
    }
}

TEST_F(SaveGameTest, TheFileHoldsTheDescribedLayout)
{
    BuildCareer(3);
    const std::string w1 = Compose();
    // Sections in order, each opened and closed on its own line.
    const std::string lined = "\n" + w1;
    size_t at = 0;
    for (const char* tag : {"<xml>", "<header>", "<load_data>", "<riza>", "<date>", "<assets>", "<musicians>",
                            "<band>", "<song_elements>", "<songs>", "<retired_songs>", "<albums>", "<gamemode>",
                            "<recordingstudio>", "<gigs>", "<other_gigs>", "<practice>", "<relationships>",
                            "<endorsements>", "<rehearsal_data>", "<venues>", "<balance>", "<events>",
                            "<finances>", "<fame>", "<globals>", "<statistics>", "<SIM_SIM>", "<misc>", "</xml>"}) {
        const size_t found = lined.find(std::string("\n") + tag + "\n", at);
        ASSERT_NE(found, std::string::npos) << tag;
        at = found + 1;
    }
    EXPECT_EQ(w1.rfind("<xml>\n", 0), 0u);
    EXPECT_EQ(w1.substr(w1.size() - 7), "</xml>\n");
    // Escaped texts, the statistics' two decimals, "none" spellings and a value never
    // holding '<'.
    EXPECT_NE(w1.find("<name>Song &amp; &lt;0&gt;</name>"), std::string::npos);
    EXPECT_NE(w1.find("<floats>123.45,"), std::string::npos);
    EXPECT_NE(w1.find("<songelement>NULL</songelement>"), std::string::npos);
    EXPECT_NE(w1.find("<charity>null</charity>"), std::string::npos);
    EXPECT_NE(w1.find("<version>Final 1.13</version>"), std::string::npos);
    EXPECT_TRUE(std::regex_search(w1, std::regex("<date>\\d+/\\d+/\\d+ \\(DD-MM-YYYY\\) - \\d+:\\d+</date>")));
    std::istringstream lines(w1);
    for (std::string line; std::getline(lines, line);)
        EXPECT_TRUE(std::regex_match(line, std::regex("</?[^<>]+>|<([^<>/]+)>[^<]*</\\1>"))) << line;
    // Only the player character's attributes: saving and loading never grows the file.
    ASSERT_TRUE(SIM_GetLoadGame()->LoadFromText(w1));
    ASSERT_TRUE(SIM_GetLoadGame()->LoadFromText(Compose()));
    EXPECT_EQ(Compose().size(), w1.size());
}

TEST_F(SaveGameTest, AnEmptyGameWritesEmptyListsAndReadsThemBack)
{
    SIM_Song::Open();
    const std::string w1 = Compose();
    for (const char* list : {"musicians", "songs", "retired_songs", "albums", "other_gigs", "relationships", "fame"})
        EXPECT_NE(w1.find(std::string("<") + list + ">\n</" + list + ">\n"), std::string::npos) << list;
    EXPECT_NE(w1.find("<booked>\n</booked>"), std::string::npos);
    Hire(INSTRUMENT_BASS);
    ASSERT_TRUE(SIM_GetLoadGame()->LoadFromText(w1));
    EXPECT_TRUE(SIM_Musician::All.empty());
    EXPECT_TRUE(SIM_Song::All.empty());
    EXPECT_EQ(Masked(Compose()), Masked(w1));
}

TEST_F(SaveGameTest, LoadingRestoresWhatTheFileDoesNotSpellOut)
{
    BuildCareer(5);
    SIM_Musician* dreamer = nullptr;
    for (SIM_Musician* m : SIM_GetBand()->GetMembers())
        if (m->HasPersonality("imaginitive"))
            dreamer = m;
    ASSERT_NE(dreamer, nullptr);
    const int nextId = SIM_SLIDBase::GetTopSLID();
    const std::string w1 = Compose();
    ASSERT_TRUE(SIM_GetLoadGame()->LoadFromText(w1));

    // The imaginative member owns his inspiration again: leaving takes it away.
    SIM_Musician* restored = nullptr;
    for (SIM_Musician* m : SIM_GetBand()->GetMembers())
        if (m->HasPersonality("imaginitive"))
            restored = m;
    ASSERT_NE(restored, nullptr);
    EXPECT_EQ(restored->GetPermanentEffects().size(), 1u);
    EXPECT_TRUE(SIM_GetRecordCompany()->IsSigned());
    // New objects draw ids from the saved counter on.
    auto* song = new SIM_Song;
    EXPECT_GE(song->GetSLID(), nextId);
    delete song;
    // Tonight's gig reminder and the day's activity count come back.
    EXPECT_EQ(SIM_GetSim()->GetActivities(), 0);
}

TEST_F(SaveGameTest, ASaveMadeWithTheDayUsedUpEndsTheDayWhenLoaded)
{
    BuildCareer(2);
    std::string w1 = Compose();
    const int day = SIM_Date::PPresentDay->DayCount();
    w1 = std::regex_replace(w1, std::regex("<acts>0</acts>"), "<acts>1</acts>");
    ASSERT_TRUE(SIM_GetLoadGame()->LoadFromText(w1));
    EXPECT_EQ(SIM_Date::PPresentDay->DayCount(), day + 1);
}

TEST_F(SaveGameTest, TheLoadMenuSummaryIsReadOrNoneForADamagedFile)
{
    BuildCareer(4);
    ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("summary"));
    auto config = SIM_GetLoadGame()->GetLoadConfig("summary");
    ASSERT_NE(config, nullptr);
    EXPECT_EQ(config->bandName, "The Amber Teal");
    EXPECT_NEAR(config->cash, SIM_GetFinances()->GetCash(), 0.01f);
    EXPECT_NEAR(config->fame, SIM_GetFame()->GetFame(), 0.01f);
    EXPECT_EQ(config->avatarTexture, SIM_GetRiza()->GetPortraitTexture());
    EXPECT_NE(config->date.find("(DD-MM-YYYY)"), std::string::npos);

    for (const std::string& text : {std::string(), std::string("<xml>\n<load_data>\n"), std::string("\x01\x02<<>>")}) {
        config.reset();
        TempDir unused;
        fs::create_directories(SaveFormat::SaveGamesDir());
        std::ofstream(SaveFormat::SavePath("broken")) << text;
        EXPECT_EQ(SIM_GetLoadGame()->GetLoadConfig("broken"), nullptr);
    }
    EXPECT_EQ(SIM_GetLoadGame()->GetLoadConfig("missing"), nullptr);
    EXPECT_TRUE(screens.Alerts().empty());
}

// Every damaged file either loads or is refused with one report and the game untouched.
TEST_F(SaveGameTest, DamagedFilesLoadOrAreRefusedWithoutHarm)
{
    BuildCareer(9);
    const std::string good = Compose();
    const auto replace = [&good](const std::string& pattern, const std::string& with) {
        return std::regex_replace(good, std::regex(pattern), with, std::regex_constants::format_first_only);
    };
    struct Case {
        std::string name;
        std::string text;
        bool loads;
    };
    std::vector<Case> cases = {
        {"empty", "", false},
        {"garbage", std::string("\0\xff<\x01>", 5), false},
        {"no root", good.substr(6), false},
        {"no end", good.substr(0, good.size() - 7), false},
        {"text after the end", good + "<xml>\n", false},
        {"missing key", replace("<cash>[^<]*</cash>\n</finances>", "</finances>"), true},
        {"member id out of range", replace("<member>\n<slid>\\d+</slid>", "<member>\n<slid>99999</slid>"), true},
        {"member id of a song", replace("<member>\n<slid>\\d+</slid>", "<member>\n<slid>" +
                                        std::to_string(SIM_Song::All.front()->GetSLID()) + "</slid>"), true},
        {"negative id", replace("<musician>\n<slid>\\d+</slid>", "<musician>\n<slid>-4</slid>"), true},
        {"repeated musician", replace("(<musicians>\n)(<musician>\n(?:.*\n)*?</musician>\n)", "$1$2$2"), true},
        {"repeated member", replace("(<members>\n)(<member>\n.*\n</member>\n)", "$1$2$2"), true},
        {"unknown venue", replace("<venue>[^<]*</venue>", "<venue>Nowhere Hall</venue>"), true},
        {"unknown asset", replace("<asset>\n<name>[^<]*</name>", "<asset>\n<name>golden kazoo</name>"), true},
        {"unknown element", replace("<0>[^<]*</0>", "<0>nonsense</0>"), true},
        {"raw < in a value", replace("<Name>[^<]*</Name>", "<Name>Ro<ck</Name>"), false},
        {"short comma list", replace("<bpm>[^<]*</bpm>", "<bpm>120,</bpm>"), true},
        {"empty comma list", replace("<ints>[^<]*</ints>", "<ints>,,,</ints>"), true},
        {"huge int", replace("<turncount>\\d+</turncount>", "<turncount>99999999999999999999</turncount>"), true},
        {"huge float", replace("<cash>[^<]*</cash>", "<cash>1e999</cash>"), true},
        {"nan", replace("<effect>[^<]*</effect>", "<effect>nan</effect>"), true},
        {"bad enumeration", replace("<instrument>\\d+</instrument>", "<instrument>77</instrument>"), true},
        {"bad date", replace("<day>\\d+</day>", "<day>-9</day>"), true},
        {"bad counter", replace("<TopSLID>\\d+</TopSLID>", "<TopSLID>0</TopSLID>"), true},
        {"hostile avatar", replace("(<riza>(?:.*\n)*?)<avatar_texture>[^<]*", "$1<avatar_texture>../../x.png"), true},
        {"hostile skin", replace("<skin>[^<]*</skin>", "<skin>..\\\\..\\\\evil</skin>"), true},
        {"hostile portrait", replace("<portrait_sad>[^<]*</portrait_sad>", "<portrait_sad>/etc/passwd</portrait_sad>"), true},
        {"too deep", replace("<header>\n", "<header>\n<a>\n<b>\n<c>\n<d>\n<e>\n<f>\n<g>\n</g>\n</f>\n</e>\n</d>\n</c>\n</b>\n</a>\n"), false},
        {"long tag", replace("<header>\n", "<header>\n<" + std::string(200, 'a') + "></" + std::string(200, 'a') + ">\n"), false},
        {"unclosed section", replace("</band>\n", ""), false},
        {"extra section and lines", replace("<header>\n", "<header>\n<novel>1</novel>\n<extra>\n</extra>\n"), true},
    };
    // Cut after every section.
    std::istringstream lines(good);
    size_t offset = 0;
    int depth = 0;
    for (std::string line; std::getline(lines, line); offset += line.size() + 1) {
        if (line.rfind("</", 0) == 0)
            --depth;
        else if (line.find("</") == std::string::npos)
            ++depth;
        if (depth == 1 && line.rfind("</", 0) == 0)
            cases.push_back({"cut after " + line, good.substr(0, offset + line.size() + 1), false});
    }

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(SIM_GetLoadGame()->LoadFromText(good));
        const std::string before = Masked(Compose());
        screens.Clear();
        const bool loaded = SIM_GetLoadGame()->LoadFromText(c.text);
        EXPECT_EQ(loaded, c.loads);
        EXPECT_LE(screens.Alerts().size(), loaded ? 0u : 1u);
        if (!loaded) {
            EXPECT_EQ(Masked(Compose()), before) << "the game in progress is untouched";
        }
        // Whatever was loaded saves again as a file that loads.
        const std::string again = Compose();
        EXPECT_FALSE(std::regex_search(again, std::regex(">-?(nan|inf)", std::regex::icase)));
        EXPECT_EQ(again.find("../"), std::string::npos);
        EXPECT_TRUE(SIM_GetLoadGame()->LoadFromText(again));
    }
}

TEST_F(SaveGameTest, NamesTheGameCannotUseAreRefused)
{
    struct Case {
        std::string name;
        bool saves;
    };
    for (const Case& c : std::vector<Case> {{"", false}, {".hidden", false}, {"a/b", false}, {"a\\b", false},
                                            {"tab\tname", false}, {"line\nname", false},
                                            {std::string(32, 'x'), false}, {std::string(31, 'x'), true},
                                            {"My Band 2", true}}) {
        screens.Clear();
        EXPECT_EQ(SIM_GetSaveGame()->SaveGame(c.name), c.saves) << c.name;
        EXPECT_EQ(screens.Alerts().size(), c.saves ? 0u : 1u) << c.name;
    }
    // Saving twice under one name replaces the file.
    ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("twice"));
    SIM_GetBand()->SetName("Renamed");
    ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("twice"));
    EXPECT_NE(ReadWholeFile(SaveFormat::SavePath("twice")).find("<Name>Renamed</Name>"), std::string::npos);
}

namespace {
size_t writeBudget = 0;
ssize_t DiskFillsUp(int fd, const void* data, size_t size)
{
    if (writeBudget == 0) {
        errno = ENOSPC;
        return -1;
    }
    const size_t n = std::min(size, writeBudget);
    writeBudget -= n;
    return ::write(fd, data, n);
}
}

TEST_F(SaveGameTest, AFailedWriteLeavesTheOldSaveIntact)
{
    BuildCareer(6);
    ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("keep"));
    const std::string path = SaveFormat::SavePath("keep");
    const std::string old = ReadWholeFile(path);
    SIM_GetBand()->SetName("Changed Since");
    const auto onlyTheSave = [] {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(SaveFormat::SaveGamesDir()))
            names.push_back(e.path().filename().string());
        return names;
    };

    // A full disk, at the first byte and half-way.
    for (size_t budget : {size_t {0}, size_t {5000}}) {
        writeBudget = budget;
        SetAtomicWriteCall(DiskFillsUp);
        screens.Clear();
        EXPECT_FALSE(SIM_GetSaveGame()->SaveGame("keep"));
        SetAtomicWriteCall(nullptr);
        EXPECT_EQ(screens.Alerts().size(), 1u);
        EXPECT_EQ(ReadWholeFile(path), old);
        EXPECT_EQ(onlyTheSave(), std::vector<std::string> {"keep.xml"}) << "no temporary file is left";
    }

    // A link planted where the save goes is replaced, never written through.
    const std::string victim = (work.Path() / "victim.txt").string();
    std::ofstream(victim) << "precious";
    fs::create_symlink(victim, SaveFormat::SavePath("linked"));
    EXPECT_TRUE(SIM_GetSaveGame()->SaveGame("linked"));
    EXPECT_EQ(ReadWholeFile(victim), "precious");
    EXPECT_FALSE(fs::is_symlink(SaveFormat::SavePath("linked")));

    // A folder that cannot be made: the saves folder's place is taken by a file. An
    // autosave that fails is reported once, then only logged.
    fs::remove_all(SaveFormat::SaveGamesDir());
    std::ofstream(SaveFormat::SaveGamesDir()) << "not a folder";
    screens.Clear();
    EXPECT_FALSE(SIM_GetSaveGame()->SaveGame("keep"));
    EXPECT_FALSE(SIM_GetSaveGame()->SaveGame("autosave"));
    EXPECT_FALSE(SIM_GetSaveGame()->SaveGame("autosave"));
    EXPECT_EQ(screens.Alerts().size(), 2u);
}

TEST_F(SaveGameTest, TheDayPassAutosavesOnlyWithTheToggleOn)
{
    BuildCareer(8);
    const std::string path = SaveFormat::SavePath("autosave");
    SIM_GetPlayerOptions()->SetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE, false);
    EndDays(1);
    EXPECT_FALSE(fs::exists(path));
    SIM_GetPlayerOptions()->SetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE, true);
    EndDays(1);
    SIM_GetPlayerOptions()->SetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE, false);
    ASSERT_TRUE(fs::exists(path));
    // The autosave holds the new day with its activities not yet begun.
    const int day = SIM_Date::PPresentDay->DayCount();
    const std::string digest = Digest();
    ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("autosave"));
    EXPECT_EQ(SIM_Date::PPresentDay->DayCount(), day);
    EXPECT_EQ(SIM_GetSim()->GetActivities(), 0);
    EXPECT_TRUE(screens.Alerts().empty());
}
