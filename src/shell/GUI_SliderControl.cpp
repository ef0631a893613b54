#include "shell/GUI_SliderControl.h"

#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_Fonts.h"
#include "shell/Input.h"
#include "sim/GAssert.h"

#include <algorithm>

namespace {

constexpr float kTrackHeight = 6.0f;
constexpr float kKnobSize = 12.0f;
constexpr uint32_t kTrackFill = 0xFF808080u;
constexpr uint32_t kKnobFill = 0xFFC0C0C0u;
constexpr uint32_t kEdge = 0xFF404040u;

tagRECT RectOf(const BaseSprite& s)
{
    tagRECT r;
    SetRect(&r, int(s.Left()), int(s.Top()), int(s.Right()), int(s.Bottom()));
    return r;
}

} // namespace

GUI_SliderControl::GUI_SliderControl(float* value, const char* label, ChangeCallback onChange)
    : value_(value), label_(std::string(label ? label : "").substr(0, 31)), onChange_(onChange)
{
    GAssert(value != nullptr, "GUI_SliderControl", __LINE__);
    track_.axisAligned = true;
    knob_.axisAligned = true;
    knob_.width = kKnobSize;
    knob_.height = kKnobSize;
}

void GUI_SliderControl::SetPosition(float l, float t, float r, float b)
{
    GUI_BaseElement::SetPosition(l, t, r, b);
    track_.width = r - l;
    track_.height = kTrackHeight;
    track_.PlaceLocal((l + r) / 2.0f, (t + b) / 2.0f);
    PlaceKnob();
}

void GUI_SliderControl::PlaceKnob()
{
    const float v = value_ ? *value_ : 0.0f;
    knob_.PlaceLocal(float(rect.left) + v * float(rect.right - rect.left), GetCenterY());
}

void GUI_SliderControl::Process()
{
    CInput* input = GetInput();
    if (dragging_) {
        if (!input->IsLeftButtonDown()) {
            dragging_ = false;
            return;
        }
        const float left = float(rect.left);
        const float right = float(rect.right);
        const float x = std::clamp(input->MouseX(), left, right);
        if (value_ && right > left)
            *value_ = (x - left) / (right - left);
        if (onChange_)
            onChange_();
        return;
    }
    PlaceKnob();
    if (input->IsLeftButtonDown() && knob_.IsPointInside(input->MouseX(), input->MouseY()))
        dragging_ = true; // the value follows from the next frame on
}

void GUI_SliderControl::Draw()
{
    PlaceKnob();
    D3DEngine* d3d = GetD3DEngine();
    d3d->SetTexture(0, 0);
    const tagRECT track = RectOf(track_);
    d3d->FillRect(track, kTrackFill);
    d3d->FrameRect(track, kEdge);
    const tagRECT knob = RectOf(knob_);
    d3d->FillRect(knob, kKnobFill);
    d3d->FrameRect(knob, kEdge);
    GDIText::AddChunk(float(rect.left), float(rect.top + 20), label_, kBoldFontName, 16, float(GetWidth()), 1,
                      255, 255, 255);
    GDIText::RenderChunks(-1);
}
