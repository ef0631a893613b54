// The raw input manager: key presses, double clicks, still frames, and events of the
// window arriving as Mac key codes and game positions.
#include "GlTestFixture.h"

#include "engine/gfx/CBaseInputManager.h"

#include <SDL2/SDL.h>

namespace {

// Records what the manager passes on.
class RecordingInput : public CBaseInputManager {
public:
    void ProcessKey(unsigned key) override
    {
        keys.push_back(key);
        commandHeld.push_back(KeyDown(kKeyCommand));
    }
    void LeftMouseDown() override
    {
        CBaseInputManager::LeftMouseDown();
        calls.push_back("down " + std::to_string(int(MouseX())) + "," + std::to_string(int(MouseY())));
    }
    void LeftMouseUp() override
    {
        CBaseInputManager::LeftMouseUp();
        calls.push_back("up");
    }
    void RightMouseDown() override { calls.push_back("right"); }
    void MouseWheelUp() override { calls.push_back("wheel up"); }
    void MouseWheelDown() override { calls.push_back("wheel down"); }
    std::vector<unsigned> keys;
    std::vector<bool> commandHeld;
    std::vector<std::string> calls;
};

GEvent Key(GEventKind kind, int code, uint32_t mods = 0)
{
    GEvent e;
    e.kind = kind;
    e.keyCode = code;
    e.modifiers = mods;
    return e;
}

GEvent Mouse(GEventKind kind, float x, float y, int button = 1)
{
    GEvent e;
    e.kind = kind;
    e.x = x;
    e.y = y;
    e.button = button;
    return e;
}

} // namespace

class InputTest : public SandboxTest {
protected:
    RecordingInput input;
};

TEST_F(InputTest, KeysProcessedOnceInCodeOrderAndLatched)
{
    input.RecordEvent(Key(GEventKind::RawKeyDown, 53));
    input.RecordEvent(Key(GEventKind::RawKeyDown, 36, kModCommand));
    input.RecordEvent(Key(GEventKind::RawKeyUp, 36, kModCommand));  // released before the frame
    input.RecordEvent(Key(GEventKind::RawKeyDown, 255));
    input.Process();
    // Return (36) sees Command still set: it has a higher code, processed after it.
    EXPECT_EQ(input.keys, (std::vector<unsigned> {36, 53, 55}));
    EXPECT_EQ(input.commandHeld[0], true);
    input.Process();                                               // held, no new press
    EXPECT_EQ(input.keys.size(), 3u);
    EXPECT_FALSE(input.KeyDown(36));
}

TEST_F(InputTest, DoubleClickNeedsShortTimeAndDistance)
{
    struct Case {
        uint32_t gapMs;
        float dx;
        bool doubleClick;
    } cases[] = {{400, 10, true}, {500, 10, false}, {400, 32, false}, {499, 31, true}};
    for (const Case& c : cases) {
        RecordingInput in;
        in.Initialise(nullptr, nullptr);
        in.SetMousePosition(100, 100);
        in.LeftMouseDown();
        in.LeftMouseUp();
        clock.Advance(c.gapMs);
        in.SetMousePosition(100 + c.dx, 100);
        in.LeftMouseDown();
        EXPECT_EQ(in.IsDoubleClick(), c.doubleClick) << c.gapMs << " ms, " << c.dx << " px";
        clock.Advance(5000);
    }
}

TEST_F(InputTest, DoubleClickTimingHoldsOnAMachineUpForWeeks)
{
    // The clock counts from the system's start: after weeks of up time (and across its
    // wrap at 2^32) a few hundred milliseconds must still measure as they are.
    struct Case {
        uint32_t firstClick;
        uint32_t gapMs;
        bool doubleClick;
    } cases[] = {{3000000100u, 400, true}, {3000000129u, 510, false}, {3000000100u, 600, false},
                 {4294967000u, 400, true}, {4294967000u, 600, false}};
    for (const Case& c : cases) {
        clock.Set(c.firstClick - 5000);
        RecordingInput in;
        in.Initialise(nullptr, nullptr);
        clock.Set(c.firstClick);
        in.SetMousePosition(100, 100);
        in.LeftMouseDown();
        in.LeftMouseUp();
        clock.Advance(c.gapMs);
        in.LeftMouseDown();
        EXPECT_EQ(in.IsDoubleClick(), c.doubleClick) << c.firstClick << " + " << c.gapMs << " ms";
    }
}

TEST_F(InputTest, StillFramesAndMouseSpeed)
{
    input.Process();
    input.Process();
    input.Process();
    EXPECT_EQ(input.StillFrames(), 3);
    input.RecordEvent(Mouse(GEventKind::MouseMoved, 5, 6));
    input.Process();
    EXPECT_EQ(input.StillFrames(), 0);
    EXPECT_EQ(input.GetPoint().x, 5);
    input.SetMouseSpeed(0.4f);
    EXPECT_FLOAT_EQ(input.GetMouseSpeed(), 1.6f);
}

TEST_F(InputTest, ClickWithinOneFrameIsPressAndReleaseWhereItHappened)
{
    input.RecordEvent(Mouse(GEventKind::MouseDown, 10, 20));
    input.RecordEvent(Mouse(GEventKind::MouseUp, 10, 20));
    input.RecordEvent(Mouse(GEventKind::MouseMoved, 300, 300));
    input.RecordEvent(Mouse(GEventKind::MouseDown, 300, 300, 2));
    GEvent wheel;
    wheel.kind = GEventKind::MouseWheel;
    wheel.wheel = -1;
    input.RecordEvent(wheel);
    input.Process();
    input.DispatchMouseEvents();
    EXPECT_EQ(input.calls, (std::vector<std::string> {"down 10,20", "up", "right", "wheel down"}));
    EXPECT_EQ(input.MouseX(), 300.0f);
    EXPECT_FALSE(input.IsLeftButtonDown());
    input.DispatchMouseEvents();
    EXPECT_EQ(input.calls.size(), 4u);
}

class WindowEventsTest : public GlTest {
protected:
    void Push(SDL_Event e)
    {
        e.key.windowID = SDL_GetWindowID(window->Sdl());
        ASSERT_EQ(SDL_PushEvent(&e), 1);
    }
    void PushKey(Uint32 type, SDL_Keycode sym, SDL_Scancode sc, Uint16 mod, Uint8 repeat = 0)
    {
        SDL_Event e {};
        e.type = type;
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.repeat = repeat;
        e.key.keysym.sym = sym;
        e.key.keysym.scancode = sc;
        e.key.keysym.mod = mod;
        Push(e);
    }
};

TEST_F(WindowEventsTest, InjectedKeysArriveAsMacCodes)
{
    struct Case {
        SDL_Keycode sym;
        SDL_Scancode sc;
        int mac;
    } cases[] = {
        {SDLK_RETURN, SDL_SCANCODE_RETURN, 36}, {SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, 51},
        {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, 53}, {SDLK_LCTRL, SDL_SCANCODE_LCTRL, 55},
        {SDLK_LGUI, SDL_SCANCODE_LGUI, 55}, {SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, 56},
        {SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, 60}, {SDLK_DELETE, SDL_SCANCODE_DELETE, 117},
        {SDLK_LEFT, SDL_SCANCODE_LEFT, 123}, {SDLK_UP, SDL_SCANCODE_UP, 126},
        {SDLK_KP_1, SDL_SCANCODE_KP_1, 83}, {SDLK_KP_5, SDL_SCANCODE_KP_5, 87},
        {SDLK_a, SDL_SCANCODE_A, 0}, {SDLK_t, SDL_SCANCODE_T, 17}, {SDLK_1, SDL_SCANCODE_1, 18},
        {SDLK_5, SDL_SCANCODE_5, 23}, {SDLK_0, SDL_SCANCODE_0, 29}, {SDLK_SPACE, SDL_SCANCODE_SPACE, 49},
        {SDLK_a, SDL_SCANCODE_Q, 0},            // AZERTY: the key showing "a" types "a"
        {SDLK_AMPERSAND, SDL_SCANCODE_1, 18},   // AZERTY digit row: by position
    };
    for (const Case& c : cases)
        PushKey(SDL_KEYDOWN, c.sym, c.sc, 0);
    PumpWindowEvents();
    std::vector<GEvent> keys; // focus and pointer events of the shared display are not ours
    for (const GEvent& e : events)
        if (e.kind == GEventKind::RawKeyDown)
            keys.push_back(e);
    ASSERT_EQ(keys.size(), std::size(cases));
    for (size_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(keys[i].keyCode, cases[i].mac) << "case " << i;
}

TEST_F(WindowEventsTest, CtrlReturnReachesTheInputAsCommandReturnAndRepeatsAreIgnored)
{
    RecordingInput input;
    window->SetWindowProc([&](const GEvent& e) { input.RecordEvent(e); });
    PushKey(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LCTRL);
    PushKey(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LCTRL, 1);  // auto-repeat
    PushKey(SDL_KEYUP, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LCTRL);
    PumpWindowEvents();
    input.Process();
    EXPECT_EQ(input.keys, (std::vector<unsigned> {36, 55}));
    EXPECT_TRUE(input.commandHeld[0]);
}

TEST_F(WindowEventsTest, MouseEventsArriveInGamePixels)
{
    RecordingInput input;
    window->SetWindowProc([&](const GEvent& e) { input.RecordEvent(e); });
    SDL_Event down {};
    down.type = SDL_MOUSEBUTTONDOWN;
    down.button.button = SDL_BUTTON_LEFT;
    down.button.state = SDL_PRESSED;
    down.button.x = 500;
    down.button.y = 400;
    Push(down);
    SDL_Event up = down;
    up.type = SDL_MOUSEBUTTONUP;
    up.button.state = SDL_RELEASED;
    Push(up);
    SDL_Event move {};
    move.type = SDL_MOUSEMOTION;
    move.motion.x = 12;
    move.motion.y = 700;
    Push(move);
    PumpWindowEvents();
    input.Process();
    input.DispatchMouseEvents();
    EXPECT_EQ(input.calls, (std::vector<std::string> {"down 500,400", "up"}));
    EXPECT_EQ(input.GetPoint().x, 12);
    EXPECT_EQ(input.GetPoint().y, 700);
}

TEST_F(WindowEventsTest, ClosingTheWindowSendsCloseThenClosed)
{
    SDL_Event quit {};
    quit.type = SDL_QUIT;
    Push(quit);
    PumpWindowEvents();
    // Other tests' windows share the display, so focus and pointer events may arrive too.
    std::vector<GEventKind> closing;
    for (const GEvent& e : events)
        if (e.kind == GEventKind::Close || e.kind == GEventKind::Closed)
            closing.push_back(e.kind);
    EXPECT_EQ(closing, (std::vector<GEventKind> {GEventKind::Close, GEventKind::Closed}));
}

TEST_F(WindowEventsTest, FullScreenPictureIsLetterboxedAndMouseMapsToGamePixels)
{
    ASSERT_TRUE(GetD3DEngine()->Initialise(window, false, 1024, 768, 32, true, false));
    if (GetD3DEngine()->GetIsWindowed())
        GTEST_SKIP() << "this display did not switch to full screen";
    PumpWindowEvents();
    int dw = 0, dh = 0;
    SDL_GL_GetDrawableSize(window->Sdl(), &dw, &dh);
    PortViewport v = window->Viewport();
    EXPECT_EQ(v.w * 768, v.h * 1024);                 // the game's proportions
    EXPECT_TRUE(v.w == dw || v.h == dh);              // as large as fits

    RecordingInput input;
    window->SetWindowProc([&](const GEvent& e) { input.RecordEvent(e); });
    SDL_Event move {};
    move.type = SDL_MOUSEMOTION;
    move.motion.x = dw / 2;
    move.motion.y = dh / 2;
    Push(move);
    PumpWindowEvents();
    EXPECT_NEAR(input.MouseX(), 512.0f, 1.0f);
    EXPECT_NEAR(input.MouseY(), 384.0f, 1.0f);
    ASSERT_TRUE(GetD3DEngine()->Initialise(window, false, 1024, 768, 32, true, true));
}
