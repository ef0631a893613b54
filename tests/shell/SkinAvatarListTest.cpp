// The skin and avatar lists read from the game's folders and the player's mods folder,
// the choice between skins and the fall-back for names a saved game keeps.
#include "support/LogCapture.h"
#include "support/TestSupport.h"

#include "port/Paths.h"
#include "shell/GUI_Avatar.h"
#include "shell/GUI_Backdrop.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class SkinAvatarListTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        OpenSandboxDebugLog();
    }
    fs::path Game(const std::string& relative) const { return resources.Path() / "data/bitmaps" / relative; }
    fs::path Mods(const std::string& relative) const { return config.Path() / "zelvaamplivance/mods" / relative; }
    static void Folder(const fs::path& path) { fs::create_directories(path); }
    static void File(const fs::path& path)
    {
        fs::create_directories(path.parent_path());
        std::FILE* f = std::fopen(path.string().c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fclose(f);
    }
    // Game skins a and b, and in the mods folder c, a second b and a hidden folder; a
    // plain file among the skins is no skin.
    void ThreeSkins()
    {
        Folder(Game("skins/b"));
        Folder(Game("skins/a"));
        File(Game("skins/readme.txt"));
        Folder(Mods("skins/c"));
        Folder(Mods("skins/b"));
        Folder(Mods("skins/.cache"));
    }
};

} // namespace

TEST_F(SkinAvatarListTest, SkinsOfTheGameComeFirstThenTheModsOnceEach)
{
    ThreeSkins();
    GUI_Backdrop backdrop;
    EXPECT_EQ(backdrop.GetSkins(), (std::vector<std::string> {"a", "b", "c"}));
    EXPECT_EQ(backdrop.GetCurrentSkin(), "a");
    EXPECT_TRUE(backdrop.IsFirstSkin());
    EXPECT_EQ(backdrop.GetCurrentTexture(SKIN_BACKDROP), "skin_a_backdrop.bmp");
    EXPECT_TRUE(reports.alerts.empty());
}

TEST_F(SkinAvatarListTest, SteppingThroughSkinsStopsAtBothEnds)
{
    ThreeSkins();
    GUI_Backdrop backdrop;
    backdrop.PreviousSkin();
    EXPECT_EQ(backdrop.GetCurrentSkin(), "a");
    backdrop.NextSkin();
    EXPECT_EQ(backdrop.GetCurrentSkin(), "b");
    EXPECT_EQ(backdrop.GetCurrentTexture(SKIN_LCD), "skin_b_lcd.bmp");
    EXPECT_EQ(backdrop.GetCurrentTexture(SKIN_LCD_H), "skin_b_lcd_h.bmp");
    backdrop.NextSkin();
    EXPECT_TRUE(backdrop.IsLastSkin());
    backdrop.NextSkin();
    EXPECT_EQ(backdrop.GetCurrentSkin(), "c");
    EXPECT_EQ(backdrop.GetSprite().GetTextureName(), "skin_c_backdrop.bmp");
}

TEST_F(SkinAvatarListTest, SkinFromASaveLeavesTheChooserWhereItWas)
{
    ThreeSkins();
    GUI_Backdrop backdrop;
    backdrop.NextSkin();
    backdrop.SetCurrentSkin("c");
    EXPECT_EQ(backdrop.GetCurrentSkin(), "c");
    EXPECT_EQ(backdrop.GetPosition(), 1);

    // A skin the save names but this machine lacks: the first skin, and a warning.
    backdrop.SetCurrentSkin("chrome");
    EXPECT_EQ(backdrop.GetCurrentSkin(), "a");
    EXPECT_EQ(backdrop.GetCurrentTexture(SKIN_BACKDROP), "skin_a_backdrop.bmp");
    EXPECT_EQ(backdrop.GetPosition(), 1);
    EXPECT_NE(SandboxDebugLog().find("Skin not installed, using a: chrome"), std::string::npos);
    EXPECT_TRUE(reports.alerts.empty());
}

TEST_F(SkinAvatarListTest, NoSkinAtAllIsReportedAndDrawsNothing)
{
    Folder(Game("skins"));
    GUI_Backdrop backdrop;
    ASSERT_EQ(reports.alerts.size(), 1u);
    EXPECT_TRUE(backdrop.GetSkins().empty());
    EXPECT_TRUE(backdrop.IsFirstSkin());
    EXPECT_TRUE(backdrop.IsLastSkin());
    backdrop.NextSkin();
    backdrop.PreviousSkin();
    backdrop.SetCurrentSkin("a");
    EXPECT_EQ(backdrop.GetCurrentSkin(), "a");
}

TEST_F(SkinAvatarListTest, AvatarFoldersAndTheirPictures)
{
    File(Game("avatars/notset.png"));
    File(Game("avatars/m_one/m_one_b.jpg"));
    File(Game("avatars/m_one/m_one_a.jpg"));
    File(Game("avatars/m_one/m_one_a.png"));
    File(Game("avatars/m_one/.m_one_c.jpg"));
    Folder(Game("avatars/f_empty"));
    File(Mods("avatars/f_mine/f_mine.jpg"));
    File(Mods("avatars/m_one/m_one_other.jpg"));
    Folder(Mods("avatars/.hidden"));

    const std::vector<std::string> folders = GUI_AvatarFolders();
    ASSERT_EQ(folders.size(), 3u);
    EXPECT_EQ(folders[0], "data/bitmaps/avatars/f_empty");
    EXPECT_EQ(folders[1], "data/bitmaps/avatars/m_one");
    EXPECT_EQ(folders[2], GetUserFolder() + "/mods/avatars/f_mine");
    EXPECT_EQ(GUI_AvatarVariants(folders[1]), (std::vector<std::string> {"m_one_a.jpg", "m_one_b.jpg"}));
    EXPECT_TRUE(GUI_AvatarVariants(folders[0]).empty());
    EXPECT_EQ(GUI_AvatarVariants(folders[2]), (std::vector<std::string> {"f_mine.jpg"}));
    EXPECT_TRUE(GUI_AvatarVariants("data/bitmaps/avatars/gone").empty());
}

TEST_F(SkinAvatarListTest, AvatarFromASaveFallsBackToTheFirstInstalledPicture)
{
    File(Game("avatars/f_two/f_two_a.jpg"));
    File(Game("avatars/m_one/m_one_a.jpg"));
    GUI_Avatar avatar;
    EXPECT_EQ(avatar.GetTexture(), "notset.dds");

    avatar.SetInstalledTexture("m_one_a.jpg");
    EXPECT_EQ(avatar.GetTexture(), "m_one_a.jpg");
    EXPECT_EQ(avatar.GetPicture().GetTextureName(), "m_one_a.jpg");

    avatar.SetInstalledTexture("m_gone_a.jpg");
    EXPECT_EQ(avatar.GetTexture(), "f_two_a.jpg");
    EXPECT_NE(SandboxDebugLog().find("Avatar not installed, using f_two_a.jpg: m_gone_a.jpg"), std::string::npos);
    EXPECT_TRUE(reports.alerts.empty());
}

TEST_F(SkinAvatarListTest, AvatarWithNothingInstalledKeepsTheSavedName)
{
    GUI_Avatar avatar;
    avatar.SetInstalledTexture("m_gone_a.jpg");
    EXPECT_EQ(avatar.GetTexture(), "m_gone_a.jpg");
    EXPECT_TRUE(reports.alerts.empty());
}
