#include "engine/gfx/GUI_BaseElement.h"

#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/D3DEngine.h"

#include <algorithm>
#include <cmath>

void GUI_BaseElement::SetPosition(float left, float top, float right, float bottom)
{
    rect = tagRECT {int(left), int(top), int(right), int(bottom)};
    width = int(right - left);
    height = int(bottom - top);
}

void GUI_BaseElement::SetPosition(float x, float y)
{
    rect = tagRECT {int(x), int(y), int(float(width) + x), int(float(height) + y)};
}

void GUI_BaseElement::SetSize(float w, float h)
{
    width = int(w);
    height = int(h);
}

bool GUI_BaseElement::PtInside(float fx, float fy)
{
    int x = int(fx), y = int(fy);
    return rect.left < x && x < rect.right && rect.top < y && y < rect.bottom;
}

void GUI_BaseElement::PlaceCentral()
{
    D3DEngine* e = GetD3DEngine();
    rect.left = e->GetScreenWidth() / 2 - width / 2;
    rect.top = e->GetScreenHeight() / 2 - height / 2;
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
}

void GUI_BaseElement::ForceOnscreen()
{
    float w = D3DEngine::W, h = D3DEngine::H;
    if (rect.top < 0) {
        rect.top = 0;
        rect.bottom = rect.top + height;
    }
    if (float(rect.bottom) > h) {
        rect.bottom = int(h);
        rect.top = rect.bottom - height;
    }
    if (float(rect.right) > w) {
        rect.right = int(w);
        rect.left = int(w - float(width));
    }
    if (rect.left < 0) {
        rect.left = 0;
        rect.right = rect.left + width;
    }
}

void GUI_BaseElement::FillWithTexture(const std::string& name, float alpha, float brightness)
{
    BaseSprite s;
    s.width = float(width);
    s.height = float(height);
    // Clamped: a byte that wrapped would turn 1.004 transparent and -0.5 half opaque.
    auto toByte = [](float v) { return uint32_t(255.0f * std::clamp(std::isnan(v) ? 0.0f : v, 0.0f, 1.0f)); };
    uint32_t a = toByte(alpha), g = toByte(brightness);
    s.SetVertexColor(g, g, g, a);
    s.PlaceLocal(GetCenterX(), GetCenterY());
    GetD3DEngine()->SetTexture(name);
    s.DrawNoChecks();
}
