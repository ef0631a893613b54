#include "engine/gfx/CBaseInputManager.h"

#include "engine/Utilities.h"
#include "port/Clock.h"

#include <cmath>

void CBaseInputManager::Initialise(void*, MainWindowRef window)
{
    window_ = window;
    doubleClick_ = false;
    doubleClickTime_ = 500.0f;
    lastClickTime_ = timeGetTime();
}

const CBaseInputManager::Point& CBaseInputManager::GetPoint() const
{
    static Point shared;
    shared.x = int(mouseX_);
    shared.y = int(mouseY_);
    return shared;
}

void CBaseInputManager::Process()
{
    GetMouseData();
    GetKeyboardData();
    frameFlag_ = false;
}

void CBaseInputManager::GetMouseData()
{
    if (mouseX_ == prevX_ && mouseY_ == prevY_)
        ++stillFrames_;
    else
        stillFrames_ = 0;
    prevX_ = mouseX_;
    prevY_ = mouseY_;
}

void CBaseInputManager::GetKeyboardData()
{
    for (unsigned code = 0; code < 255; ++code) {
        if (!keys_[code])
            continue;
        keys_[code] = 0;
        ProcessKey(code);
    }
}

void CBaseInputManager::LeftMouseDown()
{
    leftDown_ = true;
    uint32_t now = timeGetTime();
    float delta = float(now - lastClickTime_); // unsigned: right across the clock's wrap
    lastClickTime_ = now;
    doubleClick_ = delta < doubleClickTime_ && GetDist(lastClickX_, lastClickY_, mouseX_, mouseY_) < 32.0f;
    lastClickX_ = mouseX_;
    lastClickY_ = mouseY_;
}

void CBaseInputManager::LeftMouseUp()
{
    leftDown_ = false;
}

void CBaseInputManager::SetMousePosition(float x, float y)
{
    mouseX_ = x;
    mouseY_ = y;
}

void CBaseInputManager::RecordEvent(const GEvent& e)
{
    switch (e.kind) {
    case GEventKind::RawKeyDown:
    case GEventKind::RawKeyUp:
        // Modifiers held at this event count as pressed; a key-up never cancels a press
        // that waits for the frame.
        if (e.modifiers & kModCommand)
            keys_[kKeyCommand] = 1;
        if (e.modifiers & kModShift)
            keys_[kKeyShift] = 1;
        if (e.kind == GEventKind::RawKeyDown && e.keyCode >= 0 && e.keyCode < 256)
            keys_[e.keyCode] = 1;
        break;
    case GEventKind::MouseDown:
    case GEventKind::MouseUp: {
        SetMousePosition(e.x, e.y);
        bool down = e.kind == GEventKind::MouseDown;
        if (e.button == 1) {
            rawLeft_ = down;
            pending_.push_back({down ? MouseAction::LeftDown : MouseAction::LeftUp, e.x, e.y});
        } else if (e.button == 2) {
            pending_.push_back({down ? MouseAction::RightDown : MouseAction::RightUp, e.x, e.y});
        }
        break;
    }
    case GEventKind::MouseMoved:
    case GEventKind::MouseDragged:
        SetMousePosition(e.x, e.y);
        break;
    case GEventKind::MouseWheel:
        pending_.push_back({e.wheel > 0 ? MouseAction::WheelUp : MouseAction::WheelDown, mouseX_, mouseY_});
        break;
    default:
        break;
    }
}

void CBaseInputManager::DispatchMouseEvents()
{
    // A snapshot: the operations may record or dispatch further events.
    std::vector<Pending> actions;
    actions.swap(pending_);
    float nowX = mouseX_, nowY = mouseY_;
    for (const Pending& p : actions) {
        // Each click is handled where it happened, then the mouse is back where it is now.
        SetMousePosition(p.x, p.y);
        switch (p.action) {
        case MouseAction::LeftDown:
            if (!leftDown_)
                LeftMouseDown();
            break;
        case MouseAction::LeftUp:
            if (leftDown_)
                LeftMouseUp();
            break;
        case MouseAction::RightDown: RightMouseDown(); break;
        case MouseAction::RightUp: RightMouseUp(); break;
        case MouseAction::WheelUp: MouseWheelUp(); break;
        case MouseAction::WheelDown: MouseWheelDown(); break;
        }
    }
    if (!actions.empty())
        SetMousePosition(nowX, nowY);
}
