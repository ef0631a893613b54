#pragma once
// The raw keyboard and mouse state gathered from the main window's events, turned once per
// frame into calls of the virtual operations: one ProcessKey per key press, and the mouse
// button and wheel operations. Also detects double clicks. Presses are latched: a key or
// button pressed and released between two frames still counts once.
#include "engine/gfx/MainWindow.h"

#include <cstdint>
#include <vector>

class CBaseInputManager {
public:
    struct Point {
        int x = 0;
        int y = 0;
    };

    CBaseInputManager() = default;
    virtual ~CBaseInputManager() = default;

    virtual void Process();
    virtual void MouseWheelUp() {}
    virtual void MouseWheelDown() {}
    virtual void LeftMouseDown();
    virtual void LeftMouseUp();
    virtual void RightMouseDown() {}
    virtual void RightMouseUp() {}
    virtual void ProcessKey(unsigned key) { (void)key; }

    void Initialise(void* startup, MainWindowRef window);
    // True while a press of the key waits for the next Process.
    bool KeyDown(unsigned key) const { return key < 256 && keys_[key] != 0; }
    // The mouse position, truncated, in one point shared by all callers.
    const Point& GetPoint() const;
    void GetMouseData();
    void GetKeyboardData();
    void SetMouseSpeed(float s) { mouseSpeed_ = 0.6f + 2.5f * s; }
    void DirectInputError(int, const char*) {}

    // Records one event of the main window: key presses (with Command and Shift taken from
    // the event's modifiers), the mouse position, buttons and wheel steps.
    void RecordEvent(const GEvent& event);
    // Turns the button and wheel events recorded since the last call into LeftMouseDown,
    // LeftMouseUp, RightMouseDown, RightMouseUp, MouseWheelUp and MouseWheelDown, in the
    // order they happened. The application's Process calls it after the base Process.
    void DispatchMouseEvents();

    float MouseX() const { return mouseX_; }
    float MouseY() const { return mouseY_; }
    void SetMousePosition(float x, float y);
    bool IsLeftButtonDown() const { return leftDown_; }
    bool RawLeftButton() const { return rawLeft_; }
    bool IsDoubleClick() const { return doubleClick_; }
    int StillFrames() const { return stillFrames_; }
    float GetMouseSpeed() const { return mouseSpeed_; }
    bool GetFrameFlag() const { return frameFlag_; }
    void SetFrameFlag(bool v) { frameFlag_ = v; }
    MainWindowRef GetWindow() const { return window_; }

private:
    enum class MouseAction { LeftDown, LeftUp, RightDown, RightUp, WheelUp, WheelDown };

    float prevX_ = 100.0f, prevY_ = 100.0f;
    float mouseX_ = 100.0f, mouseY_ = 100.0f;
    bool leftDown_ = false;
    int stillFrames_ = 0;
    float offsetX_ = 0.0f, offsetY_ = 0.0f;
    uint8_t keys_[256] = {};
    bool rawLeft_ = false;
    // Milliseconds of the clock, kept whole: as a float it would lose the milliseconds
    // once the system has been up for hours, and it wraps at 2^32.
    uint32_t lastClickTime_ = 0;
    bool doubleClick_ = false;
    float doubleClickTime_ = 500.0f;
    bool frameFlag_ = false;
    float lastClickX_ = 0.0f, lastClickY_ = 0.0f;
    MainWindowRef window_ = nullptr;
    float mouseSpeed_ = 1.0f;
    struct Pending {
        MouseAction action;
        float x, y; // where it happened
    };
    std::vector<Pending> pending_;
};
