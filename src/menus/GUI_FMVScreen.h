#pragma once
// The caption screen: one line of story text on black (a random event's outcome, the
// record company's word after a gig), faded in over two seconds, closed by its button.
// Captions that arrive while one is up wait their turn: none is lost unseen.
#include "engine/GTimer.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <deque>
#include <string>

class GUI_ButtonText;

class GUI_FMVScreen : public GUI_WindowBase {
public:
    static constexpr float kButtonDelayMs = 3000.0f;
    static constexpr float kFadeInMs = 2000.0f;

    GUI_FMVScreen();
    // Shows the finished text (already translated and filled in), or queues it behind the
    // caption on screen.
    void Initialise(const char* text);
    void Initialise(const std::string& text) { Initialise(text.c_str()); }
    void Draw() override;
    // Puts the screen away with every waiting caption (a new or loaded game).
    void Clear();

    static void Continue(intptr_t);

    bool IsUp() const { return up_; }
    const std::string& GetText() const { return text_; }
    size_t Waiting() const { return waiting_.size(); }
    GUI_ButtonText* GetContinueButton() const { return continue_; }
    // The text's grey level at this many milliseconds after opening.
    static int GreyAt(double elapsedMs);

private:
    void Show(const std::string& text);

    std::string text_;
    std::deque<std::string> waiting_;
    GUI_ButtonText* continue_ = nullptr; // owned through the button list
    GTimer timer_;
    bool up_ = false;
};

GUI_FMVScreen* GUI_GetFMV();
