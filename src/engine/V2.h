#pragma once
// The engine's two-dimensional point.

struct V2 {
    float x = 0.0f;
    float y = 0.0f;
    V2() = default;
    V2(float px, float py) : x(px), y(py) {}
};
