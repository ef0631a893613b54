#pragma once
// Choosing where the band rehearses: every rehearsal room as a card with its cost. Using
// one runs the whole rehearsal day at once, then the window fades to the rehearsal's
// result, which ends the day. Cancelling costs nothing and keeps the day.
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>
#include <vector>

class GUI_ButtonText;
class GUI_RehearsalVenue;
class SIM_Rehearsal;
class SIM_RehearsalVenue;

class GUI_Rehearsal : public GUI_WindowBase {
public:
    static GUI_WindowSlot<GUI_Rehearsal> PTheWindow;

    static void Create();
    // The cancel button and Escape: fade out to Finish; refused once a room was used.
    static void Cancel(intptr_t);
    // Closes the window without a rehearsal; the day goes on.
    static void Finish(intptr_t);
    // After a room was used: closes the window and opens the rehearsal's result.
    static void Close(intptr_t);

    void Draw() override;
    void HandleKey(unsigned int key) override;
    // Runs the rehearsal day in this room, once, then fades out to Close.
    void SetVenue(SIM_RehearsalVenue* venue);

    const std::vector<GUI_RehearsalVenue*>& GetCards() const { return cards_; }
    const std::string& GetCashLine() const { return cashLine_; }
    bool IsCommitted() const { return committed_; }

private:
    GUI_Rehearsal();

    SIM_RehearsalVenue* venue_ = nullptr;
    SIM_Rehearsal* rehearsal_ = nullptr;
    std::string title_;
    std::vector<GUI_RehearsalVenue*> cards_; // child windows, owned through the child list
    GUI_ButtonText* cancel_ = nullptr;       // owned through the button list
    std::string cashLine_;
    bool committed_ = false;
    bool cancelling_ = false;
};

// One rehearsal room on the chooser.
class GUI_RehearsalVenue : public GUI_WindowBase {
public:
    explicit GUI_RehearsalVenue(SIM_RehearsalVenue* venue);
    void Draw() override;
    static void Use(intptr_t card);

    SIM_RehearsalVenue* GetVenue() const { return venue_; }
    GUI_ButtonText* GetUseButton() const { return use_; }
    const std::string& GetCostText() const { return costText_; }

private:
    SIM_RehearsalVenue* venue_ = nullptr;
    CTexturedSprite picture_;
    std::string name_;
    std::string description_;
    std::string costText_;
    GUI_ButtonText* use_ = nullptr; // owned through the button list
};
