#pragma once
// The small box beside an indicator bar that shows for a few seconds by how much its
// attribute has just changed, green when the change is good and red when it is bad.
#include "engine/GTimer.h"
#include "port/Rect.h"

#include <string>

class GUI_ChangeNotifier {
public:
    static constexpr double kShowMs = 4500.0;

    // Starts (or restarts) the notice of a change at the point (x, y).
    void Initialise(float change, float x, float y, bool goodIfPositive);
    void Draw();

    bool IsActive() const { return active_; }
    bool IsGood() const { return good_; }
    const std::string& GetText() const { return text_; }
    const tagRECT& GetBox() const { return box_; }
    // Opacity t milliseconds after the start: fades in for 0.5 s, holds at 0.85, fades out
    // over the last 0.5 s of the 4.5 s.
    static float Opacity(double t);

private:
    GTimer timer_;
    std::string text_;
    tagRECT box_ {};
    tagRECT tick_ {};
    bool good_ = true;
    float value_ = 0.0f;
    bool active_ = false;
};
