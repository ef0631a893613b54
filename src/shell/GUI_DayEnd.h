#pragma once
// Ends the day for the screens of a day's activity. A screen that finishes while a key or
// click is being handed on asks here, and the end-of-day pass runs once that input is
// done, so no window's callback is followed by a pass that opens and closes windows
// under it. Asked for outside input (a fade's callback, a test), the day ends at once.
// A new game or a load drops an end that is still waiting: it belonged to the last game.
class GUI_DayEnd {
public:
    static void Request();
    static bool IsPending();
    static void Drop();

    // Held by the in-game screen while it hands on one key or one click; the outermost
    // scope runs a requested end when it closes.
    class InputScope {
    public:
        InputScope();
        ~InputScope();
        InputScope(const InputScope&) = delete;
        InputScope& operator=(const InputScope&) = delete;
    };
};
