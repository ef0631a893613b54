#pragma once
// The one typed-name field of the game: every name the player types (the player's and the
// band's names, later save, album and song names) is edited through one of these. Each
// caller gives its capacity, the characters it accepts beyond letters and digits and its
// upper-case rule; keys arrive as Mac key codes. The caret blinks on the game clock.
#include "engine/GTimer.h"

#include <cstddef>
#include <string>

class GUI_NameField {
public:
    enum CASERULE {
        CASE_AS_TYPED = 0,      // letters as the key gives them, upper with Shift
        CASE_FIRST_OR_SHIFT = 1 // the first character and Shift give upper case
    };
    struct Rules {
        size_t capacity = 62;          // the most characters the field holds
        std::string extra = "'- ";     // accepted besides letters and digits
        CASERULE caseRule = CASE_FIRST_OR_SHIFT;
    };
    static constexpr float kCaretBlinkMs = 200.0f;

    GUI_NameField();
    explicit GUI_NameField(const Rules& rules);

    // Backspace removes the last character, forward delete empties the field, other keys
    // are typed. True when the key meant something to the field (even with no change).
    bool HandleKey(unsigned int key, bool shift);
    // Appends the character when it is accepted and there is room; true when appended.
    bool Type(char c, bool shift);
    void Backspace();
    void Clear() { text_.clear(); }
    // Replaces the text (a random name, a picked save name), cut to the capacity and with
    // the characters the field does not accept left out.
    void SetText(const std::string& text);

    const std::string& GetText() const { return text_; }
    size_t Length() const { return text_.size(); }
    bool IsFull() const { return text_.size() >= rules_.capacity; }
    // The name as the game keeps it: trailing blanks cut.
    std::string GetName() const;
    // Empty or made only of blanks: no name at all.
    bool IsBlank() const;
    bool Accepts(char c) const;
    const Rules& GetRules() const { return rules_; }

    // The caret: visible at first, flipping every 200 ms of the game clock.
    void RestartCaret();
    bool CaretVisible();
    // Fills the caret just right of x (a 3 x height bar at alpha 224) while it is visible.
    void DrawCaret(float x, float top, float height);

private:
    Rules rules_;
    std::string text_;
    GTimer caretTimer_;
    bool caretVisible_ = true;
};
