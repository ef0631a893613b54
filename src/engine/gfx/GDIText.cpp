#include "engine/gfx/GDIText.h"

#include "engine/GDebugEngine.h"
#include "engine/LibTextEngine.h"
#include "engine/gfx/D3DEngine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <set>

GDIFont* GDIText::PCurrentFont = nullptr;
std::list<std::unique_ptr<GDIFont>> GDIText::Fonts;
std::list<std::unique_ptr<GDITextChunk>> GDIText::Chunks;
std::list<std::unique_ptr<GDITextChunk>> GDIText::StaticChunks;
std::string GDIText::ChunkFont;
int GDIText::ChunkSize = 12;
int GDIText::CharacterLimit = -1;
int GDIText::CharacterCount = 0;
int GDIText::Red = 255;
int GDIText::Green = 255;
int GDIText::Blue = 255;

namespace {
GDIGlyphPainter* gPainter = nullptr;
float gScreenWidth = 1024.0f;
} // namespace

void GDIText::SetGlyphPainter(GDIGlyphPainter* painter) { gPainter = painter; }
void GDIText::SetScreenWidth(float width) { gScreenWidth = width; }

namespace {
// The width a zero wrap reaches to: the display's as it is now (it changes when the
// display is reopened), or the width set before any display was opened.
float ScreenWidth()
{
    return D3DEngine::W > 0.0f ? D3DEngine::W : gScreenWidth;
}

// Faces already reported missing since the fonts were last deleted: one log line each.
std::set<std::string> gReportedFaces;

void ReportFaceOnce(const std::string& face, const std::string& text)
{
    if (gReportedFaces.insert(face).second)
        DebugOutF("%s", text.c_str());
}

// The face file for a system font name: its own face, else the fallback face. A missing
// face is logged by name, so text never vanishes without a word.
std::string ResolveFace(const std::string& name, bool italic)
{
    const std::string face = SystemFontFace(name, italic);
    std::string path = FindFontFile(face);
    if (!path.empty())
        return path;
    path = FindFontFile(kFallbackFontFace);
    ReportFaceOnce(face, "Missing font face " + face + " for \"" + name + "\"" +
                             (path.empty() ? ": its text cannot be drawn" : ", using " + std::string(kFallbackFontFace)));
    return path;
}

} // namespace

void GDIText::SetFont(const char* name, int size, bool italic)
{
    const std::string wanted = name ? name : "";
    auto matches = [&](const GDIFont& f) { return f.size == size && f.italic == italic && f.name == wanted; };
    if (PCurrentFont && matches(*PCurrentFont))
        return;
    for (auto& f : Fonts) {
        if (matches(*f)) {
            PCurrentFont = f.get();
            return;
        }
    }
    auto font = std::make_unique<GDIFont>();
    font->name = wanted;
    font->size = size;
    font->italic = italic;
    // Glyphs are drawn a little smaller than asked; an absurd size is held to what a glyph
    // picture can be, so the face and its atlas stay a sane size.
    font->glyphSize = int32_t(std::clamp<int64_t>(int64_t(size) - (size < 18 ? 2 : 4), 1, kMaxGlyphSize));
    const std::string file = ResolveFace(wanted, italic);
    if (!file.empty()) {
        font->face = TTFFont::Open(file, font->glyphSize);
        if (!font->face)
            ReportFaceOnce(file, "Could not open font face " + file + ": text in \"" + wanted + "\" cannot be drawn");
    }
    if (font->face) {
        font->ascent = font->face->GetAscent();
        font->descentLeading = font->face->GetDescent() + std::max(0, font->face->GetLineSkip() - font->face->GetHeight());
        for (int c = 0; c < 256; ++c)
            font->widths[c] = int16_t(font->face->GetAdvance(static_cast<unsigned char>(c)));
    }
    PCurrentFont = font.get();
    Fonts.push_back(std::move(font));
}

void GDIText::DeleteFonts()
{
    for (auto& f : Fonts)
        if (gPainter)
            gPainter->ForgetFont(*f);
    Fonts.clear();
    PCurrentFont = nullptr;
    gReportedFaces.clear();
}

void GDIText::SetGDITextColor(int r, int g, int b)
{
    Red = r;
    Green = g;
    Blue = b;
}

float GDIText::GetStringWidth(const char* text)
{
    if (!PCurrentFont || !text)
        return 0.0f;
    float width = 0.0f;
    for (const char* p = text; *p; ++p)
        width += PCurrentFont->widths[static_cast<unsigned char>(*p)];
    return width;
}

int GDIText::GetLineHeight()
{
    return PCurrentFont ? PCurrentFont->ascent + PCurrentFont->descentLeading + 2 : 0;
}

// Walks the text as it is drawn: a line breaks at a space when the next word would reach
// the wrap width (a word is never split; a second space at the break is skipped). Draws
// the first maxChars characters when asked (-1: all). The distance from y to the last
// baseline; `lines` receives the number of lines.
int GDIText::Walk(float x, float y, const char* text, float wrap, bool draw, int maxChars, int* lines)
{
    GDIFont* font = PCurrentFont;
    const int lineHeight = GetLineHeight();
    float baseline = std::floor(y + float(font ? font->ascent : 0));
    float pen = x;
    float run = 0.0f;
    int count = 1;
    const size_t n = text ? std::strlen(text) : 0;
    for (size_t i = 0; font && i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (draw && gPainter && (maxChars < 0 || int(i) < maxChars))
            gPainter->DrawGlyph(*font, c, pen, baseline, Red, Green, Blue);
        pen += font->widths[c];
        run += font->widths[c];
        if (c != ' ')
            continue;
        float ahead = run;
        for (size_t j = i + 1; j < n && text[j] != ' ' && ahead < wrap; ++j)
            ahead += font->widths[static_cast<unsigned char>(text[j])];
        if (ahead >= wrap) {
            run = 0.0f;
            baseline += float(lineHeight);
            pen = x;
            ++count;
            if (i + 1 < n && text[i + 1] == ' ')
                ++i;
        }
    }
    if (lines)
        *lines = count;
    return TextPixels(double(baseline) - double(y));
}

int GDIText::GetTextHeight(const char* text, float wrap)
{
    if (wrap == 0.0f)
        wrap = ScreenWidth();
    int lines = 1;
    Walk(0, 0, text, wrap, false, -1, &lines);
    return TextPixels(double(lines) * GetLineHeight());
}

int GDIText::RenderText(float x, float y, const char* text, float wrap)
{
    if (wrap == 0.0f)
        wrap = ScreenWidth() - x;
    return Walk(x, y, text, wrap, true, -1, nullptr);
}

int GDIText::RenderDropText(float x, float y, const char* text, int r, int g, int b, float wrap)
{
    SetGDITextColor(0, 0, 0);
    const int result = RenderText(x + 2, y + 2, text, wrap);
    SetGDITextColor(r, g, b);
    RenderText(x, y, text, wrap);
    return result;
}

void GDIText::SetChunkFont(const char* name, int size)
{
    ChunkFont = name ? name : "";
    ChunkSize = size;
}

std::unique_ptr<GDITextChunk> GDIText::MakeChunk(float x, float y, const char* text, const char* fontName, int size,
                                                 float width, int align, int r, int g, int b, bool italic)
{
    auto chunk = std::make_unique<GDITextChunk>();
    chunk->text = text ? text : "";
    chunk->x = x;
    chunk->y = y;
    chunk->width = width;
    if (fontName)
        chunk->fontName = fontName;
    chunk->size = size;
    chunk->italic = italic;
    chunk->align = align;
    chunk->red = r;
    chunk->green = g;
    chunk->blue = b;
    return chunk;
}

void GDIText::AddChunk(float x, float y, const char* text, const char* fontName, int size, float width, int align,
                       int r, int g, int b)
{
    Chunks.push_back(MakeChunk(x, y, text, fontName, size, width, align, r, g, b, false));
}

void GDIText::AddItalicChunk(float x, float y, const char* text, const char* fontName, int size, float width,
                             int align, int r, int g, int b)
{
    Chunks.push_back(MakeChunk(x, y, text, fontName, size, width, align, r, g, b, true));
}

GDITextChunk* GDIText::StaticAddChunk(float x, float y, const char* text, const char* fontName, int size,
                                      float width, int align, int r, int g, int b)
{
    StaticChunks.push_back(MakeChunk(x, y, text, fontName, size, width, align, r, g, b, false));
    return StaticChunks.back().get();
}

GDITextChunk* GDIText::StaticAddItalicChunk(float x, float y, const char* text, const char* fontName, int size,
                                            float width, int align, int r, int g, int b)
{
    StaticChunks.push_back(MakeChunk(x, y, text, fontName, size, width, align, r, g, b, true));
    return StaticChunks.back().get();
}

void GDIText::ClearStaticChunk(GDITextChunk* chunk)
{
    StaticChunks.remove_if([chunk](const std::unique_ptr<GDITextChunk>& c) { return c.get() == chunk; });
}

void GDIText::RenderStaticChunks()
{
    for (auto& chunk : StaticChunks)
        DrawChunk(*chunk);
}

void GDIText::DrawChunk(GDITextChunk& chunk, int maxChars)
{
    if (chunk.size == -1)
        SetFont(ChunkFont.c_str(), ChunkSize, chunk.italic);
    else
        SetFont(chunk.fontName.c_str(), chunk.size, chunk.italic);
    // The aligned position is kept, so a chunk drawn again stays where it was put.
    if (chunk.align == GTEXTALIGN_CENTRE)
        chunk.x = chunk.x + chunk.width / 2 - GetStringWidth(chunk.text) / 2;
    else if (chunk.align == GTEXTALIGN_RIGHT)
        chunk.x = chunk.x + chunk.width - GetStringWidth(chunk.text);
    chunk.align = GTEXTALIGN_LEFT;
    SetGDITextColor(chunk.red, chunk.green, chunk.blue);
    float wrap = chunk.width;
    if (wrap == 0.0f)
        wrap = ScreenWidth() - chunk.x;
    Walk(chunk.x, chunk.y, chunk.text.c_str(), wrap, true, maxChars, nullptr);
}

void GDIText::RenderChunks(int limit)
{
    if (Chunks.empty())
        return;
    CharacterCount = 0;
    CharacterLimit = limit;
    Begin();
    // A snapshot: drawing never adds chunks, but the list is emptied whatever happens.
    std::list<std::unique_ptr<GDITextChunk>> frame;
    frame.swap(Chunks);
    for (auto& chunk : frame) {
        int allowed = -1;
        if (CharacterLimit >= 0)
            allowed = std::max(0, CharacterLimit - CharacterCount);
        if (allowed != 0)
            DrawChunk(*chunk, allowed);
        const int length = int(chunk->text.size());
        CharacterCount += allowed < 0 ? length : std::min(length, allowed);
    }
    RenderStaticChunks();
    End();
}

void GDITextCache::Add(float x, float y, const char* text, const char* fontName, int size, float width, int align,
                       int r, int g, int b)
{
    chunks_.push_back(GDIText::MakeChunk(x, y, text, fontName, size, width, align, r, g, b, false));
}

void GDITextCache::AddChunk(GDITextChunk* chunk)
{
    if (chunk)
        chunks_.emplace_back(chunk);
}

void GDITextCache::RenderRaw(int r, int g, int b)
{
    GDIText::SetGDITextColor(r, g, b);
    for (auto& chunk : chunks_)
        GDIText::DrawChunk(*chunk);
}

void GDITextCache::Render()
{
    GDIText::Begin();
    RenderRaw(255, 255, 255);
    GDIText::End();
}
