#include "show/GUI_VUMeter.h"

#include "engine/GRandom.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_Tooltip.h"
#include "shell/Input.h"
#include "sim/SIM_GlobalVariable.h"

#include <algorithm>
#include <cmath>

namespace {
float Clamp01(float v) { return std::isnan(v) ? 0.0f : std::clamp(v, 0.0f, 1.0f); }
} // namespace

GUI_VUMeter::GUI_VUMeter(float value, const char* label, const char* tooltip)
    : value_(Clamp01(value)), label_(label ? label : "")
{
    meter_.SetTexture("vumeter.jpg");
    meter_.width = 128.0f;
    meter_.height = 67.0f;
    if (SIM_GetGlobalVariables()->Get("RS_PERFORMANCE_CRISISLEVEL") > value_)
        meter_.SetVertexColor(255, 155, 155, 255);
    needle_.SetTexture("vuneedle.dds");
    needle_.width = 4.0f;
    needle_.height = 126.0f;
    needle_.SetVertexColor(0, 0, 0, 255);
    strip_.SetTexture("skin_default_lcd_h.bmp");
    tooltip_ = std::make_unique<GUI_Tooltip>(tooltip ? tooltip : "", 20);
    StartOscillation();
}

GUI_VUMeter::~GUI_VUMeter() = default;

void GUI_VUMeter::StartOscillation()
{
    period_ = GRandom::RandReal(500.0f, 2000.0f);
    timer_.StartTimer();
    tremble_ = 0.0f;
}

float GUI_VUMeter::TrembleAt(float elapsedMs, float periodMs)
{
    const float t = periodMs > 0.0f ? std::clamp(elapsedMs / periodMs, 0.0f, 1.0f) : 0.0f;
    return std::clamp(std::cos(6.28f * t), 0.0f, 1.0f);
}

float GUI_VUMeter::ShownValue(float value, float tremble) { return Clamp01(value + kTrembleAmount * tremble); }

float GUI_VUMeter::NeedleAngle(float value)
{
    float a = 340.0f + 40.0f * Clamp01(value);
    if (a >= 360.0f)
        a -= 360.0f;
    return a;
}

V2 GUI_VUMeter::NeedleCentre(V2 pivot, float value)
{
    const float a = NeedleAngle(value) * 3.14159265f / 180.0f;
    return V2(pivot.x + kNeedleHalfLength * std::sin(a), pivot.y - kNeedleHalfLength * std::cos(a));
}

void GUI_VUMeter::Draw()
{
    timer_.Update();
    if (timer_.GetElapsed() > period_)
        StartOscillation();
    tremble_ = TrembleAt(float(timer_.GetElapsed()), period_);
    meter_.PlaceLocal(GetCenterX(), GetCenterY());
    meter_.Draw();
    DrawNeedle(ShownValue(value_, tremble_));
    DrawLabel();
    tooltip_->Draw();
}

void GUI_VUMeter::DrawNeedle(float value)
{
    const V2 pivot(meter_.Left() + 67.0f, meter_.Top() + 139.0f);
    const V2 centre = NeedleCentre(pivot, value);
    needle_.angle = 0.0f;
    needle_.Rotate(NeedleAngle(value));
    needle_.PlaceLocal(centre.x, centre.y);
    // The needle swings from a pivot below the meter: only the part over the meter shows,
    // so the quad starts where the needle crosses the meter's bottom edge.
    const float a = NeedleAngle(value) * 3.14159265f / 180.0f;
    const float ux = std::sin(a), uy = -std::cos(a);
    const float nx = -uy * needle_.width / 2.0f, ny = ux * needle_.width / 2.0f;
    const float length = 2.0f * kNeedleHalfLength;
    // Both base corners stay on the face: the half width's drop counts too.
    const float start =
        std::clamp((pivot.y - meter_.Bottom() + std::fabs(ny)) / std::max(-uy, 0.01f), 0.0f, length);
    const V2 base(pivot.x + ux * start, pivot.y + uy * start);
    const V2 tip(pivot.x + ux * length, pivot.y + uy * length);
    const float vBase = 1.0f - start / length;
    _D3DTLVERTEX* v = needle_.vertices;
    v[0].x = tip.x - nx, v[0].y = tip.y - ny, v[0].tu = 0.0f, v[0].tv = 0.0f;
    v[1].x = tip.x + nx, v[1].y = tip.y + ny, v[1].tu = 1.0f, v[1].tv = 0.0f;
    v[2].x = base.x - nx, v[2].y = base.y - ny, v[2].tu = 0.0f, v[2].tv = vBase;
    v[3].x = base.x + nx, v[3].y = base.y + ny, v[3].tu = 1.0f, v[3].tv = vBase;
    needle_.Draw();
}

void GUI_VUMeter::DrawLabel()
{
    const tagRECT& r = GetRect();
    const float left = float(r.left) + 25.0f, right = float(r.right) - 25.0f;
    const float top = float(r.bottom) - 3.0f, bottom = float(r.bottom) + 11.0f;
    strip_.width = right - left;
    strip_.height = 14.0f;
    strip_.PlaceLocal((left + right) / 2.0f, (top + bottom) / 2.0f);
    strip_.Draw();
    const int shade = GetInput()->KeyDown(kKeyShift) ? 255 : 0;
    GDIText::AddChunk(left, top, label_, kBoldFontName, 12, right - left, 1, shade, shade, shade);
}

void GUI_VUMeter::ProcessInput()
{
    GUI_WindowBase::ProcessInput();
    const float x = GetInput()->MouseX(), y = GetInput()->MouseY();
    if (x >= meter_.Left() && x <= meter_.Right() && y >= meter_.Top() && y <= meter_.Bottom()) {
        tooltip_->Ping();
        tooltip_->AutoPosition();
    }
}
