// Start-up order, the loading-screen calls, mode switches at the end of a fade, and the
// release at the end.
#include "harness/GameHarness.h"

#include "engine/GDebugEngine.h"
#include "engine/LibTextEngine.h"
#include "engine/PrivateProfile.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/MainWindow.h"
#include "port/sdl/PortWindow.h"
#include "menus/GUI_MenuMain.h"
#include "shell/GUI_ConfirmDialog.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_TextureCache.h"
#include "shell/Game.h"
#include "shell/WinMain.h"
#include "shell/GUI_GUI.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Statistics.h"

#include <filesystem>

namespace {

// What had been set up when each loading-screen call came.
struct LoadingCall {
    float fraction;
    float screenWidth;
    size_t fonts;
    bool savesFolder;
    bool simOpen;
    bool textureCache;
};

std::vector<LoadingCall> loadingCalls;

void RecordLoading(float fraction)
{
    loadingCalls.push_back({fraction, D3DEngine::W, GetTextEngine()->GetFonts().size(),
                            std::filesystem::is_directory(GetGame()->GetSaveGamesDir()),
                            SIM_GetSim()->IsOpened(),
                            GUI_GetTextureCache()->GetHandle(TEX_WINDOW) != 0});
}

class StartupTest : public ToolkitHarness {
protected:
    void BeforeStart() override { Game::SetLoadingDrawer(RecordLoading); }
};

// A mode of the test's own that counts its activations.
class CountingMode : public GUI_GameModeBase {
public:
    void Activate() override { ++activations; }
    int activations = 0;
};

} // namespace

TEST_F(StartupTest, StepsRunInOrderBetweenTheLoadingScreenCalls)
{
    // The shell draws 0, 0.25, 0.5 and 1; the simulation may add its own steps between.
    ASSERT_GE(loadingCalls.size(), 4u);
    EXPECT_EQ(loadingCalls.front().fraction, 0.0f);
    EXPECT_EQ(loadingCalls.back().fraction, 1.0f);
    std::vector<float> shells;
    for (size_t i = 0; i < loadingCalls.size(); ++i) {
        const LoadingCall& c = loadingCalls[i];
        SCOPED_TRACE(c.fraction);
        if (i > 0) {
            EXPECT_GE(c.fraction, loadingCalls[i - 1].fraction);
        }
        // Display, fonts and folders come before the first call.
        EXPECT_EQ(c.screenWidth, 1024.0f);
        EXPECT_EQ(c.fonts, 6u);
        EXPECT_TRUE(c.savesFolder);
        // The simulation opens after 0.25 and before 0.5, the GUI after 0.5.
        if (c.fraction == 0.25f) {
            EXPECT_FALSE(c.simOpen);
        }
        if (c.fraction >= 0.5f) {
            EXPECT_TRUE(c.simOpen);
        }
        EXPECT_EQ(c.textureCache, c.fraction == 1.0f);
        if (c.fraction == 0.0f || c.fraction == 0.25f || c.fraction == 0.5f || c.fraction == 1.0f)
            shells.push_back(c.fraction);
    }
    EXPECT_EQ(shells, (std::vector<float> {0.0f, 0.25f, 0.5f, 1.0f}));
    EXPECT_TRUE(BActive);
    EXPECT_EQ(GetGame()->GetCurrentMode(), &mode);
    EXPECT_FALSE(GetGame()->GetGameInProgress());
    EXPECT_FLOAT_EQ(GetGame()->AdjustForScreenRes(100.0f), 100.0f);
    for (const char* sub : {"", "/savegames", "/mods", "/mods/portraits_m", "/mods/portraits_f",
                            "/mods/skins", "/mods/avatars"})
        EXPECT_TRUE(std::filesystem::is_directory(GetGame()->GetUserDir() + sub)) << sub;
}

TEST_F(StartupTest, ThePicturesDecodedAheadAreTheGamesOwnFiles)
{
    // A file moved away would silently be decoded late again, on the start's own thread.
    const std::vector<std::string> paths = StartPicturePaths();
    ASSERT_FALSE(paths.empty());
    for (const std::string& path : paths)
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
}

TEST_F(StartupTest, TheLogIsThePlayersAndStartsWithTheVersionTimeAndRenderer)
{
    // The per-user folder: an installed game's own folder is not writable.
    EXPECT_EQ(GetDebugLogPath(), GetGame()->GetUserDir() + "/debugdata/debug.txt");
    std::string log = DebugLog();
    ASSERT_EQ(log.rfind("----DEBUG FILE----\nStarted 2", 0), 0u) << log;
    const std::string head = log.substr(0, log.find("Rebuild Surfaces"));
    for (const char* line : {"\nVersion: Amplivance ", "\nGL renderer: ", "\nGL version: "})
        EXPECT_NE(head.find(line), std::string::npos) << line;
    EXPECT_EQ(head.find("GL renderer: (unknown)"), std::string::npos);
}

TEST_F(StartupTest, WindowedStartWritesNothingAboutTheWindowMode)
{
    // The display (1280 x 1024) is taller than the 768 asked for, so the mode stays as
    // shipped, and nothing is ever written into the shipped data folder.
    std::string shipped = ReadWholeFile(std::string(GameDir()) + "/data/config.muf");
    EXPECT_EQ(ReadWholeFile(resources.Str() + "/data/config.muf"), shipped);
    EXPECT_EQ(GetPrivateProfileInt("config", "IsWindowed", -1, "data\\config.muf"), 1);
    EXPECT_TRUE(GetD3DEngine()->GetIsWindowed());
}

TEST_F(StartupTest, ModeSwitchesAtTheEndOfTheFadeAndActivatesTheNewMode)
{
    CountingMode options;
    GetGame()->SetModeObject(Game::MODE_OPTIONS, &options);
    GetGame()->SetGameMode(Game::MODE_OPTIONS);
    Step(4, 35); // 140 ms: still fading
    EXPECT_EQ(GetGame()->GetCurrentMode(), &mode);
    EXPECT_EQ(options.activations, 0);
    EXPECT_GT(GUI_GetFader()->GetDarkness(), 0.9f);
    Step(1, 35); // 175 ms: the fade ends and the switch happens in that frame
    EXPECT_EQ(GetGame()->GetCurrentMode(), &options);
    EXPECT_EQ(options.activations, 1);
    EXPECT_FALSE(GUI_GetFader()->IsFading());
    GetGame()->SetModeObject(Game::MODE_OPTIONS, nullptr);
}

TEST_F(StartupTest, KeptAndUnknownModesReactivateTheCurrentOne)
{
    for (Game::GAMEMODE m : {Game::MODE_KEEP, Game::GAMEMODE(6), Game::GAMEMODE(9)}) {
        SCOPED_TRACE(int(m));
        int before = mode.activations;
        GetGame()->SetGameMode(m);
        WaitFade();
        EXPECT_EQ(GetGame()->GetCurrentMode(), &mode);
        EXPECT_EQ(mode.activations, before + 1);
    }
}

TEST_F(StartupTest, SecondSwitchWithinOneFadeReplacesTheFirst)
{
    CountingMode load, credits;
    GetGame()->SetModeObject(Game::MODE_LOAD, &load);
    GetGame()->SetModeObject(Game::MODE_CREDITS, &credits);
    GetGame()->SetGameMode(Game::MODE_LOAD);
    Step(2);
    GetGame()->SetGameMode(Game::MODE_CREDITS);
    WaitFade();
    EXPECT_EQ(GetGame()->GetCurrentMode(), &credits);
    EXPECT_EQ(load.activations, 0);
    EXPECT_EQ(credits.activations, 1);
    GetGame()->SetModeObject(Game::MODE_LOAD, nullptr);
    GetGame()->SetModeObject(Game::MODE_CREDITS, nullptr);
}

TEST_F(StartupTest, NewGameGoesInGameAndStartsThePlayClock)
{
    GetGame()->StartNewGame();
    EXPECT_TRUE(GetGame()->GetGameInProgress());
    EXPECT_FALSE(SIM_GetStatistics()->GetTimer().IsPaused());
    WaitFade();
    EXPECT_EQ(GetGame()->GetCurrentMode(), GUI_GetGUI());
}

TEST_F(StartupTest, ClicksDuringAFadeOutReachNoScreen)
{
    GetGame()->SetGameMode(Game::MODE_KEEP);
    Click(500, 400);
    WaitFade();
    Step();
    EXPECT_EQ(mode.clicks, 0);
    Click(500, 400);
    EXPECT_EQ(mode.clicks, 1);
}

TEST_F(StartupTest, QuitReleasesOnceAtTheNextFrame)
{
    GetGame()->Quit();
    EXPECT_FALSE(GetGame()->IsReleased());
    Step();
    EXPECT_TRUE(GetGame()->IsReleased());
    EXPECT_NE(DebugLog().find("END DEBUG---"), std::string::npos);
    int draws = mode.draws;
    Step(3); // later ticks do nothing
    WindowProc(GEvent {GEventKind::Closed});
    EXPECT_EQ(mode.draws, draws);
}

TEST_F(StartupTest, ClosingTheWindowReleases)
{
    WindowProc(GEvent {GEventKind::Close});
    EXPECT_TRUE(GetGame()->IsReleased());
    EXPECT_FALSE(BActive);
}

namespace {
// Starts with the game's own first mode rather than the harness's.
class FirstScreenTest : public GameHarness {
protected:
    FirstScreenTest() : GameHarness(Start::MainMenu) {}
};
} // namespace

TEST_F(FirstScreenTest, TheMainMenuComesFirstAndEscapeAsksBeforeQuitting)
{
    EXPECT_EQ(GetGame()->GetCurrentMode(), GUI_GetMenuMain());
    WaitFade();
    RgbaImage frame = CaptureFrame();
    ASSERT_EQ(frame.width, 1024);
    // The button column is drawn across the middle of the screen.
    int lit = 0;
    for (int x = 0; x < 1024; ++x)
        for (int y = 330; y < 420; ++y)
            lit += (frame.At(x, y) & 0xFF) > 150;
    EXPECT_GT(lit, 100);
    PressKey(kKeyEscape);
    EXPECT_NE(GUI_ConfirmDialog::PTheWindow, nullptr);
    EXPECT_TRUE(BActive);
    PressKey(kKeyEscape); // answers no
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
    EXPECT_FALSE(GetGame()->IsReleased());
}

namespace {
// Asks for the display's own size (0 x 0), as a fresh profile may.
class DisplaySizeTest : public ToolkitHarness {
protected:
    void BeforeStart() override
    {
        WritePrivateProfileInt("pref", "SCREEN_WIDTH", 0, "data\\config.muf");
        WritePrivateProfileInt("pref", "SCREEN_HEIGHT", 0, "data\\config.muf");
    }
};

// Toggles full screen from a key, as the in-game screen does with Command-Return, and
// notes how often the display had been started when the call returned.
class ToggleMode : public HarnessMode {
public:
    void HandleKey(unsigned key) override
    {
        if (key == kKeyReturn) {
            GetGame()->ToggleFullscreen();
            displayStartsAtCall = DisplayStarts();
        }
    }
    int DisplayStarts() const;
    int displayStartsAtCall = 0;
};
} // namespace

TEST_F(DisplaySizeTest, ZeroSizeTakesTheDisplaysSizeAndRecordsFullScreen)
{
    EXPECT_EQ(GetD3DEngine()->GetScreenWidth(), 1280);
    EXPECT_EQ(GetD3DEngine()->GetScreenHeight(), 1024);
    EXPECT_FLOAT_EQ(GetGame()->AdjustForScreenRes(1024.0f), 1280.0f);
    // The height equals the display's: full screen is asked for and recorded in the profile
    // store only; where it does not take (no window manager) the window is recorded.
    EXPECT_EQ(GetPrivateProfileInt("config", "IsWindowed", -1, "data\\config.muf"),
              GetMainWindow()->IsFullscreen() ? 0 : 1);
    std::string shipped = ReadWholeFile(std::string(GameDir()) + "/data/config.muf");
    EXPECT_EQ(ReadWholeFile(resources.Str() + "/data/config.muf"), shipped);
}

int ToggleMode::DisplayStarts() const
{
    std::string log = ReadWholeFile(GetDebugLogPath());
    int starts = 0;
    for (size_t at = log.find("GL renderer:"); at != std::string::npos; at = log.find("GL renderer:", at + 1))
        ++starts;
    return starts;
}

TEST_F(StartupTest, FullScreenToggleWaitsForTheFlipAndKeepsTexturesWorking)
{
    ToggleMode toggle;
    GetGame()->SetModeObject(Game::MODE_MAINMENU, &toggle);
    ASSERT_FALSE(GetMainWindow()->IsFullscreen());
    PressKey(kKeyReturn);
    EXPECT_EQ(toggle.displayStartsAtCall, 1); // not restarted in the middle of the frame
    EXPECT_EQ(toggle.DisplayStarts(), 2);
    // Full screen where the display gives it; else (no window manager) the window is kept.
    EXPECT_EQ(GetPrivateProfileInt("config", "IsWindowed", -1, "data\\config.muf"),
              GetMainWindow()->IsFullscreen() ? 0 : 1);
    EXPECT_NE(GUI_GetTextureCache()->GetHandle(TEX_WINDOW), 0u);
    Step(2);
    // Back to a window, or full screen asked again and not given: a window either way.
    PressKey(kKeyReturn);
    EXPECT_FALSE(GetMainWindow()->IsFullscreen());
    EXPECT_EQ(GetPrivateProfileInt("config", "IsWindowed", -1, "data\\config.muf"), 1);
    EXPECT_NE(DebugLog().find("Rebuild Surfaces"), std::string::npos);
    GetGame()->SetModeObject(Game::MODE_MAINMENU, &mode);
}
