#pragma once
// The yearly review: at each year's end a modal full-screen summary of the band's
// statistics and a portrait of each musician, to a small crowd's applause. While it is
// up the music is paused and the play clock stands; continuing brings both back.
#include "engine/GTimer.h"
#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/SmartTexture.h"
#include "port/AudioBackend.h"
#include "port/Rect.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>

class GUI_ButtonText;
class SIM_Musician;

// One musician's portrait on the review: the picture inside a thin white frame.
class GUI_ReviewPortrait : public GUI_WindowBase {
public:
    explicit GUI_ReviewPortrait(SIM_Musician* musician);
    void Draw() override;
    const CTexturedSprite& GetPicture() const { return picture_; }

private:
    BaseSprite frame_;
    CTexturedSprite picture_;
};

class GUI_YearlyReview : public GUI_WindowBase {
public:
    static constexpr float kButtonDelayMs = 2000.0f;

    GUI_YearlyReview();
    void Activate();
    void Deactivate();
    void Populate();
    void Draw() override;
    void DrawStatistic(float x, float y, int value, const std::string& label);
    // Puts the review away at once (a new or loaded game): sound and music as before it.
    void Clear();
    static void Continue(intptr_t);

    bool IsActive() const { return active_; }
    const std::string& GetSummary() const { return summary_; }
    const tagRECT& GetPanel() const { return panel_; }
    GUI_ButtonText* GetContinueButton() const { return continue_; }

    // The summary text for a band and its count of completed years.
    static std::string Summary(const std::string& bandName, int years);

private:
    GUI_ButtonText* continue_ = nullptr; // owned through the button list
    bool active_ = false;
    AudioChannel applause_;
    GTimer timer_;
    std::string labels_[8];
    std::string summary_;
    tagRECT panel_ {};
    SmartTexture background_;
};

GUI_YearlyReview* GUI_GetYearlyReview();
