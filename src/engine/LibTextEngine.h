#pragma once
// The bitmap-font text engine: measures text, lays glyph quads into a queue of 8000
// vertices and hands the queue to the renderer when it is flushed. Layout is plain logic;
// the renderer behind it (textures, vertex buffer) is supplied by the graphics layer.
#include "engine/LibFont.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The largest pixel value text layout hands out. Sizes, wraps and widths come from data
// files and callers' arithmetic; absurd ones are held to this instead of overflowing an int.
constexpr int kMaxTextPixels = 1 << 24;
// A layout value as whole pixels: its whole part (towards zero), NaN as 0, held within
// -kMaxTextPixels..kMaxTextPixels.
int TextPixels(double value);

// One queued glyph quad: top-left corner, edge length in pixels, glyph index, colour
// 0xAARRGGBB. Each stands for four queue vertices.
struct LibTextGlyph {
    float x;
    float y;
    float size;
    int32_t glyph;
    uint32_t colour;
};

// What the text engine needs from the renderer.
class LibTextRenderer {
public:
    virtual ~LibTextRenderer() = default;
    // Loads the named font texture; its width, height and RGBA pixels (may stay null).
    virtual bool LoadFontTexture(const std::string& name, int& width, int& height, const uint8_t*& pixels) = 0;
    // Binds the font's texture and draws the glyph quads as indexed triangles.
    virtual void DrawGlyphs(const LibFont& font, const LibTextGlyph* glyphs, int count) = 0;
    // Prepares the vertex buffer (Initialise) and takes it off the list of buffers (Release).
    virtual void InitialiseBuffer() {}
    virtual void ReleaseBuffer() {}
};

class LibTextEngine {
public:
    enum ALIGNTYPE { ALIGN_LEFT = 0, ALIGN_RIGHT = 1, ALIGN_CENTRE = 2 };
    static constexpr int MAXVERTS = 8000;
    static constexpr int MAXCHARS = 2000;

    LibTextEngine() = default;
    virtual ~LibTextEngine();
    LibTextEngine(const LibTextEngine&) = delete;
    LibTextEngine& operator=(const LibTextEngine&) = delete;

    // The glyph index of a byte, or -1 when the fonts have no glyph for it.
    static int CharToID(unsigned char c);
    // The plain letter drawn for an accented one (and "'" for the typographic apostrophe).
    static unsigned char FoldAccent(unsigned char c);

    // The renderer the engine draws through; null measures and queues but draws nothing.
    void SetRenderer(LibTextRenderer* renderer) { renderer_ = renderer; }
    LibTextRenderer* GetRenderer() const { return renderer_; }

    void Initialise();
    bool IsInitialised() const { return initialised_; }
    LibFont* AddFont(const char* widthFile, const char* textureName, int baseSize, int cellSize);
    void Release();

    void SetCurrentFont(const char* name);
    void SetCurrentFont(const char* name, float size);
    void SetPointsize(float size) { pointSize_ = size; }
    float GetPointsize() const { return pointSize_; }
    LibFont* GetCurrentFont() const { return current_; }
    const std::vector<LibFont*>& GetFonts() const { return fonts_; }

    int GetCharacterWidth(char c);
    int GetStringLength(const char* text);
    int GetStringLength(const std::string& text) { return GetStringLength(text.c_str()); }
    static int CountSpaces(const char* text);
    static void TidyEnds(const char* text, std::string& out);
    // Cuts the first line of at most `wrap` pixels off `text`: `text` keeps the line and
    // `rest` receives what follows. Always consumes at least one character.
    void TruncateText(int wrap, std::string& text, std::string& rest);
    int GetWrappedHeight(const char* text, float wrap);
    int GetMaxWrapWidth(const char* text, float wrap);

    void AddQueueString(const char* text, float x, float y, uint32_t colour, float width = 0, int align = ALIGN_LEFT);
    void AddQueueString(const std::string& text, float x, float y, uint32_t colour, float width = 0, int align = ALIGN_LEFT)
    {
        AddQueueString(text.c_str(), x, y, colour, width, align);
    }
    void AddShadowedString(const char* text, float x, float y, uint32_t colour, float width = 0, int align = ALIGN_LEFT);
    void AddShadowedString(const std::string& text, float x, float y, uint32_t colour, float width = 0, int align = ALIGN_LEFT)
    {
        AddShadowedString(text.c_str(), x, y, colour, width, align);
    }
    void DrawString(const char* text, float x, float y, uint32_t colour, float width = 0, int align = ALIGN_LEFT);
    void DrawString(const std::string& text, float x, float y, uint32_t colour, float width = 0, int align = ALIGN_LEFT)
    {
        DrawString(text.c_str(), x, y, colour, width, align);
    }
    void DrawDropString(const char* text, float x, float y, uint32_t colour);
    float AddWrappedString(const char* text, float x, float y, float wrap, uint32_t colour);
    float AddWrappedString(const std::string& text, float x, float y, float wrap, uint32_t colour)
    {
        return AddWrappedString(text.c_str(), x, y, wrap, colour);
    }
    void AddJustifiedString(const char* text, float x, float y, float wrapLength, uint32_t colour);

    void ProcessTextQueue(int maxChars = -1);
    void EndFrame();

    // The queue, in vertices (four per glyph) and as glyph quads.
    int GetQueueCount() const { return queueStart_ + queueCount_; }
    const std::vector<LibTextGlyph>& GetQueue() const { return queue_; }

private:
    // Splits text into wrapped lines and hands each to `use`.
    template <class Use> void ForEachWrappedLine(const char* text, float wrap, Use use);

    std::vector<LibFont*> fonts_;
    LibFont* current_ = nullptr;
    std::vector<LibTextGlyph> queue_;
    int32_t queueStart_ = 0;
    int32_t queueCount_ = 0;
    float pointSize_ = 12.0f;
    bool initialised_ = false;
    int32_t previousGlyph_ = -1;
    LibTextRenderer* renderer_ = nullptr;
};

// The global text engine, created on first use and never freed.
LibTextEngine* GetTextEngine();
