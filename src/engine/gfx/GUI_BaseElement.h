#pragma once
// The root of every GUI element: a rectangle on the screen with a size, a hit test and a
// draw operation, and the common placements.
#include "port/Rect.h"

#include <string>

class GUI_BaseElement {
public:
    GUI_BaseElement() = default;
    virtual ~GUI_BaseElement() = default;

    virtual void Draw() {}
    virtual void SetPosition(float left, float top, float right, float bottom);
    virtual void SetSize(float width, float height);
    virtual bool PtInside(float x, float y);

    // Moves the element's top left to (x, y), keeping its size.
    void SetPosition(float x, float y);
    float GetCenterX() const { return float(rect.left + rect.right) / 2.0f; }
    float GetCenterY() const { return float(rect.top + rect.bottom) / 2.0f; }
    void PlaceCentral();
    void ForceOnscreen();
    // The named texture stretched over the element; alpha and brightness 0..1.
    void FillWithTexture(const std::string& name, float alpha, float brightness);

    const tagRECT& GetRect() const { return rect; }
    int GetWidth() const { return width; }
    int GetHeight() const { return height; }

    tagRECT rect {};
    int width = 0;
    int height = 0;
};
