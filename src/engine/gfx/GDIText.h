#pragma once
// Text in the system's fonts: each font (name, size, italic) is a free TrueType face at a
// glyph size, measured without a display. Windows and screens queue chunks during the
// frame; the shell draws and discards them after the renderer has ended its scene. A
// glyph painter supplied by the renderer draws the glyphs; without one, text is only
// measured. All of GDIText is static.
#include "port/sdl/TTFFont.h"

#include <cstdint>
#include <list>
#include <memory>
#include <string>

// One system font: the face at its glyph size and its metrics.
struct GDIFont {
    std::string name;
    int32_t size = 0;        // the size asked for
    int32_t glyphSize = 0;   // the pixel size the face is drawn at
    int32_t ascent = 0;
    int32_t descentLeading = 0;
    int16_t widths[256] = {}; // advance of every byte value
    bool italic = false;
    std::unique_ptr<TTFFont> face;
    void* painterData = nullptr; // the painter's glyph atlas, when drawn
};

// GTEXTALIGN: how a chunk sits in its width.
enum GTEXTALIGN { GTEXTALIGN_LEFT = 0, GTEXTALIGN_CENTRE = 1, GTEXTALIGN_RIGHT = 2 };

// One queued run of text: y is the top of its first line.
struct GDITextChunk {
    std::string text;
    float x = 0, y = 0;
    float width = 0; // the wrap width and the alignment box
    std::string fontName;
    int32_t size = -1; // -1: the chunk font
    bool italic = false;
    int32_t align = GTEXTALIGN_LEFT;
    int32_t red = 255, green = 255, blue = 255;
};

// Draws glyphs of a font (the renderer's glyph atlases).
class GDIGlyphPainter {
public:
    virtual ~GDIGlyphPainter() = default;
    virtual void DrawGlyph(GDIFont& font, unsigned char c, float x, float baseline, int r, int g, int b) = 0;
    // The font is about to be deleted: free what was made for it.
    virtual void ForgetFont(GDIFont& font) = 0;
};

class GDIText {
public:
    // The largest glyph size a font is drawn at, whatever size is asked for.
    static constexpr int kMaxGlyphSize = 256;

    static void SetGlyphPainter(GDIGlyphPainter* painter);
    // The screen width a wrap of 0 reaches to (the renderer's width once it is open).
    static void SetScreenWidth(float width);

    static void SetFont(const char* name, int size, bool italic);
    static void DeleteFonts();
    static GDIFont* GetCurrentFont() { return PCurrentFont; }
    static void SetGDITextColor(int r, int g, int b);
    static float GetStringWidth(const char* text);
    static float GetStringWidth(const std::string& text) { return GetStringWidth(text.c_str()); }
    static int GetLineHeight();
    static int GetTextHeight(const char* text, float wrap);
    // Draws at once; the distance from y to the last line's baseline.
    static int RenderText(float x, float y, const char* text, float wrap);
    static int RenderText(float x, float y, const std::string& text, float wrap) { return RenderText(x, y, text.c_str(), wrap); }
    static int RenderDropText(float x, float y, const char* text, int r, int g, int b, float wrap);

    static void SetChunkFont(const char* name, int size);
    static void AddChunk(float x, float y, const char* text, const char* fontName, int size, float width,
                         int align, int r, int g, int b);
    static void AddChunk(float x, float y, const std::string& text, const char* fontName, int size, float width,
                         int align, int r, int g, int b)
    {
        AddChunk(x, y, text.c_str(), fontName, size, width, align, r, g, b);
    }
    static void AddItalicChunk(float x, float y, const char* text, const char* fontName, int size, float width,
                               int align, int r, int g, int b);
    static GDITextChunk* StaticAddChunk(float x, float y, const char* text, const char* fontName, int size,
                                        float width, int align, int r, int g, int b);
    static GDITextChunk* StaticAddItalicChunk(float x, float y, const char* text, const char* fontName, int size,
                                              float width, int align, int r, int g, int b);
    static void ClearStaticChunk(GDITextChunk* chunk);
    static void RenderStaticChunks();
    // Draws this frame's chunks in queue order, at most `limit` characters in all (-1: no
    // limit), and empties the queue.
    static void RenderChunks(int limit);
    static void ResetCharacterLimit() { CharacterLimit = -1; }
    static void Begin() {}
    static void End() {}
    static void DrawChunk(GDITextChunk& chunk, int maxChars = -1);

    static const std::list<std::unique_ptr<GDITextChunk>>& GetChunks() { return Chunks; }
    static int GetCharacterLimit() { return CharacterLimit; }
    static int GetCharacterCount() { return CharacterCount; }

    // One chunk record; the chunk queue and the static text cache both build them.
    static std::unique_ptr<GDITextChunk> MakeChunk(float x, float y, const char* text, const char* fontName,
                                                   int size, float width, int align, int r, int g, int b,
                                                   bool italic);

private:
    static int Walk(float x, float y, const char* text, float wrap, bool draw, int maxChars, int* lines);

    static GDIFont* PCurrentFont;
    static std::list<std::unique_ptr<GDIFont>> Fonts;
    static std::list<std::unique_ptr<GDITextChunk>> Chunks;
    static std::list<std::unique_ptr<GDITextChunk>> StaticChunks;
    static std::string ChunkFont;
    static int ChunkSize;
    static int CharacterLimit;
    static int CharacterCount;
    static int Red, Green, Blue;
};

// A set of chunks its owner draws again and again.
class GDITextCache {
public:
    GDITextCache() = default;
    GDITextCache(const GDITextCache&) = delete;
    GDITextCache& operator=(const GDITextCache&) = delete;
    virtual ~GDITextCache() { Clear(); }
    void Add(float x, float y, const char* text, const char* fontName, int size, float width, int align,
             int r, int g, int b);
    void AddChunk(GDITextChunk* chunk); // takes ownership
    void Clear() { chunks_.clear(); }
    void RenderRaw(int r, int g, int b);
    void Render();
    const std::list<std::unique_ptr<GDITextChunk>>& GetChunks() const { return chunks_; }

private:
    std::list<std::unique_ptr<GDITextChunk>> chunks_;
};
