#include "engine/gfx/TextRenderGL.h"

#include "engine/gfx/D3DEngine.h"

#include <algorithm>
#include <vector>

namespace {

// One system font's glyph pictures: 16 x 16 cells of the largest glyph.
struct GlyphAtlas {
    unsigned glName = 0;
    int width = 0, height = 0;
    int cellW = 0, cellH = 0;
    int penX[256] = {};
    bool drawn[256] = {};
};

GlyphAtlas* BuildAtlas(GDIFont& font)
{
    auto* atlas = new GlyphAtlas();
    if (!font.face)
        return atlas;
    std::vector<TTFGlyphBitmap> glyphs(256);
    for (int c = 0; c < 256; ++c) {
        atlas->drawn[c] = font.face->RenderGlyph(static_cast<unsigned char>(c), glyphs[size_t(c)]);
        atlas->cellW = std::max(atlas->cellW, glyphs[size_t(c)].width + 2);
        atlas->cellH = std::max(atlas->cellH, glyphs[size_t(c)].height + 2);
    }
    atlas->width = atlas->cellW * 16;
    atlas->height = atlas->cellH * 16;
    // Coverage only: the glyphs are white, tinted by each quad's colour.
    std::vector<uint8_t> alpha(size_t(atlas->width) * size_t(atlas->height), 0);
    for (int c = 0; c < 256; ++c) {
        const TTFGlyphBitmap& g = glyphs[size_t(c)];
        atlas->penX[c] = g.penX;
        const int ox = (c % 16) * atlas->cellW + 1, oy = (c / 16) * atlas->cellH + 1;
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x)
                alpha[size_t(oy + y) * size_t(atlas->width) + size_t(ox + x)] =
                    g.coverage[size_t(y) * size_t(g.width) + size_t(x)];
    }
    D3DEngine* engine = GetD3DEngine();
    atlas->glName = engine->UploadAlphaTexture(atlas->width, atlas->height, alpha.data());
    engine->AddTextureManually(atlas->glName, atlas->width, atlas->height);
    return atlas;
}

} // namespace

bool LibTextGLRenderer::LoadFontTexture(const std::string& name, int& width, int& height, const uint8_t*& pixels)
{
    D3DEngine* engine = GetD3DEngine();
    if (engine->GetTexture(name) == 0)
        return false;
    return engine->GetTextureData(name.c_str(), &width, &height, &pixels) && width > 0;
}

void LibTextGLRenderer::InitialiseBuffer()
{
    buffer_.Initialise(LibTextEngine::MAXVERTS, true);
    for (int k = 0; k < LibTextEngine::MAXVERTS / 4; ++k) {
        const uint16_t v = uint16_t(4 * k);
        const uint16_t quad[6] = {v, uint16_t(v + 1), uint16_t(v + 2), uint16_t(v + 2), uint16_t(v + 1), uint16_t(v + 3)};
        std::copy(quad, quad + 6, buffer_.indices + 6 * k);
    }
}

void LibTextGLRenderer::ReleaseBuffer()
{
    buffer_.Release();
}

void LibTextGLRenderer::DrawGlyphs(const LibFont& font, const LibTextGlyph* glyphs, int count)
{
    if (!buffer_.store)
        InitialiseBuffer();
    count = std::min(count, LibTextEngine::MAXVERTS / 4);
    GetD3DEngine()->SetTexture(font.GetName());
    buffer_.Lock();
    _D3DTLVERTEX* v = buffer_.lockedData;
    if (!v)
        return;
    for (int i = 0; i < count; ++i) {
        const LibTextGlyph& g = glyphs[i];
        const int id = g.glyph;
        // Top-left, bottom-left, top-right, bottom-right.
        const float xs[4] = {g.x, g.x, g.x + g.size, g.x + g.size};
        const float ys[4] = {g.y, g.y + g.size, g.y, g.y + g.size};
        const int corner[4] = {0, 2, 1, 3};
        for (int k = 0; k < 4; ++k)
            v[4 * i + k] = _D3DTLVERTEX(xs[k], ys[k], 0.0f, 1.0f, g.colour, 0, font.GetU(id, corner[k]),
                                        font.GetV(id, corner[k]));
    }
    buffer_.Unlock();
    buffer_.indexCount = uint16_t(count * 6);
    buffer_.Draw();
}

void GDIGlyphAtlasPainter::DrawGlyph(GDIFont& font, unsigned char c, float x, float baseline, int r, int g, int b)
{
    if (!font.painterData)
        font.painterData = BuildAtlas(font);
    auto* atlas = static_cast<GlyphAtlas*>(font.painterData);
    if (!atlas->glName || !atlas->drawn[c])
        return;
    D3DEngine* engine = GetD3DEngine();
    engine->SetTexture(0, atlas->glName);
    const float left = x - float(atlas->penX[c]) - 1.0f;
    const float top = baseline - float(font.ascent) - 1.0f;
    const float u0 = float((c % 16) * atlas->cellW) / float(atlas->width);
    const float v0 = float((c / 16) * atlas->cellH) / float(atlas->height);
    const float du = float(atlas->cellW) / float(atlas->width);
    const float dv = float(atlas->cellH) / float(atlas->height);
    const uint32_t colour = PackColor(uint32_t(r), uint32_t(g), uint32_t(b), 255);
    const _D3DTLVERTEX corners[4] = {
        {left, top, 0, 1, colour, 0, u0, v0},
        {left + float(atlas->cellW), top, 0, 1, colour, 0, u0 + du, v0},
        {left, top + float(atlas->cellH), 0, 1, colour, 0, u0, v0 + dv},
        {left + float(atlas->cellW), top + float(atlas->cellH), 0, 1, colour, 0, u0 + du, v0 + dv},
    };
    engine->DrawQuad(corners);
}

void GDIGlyphAtlasPainter::ForgetFont(GDIFont& font)
{
    // The GL context survives a display restart, so the atlas texture is freed here;
    // otherwise every full-screen toggle would leak one texture per font and size.
    auto* atlas = static_cast<GlyphAtlas*>(font.painterData);
    if (atlas)
        GetD3DEngine()->RemoveTextureManually(atlas->glName);
    delete atlas;
    font.painterData = nullptr;
}

void ConnectTextToRenderer()
{
    static LibTextGLRenderer bitmapRenderer;
    static GDIGlyphAtlasPainter atlasPainter;
    GetTextEngine()->SetRenderer(&bitmapRenderer);
    GDIText::SetGlyphPainter(&atlasPainter);
    GDIText::SetScreenWidth(D3DEngine::W);
}
