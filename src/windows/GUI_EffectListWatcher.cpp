#include "windows/GUI_EffectListWatcher.h"

#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "sim/GAssert.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr float kBarLeft = 200.0f;
constexpr float kBarWidth = 60.0f;
constexpr int kBarHeight = 10;
// A bar longer than this is off every screen anyway; the cap keeps a wild value's width
// within an int.
constexpr float kLongestBar = 8192.0f;
constexpr uint32_t kBarFillColour = 0xFF4040E0u;  // red 224, green 64, blue 64
constexpr uint32_t kBarFrameColour = 0xFFFFFFFFu;
constexpr int kTextSize = 12;

std::string ThreeDecimals(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

} // namespace

GUI_EffectListWatcher* GUI_EffectListWatcher::Create(const SIM_EffectList* list, const char* title)
{
    GAssert(list != nullptr, __FILE__, __LINE__);
    if (!list)
        return nullptr;
    return new GUI_EffectListWatcher(list, title);
}

GUI_EffectListWatcher::GUI_EffectListWatcher(const SIM_EffectList* list, const char* title)
    : GUI_Dialog(true), list_(list)
{
    SetSize(300.0f, 400.0f);
    PlaceCentral();
    SetTitle(title ? title : "");
    UpdateClientArea();
}

tagRECT GUI_EffectListWatcher::BarFrame(float left, float y)
{
    const int x = int(left + kBarLeft);
    return tagRECT {x, int(y), x + int(kBarWidth), int(y) + kBarHeight};
}

tagRECT GUI_EffectListWatcher::BarFill(float left, float y, float value)
{
    const int x = int(left + kBarLeft);
    const float length = std::isnan(value) ? 0.0f : std::clamp(kBarWidth * value, -kLongestBar, kLongestBar);
    const int end = x + int(length);
    return tagRECT {std::min(x, end), int(y), std::max(x, end), int(y) + kBarHeight};
}

void GUI_EffectListWatcher::DrawBar(float y, float value)
{
    const float left = float(GetRect().left);
    const tagRECT fill = BarFill(left, y, value);
    if (fill.right > fill.left)
        GetD3DEngine()->FillRect(fill, kBarFillColour);
    GetD3DEngine()->FrameRect(BarFrame(left, y), kBarFrameColour);
}

void GUI_EffectListWatcher::Draw()
{
    GUI_Dialog::Draw();
    const float left = float(GetRect().left);
    const float top = float(GetRect().top);
    float y = RowY(top, 0);
    for (const SIM_Effect* effect : *list_) {
        if (!effect)
            continue;
        GDIText::AddChunk(left + 25.0f, y, effect->GetDebugName(), "tahoma", kTextSize, 0.0f, GTEXTALIGN_LEFT, 255, 255, 255);
        GDIText::AddChunk(left + 120.0f, y, ThreeDecimals(effect->GetEffect()), "tahoma", kTextSize, 0.0f,
                          GTEXTALIGN_LEFT, 255, 255, 255);
        GDIText::AddChunk(left + 155.0f, y, ThreeDecimals(effect->GetDegrade()), "tahoma", kTextSize, 0.0f,
                          GTEXTALIGN_LEFT, 255, 255, 255);
        DrawBar(y, effect->GetEffect());
        y += 12.0f;
    }
    GDIText::RenderChunks(-1);
}
