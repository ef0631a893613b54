#pragma once
// Every change of screen fades to black and back through here; a fade to black runs the
// deferred actions of a screen change in its last, fully black frame.
#include "engine/GTimer.h"
#include "shell/GUI_Callback.h"

#include <cstddef>
#include <utility>
#include <vector>

class GUI_ScreenFader {
public:
    enum TYPE { NONE = 0, FADE_OUT = 1, FADE_IN = 2 };
    static constexpr float FADETIME = 150.0f;

    // Starts (or restarts) a fade. A fade that replaces another keeps the callbacks still
    // pending: a callback identical to a pending one (same function and argument) is
    // merged, different ones run in the order they were asked for.
    void StartFade(TYPE type, GUI_Callback callback = nullptr, intptr_t argument = 0);
    // Drops every pending call of this function (a newer mode switch replaces an older one).
    void CancelCallback(GUI_Callback callback);
    // Once per frame, after the current mode has drawn.
    void Draw();

    TYPE GetType() const { return type_; }
    bool IsFading() const { return type_ != NONE; }
    // The darkness of the last drawn frame, 0 (clear) to 1 (black).
    float GetDarkness() const { return darkness_; }
    size_t PendingCallbacks() const { return pending_.size(); }

private:
    GTimer timer_;
    TYPE type_ = NONE;
    std::vector<std::pair<GUI_Callback, intptr_t>> pending_;
    float darkness_ = 0.0f;
};

GUI_ScreenFader* GUI_GetFader();
