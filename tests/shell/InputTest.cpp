// Keys and clicks reach the current mode once per frame: keys in ascending code order,
// then the click; nothing pressed between two frames is lost.
#include "harness/GameHarness.h"

#include "port/sdl/PortEvent.h"
#include "shell/Input.h"
#include "shell/WinMain.h"

class InputTest : public ToolkitHarness {};

TEST_F(InputTest, KeysInAscendingOrderThenTheClick)
{
    MoveMouse(300, 300);
    MouseDown(300, 300);
    KeyDown(14); // "e"
    KeyDown(0);  // "a"
    KeyDown(kKeyEscape);
    Step();
    std::vector<std::string> expected = {"key:0", "key:14", "key:53", "click"};
    EXPECT_EQ(mode.events, expected);
}

TEST_F(InputTest, PressAndReleaseBetweenFramesIsStillDelivered)
{
    PressKey(3); // down and up before the frame
    EXPECT_EQ(mode.keys, std::vector<unsigned> {3});
    MoveMouse(200, 200);
    MouseDown(200, 200);
    MouseUp(200, 200);
    Step();
    EXPECT_EQ(mode.clicks, 1);
    EXPECT_FALSE(Input()->IsLeftButtonDown());
}

TEST_F(InputTest, HeldKeyGivesOnePress)
{
    KeyDown(5);
    Step(5);
    KeyUp(5);
    Step();
    EXPECT_EQ(mode.keys, std::vector<unsigned> {5});
}

TEST_F(InputTest, ShiftAndCommandComeFromEachEventsModifiers)
{
    KeyDown(0, kModShift);
    Step();
    EXPECT_EQ(mode.keys, (std::vector<unsigned> {0, kKeyShift}));
    mode.keys.clear();
    KeyUp(0);
    KeyDown(kKeyReturn, kModCommand);
    Step();
    EXPECT_EQ(mode.keys, (std::vector<unsigned> {kKeyReturn, kKeyCommand}));
}

TEST_F(InputTest, HigherKeysFlagIsStillSeenByALowerKeysHandler)
{
    // The in-game screen asks KeyDown(55) while handling Return (36).
    struct ProbeMode : HarnessMode {
        void HandleKey(unsigned key) override
        {
            if (key == kKeyReturn)
                commandSeen = GetInput()->KeyDown(kKeyCommand);
        }
        bool commandSeen = false;
    } probe;
    GetGame()->SetModeObject(Game::MODE_MAINMENU, &probe);
    KeyDown(kKeyReturn, kModCommand);
    Step();
    EXPECT_TRUE(probe.commandSeen);
    GetGame()->SetModeObject(Game::MODE_MAINMENU, &mode);
}

TEST_F(InputTest, FocusLossClearsHeldKeysAndTheButton)
{
    MoveMouse(100, 100);
    Step();
    KeyDown(7);
    MouseDown(100, 100);
    PumpWindowEvents();
    WindowProc(GEvent {GEventKind::AppDeactivated});
    Step();
    EXPECT_TRUE(mode.keys.empty());
    EXPECT_EQ(mode.clicks, 0);
    // Events while in the background are dropped; the first after activation counts.
    KeyDown(8);
    Step();
    EXPECT_TRUE(mode.keys.empty());
    WindowProc(GEvent {GEventKind::AppActivated});
    PressKey(8);
    EXPECT_EQ(mode.keys, std::vector<unsigned> {8});
}

TEST_F(InputTest, MouseStillFramesAndEatenMoves)
{
    MoveMouse(400, 300);
    Step();
    EXPECT_EQ(Input()->StillFrames(), 0);
    Step(3);
    EXPECT_EQ(Input()->StillFrames(), 3);
    EXPECT_FLOAT_EQ(Input()->MouseX(), 400.0f);
    EXPECT_FLOAT_EQ(Input()->MouseY(), 300.0f);
    tagRECT inside {400, 300, 410, 310};
    tagRECT outside {401, 300, 410, 310};
    EXPECT_TRUE(Input()->MouseInRect(&inside));
    EXPECT_FALSE(Input()->MouseInRect(&outside));
    Input()->EatMouseMoves();
    EXPECT_TRUE(Input()->IsMouseMovesEaten());
    Step();
    EXPECT_FALSE(Input()->IsMouseMovesEaten());
}
