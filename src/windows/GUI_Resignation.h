#pragma once
// The full-screen notice that a musician has left the band: the portrait crossed out, who
// left and the fame the band lost. It comes before the new day's page and never uses the
// day.
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>

class GUI_ButtonText;
class SIM_Musician;

class GUI_Resignation : public GUI_WindowBase {
public:
    // Replaces any open notice with one for this musician (a null musician is reported
    // and shows nothing).
    static void Create(SIM_Musician* musician, float fameLoss);
    // Continue: fades out to Close; a second press does nothing.
    static void OK(intptr_t);
    // Closes the open notice, if any; the day's page held back for it comes next.
    static void Close(intptr_t);

    ~GUI_Resignation() override;
    void Draw() override;
    // Read first: no key (Escape included) puts the notice away.
    void HandleKey(unsigned int) override {}

    // The fame line: the label, a blank, a minus and the loss as a whole number.
    static std::string EffectLine(float fameLoss);

    const std::string& GetTitle() const { return title_; }
    const std::string& GetText() const { return text_; }
    const std::string& GetEffectLine() const { return effect_; }
    const CTexturedSprite& GetPortrait() const { return portrait_; }
    GUI_ButtonText* GetContinueButton() const { return continue_; }

    static GUI_WindowSlot<GUI_Resignation> PTheWindow;

private:
    GUI_Resignation(const SIM_Musician* musician, float fameLoss);

    GUI_ButtonText* continue_ = nullptr;
    // Copied from the musician: the notice reads nothing of the simulation once up.
    std::string title_;
    std::string text_;
    std::string effect_;
    CTexturedSprite portrait_;
    CTexturedSprite cross_;
    BaseSprite frame_;
    bool leaving_ = false;
};
