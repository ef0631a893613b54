#include "mainscreen/GUI_ChangeNotifier.h"

#include "engine/LibTextEngine.h"
#include "engine/gfx/D3DEngine.h"
#include "shell/GUI_TextureCache.h"
#include "shell/GUI_WindowBackground.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

void GUI_ChangeNotifier::Initialise(float change, float x, float y, bool goodIfPositive)
{
    timer_.StartTimer();
    value_ = std::isfinite(change) ? 100.0f * change : 0.0f;
    char buffer[32];
    // The value is clamped so that no change, however wild, overflows the integer.
    const int whole = int(std::clamp(value_, -1.0e6f, 1.0e6f));
    // A change too small to show a whole point reads "0" and counts as no gain.
    std::snprintf(buffer, sizeof buffer, whole > 0 ? "+%d" : "%d", whole);
    text_ = buffer;
    good_ = (whole > 0) == goodIfPositive;
    box_ = {int(x - 45.0f), int(y - 12.0f), int(x), int(y + 12.0f)};
    tick_ = {int(x - 4.0f), int(y - 2.0f), int(x + 3.0f), int(y + 2.0f)};
    active_ = true;
}

float GUI_ChangeNotifier::Opacity(double t)
{
    float a = 1.0f;
    if (t < 500.0)
        a = float(t / 500.0);
    else if (t > 4000.0)
        a = float(1.0 - (t - 4000.0) / 500.0);
    return std::clamp(a, 0.0f, 0.85f);
}

void GUI_ChangeNotifier::Draw()
{
    if (!active_)
        return;
    timer_.Update();
    const double t = timer_.GetElapsed();
    if (t > kShowMs) {
        active_ = false;
        return;
    }
    const float a = Opacity(t);
    const unsigned alpha = unsigned(255.0f * a);
    D3DEngine* d3d = GetD3DEngine();
    d3d->SetTexture(0, 0);
    d3d->FillRect(tick_, 224u | 224u << 8 | 224u << 16 | alpha << 24);
    GUI_WindowBackground::DrawTiled(box_, good_ ? TEX_FRAME_GREENFILL : TEX_FRAME_REDFILL, 12.0f, a);
    LibTextEngine* text = GetTextEngine();
    const float size = text->GetPointsize();
    text->SetPointsize(16.0f);
    text->AddQueueString(text_, float(box_.left + 9), float(box_.top + 3), 0xFF000000u);
    text->SetPointsize(size);
}
