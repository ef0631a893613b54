#pragma once
// A bitmap font: one square texture holding 100 glyphs in a 10 x 10 grid of square cells,
// and a width-data file of the glyphs' pixel widths (100 little-endian int32, glyph index
// = row x 10 + column). The texture itself is the renderer's business; the font keeps its
// name and the glyph tables that layout needs.
#include <cstdint>
#include <string>
#include <vector>

class LibTextRenderer;

class LibFont {
public:
    static constexpr int GLYPHS = 100;

    // One kerning pair: the second glyph and the pull in pixels at the base size.
    struct KerningData {
        int32_t second;
        float amount;
    };

    LibFont();
    virtual ~LibFont() = default;

    // Reads the width file (computing and writing it from the texture when it cannot be
    // opened), loads the texture through the renderer and lays out the glyph UVs.
    void Initialise(const char* widthFile, const char* textureName, int baseSize, int cellSize,
                    LibTextRenderer* renderer);
    void SetSpacing(int pixels) { spacing_ = pixels; }

    // The width of each glyph: the column offset of the rightmost pixel with non-zero
    // alpha inside its cell (0 for an empty cell). Pixels are RGBA, 4 bytes each, rows of
    // width x 4 bytes; cells outside the picture measure 0.
    static void CalculateCharWidths(const uint8_t* pixels, int width, int height, int cellSize,
                                    int32_t widths[GLYPHS]);
    static bool ReadWidthFile(const std::string& path, int32_t widths[GLYPHS]);
    static bool WriteWidthFile(const std::string& path, const int32_t widths[GLYPHS]);

    // The pull of the first pair (first, second), 0 when there is none.
    float GetKerning(int first, int second) const;
    void AddKerning(int first, int second, float amount);

    const std::string& GetName() const { return name_; }
    int GetSpacing() const { return spacing_; }
    int GetBaseSize() const { return baseSize_; }
    int GetCellSize() const { return cellSize_; }
    int GetWidth(int glyph) const { return widths_[glyph]; }
    void SetWidth(int glyph, int width) { widths_[glyph] = width; }
    // Corners in the order top-left, top-right, bottom-left, bottom-right; 0..1 across the texture.
    float GetU(int glyph, int corner) const { return u_[glyph][corner]; }
    float GetV(int glyph, int corner) const { return v_[glyph][corner]; }
    // Lays the UVs out for a square texture of this width (a missing texture counts as
    // exactly ten cells wide, so nothing divides by zero).
    void LayOutGlyphs(int textureWidth);

private:
    float u_[GLYPHS][4] {};
    float v_[GLYPHS][4] {};
    int32_t widths_[GLYPHS] {};
    std::string name_;
    int32_t spacing_ = 0;
    int32_t baseSize_ = 0;
    int32_t cellSize_ = 0;
    std::vector<KerningData> kerning_[GLYPHS];
};
