#include "engine/LibFont.h"

#include "engine/EngineAssert.h"
#include "engine/GDebugEngine.h"
#include "engine/LibTextEngine.h"
#include "port/AtomicFile.h"
#include "port/MacFile.h"
#include "port/Paths.h"

#include <algorithm>
#include <cstdio>

LibFont::LibFont()
{
    // Pairs every font knows: the "f" hangs over the round letters after it.
    const struct {
        char first, second;
        float amount;
    } pairs[] = {{'f', 'o', -1}, {'f', 'e', -1}, {'f', 'a', -1}, {'f', 'f', -2}, {'f', 'u', -1}, {'o', 'w', -1}};
    for (const auto& p : pairs)
        AddKerning(LibTextEngine::CharToID(p.first), LibTextEngine::CharToID(p.second), p.amount);
}

void LibFont::AddKerning(int first, int second, float amount)
{
    if (first < 0 || first >= GLYPHS || second < 0 || second >= GLYPHS)
        return;
    kerning_[first].push_back(KerningData {second, amount});
}

float LibFont::GetKerning(int first, int second) const
{
    if (first < 0 || first >= GLYPHS)
        return 0.0f;
    for (const KerningData& k : kerning_[first])
        if (k.second == second)
            return k.amount;
    return 0.0f;
}

void LibFont::CalculateCharWidths(const uint8_t* pixels, int width, int height, int cellSize, int32_t widths[GLYPHS])
{
    // Ten cells of any larger size already reach past every picture there is.
    cellSize = std::min(cellSize, kMaxTextPixels);
    for (int glyph = 0; glyph < GLYPHS; ++glyph) {
        const int left = (glyph % 10) * cellSize;
        const int top = (glyph / 10) * cellSize;
        int rightmost = -1;
        if (pixels && cellSize > 0) {
            for (int y = top; y < std::min(top + cellSize, height); ++y)
                for (int x = left; x < std::min(left + cellSize, width); ++x)
                    if (pixels[(size_t(y) * size_t(width) + size_t(x)) * 4 + 3] != 0)
                        rightmost = std::max(rightmost, x);
        }
        widths[glyph] = std::max(0, rightmost - left);
    }
}

bool LibFont::ReadWidthFile(const std::string& path, int32_t widths[GLYPHS])
{
    FILE* file = Mac_fopen(path.c_str(), "rb");
    if (!file)
        return false;
    uint8_t bytes[GLYPHS * 4];
    const bool whole = std::fread(bytes, 1, sizeof bytes, file) == sizeof bytes;
    std::fclose(file);
    if (!whole)
        return false;
    // A width outside what a glyph can measure (a damaged or hostile file) is held to it,
    // so layout never multiplies or sums absurd numbers.
    for (int i = 0; i < GLYPHS; ++i)
        widths[i] = std::clamp(int32_t(uint32_t(bytes[i * 4]) | uint32_t(bytes[i * 4 + 1]) << 8 |
                                       uint32_t(bytes[i * 4 + 2]) << 16 | uint32_t(bytes[i * 4 + 3]) << 24),
                               0, kMaxTextPixels);
    return true;
}

bool LibFont::WriteWidthFile(const std::string& path, const int32_t widths[GLYPHS])
{
    std::string bytes;
    for (int i = 0; i < GLYPHS; ++i)
        for (int shift = 0; shift < 32; shift += 8)
            bytes += char((uint32_t(widths[i]) >> shift) & 0xFF);
    return WriteFileAtomically(path, bytes);
}

namespace {
// Where a computed width file goes: beside the shipped data in the Resources folder, where
// the next read finds it.
std::string WidthFileTarget(const char* widthFile)
{
    std::string path = NormaliseSeparators(widthFile);
    const std::string resources = GetResourcesFolder();
    if (!path.empty() && path[0] != '/' && !resources.empty())
        path = resources + "/" + path;
    return path;
}
} // namespace

void LibFont::LayOutGlyphs(int textureWidth)
{
    const float s = textureWidth > 0 ? float(cellSize_) / float(textureWidth) : 0.1f;
    for (int r = 0; r < 10; ++r) {
        for (int c = 0; c < 10; ++c) {
            const int g = r * 10 + c;
            const float u0 = c * s, v0 = r * s;
            const float us[4] = {u0, u0 + s, u0, u0 + s};
            const float vs[4] = {v0, v0, v0 + s, v0 + s};
            std::copy(us, us + 4, u_[g]);
            std::copy(vs, vs + 4, v_[g]);
        }
    }
}

void LibFont::Initialise(const char* widthFile, const char* textureName, int baseSize, int cellSize,
                         LibTextRenderer* renderer)
{
    if (!widthFile)
        EngineAssertFailed(__FILE__, __LINE__, "datafile");
    if (!textureName)
        EngineAssertFailed(__FILE__, __LINE__, "texname");
    name_ = textureName;
    baseSize_ = baseSize;
    cellSize_ = cellSize;

    int texWidth = 0, texHeight = 0;
    const uint8_t* pixels = nullptr;
    const bool loaded = renderer && renderer->LoadFontTexture(name_, texWidth, texHeight, pixels);
    if (!loaded)
        DebugOutF("Font texture missing: %s", textureName);

    if (!ReadWidthFile(widthFile, widths_)) {
        if (!loaded || !pixels) {
            // Nothing to measure. Widths of a missing texture are all zero, and written
            // down they would win over the real texture on every later start.
            DebugOutF("Font widths not computed, no texture to measure: %s", textureName);
        } else {
            // Measure the glyphs from the texture; keep them in memory even when the file
            // cannot be written.
            CalculateCharWidths(pixels, texWidth, texHeight, cellSize, widths_);
            if (!WriteWidthFile(WidthFileTarget(widthFile), widths_))
                DebugOutF("Could not write font widths: %s", widthFile);
        }
    }
    LayOutGlyphs(loaded ? texWidth : 0);
}
