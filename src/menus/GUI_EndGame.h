#pragma once
// The end-of-game verdict. Its screen comes with the story screens; until then it is never
// active and draws nothing.
class GUI_EndGame {
public:
    static bool IsActive() { return BActive; }
    static void Draw() {}
    static bool BActive;
};
