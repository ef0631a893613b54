#pragma once
// Reading the finished frame back, so tests and tools can look at what was drawn.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A picture as rows from the top, four bytes per pixel in the order red, green, blue, alpha.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
    // The pixel at (x, y) as red | green << 8 | blue << 16 | alpha << 24; 0 outside.
    uint32_t At(int x, int y) const;
};

// Runs just before every buffer flip of the main window (nullptr removes it).
void SetBeforeFlipHook(std::function<void()> hook);
void RunBeforeFlipHook();
// Whether a before-flip hook is installed (every frame is then drawn and flipped).
bool HasBeforeFlipHook();

// The game's picture in the back buffer of the current GL context, in game pixels when
// the picture is not scaled. Call it from the before-flip hook or before the flip.
RgbaImage ReadBackFrame();

// Writes the picture as a PNG file; false when it cannot be written.
bool WritePng(const std::string& path, const RgbaImage& image);
