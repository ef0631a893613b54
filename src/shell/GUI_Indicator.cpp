#include "shell/GUI_Indicator.h"

#include "engine/LibTextEngine.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "shell/GUI_TextureCache.h"
#include "shell/GUI_Tooltip.h"
#include "shell/Input.h"
#include "sim/SIM_Attribute.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

const char* const kLedTextures[3] = {"ind_led_green.bmp", "ind_led_yellow.bmp", "ind_led_red.bmp"};
constexpr float kLedWidth = 5.0f;
constexpr float kLedHeight = 15.0f;
constexpr size_t kLabelLength = 15;

} // namespace

float GUI_ClampToTrack(float value)
{
    if (std::isnan(value))
        return 0.0f;
    return std::clamp(value, 0.0f, 1.0f);
}

std::vector<GUI_Indicator*> GUI_Indicator::All;

GUI_Indicator::GUI_Indicator(SIM_NamedValue* value, bool namedValue, const std::string& tip, int delay)
    : value_(namedValue ? value : nullptr), tip_(std::make_unique<GUI_Tooltip>(tip, delay)), namedValue_(namedValue)
{
    tip_->SetMode(GUI_Tooltip::PLACED);
    if (value)
        label_ = AddDots(value->GetGUIName(), kLabelLength);
    for (int i = 0; i < 3; ++i) {
        leds_[i].textureName = kLedTextures[i];
        leds_[i].width = kLedWidth;
        leds_[i].height = kLedHeight;
    }
    All.push_back(this);
}

GUI_Indicator* GUI_Indicator::Create(SIM_Attribute* attribute)
{
    auto* indicator = new GUI_Indicator(attribute, false, attribute ? attribute->GetDescription() : "", 20);
    if (attribute)
        attribute->SetIndicator(indicator);
    return indicator;
}

GUI_Indicator* GUI_Indicator::CreateNV(SIM_NamedValue* value)
{
    return new GUI_Indicator(value, true, value ? value->GetGUIName() : "", 40);
}

GUI_Indicator::~GUI_Indicator()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
    // ~SIM_IndicatorView then takes this indicator off its attribute.
}

float GUI_Indicator::GetValue() const
{
    if (namedValue_)
        return value_ ? GUI_ClampToTrack(value_->GetValue()) : 0.0f;
    const SIM_Attribute* attribute = GetAttribute();
    return attribute ? GUI_ClampToTrack(attribute->GetValue()) : 0.0f;
}

void GUI_Indicator::ShowChange(float change, float x, float y, bool highIsGood)
{
    notifier_.Initialise(change, x, y, highIsGood);
}

int GUI_Indicator::LedCount(float width)
{
    const float n = (width - 14.0f) / kLedPitch;
    return n > 0.0f && std::isfinite(n) ? int(n) : 0;
}

int GUI_Indicator::LitLeds(float width, float value)
{
    const int n = LedCount(width);
    if (n == 0)
        return 0;
    return std::clamp(int(GUI_ClampToTrack(value) * float(n)), 1, n);
}

GUI_Indicator::LEDCOLOUR GUI_Indicator::LedColour(int index, int count)
{
    if (index >= int(0.85f * float(count)))
        return LED_RED;
    if (index < int(0.7f * float(count)))
        return LED_GREEN;
    return LED_YELLOW;
}

bool GUI_Indicator::CheckClick(float x, float y)
{
    if (!PtInside(x, y))
        return false;
    if (namedValue_) {
        if (value_)
            value_->Clicked();
    } else if (SIM_Attribute* attribute = GetAttribute()) {
        attribute->Clicked();
    }
    return true;
}

void GUI_Indicator::UnhighlightAll()
{
    for (GUI_Indicator* indicator : All)
        indicator->highlighted_ = false;
}

void GUI_Indicator::UpdateTooltip()
{
    if (namedValue_)
        return;
    char text[32];
    std::snprintf(text, sizeof text, "(%.0f%%)", double(GetValue()) * 100.0);
    tip_->SetText(text);
}

void GUI_Indicator::Draw()
{
    CInput* input = GetInput();
    const float value = GetValue();
    if (!input->IsMouseMovesEaten() && PtInside(input->MouseX(), input->MouseY()) && tip_) {
        if (value != tipValue_) {
            UpdateTooltip();
            tipValue_ = value;
        }
        tip_->Ping();
        if (!namedValue_)
            tip_->SetPosition(float(rect.left) - 40.0f, float(rect.top) + 2.0f);
    }
    D3DEngine* d3d = GetD3DEngine();
    if (highlighted_) {
        d3d->SetTexture(0, 0);
        d3d->FillRect(rect, 166u | 166u << 8 | 166u << 16 | 166u << 24);
    }
    tip_->Draw();
    const int count = LedCount(float(GetWidth()));
    const int lit = LitLeds(float(GetWidth()), value);
    for (int i = 0; i < lit; ++i) {
        CTexturedSprite& led = leds_[LedColour(i, count)];
        led.PlaceLocal(float(rect.left) + 11.0f + kLedPitch * float(i), float(rect.top) + 25.0f);
        led.Draw();
    }
    GetTextEngine()->AddQueueString(label_, float(rect.left), float(rect.top) + 1.0f, 0xFFFFFFFFu,
                                    float(GetWidth()), LibTextEngine::ALIGN_CENTRE);
    if (!namedValue_)
        notifier_.Draw();
}

// ---------------------------------------------------------------------------------------

int GUI_ValueBar::SmallBarLeds(float value)
{
    return std::clamp(int(float(kSmallLeds) * GUI_ClampToTrack(value)), 0, kSmallLeds);
}

float GUI_ValueBar::BigBarKnobX(float x, float value) { return x + 20.0f + 192.0f * GUI_ClampToTrack(value); }

void GUI_ValueBar::DrawSmallBar(float x, float y, float value)
{
    GUI_TextureCache* cache = GUI_GetTextureCache();
    BaseSprite strip;
    strip.width = kSmallWidth;
    strip.height = kSmallHeight;
    strip.PlaceLocal(x + kSmallWidth / 2.0f, y + kSmallHeight / 2.0f);
    cache->SetTexture(TEX_LED_STRIP_BLACK);
    strip.DrawNoChecks();
    const float lit = kSmallLedWidth * float(SmallBarLeds(value));
    if (lit <= 0.0f)
        return;
    strip.width = lit;
    strip.PlaceLocal(x + lit / 2.0f, y + kSmallHeight / 2.0f);
    strip.SetUV(0.0f, 0.0f, lit / kSmallWidth, 1.0f);
    cache->SetTexture(TEX_LED_STRIP);
    strip.DrawNoChecks();
}

void GUI_ValueBar::DrawBigBar(float x, float y, float value)
{
    GUI_TextureCache* cache = GUI_GetTextureCache();
    D3DEngine* d3d = GetD3DEngine();
    d3d->SetPointFilter();
    BaseSprite sprite;
    sprite.width = 234.0f;
    sprite.height = 28.0f;
    sprite.PlaceLocal(x + 117.0f, y + 14.0f);
    cache->SetTexture(TEX_FADER_STRIP_BIG);
    sprite.DrawNoChecks();
    sprite.width = 26.0f;
    sprite.height = 24.0f;
    sprite.PlaceLocal(BigBarKnobX(x, value), y + 14.0f);
    cache->SetTexture(TEX_FADER_BLUE_BIG);
    sprite.DrawNoChecks();
    d3d->SetLinearFilter();
}
