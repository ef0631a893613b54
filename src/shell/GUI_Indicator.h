#pragma once
// LED gauges of values between 0 and 1: the labelled indicator bound to a named value or
// an attribute, and the two unlabelled value bars.
#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/GUI_BaseElement.h"
#include "mainscreen/GUI_ChangeNotifier.h"
#include "sim/SIM_Screens.h"

#include <memory>
#include <string>
#include <vector>

class GUI_Tooltip;
class SIM_Attribute;
class SIM_NamedValue;

// A labelled strip of green, yellow and red LEDs lit in proportion to a value. An
// indicator made for an attribute is bound to it both ways: deleting either unhooks the
// other, so the day pass never reaches a deleted indicator and the indicator never reads
// a deleted attribute.
class GUI_Indicator : public GUI_BaseElement, public SIM_IndicatorView {
public:
    enum LEDCOLOUR { LED_GREEN = 0, LED_YELLOW = 1, LED_RED = 2 };
    static constexpr float kLedPitch = 5.0f;

    static GUI_Indicator* Create(SIM_Attribute* attribute);
    static GUI_Indicator* CreateNV(SIM_NamedValue* value);
    ~GUI_Indicator() override;

    void Draw() override;
    virtual bool CheckClick(float x, float y);
    void Highlight() { highlighted_ = true; }
    bool IsHighlighted() const { return highlighted_; }
    static void UnhighlightAll();
    void UpdateTooltip();

    SIM_Attribute* GetOwner() const { return GetAttribute(); }
    // The value shown, within the track (0..1); 0 once an attribute is gone.
    float GetValue() const;
    const std::string& GetLabel() const { return label_; }
    GUI_Tooltip* GetTooltip() const { return tip_.get(); }
    GUI_ChangeNotifier& GetNotifier() { return notifier_; }
    bool IsNamedValue() const { return namedValue_; }

    // SIM_IndicatorView: where the attribute's change notice goes.
    float GetX() const override { return float(rect.left); }
    float GetCenterY() const override { return GUI_BaseElement::GetCenterY(); }
    void ShowChange(float change, float x, float y, bool highIsGood) override;

    // The LEDs of a strip of the given width: how many there are, how many a value lights
    // (at least one, at most all) and the colour of each.
    static int LedCount(float width);
    static int LitLeds(float width, float value);
    static LEDCOLOUR LedColour(int index, int count);

    // Every live indicator.
    static std::vector<GUI_Indicator*> All;

private:
    GUI_Indicator(SIM_NamedValue* value, bool namedValue, const std::string& tip, int delay);

    SIM_NamedValue* value_ = nullptr; // a plain named value; attributes are read through the binding
    std::unique_ptr<GUI_Tooltip> tip_;
    bool namedValue_ = false;
    std::string label_;
    bool highlighted_ = false;
    GUI_ChangeNotifier notifier_;
    CTexturedSprite leds_[3];
    float tipValue_ = -99.0f;
};

// The two unlabelled bar styles, drawn at a point for a value (clamped to 0..1).
class GUI_ValueBar {
public:
    static constexpr float kSmallWidth = 117.0f;
    static constexpr float kSmallHeight = 14.0f;
    static constexpr int kSmallLeds = 29;
    static constexpr float kSmallLedWidth = 4.0f;

    // An LED strip 117 x 14 with its top left at (x, y).
    static void DrawSmallBar(float x, float y, float value);
    // A fader 234 x 28 with its top left at (x, y) and its knob along the track.
    static void DrawBigBar(float x, float y, float value);

    // The lit LEDs of the small bar and the big bar's knob centre.
    static int SmallBarLeds(float value);
    static float BigBarKnobX(float x, float value);
};

// A value for a track: NaN reads 0, everything else is kept within 0..1.
float GUI_ClampToTrack(float value);
