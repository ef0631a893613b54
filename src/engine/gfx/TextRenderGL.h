#pragma once
// The renderer side of both text engines: bitmap-font glyph quads through a vertex buffer,
// and system-font glyphs from one atlas per font (a rectangle texture in the renderer's
// texture list). The shell installs them when it opens the display.
#include "engine/LibTextEngine.h"
#include "engine/gfx/GDIText.h"
#include "engine/gfx/GVertexBuffer.h"

// Draws bitmap-font glyphs: one texture bind and one indexed draw per flush.
class LibTextGLRenderer : public LibTextRenderer {
public:
    bool LoadFontTexture(const std::string& name, int& width, int& height, const uint8_t*& pixels) override;
    void DrawGlyphs(const LibFont& font, const LibTextGlyph* glyphs, int count) override;
    void InitialiseBuffer() override;
    void ReleaseBuffer() override;

private:
    GVertexBuffer buffer_;
};

// Draws system-font glyphs from a 16 x 16 atlas of the font's 256 byte values.
class GDIGlyphAtlasPainter : public GDIGlyphPainter {
public:
    void DrawGlyph(GDIFont& font, unsigned char c, float x, float baseline, int r, int g, int b) override;
    void ForgetFont(GDIFont& font) override;
};

// Connects both text engines to the renderer (GetTextEngine's renderer, GDIText's painter
// and screen width). Call after D3DEngine::Initialise, before LibTextEngine::Initialise.
void ConnectTextToRenderer();
