#pragma once
// The GUI test harness: runs the real Game (real start-up, window and GL context) in a
// sandbox, with time, input, reports and sounds under the test's control.
//
// A screen test starts in the in-game screen of a new game (game mode 8, its fade done),
// so keys, clicks, hints and the frame reach the screen exactly as in play:
//
//   class MyScreenTest : public GameHarness {};
//   TEST_F(MyScreenTest, Opens) {
//       GUI_MyScreen::Create();
//       WaitFade();
//       ClickButton("MYSCREEN_OK");
//       EXPECT_EQ(GUI_MyScreen::PTheWindow, nullptr);
//   }
//
// Tests of the toolkit itself that need no game (input routing, mode switches, drawing
// primitives) start in the harness's stand-in mode instead (Start::StandIn), menu tests
// in the game's own first mode (Start::MainMenu).
//
// A test fails on any report it did not take (TakeReports), on a texture the renderer
// cannot find unless the test said so (ExpectMissingTexture), and on a texture of the
// shipped data that the code asked for but art/content.txt does not list.
//
// When a test fails (or AMP_SAVE_FRAMES is set) its last frame is saved as
// test-frames/<suite>.<test>.png in the build folder.
//
// Each test runs in its own process (the game's singletons are never freed). Tests that
// use it are labelled "gl" and run under Xvfb.
#include "port/sdl/FrameCapture.h"
#include "shell/GUI_GameModeBase.h"
#include "shell/Game.h"
#include "support/RecordingAudio.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

class GUI_BaseElement;
class GUI_ButtonBase;
class GUI_ButtonText;
class GUI_WindowBase;
class CInput;

// The harness's own first mode, standing in for the main menu in toolkit tests: it hands
// drawing, input and clicks to the window manager and the tool tips and records what it
// receives. It is not the in-game screen: Escape, hints and the click counter are not
// the game's here.
class HarnessMode : public GUI_GameModeBase {
public:
    void Draw() override;
    void HandleKey(unsigned int key) override;
    void ProcessInput() override;
    void CheckClick() override;
    void Activate() override { ++activations; }

    std::vector<unsigned int> keys;   // every key handled, in order
    std::vector<std::string> events;  // "key:<code>" and "click" in the order received
    int clicks = 0;
    int activations = 0;
    int draws = 0;
};

class GameHarness : public SandboxTest {
protected:
    // Where the test begins once the game has started.
    enum class Start {
        InGame,   // a new game, in the in-game screen; the main menu is the game's own
        StandIn,  // the stand-in mode (member `mode`) as the first mode, no game
        MainMenu, // the game's own first mode, no game
    };
    explicit GameHarness(Start start = Start::InGame) : start_(start) {}

    void SetUp() override;
    void TearDown() override;

    // Runs before start-up, after the sandbox exists (install objects, write files).
    virtual void BeforeStart() {}

    // Frames. Each Step advances the clock, pumps the window's events (injected ones
    // included) and runs one Game::GameProc.
    void Step(int frames = 1, uint32_t msPerFrame = 33);
    // Steps until the screen fader is idle (at most 2 s of game time).
    void WaitFade();
    // Clicks the middle of a button or element.
    void ClickCentre(const GUI_BaseElement* element);
    // Saves the frame (the current one when none is given) as a test artifact, beside the
    // runnable tree in artifacts/, for a person to look at.
    void SaveArtifact(const std::string& name);
    void SaveArtifact(const RgbaImage& frame, const std::string& name);
    // A hint pop-up takes every click until it is closed: the player closes each by its
    // button, newest first, as it comes up.
    void CloseHints();
    // Every morning the day's page greets the player over the main screen (after the news
    // of a new career stage, which is read first); this presses its Continue, as a player does before picking an activity (nothing when it is down).
    void PutAwayDaysPage();

    // Input through the platform's real event path (SDL_PushEvent).
    void MoveMouse(float x, float y);
    void MouseDown(float x, float y);
    void MouseUp(float x, float y);
    // Move, press, one frame, release, one frame.
    void Click(float x, float y);
    void Drag(float fromX, float fromY, float toX, float toY, int steps = 4);
    // Moves to the point and keeps the mouse still for some frames.
    void Hover(float x, float y, int frames);
    // Press and release of a Mac key code, with Mac modifier bits (kModShift, kModCommand).
    void PressKey(int macKey, uint32_t modifiers = 0);
    void KeyDown(int macKey, uint32_t modifiers = 0);
    void KeyUp(int macKey, uint32_t modifiers = 0);
    // Types letters, digits, space and "-',." (upper case with Shift), one frame each.
    void TypeText(const std::string& text);
    // Clicks the centre of the visible text button translated from this key (searched in
    // the registered windows, top first, and their children). False when none is found.
    bool ClickButton(const std::string& key);
    GUI_ButtonText* FindButton(const std::string& key);

    // The registered windows that are screens, leaving out the main screen's furniture:
    // its permanent windows (those a new game keeps, such as the player panel) and the
    // desktop's icons (band, albums, assets); top last.
    std::vector<GUI_WindowBase*> ScreenWindows() const;

    // The input object, for writing the raw state directly.
    CInput* Input();

    // The next frame as read back just before its flip.
    RgbaImage CaptureFrame();

    // Reports: a test fails on any report it did not take. TakeReports empties the record.
    std::vector<AlertRequest> TakeReports();
    std::string DebugLog() const;

    // Textures. The test expects the renderer to miss this name (as the code writes it).
    void ExpectMissingTexture(const std::string& name);
    // Every texture problem so far, one text each: a missing texture not expected, an
    // expected one never missed, a shipped texture asked for but not in the content list.
    // Textures the test itself wrote into the sandbox need no listing. The teardown fails
    // the test on each.
    std::vector<std::string> TextureProblems() const;
    // The content list that texture names are checked against (art/content.txt).
    std::filesystem::path contentList;
    // The request names (".dds" as ".png") the test expects to be missing.
    std::set<std::string> expectedMissingTextures;

    RecordingAudioBackend audio;
    HarnessMode mode;

private:
    void SaveFailureFrame();
    // The renderer's own log: the name of every texture it loads and every one it misses.
    std::vector<std::string> RendererLog() const;

    Start start_;
    std::filesystem::path oldCwd_;
    FILE* rendererLog_ = nullptr;
    char* rendererLogText_ = nullptr;
    size_t rendererLogSize_ = 0;
};

// The harness for tests of the toolkit itself that need no game: the stand-in first mode.
class ToolkitHarness : public GameHarness {
protected:
    ToolkitHarness() : GameHarness(Start::StandIn) {}
};
