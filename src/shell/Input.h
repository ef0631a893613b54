#pragma once
// The game's input object: the window handler records keys and the mouse into it, and
// once per frame it turns that record into the application's key and click calls (keys in
// ascending code order, then the clicks in the order they happened). Presses are never
// lost between two frames; focus loss clears what is held.
#include "engine/gfx/CBaseInputManager.h"
#include "port/Rect.h"

#include <array>

class CInput : public CBaseInputManager {
public:
    void Process() override;
    void MouseWheelUp() override;
    void MouseWheelDown() override;
    void LeftMouseDown() override;
    void LeftMouseUp() override;
    void RightMouseDown() override;
    void ProcessKey(unsigned key) override;

    // Set by a widget that took the hover this frame; cleared at the end of Process.
    void EatMouseMoves() { mouseMovesEaten_ = true; }
    bool IsMouseMovesEaten() const { return mouseMovesEaten_; }
    // While set (a fade to black runs), presses change the button state but reach no
    // screen, and keys are dropped.
    void SetIgnoreClicks(bool ignore) { ignoreClicks_ = ignore; }
    bool GetIgnoreClicks() const { return ignoreClicks_; }
    // Both ends included.
    bool MouseInRect(const tagRECT* rect) const;

    // Records an event of the main window (keys, the left button, mouse moves).
    void Record(const GEvent& event);
    // Focus lost: keys and the button recorded so far are dropped and the button is let go.
    void ClearHeldInput();

private:
    bool mouseMovesEaten_ = false;
    bool ignoreClicks_ = false;
    // After a focus loss, until the next Process: only presses recorded since count.
    bool dropStale_ = false;
    std::array<bool, 256> freshKeys_ {};
    int freshPresses_ = 0;
};

CInput* GetInput();
