// Full screen as the display really gives it: the picture letterboxed into the drawable the
// window really has, the pointer mapped through it, and a window kept (and recorded) where
// full screen does not take, as on a display with no window manager.
#include "harness/GameHarness.h"

#include "engine/GDebugEngine.h"
#include "engine/PrivateProfile.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/MainWindow.h"
#include "menus/GUI_MenuMain.h"
#include "port/sdl/PortEvent.h"
#include "port/sdl/PortWindow.h"
#include "shell/Input.h"

#include <GL/gl.h>
#include <SDL2/SDL.h>

namespace {

int SavedWindowed() { return GetPrivateProfileInt("config", "IsWindowed", -1, "data\\config.muf"); }

bool RunsInAWindow() { return !GetMainWindow()->IsFullscreen(); }

class FullScreenTest : public GameHarness {
protected:
    // The main menu, the game's first screen: it draws its picture over the whole screen.
    FullScreenTest() : GameHarness(Start::MainMenu) {}

    // The picture lies inside the drawable the window really has, the pointer lands where
    // it is drawn, and the mode recorded is the one the game runs in.
    void ExpectUsableDisplay()
    {
        int dw = 0, dh = 0;
        GetMainWindow()->DrawableSize(dw, dh);
        const PortViewport v = GetMainWindow()->Viewport();
        EXPECT_GE(v.w, 1024 * 3 / 4);
        EXPECT_GE(v.x, 0);
        EXPECT_GE(v.y, 0);
        EXPECT_LE(v.x + v.w, dw);
        EXPECT_LE(v.y + v.h, dh);
        // Window pixels of the game point (100, 200).
        const float top = float(dh - v.y - v.h);
        MoveMouse(float(v.x) + 100.0f * float(v.w) / D3DEngine::W, top + 200.0f * float(v.h) / D3DEngine::H);
        Step();
        EXPECT_NEAR(Input()->MouseX(), 100.0f, 1.5f);
        EXPECT_NEAR(Input()->MouseY(), 200.0f, 1.5f);
        EXPECT_EQ(SavedWindowed(), RunsInAWindow() ? 1 : 0);
    }
};

class SavedFullScreenTest : public FullScreenTest {
protected:
    void BeforeStart() override
    {
        WritePrivateProfileInt("config", "IsWindowed", 0, "data\\config.muf");
    }
};

} // namespace

TEST_F(FullScreenTest, CommandReturnOnTheMainMenuGivesAUsableDisplay)
{
    WaitFade();
    PressKey(kKeyReturn, kModCommand);
    Step();
    ExpectUsableDisplay();
    if (RunsInAWindow()) {
        // Full screen did not take: the game says so and stays in its 1024 x 768 window.
        EXPECT_NE(DebugLog().find("Full screen failed"), std::string::npos);
        EXPECT_EQ(GetD3DEngine()->GetScreenWidth(), 1024);
    }
    // The menu still answers clicks where its buttons are drawn.
    ClickButton("MENU_CREDITS");
    WaitFade();
    EXPECT_NE(GetGame()->GetCurrentMode(), GUI_GetMenuMain());
}

TEST_F(SavedFullScreenTest, StartingInFullScreenNeverOpensAnUnusableWindow)
{
    WaitFade();
    int dw = 0, dh = 0;
    GetMainWindow()->DrawableSize(dw, dh);
    EXPECT_GE(dw, 1024);
    EXPECT_GE(dh, 768);
    ExpectUsableDisplay();
}

TEST_F(FullScreenTest, ALargerDrawableShowsThePictureScaledWithBlackBars)
{
    WaitFade();
    // A window 1280 x 1024 for the 1024 x 768 picture: 1280 x 960, bars of 32 above and below.
    SDL_SetWindowSize(GetMainWindow()->Sdl(), 1280, 1024);
    Step(3);
    const PortViewport v = GetMainWindow()->Viewport();
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.y, 32);
    EXPECT_EQ(v.w, 1280);
    EXPECT_EQ(v.h, 960);
    ExpectUsableDisplay();
    // The bars are black; the picture is not.
    uint8_t bar[4] = {1, 1, 1, 1}, picture[4] = {0, 0, 0, 0};
    SetBeforeFlipHook([&] {
        glReadBuffer(GL_BACK);
        glReadPixels(640, 1010, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, bar);
        glReadPixels(20, 500, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, picture);
    });
    Step();
    SetBeforeFlipHook(nullptr);
    EXPECT_EQ(bar[0] | bar[1] | bar[2], 0);
    EXPECT_NE(picture[0] | picture[1] | picture[2], 0);
}
