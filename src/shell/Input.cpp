#include "shell/Input.h"

#include "shell/Game.h"

CInput* GetInput()
{
    static CInput* input = new CInput;
    return input;
}

bool CInput::MouseInRect(const tagRECT* r) const
{
    if (!r)
        return false;
    return MouseX() >= float(r->left) && MouseX() <= float(r->right) && MouseY() >= float(r->top) &&
           MouseY() <= float(r->bottom);
}

void CInput::Record(const GEvent& e)
{
    if (dropStale_) {
        if (e.kind == GEventKind::RawKeyDown && e.keyCode >= 0 && e.keyCode < 256)
            freshKeys_[size_t(e.keyCode)] = true;
        if (e.kind == GEventKind::MouseDown && e.button == 1)
            ++freshPresses_;
    }
    RecordEvent(e);
}

void CInput::ClearHeldInput()
{
    dropStale_ = true;
    freshKeys_.fill(false);
    freshPresses_ = 0;
    if (RawLeftButton()) {
        GEvent up;
        up.kind = GEventKind::MouseUp;
        up.button = 1;
        up.x = MouseX();
        up.y = MouseY();
        RecordEvent(up);
    }
}

void CInput::Process()
{
    CBaseInputManager::Process();
    DispatchMouseEvents();
    dropStale_ = false;
    mouseMovesEaten_ = false;
}

void CInput::ProcessKey(unsigned key)
{
    if (dropStale_ && (key >= 256 || !freshKeys_[key]))
        return;
    // Keys, like clicks, do nothing to a screen that is fading out: it is about to be
    // replaced, and what they opened would wait hidden under the next screen.
    if (ignoreClicks_)
        return;
    GetGame()->HandleKey(key);
}

void CInput::LeftMouseDown()
{
    if (dropStale_) {
        if (freshPresses_ == 0)
            return; // a press from before the focus loss
        --freshPresses_;
    }
    CBaseInputManager::LeftMouseDown();
    if (!ignoreClicks_)
        GetGame()->CheckClick();
}

void CInput::LeftMouseUp() { CBaseInputManager::LeftMouseUp(); }

void CInput::RightMouseDown()
{
    if (!ignoreClicks_)
        GetGame()->CheckRightClick();
}

void CInput::MouseWheelUp() { GetGame()->MouseWheelUp(); }

void CInput::MouseWheelDown() { GetGame()->MouseWheelDown(); }
