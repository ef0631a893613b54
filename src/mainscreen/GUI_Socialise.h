#pragma once
// The night out with the band: a full-screen picture, a text and the two effects the
// evening has on the band's stress and hype. Continuing pays for the evening, applies the
// effects and ends the day, once, before the screen fades away.
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>

class GUI_ButtonText;

class GUI_Socialise : public GUI_WindowBase {
public:
    static GUI_WindowSlot<GUI_Socialise> PTheWindow;

    // Closes the open screen (committing nothing) and opens a new one.
    static GUI_Socialise* Create();
    // The continue button: commits the evening, then fades out to Close.
    static void Finish(intptr_t);
    // Deletes the open screen, if any.
    static void Close(intptr_t);

    void Draw() override;
    // The screen holds the keys while it is up; none of them does anything.
    void HandleKey(unsigned int) override {}

    const std::string& GetStressLine() const { return stressLine_; }
    const std::string& GetHypeLine() const { return hypeLine_; }
    GUI_ButtonText* GetContinueButton() const { return continue_; }
    bool IsCommitted() const { return committed_; }

private:
    GUI_Socialise();

    GUI_ButtonText* continue_ = nullptr; // owned through the button list
    std::string title_;
    std::string text_;
    std::string stressLine_;
    std::string hypeLine_;
    CTexturedSprite picture_;
    bool committed_ = false;
};
