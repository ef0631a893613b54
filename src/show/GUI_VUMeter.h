#pragma once
// The needle meter of one aspect of a gig: the needle rests at the aspect's value and
// trembles just above it, a value below the crisis level tints the meter red, and the
// aspect's name stands beneath with a tool tip over the meter.
#include "engine/GTimer.h"
#include "engine/V2.h"
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_WindowBase.h"

#include <memory>
#include <string>

class GUI_Tooltip;

class GUI_VUMeter : public GUI_WindowBase {
public:
    static constexpr float kTrembleAmount = 0.02f;
    static constexpr float kNeedleHalfLength = 63.0f;

    // The texts are already translated.
    GUI_VUMeter(float value, const char* label, const char* tooltip);
    ~GUI_VUMeter() override;

    void Draw() override;
    void ProcessInput() override;
    void StartOscillation();
    void DrawNeedle(float value);
    void DrawLabel();

    float GetValue() const { return value_; }
    float GetTremblePeriod() const { return period_; }
    const CTexturedSprite& GetMeter() const { return meter_; }
    const CTexturedSprite& GetNeedle() const { return needle_; }
    const std::string& GetLabel() const { return label_; }
    GUI_Tooltip* GetTooltip() const { return tooltip_.get(); }
    // The needle's angle (degrees, 0 straight up) at a shown value, clipped to the meter.
    static float NeedleAngle(float value);
    // Where the needle's centre stands for a pivot and a value.
    static V2 NeedleCentre(V2 pivot, float value);
    // The value the needle shows for a value and a tremble of 0..1.
    static float ShownValue(float value, float tremble);
    // The tremble at this point of its period (0..1).
    static float TrembleAt(float elapsedMs, float periodMs);

private:
    float value_ = 0;
    CTexturedSprite meter_;
    CTexturedSprite needle_;
    std::string label_;
    GTimer timer_;
    float tremble_ = 0;
    float period_ = 1000.0f;
    std::unique_ptr<GUI_Tooltip> tooltip_;
    CTexturedSprite strip_;
};
