#pragma once
// The mixing desk that follows the new-album screen: one fader strip per musician, each
// with a hidden ideal level. Finishing changes each musician's motivation by how loud
// they were set against the others, records a day in the studio, sets the album's mix
// from the faders, releases it and ends the day.
#include "engine/V2.h"
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_WindowBase.h"

#include <array>
#include <cstdint>

class GUI_ButtonText;
class SIM_Album;
class SIM_Musician;

// One musician's fader strip, with the happiness LEDs beside it and the portrait above.
class GUI_MusicianMixer : public GUI_WindowBase {
public:
    static constexpr float kTravel = 400.0f;
    static constexpr int kHappyLeds = 20;

    GUI_MusicianMixer();
    void Draw() override;
    bool CheckClick(float x, float y) override;

    void SetMusician(SIM_Musician* musician);
    // Happiness and quality from the level and the other strips' levels.
    void Recalculate();
    float GetQuality() const { return quality_; }
    float GetHappiness() const { return happiness_; }
    SIM_Musician* GetMusician() const { return musician_; }
    float GetLevel() const { return level_; }
    float GetTarget() const { return target_; }
    void SetLevel(float level) { level_ = level; }
    void SetTarget(float target) { target_ = target; }
    bool IsDragging() const { return dragging_; }
    const CTexturedSprite& GetKnob() const { return knob_; }
    const CTexturedSprite& GetStrip() const { return strip_; }
    const CTexturedSprite& GetPortrait() const { return portrait_; }
    // Lit LEDs of the upper (green) and lower (red) happiness columns for a happiness.
    static int GreenLeds(float happiness);
    static int RedLeds(float happiness);

private:
    void PlaceStrip();
    void DrawHappiness();
    SIM_Musician* musician_ = nullptr; // not owned
    CTexturedSprite strip_;
    CTexturedSprite knob_;
    CTexturedSprite portrait_;
    BaseSprite frame_;
    bool dragging_ = false;
    V2 dragOffset_;
    float level_;
    CTexturedSprite red_;
    CTexturedSprite green_;
    CTexturedSprite black_;
    float quality_ = 0.0f;
    float happiness_ = 0.0f;
    float target_;
};

class GUI_CDMixer : public GUI_WindowBase {
public:
    static constexpr int kMixers = 5;
    static constexpr int kQualityRows = 76;
    static GUI_WindowSlot<GUI_CDMixer> PTheWindow;

    static void Create(SIM_Album* album);
    static void Finish(intptr_t);
    static void Close(intptr_t);

    explicit GUI_CDMixer(SIM_Album* album);
    ~GUI_CDMixer() override;
    void Draw() override;
    void HandleKey(unsigned int) override {}

    // The mean quality of the strips that have a musician (0 with none).
    float GetQuality() const;
    // Lit rows of the quality read-out for a quality.
    static int LitRows(float quality);
    GUI_MusicianMixer* GetMixer(int i) const { return mixers_[i]; }
    GUI_ButtonText* GetFinishButton() const { return finish_; }
    SIM_Album* GetAlbum() const { return album_; }
    bool IsCommitted() const { return committed_; }

private:
    void Populate();
    void FinishCD();
    void DrawQuality();
    // The strips are child windows, deleted with the desk.
    std::array<GUI_MusicianMixer*, kMixers> mixers_ {};
    GUI_ButtonText* finish_ = nullptr; // owned through the button list
    CTexturedSprite readout_;
    SIM_Album* album_; // the album's class owns it
    bool committed_ = false;
};
