#pragma once
// The platform's window, mouse and keyboard events as the game sees them: keys as Mac
// virtual key codes, modifier state as Mac modifier bits, positions in game pixels.
#include <cstdint>
#include <functional>

// Modifier bits of a key or mouse event (the Mac layout: Command is bit 8, Shift bit 9).
enum : uint32_t {
    kModCommand = 1u << 8,  // Ctrl or the Super key on this platform
    kModShift = 1u << 9,
    kModCapsLock = 1u << 10,
    kModOption = 1u << 11,  // Alt
};

// Mac virtual key codes the game names.
enum : int {
    kKeyReturn = 36,
    kKeyTab = 48,
    kKeySpace = 49,
    kKeyBackspace = 51,
    kKeyEscape = 53,
    kKeyCommand = 55,
    kKeyShift = 56,
    kKeyRightShift = 60,
    kKeyForwardDelete = 117,
    kKeyLeft = 123,
    kKeyRight = 124,
    kKeyDown = 125,
    kKeyUp = 126,
};

enum class GEventKind {
    WindowInit,
    BoundsChanged,
    DrawContent,
    Close,        // the user asked to close the window
    Closed,       // the window is gone: the application releases and quits
    Zoom,
    MouseDown,
    MouseUp,
    MouseMoved,
    MouseDragged,
    MouseWheel,
    RawKeyDown,   // never an auto-repeat
    RawKeyUp,
    AppActivated,
    AppDeactivated,
};

// One event. Mouse buttons: 1 left, 2 right, 3 middle. Wheel: +1 a step up, -1 down.
struct GEvent {
    GEventKind kind = GEventKind::MouseMoved;
    int keyCode = -1;       // Mac virtual key code, -1 for a key the game has no code for
    uint32_t modifiers = 0; // kMod* bits held at the time of the event
    float x = 0.0f;         // mouse position in game pixels (mouse events)
    float y = 0.0f;
    int button = 0;
    int wheel = 0;
};

// The application's window procedure: receives every event of the main window.
using WindowProcFn = std::function<void(const GEvent&)>;
