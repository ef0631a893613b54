// The portrait database: folders of the game and of the player's mods, free portraits
// handed out first, grey and incomplete folders skipped, empty lists.
#include "port/Paths.h"
#include "sim/RecordingScreens.h"
#include "sim/SIM_PortraitDatabase.h"
#include "support/TestSupport.h"

#include <cstdlib>
#include <set>

namespace {

class PortraitDatabaseTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        std::srand(3);
    }
    void TearDown() override
    {
        db.Close();
        SandboxTest::TearDown();
    }
    // A portrait folder with its four mood pictures (or only the moods given).
    void AddPortrait(const TempDir& root, const std::string& folder, const std::string& name,
                     std::vector<std::string> moods = {"_vsad", "_sad", "_neutral", "_happy"})
    {
        for (const auto& mood : moods)
            root.Write(folder + "/" + name + "/" + name + mood + ".jpg", "jpeg");
    }
    void AddShipped(const std::string& gender, const std::string& name)
    {
        AddPortrait(resources, "data/bitmaps/" + gender + "_portraits", name);
    }
    std::string UserMods() const { return GetUserFolder().substr(config.Str().size() + 1) + "/mods"; }

    SIM_PortraitDatabase db;
    RecordingScreens screens;
    RecordingScreens::Scope scope {screens};
};

using Names = std::vector<std::string>;

} // namespace

TEST_F(PortraitDatabaseTest, FoldersOfTheGameAndTheModsFillTheListsByGender)
{
    AddShipped("male", "male01");
    AddShipped("male", "male02");
    AddShipped("male", "male02_grey");
    AddShipped("female", "female01");
    resources.Write("data/bitmaps/female_portraits/loose_file.jpg", "not a folder");
    AddPortrait(config, UserMods() + "/portraits_f", "myfriend");
    AddPortrait(config, UserMods() + "/portraits_m", "uncle");
    AddPortrait(config, UserMods() + "/portraits_m", ".hidden");
    db.Open();
    EXPECT_EQ(db.GetAllMale(), (Names {"male01", "male02", "uncle"}));
    EXPECT_EQ(db.GetFreeMale(), (Names {"male01", "male02", "uncle"}));
    EXPECT_EQ(db.GetAllFemale(), (Names {"female01", "myfriend"}));
    EXPECT_EQ(db.GetFreeFemale(), (Names {"female01", "myfriend"}));
    EXPECT_TRUE(screens.reports.empty());

    // Opening again starts afresh.
    db.MakeUsed("male01");
    db.Open();
    EXPECT_EQ(db.GetFreeMale().size(), 3u);
}

TEST_F(PortraitDatabaseTest, ModFoldersWithoutEveryMoodOrRepeatingANameAreSkipped)
{
    AddShipped("male", "male01");
    AddPortrait(config, UserMods() + "/portraits_m", "halfdone", {"_sad", "_happy"});
    AddPortrait(config, UserMods() + "/portraits_f", "male01");
    db.Open();
    EXPECT_EQ(db.GetAllMale(), (Names {"male01"}));
    EXPECT_TRUE(db.GetAllFemale().empty());
    ASSERT_EQ(screens.reports.size(), 1u);
    EXPECT_EQ(screens.reports[0], "GWarning Portrait halfdone lacks halfdone_vsad.jpg");
}

TEST_F(PortraitDatabaseTest, FreePortraitsComeFirstThenAnyRepeats)
{
    for (const char* name : {"m1", "m2", "m3"})
        AddShipped("male", name);
    db.Open();
    db.MakeUsed("m2");
    std::set<std::string> first {db.GetMalePortrait(), db.GetMalePortrait()};
    EXPECT_EQ(first, (std::set<std::string> {"m1", "m3"}));
    EXPECT_TRUE(db.GetFreeMale().empty());
    // All used: portraits repeat, drawn from every male portrait; the list is unchanged.
    std::set<std::string> repeats;
    for (int i = 0; i < 60; ++i)
        repeats.insert(db.GetMalePortrait());
    EXPECT_EQ(repeats, (std::set<std::string> {"m1", "m2", "m3"}));
    EXPECT_EQ(db.GetAllMale().size(), 3u);
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(PortraitDatabaseTest, MakeUsedRemovesTheNameFromBothFreeLists)
{
    AddShipped("male", "m1");
    AddShipped("female", "f1");
    db.Open();
    db.MakeUsed("f1");
    db.MakeUsed("nobody");
    EXPECT_EQ(db.GetFreeMale(), (Names {"m1"}));
    EXPECT_TRUE(db.GetFreeFemale().empty());
    EXPECT_EQ(db.GetFemalePortrait(), "f1");
}

TEST_F(PortraitDatabaseTest, NoPortraitsOfAGenderGivesAnEmptyNameAfterAnAssertion)
{
    db.Open();
    EXPECT_EQ(db.GetFemalePortrait(), "");
    EXPECT_EQ(db.GetMalePortrait(), "");
    EXPECT_EQ(screens.reports.size(), 2u);
}

TEST_F(PortraitDatabaseTest, TheGameShipsAtLeastTwelveCompleteFacesPerGender)
{
    CopyShippedData();
    db.Open();
    EXPECT_GE(db.GetAllMale().size(), 12u);
    EXPECT_GE(db.GetAllFemale().size(), 12u);
    EXPECT_TRUE(screens.reports.empty()); // every folder holds its four moods
}
