#pragma once
// The end-of-game verdict: when the career's last day comes, a modal screen rates the
// band's fame and fortune on two LED bars with a verdict for each, shows the gigs played
// and the total audience, and lets the player end the game or play on. Its buttons show,
// and only then work, after three seconds.
#include "engine/GTimer.h"
#include "engine/gfx/BaseSprite.h"
#include "port/AudioBackend.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>

class GUI_ButtonText;

class GUI_EndGame : public GUI_WindowBase {
public:
    static constexpr float kButtonDelayMs = 3000.0f;
    static constexpr int kLeds = 120;

    GUI_EndGame();
    void Activate();
    void Deactivate();
    void ChooseText();
    void Draw() override;
    void DrawBar(float x, float y, float fraction);
    // Puts the verdict away at once (a new or loaded game): sound and music as before it.
    void Clear();

    static void MainMenu(intptr_t);
    static void Continue(intptr_t);

    bool IsActive() const { return active_; }
    float GetFameFraction() const { return fameFraction_; }
    float GetFortuneFraction() const { return fortuneFraction_; }
    const std::string& GetFameVerdict() const { return fameVerdict_; }
    const std::string& GetFortuneVerdict() const { return fortuneVerdict_; }
    const std::string& GetFameValue() const { return fameValue_; }
    const std::string& GetFortuneValue() const { return fortuneValue_; }
    const std::string& GetCrowdSound() const { return crowdSound_; }
    GUI_ButtonText* GetMainMenuButton() const { return mainMenu_; }
    GUI_ButtonText* GetContinueButton() const { return continue_; }

    // How many of the 120 LEDs a fraction lights (at least one), and the texture of LED i.
    static int LitLeds(float fraction);
    static const char* LedTexture(int led, int lit);
    // A fraction of a maximum, 0 to 1; no number gives 0.
    static float Fraction(double value, double maximum);

private:
    void Leave();

    GUI_ButtonText* mainMenu_ = nullptr; // owned through the button list
    GUI_ButtonText* continue_ = nullptr;
    CTexturedSprite picture_;
    CTexturedSprite led_;
    bool active_ = false;
    AudioChannel crowd_;
    std::string crowdSound_;
    GTimer timer_;
    std::string title_, text_, fameVerdict_, fortuneVerdict_, fameLabel_, fortuneLabel_, fameValue_,
        fortuneValue_, gigsLabel_, gigsValue_, audienceLabel_, audienceValue_;
    float fameFraction_ = 0.0f;
    float fortuneFraction_ = 0.0f;
};

GUI_EndGame* GUI_GetEndGame();
