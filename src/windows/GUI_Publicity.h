#pragma once
// The full screen that shows how a publicity event went: its title and description, one
// panel per person who took part, the overall effect, the effects on the band and the
// reach, over a background of the event's kind. Continue is the one way out, and it ends
// the day, once.
#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/SmartTexture.h"
#include "port/AudioBackend.h"
#include "career/SIM_Publicity.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>
#include <vector>

class GUI_ButtonText;

// One person's part in the event: portrait, name, contribution and the traits that counted.
// It copies what it shows, so it never reaches back into the simulation. Every person has
// a portrait and a name, the player character included.
class GUI_Contribution : public GUI_WindowBase {
public:
    static constexpr float kSize = 160.0f;
    static constexpr float kPortrait = 100.0f;

    explicit GUI_Contribution(const SIM_PublicityEvent::Contribution* contribution);
    void Draw() override;

    // The contribution line: the label and 100 x the value, signed ("+0", "-25").
    static std::string ContributionText(float value);

    const std::string& GetName() const { return name_; }
    const std::string& GetText() const { return text_; }
    const std::vector<std::string>& GetReasons() const { return reasons_; }
    bool IsTooStressed() const { return tooStressed_; }
    const CTexturedSprite& GetPortrait() const { return portrait_; }

private:
    std::string name_;
    CTexturedSprite portrait_;
    CTexturedSprite cross_;
    BaseSprite frame_;
    std::string text_;
    std::vector<std::string> reasons_;
    bool tooStressed_ = false;
};

class GUI_Publicity : public GUI_WindowBase {
public:
    // What stands behind the results.
    enum BACKGROUND { BG_BLACK, BG_PRINT, BG_RADIO, BG_WEB, BG_FLYERS, BG_FLYPOSTING, BG_TELEVISION };

    GUI_Publicity();
    ~GUI_Publicity() override;

    // Fills the screen from a processed event and puts it up (a null event is reported
    // and shows nothing).
    void Initialise(SIM_PublicityEvent* event);
    // The continue button: fades out to Close; a second press does nothing.
    static void Continue(intptr_t);
    // Takes the screen down and ends the day; nothing when the screen is not leaving.
    static void Close(intptr_t);

    void Draw() override;
    // The screen holds the keys while up, and none of them leaves it.
    void HandleKey(unsigned int) override {}

    bool IsUp() const;
    BACKGROUND GetBackground() const { return background_; }
    static BACKGROUND BackgroundFor(const std::string& typeName);
    // The texture of a picture background; empty for the others.
    std::string GetBackgroundTexture() const;
    const std::string& GetTitle() const { return title_; }
    const std::string& GetDescription() const { return description_; }
    const std::string& GetEffectLine() const { return effectLine_; }
    const std::string& GetEffectsLine() const { return effectsLine_; }
    const std::string& GetReachLine() const { return reachLine_; }
    GUI_ButtonText* GetContinueButton() const { return continue_; }
    std::vector<GUI_Contribution*> GetPanels() const;

    // The effect line: the label, a sign and 100 x the effect.
    static std::string EffectLine(float effect, float effectiveness);
    // The effects on the band's motivation and stress, from the type's modifiers.
    static std::string EffectsLine(const SIM_PublicityEventType* type);

private:
    void ComposeDescription(const SIM_PublicityEventType* type);
    void ComposeEffects(const SIM_PublicityEventType* type);
    void Populate(const SIM_PublicityEvent* event);
    void PrepareBackground();
    // Stops the event's sound and gives the music back.
    void Silence();

    GUI_ButtonText* continue_ = nullptr;
    std::string typeName_;
    std::string title_;
    std::string effectsLine_;
    std::string description_;
    std::string effectLine_;
    std::string reachLine_;
    std::string soundName_;
    SmartTexture picture_;
    BACKGROUND background_ = BG_BLACK;
    AudioChannel channel_;
    bool musicMuted_ = false;
    bool leaving_ = false;
};

// The screen, created on first use; a new game that closes it while up makes the next
// use create it again.
GUI_Publicity* GUI_GetPublicity();
