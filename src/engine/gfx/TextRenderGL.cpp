#include "engine/gfx/TextRenderGL.h"

#include "engine/gfx/D3DEngine.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// One system font's glyph pictures, packed in rows: every glyph picture is a line high, so
// each keeps its own width (and a clear texel all round for the filter) instead of a cell
// as wide as the widest glyph; characters without a visible glyph take no room.
struct GlyphAtlas {
    unsigned glName = 0;
    int width = 0, height = 0;
    int cellH = 0;
    int x[256] = {}, y[256] = {}, w[256] = {}; // each glyph's box, its clear edge included
    int penX[256] = {};
    bool drawn[256] = {};
};

// Places the glyph boxes in rows of a width that makes the atlas about square.
void PackGlyphs(GlyphAtlas& atlas)
{
    long area = 0;
    int widest = 0;
    for (int c = 0; c < 256; ++c) {
        area += long(atlas.w[c]) * atlas.cellH;
        widest = std::max(widest, atlas.w[c]);
    }
    atlas.width = std::max(widest, int(std::ceil(std::sqrt(double(area)))));
    int x = 0, y = 0;
    for (int c = 0; c < 256; ++c) {
        if (!atlas.drawn[c])
            continue;
        if (x + atlas.w[c] > atlas.width) {
            x = 0;
            y += atlas.cellH;
        }
        atlas.x[c] = x;
        atlas.y[c] = y;
        x += atlas.w[c];
    }
    atlas.height = y + atlas.cellH;
}

GlyphAtlas* BuildAtlas(GDIFont& font)
{
    auto* atlas = new GlyphAtlas();
    if (!font.face)
        return atlas;
    std::vector<TTFGlyphBitmap> glyphs(256);
    for (int c = 0; c < 256; ++c) {
        TTFGlyphBitmap& g = glyphs[size_t(c)];
        atlas->drawn[c] = font.face->RenderGlyph(static_cast<unsigned char>(c), g);
        atlas->w[c] = atlas->drawn[c] ? g.width + 2 : 0;
        atlas->cellH = std::max(atlas->cellH, g.height + 2);
        atlas->penX[c] = g.penX;
    }
    font.face->DropGlyphCache(); // the atlas holds them from now on
    PackGlyphs(*atlas);
    // Coverage only: the glyphs are white, tinted by each quad's colour.
    std::vector<uint8_t> alpha(size_t(atlas->width) * size_t(atlas->height), 0);
    for (int c = 0; c < 256; ++c) {
        const TTFGlyphBitmap& g = glyphs[size_t(c)];
        const int ox = atlas->x[c] + 1, oy = atlas->y[c] + 1;
        for (int y = 0; y < g.height; ++y)
            std::copy_n(&g.coverage[size_t(y) * size_t(g.width)], g.width,
                        &alpha[size_t(oy + y) * size_t(atlas->width) + size_t(ox)]);
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
    const float w = float(atlas->w[c]), h = float(atlas->cellH);
    const float u0 = float(atlas->x[c]) / float(atlas->width);
    const float v0 = float(atlas->y[c]) / float(atlas->height);
    const float du = w / float(atlas->width);
    const float dv = h / float(atlas->height);
    const uint32_t colour = PackColor(uint32_t(r), uint32_t(g), uint32_t(b), 255);
    const _D3DTLVERTEX corners[4] = {
        {left, top, 0, 1, colour, 0, u0, v0},
        {left + w, top, 0, 1, colour, 0, u0 + du, v0},
        {left, top + h, 0, 1, colour, 0, u0, v0 + dv},
        {left + w, top + h, 0, 1, colour, 0, u0 + du, v0 + dv},
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
