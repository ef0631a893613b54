// The new-game menu and the options menu through the real game, from the main menu.
#include "harness/GameHarness.h"
#include "engine/PrivateProfile.h"
#include "menus/GUI_GameMode.h"
#include "menus/GUI_MenuMain.h"
#include "menus/GUI_MenuNew.h"
#include "menus/GUI_MenuOptions.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_Avatar.h"
#include "shell/GUI_Backdrop.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_SliderControl.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_WindowManager.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_PlayerOptions.h"

#include <filesystem>

namespace {

constexpr int kA = 0, kB = 11, kO = 31, kComma = 43;

class MenusTest : public GameHarness {
protected:
    MenusTest() : GameHarness(Start::MainMenu) {}
    void ClickRect(const tagRECT& r) { Click((r.left + r.right) / 2.0f, (r.top + r.bottom) / 2.0f); }
    // Opens the new-game menu from the main menu and puts its first hint away.
    GUI_MenuNew* OpenNewGame()
    {
        WaitFade();
        EXPECT_TRUE(ClickButton("MENU_STARTGAME"));
        WaitFade();
        GUI_MenuNew* menu = GUI_GetMenuNewGame();
        EXPECT_EQ(GetGame()->GetCurrentMode(), menu);
        EXPECT_TRUE(GUI_HintHelp::Find("new game screen")->shown);
        for (int i = 0; i < 5 && GUI_HintHelp::IsActive(); ++i) {
            GUI_HintHelp* hint = GUI_HintHelp::AllWindows.back();
            if (!hint->GetCloseButton())
                break;
            ClickCentre(hint->GetCloseButton());
        }
        EXPECT_FALSE(GUI_HintHelp::IsActive());
        return menu;
    }
    std::string OptionsFile() const { return SIM_GetPlayerOptions()->GetPath(); }
};

TEST_F(MenusTest, ANewGameFromTheMainMenuThroughTheNewGameMenuToTheFirstCareerStage)
{
    GUI_MenuNew* menu = OpenNewGame();
    Step(3);
    // A random name to begin with; typing before picking a field goes to the band's name.
    EXPECT_FALSE(menu->PlayerName().IsBlank());
    EXPECT_EQ(menu->GetActiveField(), GUI_MenuNew::FIELD_NONE);
    PressKey(kKeyForwardDelete);
    EXPECT_EQ(menu->GetActiveField(), GUI_MenuNew::FIELD_BAND);
    EXPECT_TRUE(menu->BandName().GetText().empty());
    Step();
    EXPECT_FALSE(menu->GetStartButton()->GetEnabled());
    TypeText("the lanterns");
    EXPECT_EQ(menu->BandName().GetText(), "The lanterns");
    PressKey(kComma); // not a name character
    EXPECT_EQ(menu->BandName().GetText(), "The lanterns");

    ClickRect(menu->GetPlayerField());
    EXPECT_EQ(menu->GetActiveField(), GUI_MenuNew::FIELD_PLAYER);
    PressKey(kKeyForwardDelete);
    TypeText("   ");
    Step();
    EXPECT_FALSE(menu->GetStartButton()->GetEnabled()); // blanks are no name
    ClickCentre(menu->GetStartButton());
    EXPECT_EQ(GetGame()->GetCurrentMode(), menu);
    PressKey(kKeyForwardDelete);
    PressKey(kB);
    PressKey(kO, kModShift);
    PressKey(kB);
    TypeText(" ");
    Step();
    EXPECT_EQ(menu->PlayerName().GetText(), "BOb ");
    EXPECT_TRUE(menu->GetStartButton()->GetEnabled());

    // The look and the skin.
    GUI_Backdrop* backdrop = GUI_GetBackdrop();
    ASSERT_GE(backdrop->GetSkins().size(), 2u);
    EXPECT_TRUE(backdrop->IsFirstSkin());
    EXPECT_FALSE(menu->GetPrevSkinButton()->GetEnabled());
    ClickCentre(menu->GetNextSkinButton());
    Step();
    EXPECT_FALSE(backdrop->IsFirstSkin());
    EXPECT_EQ(menu->GetPreview().GetTextureName(), backdrop->GetCurrentTexture(SKIN_BACKDROP));
    const std::string skin = backdrop->GetCurrentSkin();
    ClickCentre(menu->GetChooser()->GetNextAvatarButton());
    Step();
    const std::string look = GUI_AvatarChooser::GetCurrentVariant();
    EXPECT_FALSE(look.empty());
    Step(40); // the caret has blinked a few times
    SaveArtifact("new_game_menu.png");

    ClickCentre(menu->GetStartButton());
    Step();
    // The first career-stage screen over the in-game screen.
    EXPECT_EQ(GetGame()->GetCurrentMode(), GUI_GetGUI());
    EXPECT_TRUE(GetGame()->GetGameInProgress());
    EXPECT_TRUE(GUI_GetGameMode()->IsUp());
    EXPECT_EQ(SIM_GetBand()->GetName(), "The lanterns");
    EXPECT_EQ(SIM_GetGameConfig()->GetAvatarName(), "BOb"); // trailing blank cut
    EXPECT_EQ(SIM_GetGameConfig()->GetAvatarTexture(), look);
    EXPECT_EQ(GUI_GetAvatar()->GetTexture(), look);
    EXPECT_EQ(backdrop->GetCurrentSkin(), skin);
    WaitFade();
    EXPECT_EQ(GUI_GetGameMode()->GetTitle(), "The Dreamer");
    EXPECT_EQ(GUI_GetGameMode()->GetDescription().find("<BANDNAME>"), std::string::npos);
    Step(60);
    SaveArtifact("first_career_stage.png");
    PressKey(kKeyReturn);
    WaitFade();
    EXPECT_FALSE(GUI_GetGameMode()->IsUp());
    EXPECT_EQ(GetGame()->GetCurrentMode(), GUI_GetGUI());
    EXPECT_TRUE(GUI_HintHelp::Find("introduction")->shown);
}

TEST_F(MenusTest, NewGameNamesKeepTheirLimitsAndStayBetweenVisits)
{
    GUI_MenuNew* menu = OpenNewGame();
    ClickRect(menu->GetPlayerField());
    PressKey(kKeyForwardDelete);
    for (int i = 0; i < 70; ++i)
        PressKey(kA);
    EXPECT_EQ(menu->PlayerName().Length(), 62u);
    PressKey(kKeyBackspace);
    EXPECT_EQ(menu->PlayerName().Length(), 61u);
    const std::string name = menu->PlayerName().GetText();
    PressKey(kKeyEscape);
    WaitFade();
    EXPECT_EQ(GetGame()->GetCurrentMode(), GUI_GetMenuMain());
    ASSERT_TRUE(ClickButton("MENU_STARTGAME"));
    WaitFade();
    EXPECT_EQ(menu->PlayerName().GetText(), name);
    // The random buttons fill the names again.
    ClickCentre(menu->GetRandomNameButton());
    EXPECT_NE(menu->PlayerName().GetText(), name);
    EXPECT_FALSE(menu->PlayerName().IsBlank());
    // A new game over one in progress asks nothing.
    GetGame()->SetGameInProgress(true);
    ClickCentre(menu->GetStartButton());
    Step();
    EXPECT_TRUE(GUI_GetGameMode()->IsUp());
}

TEST_F(MenusTest, OptionsChangeAtOnceAndAreSavedOnEveryWayOut)
{
    WaitFade();
    ASSERT_TRUE(ClickButton("MENU_OPTIONS"));
    WaitFade();
    GUI_MenuOptions* menu = GUI_GetMenuOptions();
    ASSERT_EQ(GetGame()->GetCurrentMode(), menu);
    SIM_PlayerOptions* options = SIM_GetPlayerOptions();
    // The sliders at fixed places, labelled in the player's language.
    EXPECT_EQ(menu->GetMusicVolumeSlider()->rect.left, 400);
    EXPECT_EQ(menu->GetMusicVolumeSlider()->rect.right, 600);
    EXPECT_EQ(menu->GetMusicVolumeSlider()->GetLabel(), "Music volume");
    EXPECT_EQ(menu->GetMusicBox()->IsChecked(), options->GetToggle(SIM_PlayerOptions::TOGGLE_MUSIC));
    // The box shows the display as it is.
    EXPECT_EQ(menu->GetFullScreenBox()->IsChecked(), false);

    // Music off stops it at once.
    ASSERT_TRUE(options->GetToggle(SIM_PlayerOptions::TOGGLE_MUSIC));
    const tagRECT box = menu->GetMusicBox()->rect;
    Click(box.left + 10.0f, box.top + 10.0f);
    EXPECT_FALSE(options->GetToggle(SIM_PlayerOptions::TOGGLE_MUSIC));
    EXPECT_FALSE(GUI_GetSounds()->GetMusicChannel());
    const tagRECT save = menu->GetAutosaveBox()->rect;
    Click(save.left + 10.0f, save.top + 10.0f);
    const bool autosave = options->GetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE);
    EXPECT_EQ(menu->GetAutosaveBox()->IsChecked(), autosave);

    // Dragging the music volume to the far left.
    const BaseSprite& knob = menu->GetMusicVolumeSlider()->Knob();
    Drag(knob.GetCenterX(), knob.GetCenterY(), 380.0f, knob.GetCenterY());
    Step();
    EXPECT_LT(options->Get(SIM_PlayerOptions::OPTION_MUSICVOLUME), 0.05f);
    Step(5);
    SaveArtifact("options_menu.png");

    // Return does nothing without a game to return to; nothing is written yet.
    std::filesystem::remove(OptionsFile());
    PressKey(kKeyReturn);
    WaitFade();
    EXPECT_EQ(GetGame()->GetCurrentMode(), menu);
    EXPECT_FALSE(std::filesystem::exists(OptionsFile()));
    // Escape leaves and writes.
    PressKey(kKeyEscape);
    WaitFade();
    EXPECT_EQ(GetGame()->GetCurrentMode(), GUI_GetMenuMain());
    ASSERT_TRUE(std::filesystem::exists(OptionsFile()));
    EXPECT_NE(ReadWholeFile(OptionsFile()).find("ENABLEMUSIC = 0"), std::string::npos);
    EXPECT_NE(ReadWholeFile(OptionsFile()).find("MUSICVOLUME = 0.0"), std::string::npos);

    // The button leaves and writes.
    std::filesystem::remove(OptionsFile());
    ASSERT_TRUE(ClickButton("MENU_OPTIONS"));
    WaitFade();
    Click(box.left + 10.0f, box.top + 10.0f); // music on again: it plays
    EXPECT_TRUE(GUI_GetSounds()->GetMusicChannel());
    ASSERT_TRUE(ClickButton("MENU_MAINMENU"));
    WaitFade();
    EXPECT_NE(ReadWholeFile(OptionsFile()).find("ENABLEMUSIC = 1"), std::string::npos);

    // Return with a game in progress goes to it, and writes.
    std::filesystem::remove(OptionsFile());
    GetGame()->SetGameInProgress(true);
    ASSERT_TRUE(ClickButton("MENU_OPTIONS"));
    WaitFade();
    PressKey(kKeyReturn);
    WaitFade();
    EXPECT_EQ(GetGame()->GetCurrentMode(), GUI_GetGUI());
    EXPECT_TRUE(std::filesystem::exists(OptionsFile()));
    GetGame()->SetGameInProgress(false);

    // The window closing over the menu keeps the changes too.
    std::filesystem::remove(OptionsFile());
    Game::SwitchMode(Game::MODE_OPTIONS);
    Click(save.left + 10.0f, save.top + 10.0f);
    GetGame()->ReleaseResources();
    ASSERT_TRUE(std::filesystem::exists(OptionsFile()));
    EXPECT_NE(ReadWholeFile(OptionsFile()).find(autosave ? "ENABLEAUTOSAVE = 0" : "ENABLEAUTOSAVE = 1"),
              std::string::npos);
}

} // namespace
