#pragma once
// A colour of four integer channels (0..255 each), as data files write it.
#include <string>

struct LibColor {
    int r = 255;
    int g = 255;
    int b = 255;
    int a = 255;

    // Opaque white.
    LibColor() = default;
    LibColor(int red, int green, int blue, int alpha) : r(red), g(green), b(blue), a(alpha) {}
    // Reads "red,green,blue"; alpha is 255. A missing or unreadable channel reads 0.
    explicit LibColor(const std::string& text);

    // Lowers red, green and blue by n, not below 0; alpha stays.
    void Darken(int n);
};
