#pragma once
// The full screen shown instead of the gig when members failed to turn up: it names them,
// and its one way out, Continue, ends the day.
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>
#include <vector>

class GUI_ButtonText;
class SIM_Performance;

class GUI_CancelledGig : public GUI_WindowBase {
public:
    // Asserts that a performance is given; closes the open screen first.
    static void Create(SIM_Performance* performance);
    // Continue: fade out, then Close.
    static void Finish(intptr_t);
    // Closes the open screen and ends the day; nothing when none is open.
    static void Close(intptr_t);

    ~GUI_CancelledGig() override;
    void Draw() override;
    // Every key is the screen's and none does anything: the day ends only by Continue.
    void HandleKey(unsigned int) override {}

    const std::vector<std::string>& GetMissedNames() const { return missed_; }
    GUI_ButtonText* GetContinueButton() const { return continue_; }
    // The y of each name and of the footer, as drawn.
    static float NameY(size_t index) { return 280.0f + 30.0f * float(index); }
    static float FooterY(size_t names) { return NameY(names) + 50.0f; }

    static GUI_WindowSlot<GUI_CancelledGig> PTheWindow;

private:
    explicit GUI_CancelledGig(const SIM_Performance* performance);

    std::string text_;
    std::string title_;
    std::string footer_;
    GUI_ButtonText* continue_ = nullptr;
    // The absent members' names, copied: the performance may go with a new game.
    std::vector<std::string> missed_;
    bool leaving_ = false;
};
