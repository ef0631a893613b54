// Bakes one bitmap font for the text engine from a free TrueType face: a square PNG of
// 10 x 10 cells (white glyphs, coverage in alpha) in the engine's glyph order, and the
// 400-byte width file measured by the engine's own code.
//
//   amp_fontbake <face file> <cell size> <glyph height> <out.png> <out.dat> [fallback face]
//
// The face is sized so that its ascent plus descent fits the glyph height; the glyphs sit
// centred vertically in their cells. Characters the face lacks come from the fallback
// face (lower case falls back to upper case first, for faces without it).
#include "engine/LibFont.h"
#include "engine/LibTextEngine.h"
#include "port/sdl/TTFFont.h"

#include <stb_image_write.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The byte whose picture goes into each glyph slot. Slots 92-98 hold the symbols that
// the engine sends there (pound sign, "%", c-cedilla, o/a/u-umlaut, sharp s); slot 4 is reached by no byte
// and repeats "%"; slot 99 stays empty.
unsigned char SlotCharacter(int slot)
{
    static const unsigned char specials[] = {0xA3, '%', 0xE7, 0xF6, 0xE4, 0xFC, 0xDF, 0};
    if (slot >= 92)
        return specials[slot - 92];
    return static_cast<unsigned char>(33 + slot);
}

std::unique_ptr<TTFFont> OpenFitting(const std::string& file, int glyphHeight)
{
    for (int size = glyphHeight * 2; size > 2; --size) {
        auto font = TTFFont::Open(file, size);
        if (!font)
            return nullptr;
        if (font->GetAscent() + font->GetDescent() <= glyphHeight)
            return font;
    }
    return TTFFont::Open(file, 3);
}

std::string Resolve(const std::string& name)
{
    if (name.find('/') != std::string::npos)
        return name;
    return FindFontFile(name);
}

// Copies a glyph into its cell: ink starts at the glyph's own left bearing (at least
// column 0); ink that would cross the cell's edges is moved in, or cut when too large.
// False when the glyph has no ink at all.
bool PlaceGlyph(const TTFGlyphBitmap& g, const TTFFont& font, int cell, int glyphHeight, int slot,
                std::vector<uint8_t>& rgba, int side)
{
    int inkLeft = g.width, inkRight = -1, inkTop = g.height, inkBottom = -1;
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            if (g.coverage[size_t(y) * g.width + x]) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
                inkTop = std::min(inkTop, y);
                inkBottom = std::max(inkBottom, y);
            }
    if (inkRight < 0)
        return false;
    int shift = -std::min(inkLeft, g.penX); // the pen lands on column 0
    shift = std::max(shift, -inkLeft);       // negative bearings are pulled in
    if (inkRight + shift >= cell)
        shift = cell - 1 - inkRight;
    // Where the cell has room, its top and bottom rows stay clear: text drawn smaller than
    // its cell is filtered, and would pick up a line of the glyph above or below.
    const int clear = cell >= glyphHeight + 2 ? 1 : 0;
    int top = (cell - glyphHeight) / 2 + (glyphHeight - font.GetAscent() - font.GetDescent()) / 2;
    if (top + inkBottom >= cell - clear)
        top = cell - 1 - clear - inkBottom;
    top = std::max(top, clear - inkTop);
    const int cellX = (slot % 10) * cell, cellY = (slot / 10) * cell;
    for (int y = 0; y < g.height; ++y) {
        const int ty = top + y;
        if (ty < 0 || ty >= cell)
            continue;
        for (int x = 0; x < g.width; ++x) {
            const int tx = x + shift;
            if (tx < 0 || tx >= cell)
                continue;
            rgba[(size_t(cellY + ty) * side + size_t(cellX + tx)) * 4 + 3] = g.coverage[size_t(y) * g.width + x];
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 6) {
        std::fprintf(stderr, "usage: %s <face> <cell> <glyph height> <out.png> <out.dat> [fallback face]\n", argv[0]);
        return 2;
    }
    const std::string faceFile = Resolve(argv[1]);
    const int cell = std::atoi(argv[2]);
    const int glyphHeight = std::atoi(argv[3]);
    if (faceFile.empty() || cell <= 0 || glyphHeight <= 0 || glyphHeight > cell) {
        std::fprintf(stderr, "amp_fontbake: bad face or sizes (%s, %s, %s)\n", argv[1], argv[2], argv[3]);
        return 2;
    }
    auto font = OpenFitting(faceFile, glyphHeight);
    if (!font) {
        std::fprintf(stderr, "amp_fontbake: cannot open %s\n", faceFile.c_str());
        return 1;
    }
    std::unique_ptr<TTFFont> fallback;
    if (argc > 6)
        fallback = OpenFitting(Resolve(argv[6]), glyphHeight);

    const int side = cell * 10;
    std::vector<uint8_t> rgba(size_t(side) * side * 4, 0);
    for (size_t i = 0; i < rgba.size(); i += 4)
        rgba[i] = rgba[i + 1] = rgba[i + 2] = 255;

    for (int slot = 0; slot < LibFont::GLYPHS; ++slot) {
        const unsigned char c = SlotCharacter(slot);
        if (!c)
            continue;
        // The face's own glyph, else its capital, else the fallback face's glyph.
        const unsigned char upper = c < 0x80 ? static_cast<unsigned char>(std::toupper(c)) : c;
        const std::pair<const TTFFont*, unsigned char> tries[] = {
            {font.get(), c}, {font.get(), upper}, {fallback.get(), c}};
        for (const auto& [face, ch] : tries) {
            TTFGlyphBitmap g;
            if (face && face->RenderGlyph(ch, g) && PlaceGlyph(g, *face, cell, glyphHeight, slot, rgba, side))
                break;
        }
    }

    if (!stbi_write_png(argv[4], side, side, 4, rgba.data(), side * 4)) {
        std::fprintf(stderr, "amp_fontbake: cannot write %s\n", argv[4]);
        return 1;
    }
    int32_t widths[LibFont::GLYPHS];
    LibFont::CalculateCharWidths(rgba.data(), side, side, cell, widths);
    if (!LibFont::WriteWidthFile(argv[5], widths)) {
        std::fprintf(stderr, "amp_fontbake: cannot write %s\n", argv[5]);
        return 1;
    }
    return 0;
}
