#pragma once
// A night out watching a rival band: opening the screen is the visit (the ticket, the
// unlocked song element and the inspiration are given at once), then the band's logo
// grows in to its music and the texts type themselves out. Every way out ends the day.
#include "engine/GTimer.h"
#include "engine/gfx/BaseSprite.h"
#include "port/AudioBackend.h"
#include "shell/GUI_Dialog.h"

#include <cstdint>
#include <string>

class GUI_ButtonText;
class GUI_IconButton;
class SIM_OtherGig;

class GUI_OtherGig : public GUI_Dialog {
public:
    static constexpr float kTextDelay = 2000.0f;    // ms of logo alone
    static constexpr float kLogoFadeTime = 3000.0f; // ms until the logo stands at full size

    // Asserts that a gig is given; closes the open screen first.
    static void Create(SIM_OtherGig* gig);
    // The finish button, the close button and Escape: closes the open screen at once and
    // ends the day; nothing when none is open.
    static void Close(intptr_t);

    ~GUI_OtherGig() override;
    void Draw() override;
    void HandleKey(unsigned int key) override;

    // The logo's opacity (0..1) and scale at t ms.
    static float LogoFade(double t);
    static float LogoScale(double t) { return 0.75f + 0.25f * LogoFade(t); }
    // How many characters of text are shown at t ms (none before the two-second mark).
    static int TextLimit(double t);

    const std::string& GetDescription() const { return description_; }
    const std::string& GetUnlockedText() const { return unlockedText_; }
    const std::string& GetElementName() const { return elementName_; }
    // "Inspiration  +12"
    const std::string& GetInspirationLine() const { return inspirationLine_; }
    GUI_ButtonText* GetFinishButton() const { return finish_; }
    GUI_IconButton* GetCloseIcon() const { return close_; }
    const CTexturedSprite& GetLogo() const { return logo_; }
    double GetElapsed() const { return timer_.GetElapsed(); }
    // The y where the inspiration line is drawn.
    float InspirationY() const { return unlockedText_.empty() ? 480.0f : 530.0f; }

    static GUI_WindowSlot<GUI_OtherGig> PTheWindow;

private:
    explicit GUI_OtherGig(SIM_OtherGig* gig);

    AudioChannel music_ {};
    GUI_ButtonText* finish_ = nullptr;
    GUI_IconButton* close_ = nullptr;
    std::string description_;
    std::string unlockedText_;
    std::string elementName_;
    std::string inspirationLine_;
    CTexturedSprite logo_;
    GTimer timer_;
    CTexturedSprite postit_;
    CTexturedSprite notes_;
};
