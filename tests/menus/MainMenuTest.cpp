// The main menu, the credits and the loading screen through the real game.
#include "harness/GameHarness.h"
#include "engine/gfx/D3DEngine.h"
#include "menus/GUI_LoadingScreen.h"
#include "menus/GUI_MenuCredits.h"
#include "menus/GUI_MenuMain.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_ConfirmDialog.h"
#include "shell/GUI_ScreenFader.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {

// The largest difference of a channel between a frame's pixel and a 1024 x 768 picture's.
int Difference(uint32_t pixel, const uint8_t* picture, int x, int y)
{
    x = std::clamp(x, 0, 1023);
    y = std::clamp(y, 0, 767);
    const uint8_t* q = picture + (size_t(y) * 1024 + size_t(x)) * 4;
    int most = 0;
    for (int c = 0; c < 3; ++c)
        most = std::max(most, std::abs(int((pixel >> (8 * c)) & 0xFF) - int(q[c])));
    return most;
}

class MainMenuTest : public GameHarness {
protected:
    MainMenuTest() : GameHarness(Start::MainMenu) {}
    GUI_MenuMain* Menu() { return GUI_GetMenuMain(); }
};

TEST_F(MainMenuTest, StartsIntoTheMenuWithMusicAndSevenButtons)
{
    WaitFade();
    EXPECT_EQ(GetGame()->GetCurrentMode(), Menu());
    EXPECT_EQ(Menu()->Buttons().size(), 7u);
    EXPECT_EQ(audio.Count("data/sounds/music/titlemusic.ogg"), 1);
    // Buttons 180 x 25 in a column from the screen's middle, 35 apart.
    GUI_ButtonBase* start = Menu()->Buttons()[0];
    EXPECT_EQ(start->rect.left, 1024 / 2 - 90);
    EXPECT_EQ(start->rect.top, 768 / 2 - 125);
    EXPECT_EQ(Menu()->Buttons()[6]->rect.top, 768 / 2 - 125 + 6 * 35);
    // Activating again does not double them.
    Game::SwitchMode(Game::MODE_MAINMENU);
    EXPECT_EQ(Menu()->Buttons().size(), 7u);
}

TEST_F(MainMenuTest, SaveAndResumeAreHiddenWithoutAGameFromTheFirstFrame)
{
    Game::SwitchMode(Game::MODE_MAINMENU); // activation, no frame drawn since
    EXPECT_FALSE(Menu()->GetSaveButton()->IsVisible());
    EXPECT_FALSE(Menu()->GetResumeButton()->GetEnabled());
    ClickCentre(Menu()->GetResumeButton());
    WaitFade();
    EXPECT_EQ(GetGame()->GetCurrentMode(), Menu());
    GUI_MenuMain::Resume(0); // even called directly, nothing to resume
    GUI_MenuMain::SaveGame(0);
    EXPECT_FALSE(GUI_GetFader()->IsFading());

    GetGame()->SetGameInProgress(true);
    Step();
    EXPECT_TRUE(Menu()->GetSaveButton()->IsVisible());
    EXPECT_TRUE(Menu()->GetResumeButton()->GetEnabled());
    GetGame()->SetGameInProgress(false);
}

TEST_F(MainMenuTest, ResumeReturnsToTheGameInProgress)
{
    WaitFade();
    GetGame()->SetGameInProgress(true);
    Step();
    ClickCentre(Menu()->GetResumeButton());
    WaitFade();
    EXPECT_NE(GetGame()->GetCurrentMode(), Menu());
    GetGame()->SetGameInProgress(false);
}

TEST_F(MainMenuTest, QuitAsksFirstWithTranslatedTexts)
{
    WaitFade();
    ASSERT_TRUE(ClickButton("MENU_QUITGAME"));
    ASSERT_NE(GUI_ConfirmDialog::PTheWindow, nullptr);
    EXPECT_NE(GUI_ConfirmDialog::PTheWindow->GetText().find("not saved"), std::string::npos);
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow->GetTitle(), "Quit Amplivance?");
    // While it is up, the menu's own buttons take no click.
    ClickCentre(Menu()->GetStartButton());
    WaitFade();
    EXPECT_EQ(GetGame()->GetCurrentMode(), Menu());
    // Escape answers no.
    PressKey(53);
    Step();
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
    EXPECT_TRUE(BActive);
    // Cancel answers no too; OK quits.
    PressKey(53);
    Step();
    ClickCentre(GUI_ConfirmDialog::PTheWindow->GetCancelButton());
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
    PressKey(53);
    Step();
    ClickCentre(GUI_ConfirmDialog::PTheWindow->GetOKButton());
    EXPECT_FALSE(BActive);
}

TEST_F(MainMenuTest, CreditsAndBack)
{
    WaitFade();
    ClickCentre(Menu()->Buttons()[6]);
    WaitFade();
    ASSERT_EQ(GetGame()->GetCurrentMode(), GUI_GetMenuCredits());
    EXPECT_EQ(GUI_GetMenuCredits()->GetMainMenuButton()->rect.left, 1024 - 220);
    PressKey(12); // another key: nothing
    WaitFade();
    EXPECT_EQ(GetGame()->GetCurrentMode(), GUI_GetMenuCredits());
    for (int key : {53, 36}) {
        PressKey(key);
        WaitFade();
        EXPECT_EQ(GetGame()->GetCurrentMode(), Menu());
        Game::SwitchMode(Game::MODE_CREDITS);
    }
    ClickCentre(GUI_GetMenuCredits()->GetMainMenuButton());
    WaitFade();
    EXPECT_EQ(GetGame()->GetCurrentMode(), Menu());
}

TEST_F(MainMenuTest, EscapeDuringTheFadeToTheCreditsOpensNoHiddenQuestion)
{
    WaitFade();
    ClickCentre(Menu()->Buttons()[6]);
    ASSERT_TRUE(GUI_GetFader()->IsFading());
    PressKey(kKeyEscape); // the menu is still drawn, fading out
    WaitFade();
    ASSERT_EQ(GetGame()->GetCurrentMode(), GUI_GetMenuCredits());
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
    PressKey(kKeyEscape); // back from the credits: no question waiting there
    WaitFade();
    EXPECT_EQ(GetGame()->GetCurrentMode(), Menu());
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
}

TEST(CreditsPictureTest, CreditsTheGameAndWhatItIsBuiltWith)
{
    const std::string credits = ReadWholeFile(SourceDir() + "/art/pictures/menus/credits.svg");
    ASSERT_FALSE(credits.empty());
    for (const char* name : {"AMPLIVANCE", "SDL2", "SDL2_ttf", "SDL2_mixer", "Mesa", "stb_image", "DejaVu",
                             "DSEG", "Comic Neue", "librsvg", "GoogleTest"})
        EXPECT_NE(credits.find(std::string(">") + name + "<"), std::string::npos) << name;
}

TEST_F(MainMenuTest, ScreenshotOfTheMainMenu)
{
    WaitFade();
    Step(5);
    RgbaImage frame = CaptureFrame();
    ASSERT_EQ(frame.width, 1024);
    ASSERT_EQ(frame.height, 768);
    const std::filesystem::path out = std::filesystem::path(GameDir()).parent_path() / "artifacts";
    std::filesystem::create_directories(out);
    EXPECT_TRUE(WritePng((out / "main_menu.png").string(), frame));

    // The background picture fills the screen: away from the buttons and the version text
    // every pixel is the picture's own.
    int w = 0, h = 0;
    const uint8_t* picture = nullptr;
    ASSERT_TRUE(GetD3DEngine()->GetTextureData("base_background.bmp", &w, &h, &picture));
    ASSERT_EQ(w, 1024);
    ASSERT_EQ(h, 768);
    auto onButton = [&](int x, int y) {
        for (GUI_ButtonBase* b : Menu()->Buttons())
            if (x >= b->rect.left - 4 && x <= b->rect.right + 4 && y >= b->rect.top - 4 && y <= b->rect.bottom + 4)
                return true;
        return false;
    };
    int compared = 0, off = 0;
    for (int y = 4; y < 768; y += 23)
        for (int x = 4; x < 1024; x += 31) {
            if (onButton(x, y) || (x > 790 && y > 730))
                continue;
            // Filtering may shift an edge by a pixel: the nearest of the picture's pixels
            // around the point counts.
            int nearest = 255;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    nearest = std::min(nearest, Difference(frame.At(x, y), picture, x + dx, y + dy));
            EXPECT_LE(nearest, 64) << x << "," << y;
            off += nearest > 12; // the sharp edges of the title's letters blur a little
            ++compared;
        }
    EXPECT_GT(compared, 900);
    EXPECT_LT(off, compared / 50);

    // The five buttons of a fresh start are drawn over it (save and resume are hidden):
    // where a shown button is, the frame is not the background.
    for (GUI_ButtonBase* b : Menu()->Buttons()) {
        const int x = b->rect.left + 6, y = b->rect.top + 4;
        EXPECT_EQ(Difference(frame.At(x, y), picture, x, y) > 30, b->IsVisible())
            << b->rect.left << "," << b->rect.top;
    }

    // The version text stands in the bottom-right corner, clear of the screen's edges.
    int text = 0, atEdge = 0;
    for (int y = 700; y < 768; ++y)
        for (int x = 800; x < 1024; ++x) {
            uint32_t p = frame.At(x, y);
            if ((p & 0xFF) > 200 && (p >> 8 & 0xFF) > 200 && (p >> 16 & 0xFF) > 200) {
                ++text;
                atEdge += x >= 1024 - 6 || y >= 768 - 6;
            }
        }
    EXPECT_GT(text, 50);
    EXPECT_EQ(atEdge, 0);
}

TEST_F(MainMenuTest, LoadingBarAtNothingAndAtAll)
{
    WaitFade();
    RgbaImage empty, full;
    SetBeforeFlipHook([&] { empty = ReadBackFrame(); });
    GUI_GetLoadingScreen()->Draw(0.0f);
    SetBeforeFlipHook([&] { full = ReadBackFrame(); });
    GUI_GetLoadingScreen()->Draw(1.0f);
    SetBeforeFlipHook(nullptr);
    const tagRECT f = GUI_GetLoadingScreen()->GetFrame();
    EXPECT_EQ(f.left, 512 - 140);
    EXPECT_EQ(f.top, 768 - 35);
    const int y = (f.top + f.bottom) / 2;
    for (int x : {f.left + 5, 512, f.right - 5}) {
        // At 0 the inside is the background; at 1 the bar covers it all.
        EXPECT_NE(empty.At(x, y), full.At(x, y)) << x;
    }
    EXPECT_EQ(full.At(f.left, f.top) & 0xFFFFFF, 0xFFFFFFu); // the white frame
    EXPECT_EQ(empty.At(f.left, f.top) & 0xFFFFFF, 0xFFFFFFu);
}

} // namespace
