// Indicators and value bars: how many LEDs a value lights and in which colours, the bars'
// clamping to their track, and the two-way binding between an indicator and its attribute.
#include "support/TestSupport.h"

#include "shell/GUI_Indicator.h"
#include "shell/GUI_Tooltip.h"
#include "sim/SIM_Attribute.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(IndicatorLeds, LitLedsAndTheirColours)
{
    struct Case {
        float width, value;
        int count, lit, green, yellow, red;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {174, 0.0f, 32, 1, 1, 0, 0},   // nothing still lights one green LED
        {174, 0.5f, 32, 16, 16, 0, 0},
        {174, 0.9f, 32, 28, 22, 5, 1},
        {174, 1.0f, 32, 32, 22, 5, 5},
        {174, 7.0f, 32, 32, 22, 5, 5}, // beyond the track: clamped
        {174, -3.0f, 32, 1, 1, 0, 0},
        {174, nan, 32, 1, 1, 0, 0},
        {14, 0.5f, 0, 0, 0, 0, 0},     // no room for a single LED
        {-20, 0.5f, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "width " << c.width << " value " << c.value);
        EXPECT_EQ(GUI_Indicator::LedCount(c.width), c.count);
        const int lit = GUI_Indicator::LitLeds(c.width, c.value);
        EXPECT_EQ(lit, c.lit);
        int colours[3] = {};
        for (int i = 0; i < lit; ++i)
            ++colours[GUI_Indicator::LedColour(i, c.count)];
        EXPECT_EQ(colours[GUI_Indicator::LED_GREEN], c.green);
        EXPECT_EQ(colours[GUI_Indicator::LED_YELLOW], c.yellow);
        EXPECT_EQ(colours[GUI_Indicator::LED_RED], c.red);
    }
}

TEST(ValueBars, ClampToTheirTrack)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        float value;
        int leds;
        float knob;
    } cases[] = {
        {0.0f, 0, 20.0f}, {0.5f, 14, 116.0f}, {1.0f, 29, 212.0f},
        {-1.0f, 0, 20.0f}, {2.5f, 29, 212.0f}, {nan, 0, 20.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(GUI_ValueBar::SmallBarLeds(c.value), c.leds);
        EXPECT_FLOAT_EQ(GUI_ValueBar::BigBarKnobX(0.0f, c.value), c.knob);
    }
    EXPECT_FLOAT_EQ(GUI_ValueBar::SmallBarLeds(1.0f) * GUI_ValueBar::kSmallLedWidth, 116.0f);
}

class IndicatorBinding : public SandboxTest {};

TEST_F(IndicatorBinding, DeletingTheIndicatorUnhooksTheAttribute)
{
    SIM_Attribute attribute("inspiration", "Inspiration", 0.456f);
    attribute.SetHighGood(true);
    GUI_Indicator* indicator = GUI_Indicator::Create(&attribute);
    EXPECT_EQ(attribute.GetIndicator(), indicator);
    EXPECT_EQ(indicator->GetOwner(), &attribute);
    EXPECT_EQ(indicator->GetLabel(), "Inspiration");
    indicator->UpdateTooltip();
    EXPECT_EQ(indicator->GetTooltip()->GetText(), "(46%)");

    // A change shows on the indicator's notice.
    indicator->SetPosition(100.0f, 200.0f, 274.0f, 239.0f);
    attribute.AddEffect(-0.25f, 1.0f, "test");
    EXPECT_TRUE(indicator->GetNotifier().IsActive());
    EXPECT_EQ(indicator->GetNotifier().GetText(), "-25");
    EXPECT_FALSE(indicator->GetNotifier().IsGood());

    delete indicator;
    EXPECT_EQ(attribute.GetIndicator(), nullptr);
    EXPECT_TRUE(GUI_Indicator::All.empty());
    attribute.AddEffect(0.1f, 1.0f, "after"); // reaches no indicator
}

TEST_F(IndicatorBinding, DeletingTheAttributeUnhooksTheIndicator)
{
    auto* attribute = new SIM_Attribute("live_experience", "Live experience", 0.7f);
    GUI_Indicator* indicator = GUI_Indicator::Create(attribute);
    EXPECT_FLOAT_EQ(indicator->GetValue(), 0.7f);
    delete attribute;
    EXPECT_EQ(indicator->GetOwner(), nullptr);
    EXPECT_FLOAT_EQ(indicator->GetValue(), 0.0f);
    // A click on it is taken and reaches nothing.
    indicator->SetPosition(0.0f, 0.0f, 174.0f, 39.0f);
    EXPECT_TRUE(indicator->CheckClick(80.0f, 20.0f));
    delete indicator;
}

TEST_F(IndicatorBinding, ANewIndicatorTakesTheAttributeFromTheOld)
{
    SIM_Attribute attribute("attrib_vocals", "Vocals", 0.3f);
    GUI_Indicator* first = GUI_Indicator::Create(&attribute);
    GUI_Indicator* second = GUI_Indicator::Create(&attribute);
    EXPECT_EQ(attribute.GetIndicator(), second);
    EXPECT_EQ(first->GetOwner(), nullptr);
    delete first; // must not unhook the second
    EXPECT_EQ(attribute.GetIndicator(), second);
    delete second;
    EXPECT_EQ(attribute.GetIndicator(), nullptr);
}

TEST_F(IndicatorBinding, NamedValueIndicatorKeepsItsTip)
{
    SIM_NamedValue value("quality", "Sound quality of the recording", 0.4f);
    GUI_Indicator* indicator = GUI_Indicator::CreateNV(&value);
    EXPECT_TRUE(indicator->IsNamedValue());
    EXPECT_EQ(indicator->GetLabel(), "Sound quality o...");
    indicator->UpdateTooltip();
    EXPECT_EQ(indicator->GetTooltip()->GetText(), "Sound quality of the recording");
    EXPECT_EQ(indicator->GetTooltip()->GetDelay(), 40);
    EXPECT_FLOAT_EQ(indicator->GetValue(), 0.4f);
    delete indicator;
}
