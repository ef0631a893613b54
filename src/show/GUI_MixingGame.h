#pragma once
// The mixing game: a one-minute full-screen game of a day in the recording studio. Eight
// faders each have a hidden target level and a partner; a fader scores by how close the
// ratio of its level to its partner's comes to the ratio of their targets. When the
// minute is up the album in development gets a studio day of that quality, and finishing
// ends the day.
#include "engine/GTimer.h"
#include "engine/V2.h"
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_WindowBase.h"

#include <array>
#include <cstdint>
#include <string>

class GUI_ButtonText;

// One fader: a strip, a knob the player drags, and quality LEDs that pulse.
class GUI_Mixer : public GUI_WindowBase {
public:
    enum MIXERSTYLE { MIXERSTYLE_LINKED = 0, MIXERSTYLE_NONE = 1 };
    static constexpr float kKnobWidth = 30.0f;
    static constexpr float kKnobHeight = 53.0f;

    GUI_Mixer();
    void Setup(GUI_Mixer* partner, float ratio, MIXERSTYLE style, float target);
    void Draw() override;
    bool CheckClick(float x, float y) override;

    // 1 - |position / partner's position - ratio|, within 0..1; 0 against a silent partner.
    float GetQuality() const;
    float GetMixerPosition() const { return position_; }
    void SetMixerPosition(float p) { position_ = p; }
    GUI_Mixer* GetPartner() const { return partner_; }
    float GetRatio() const { return ratio_; }
    float GetTarget() const { return target_; }
    bool IsDragging() const { return dragging_; }
    // Where the knob's centre sits now.
    V2 KnobCentre() const;

private:
    void DrawLeds();

    float position_ = 0.5f;
    CTexturedSprite strip_;
    CTexturedSprite knob_;
    bool dragging_ = false;
    V2 dragOffset_;
    float ratio_ = 1.0f;
    GUI_Mixer* partner_ = nullptr;
    MIXERSTYLE style_ = MIXERSTYLE_LINKED;
    float target_ = 0.5f;
    GTimer pulseTimer_;
    float pulse_ = 1.0f;
};

class GUI_MixingGame : public GUI_WindowBase {
public:
    static constexpr int kFaders = 8;
    static constexpr float kGameMs = 60000.0f;
    static constexpr int kTimerBlocks = 126;

    static void Create();
    ~GUI_MixingGame() override;
    void Draw() override;

    // The mean fader quality a, scored 0.25 min(a, 0.5) + 1.5 max(a - 0.5, 0).
    float GetQuality() const;
    static float QualityOf(float meanFaderQuality);
    bool Started() const { return started_; }
    bool Finished() const { return finished_; }
    const std::string& GetResultText() const { return result_; }
    GUI_Mixer* GetFader(int i) const { return faders_[size_t(i)]; }
    GUI_ButtonText* GetStartButton() const { return start_; }
    GUI_ButtonText* GetFinishButton() const { return finish_; }
    bool IsCommitted() const { return committed_; }
    // Links every fader to a partner other than itself, none shared; false when the
    // random picks left a fader with no candidate.
    bool LinkFaders();

    static void Start(intptr_t);
    static void Finish(intptr_t);
    static void Close(intptr_t);

    static GUI_WindowSlot<GUI_MixingGame> PTheWindow;

private:
    GUI_MixingGame();
    void Populate();
    void EndTimer();
    void DrawTimer();
    void DrawQualityLeds();

    std::string result_;
    GUI_ButtonText* finish_ = nullptr;
    GUI_ButtonText* start_ = nullptr;
    GTimer timer_;
    bool finished_ = false;
    std::array<GUI_Mixer*, kFaders> faders_ {};
    CTexturedSprite readout_;
    std::array<float, kFaders> targets_ {};
    bool started_ = false;
    bool committed_ = false;
};

// The LED texture of a row of a meter: green, yellow from 0.7 and red from 0.85 of the
// rows while lit, black from the first unlit row.
const char* GUI_MixerLedTexture(int row, int rows, int lit);
