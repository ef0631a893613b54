#include "engine/LibTextEngine.h"

#include "engine/EngineAssert.h"
#include "engine/GDebugEngine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {
constexpr int kVertsPerGlyph = 4;
// The last queue position at which another glyph may still start.
constexpr int kLastGlyphStart = LibTextEngine::MAXVERTS - 5;
} // namespace

int TextPixels(double value)
{
    if (std::isnan(value))
        return 0;
    return int(std::clamp(value, -double(kMaxTextPixels), double(kMaxTextPixels)));
}

LibTextEngine* GetTextEngine()
{
    static LibTextEngine* engine = new LibTextEngine();
    return engine;
}

LibTextEngine::~LibTextEngine()
{
    for (LibFont* font : fonts_)
        delete font;
}

int LibTextEngine::CharToID(unsigned char c)
{
    if (c == '%')
        return 93;
    if (c >= 33 && c <= 127)
        return c - 33;
    switch (c) {
    case 0xA3: return 92;
    case 0xE7: return 94;
    case 0xF6: return 95;
    case 0xDE: return 95;
    case 0xE4: return 96;
    case 0xFC: return 97;
    case 0xDF: return 98;
    default: break;
    }
    if (c >= 0x80 && c <= 0xC0)
        return c - 97;
    return -1;
}

unsigned char LibTextEngine::FoldAccent(unsigned char c)
{
    switch (c) {
    case 0x92: return '\'';
    case 0xC0: case 0xC1: case 0xC4: return 'A';
    case 0xC8: case 0xC9: case 0xCB: return 'E';
    case 0xCC: case 0xCD: case 0xCF: return 'I';
    case 0xD2: case 0xD3: case 0xD6: return 'O';
    case 0xD9: case 0xDA: case 0xDC: return 'U';
    case 0xE0: case 0xE1: case 0xE2: return 'a';
    case 0xEA: return 'e';
    case 0xED: return 'i';
    case 0xF1: return 'n';
    case 0xF2: case 0xF3: case 0xF4: return 'o';
    case 0xF9: case 0xFA: return 'u';
    default: return c;
    }
}

void LibTextEngine::Initialise()
{
    // The list is forgotten, not freed: after a display restart Release has already
    // deleted the fonts.
    fonts_.clear();
    pointSize_ = 12.0f;
    current_ = nullptr;
    queue_.reserve(MAXVERTS / kVertsPerGlyph);
    if (renderer_)
        renderer_->InitialiseBuffer();
    EndFrame();
    initialised_ = true;
}

LibFont* LibTextEngine::AddFont(const char* widthFile, const char* textureName, int baseSize, int cellSize)
{
    if (!widthFile)
        EngineAssertFailed(__FILE__, __LINE__, "widthdata");
    if (!textureName)
        EngineAssertFailed(__FILE__, __LINE__, "texture");
    auto* font = new LibFont();
    font->Initialise(widthFile, textureName, baseSize, cellSize, renderer_);
    fonts_.push_back(font);
    return font;
}

void LibTextEngine::Release()
{
    for (LibFont* font : fonts_)
        delete font;
    fonts_.clear();
    current_ = nullptr;
    queue_.clear();
    queueStart_ = queueCount_ = 0;
    if (renderer_)
        renderer_->ReleaseBuffer();
}

void LibTextEngine::SetCurrentFont(const char* name)
{
    if (!name)
        EngineAssertFailed(__FILE__, __LINE__, "texturename");
    LibFont* found = nullptr;
    for (LibFont* font : fonts_) {
        if (font->GetName() == name) {
            found = font;
            break;
        }
    }
    if (!found) {
        DebugOutF("missing font: %.128s", name);
        // Text keeps the font it had; with none yet, it takes the first one loaded.
        if (current_ || fonts_.empty())
            return;
        found = fonts_.front();
    }
    if (found != current_ && queueCount_ > 0)
        ProcessTextQueue(-1);
    current_ = found;
}

void LibTextEngine::SetCurrentFont(const char* name, float size)
{
    SetCurrentFont(name);
    SetPointsize(size);
}

int LibTextEngine::GetCharacterWidth(char ch)
{
    if (!initialised_) {
        DebugOutF("Text Not Initialised");
        return 0;
    }
    if (!current_)
        return 0;
    int glyph = CharToID(static_cast<unsigned char>(ch));
    if (glyph < 0)
        return TextPixels(pointSize_ / 4.0f);
    if (glyph > 99)
        glyph = 99;
    const float scale = current_->GetBaseSize() > 0 ? pointSize_ / float(current_->GetBaseSize()) : 0.0f;
    return TextPixels(float(TextPixels(scale * float(current_->GetWidth(glyph)))) +
                      scale * float(current_->GetSpacing()));
}

int LibTextEngine::GetStringLength(const char* text)
{
    if (!initialised_) {
        DebugOutF("Text Not Initialised");
        return 0;
    }
    if (!text)
        return 0;
    // Each width is at most kMaxTextPixels, so the sum cannot overflow 64 bits.
    int64_t length = 0;
    for (const char* p = text; *p; ++p)
        length += GetCharacterWidth(*p);
    return TextPixels(double(length));
}

int LibTextEngine::CountSpaces(const char* text)
{
    int count = 0;
    for (const char* p = text; p && *p; ++p)
        if (*p == ' ')
            ++count;
    return count;
}

void LibTextEngine::TidyEnds(const char* text, std::string& out)
{
    out = text ? text : "";
    const size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos) {
        out.clear();
        return;
    }
    out = out.substr(first, out.find_last_not_of(' ') - first + 1);
}

void LibTextEngine::TruncateText(int wrap, std::string& text, std::string& rest)
{
    if (!initialised_)
        DebugOutF("Text Not Initialised");
    const std::string input = text;
    rest.clear();
    int sinceSpace = 0;
    for (size_t i = 0; i < input.size(); ++i) {
        sinceSpace = input[i] == ' ' ? 1 : sinceSpace + 1;
        if (GetStringLength(input.substr(0, i + 1)) < wrap)
            continue;
        if (size_t(sinceSpace) <= i) {
            // The current word and the space before it leave the line.
            text = input.substr(0, i + 1 - sinceSpace);
            rest = input.substr(i + 2 - sinceSpace);
        } else {
            // One word fills the line: break inside it, keeping at least one character.
            const size_t cut = i > 0 ? i : 1;
            text = input.substr(0, cut);
            rest = input.substr(cut);
        }
        return;
    }
    text = input;
}

template <class Use> void LibTextEngine::ForEachWrappedLine(const char* text, float wrap, Use use)
{
    std::string rest = text ? text : "";
    std::string line;
    while (!rest.empty()) {
        line.swap(rest);
        TruncateText(TextPixels(wrap), line, rest);
        use(line);
    }
}

int LibTextEngine::GetWrappedHeight(const char* text, float wrap)
{
    int lines = 0;
    ForEachWrappedLine(text, wrap, [&](const std::string&) { ++lines; });
    return TextPixels(pointSize_ * float(lines));
}

int LibTextEngine::GetMaxWrapWidth(const char* text, float wrap)
{
    int widest = -1;
    ForEachWrappedLine(text, wrap, [&](const std::string& line) {
        const int length = GetStringLength(line);
        if (length > widest)
            widest = length;
    });
    return widest;
}

float LibTextEngine::AddWrappedString(const char* text, float x, float y, float wrap, uint32_t colour)
{
    ForEachWrappedLine(text, wrap, [&](const std::string& line) {
        AddQueueString(line.c_str(), x, y, colour, wrap, ALIGN_LEFT);
        y += pointSize_;
    });
    return y;
}

void LibTextEngine::AddQueueString(const char* text, float x, float y, uint32_t colour, float width, int align)
{
    if (!text)
        EngineAssertFailed(__FILE__, __LINE__, "buffer");
    if (!initialised_) {
        DebugOutF("TextNotInitialised");
        return;
    }
    if (!current_)
        return;
    const int length = int(std::strlen(text));
    if (queueStart_ + queueCount_ + kVertsPerGlyph * length > MAXVERTS)
        ProcessTextQueue(-1);

    switch (align) {
    case ALIGN_LEFT: x = std::floor(x); break;
    case ALIGN_RIGHT: x = std::floor(x + width - float(GetStringLength(text))); break;
    case ALIGN_CENTRE: x = std::floor(x + width / 2.0f - float(GetStringLength(text)) / 2.0f); break;
    default: x = 0.0f; break;
    }
    y = std::floor(y);
    previousGlyph_ = -1;

    const LibFont& font = *current_;
    const float scale = font.GetBaseSize() > 0 ? pointSize_ / float(font.GetBaseSize()) : 0.0f;
    for (const char* p = text; *p; ++p) {
        if (queueStart_ + queueCount_ > kLastGlyphStart) {
            DebugOutF("ERROR - Text exceeds max characters");
            return;
        }
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == '\t') {
            x = std::floor(std::floor(x) / 80.0f) * 80.0f + 80.0f;
            previousGlyph_ = -1;
            continue;
        }
        if (c == ' ') {
            x += std::floor(pointSize_ / 4.0f);
            previousGlyph_ = -1;
            continue;
        }
        const int glyph = CharToID(FoldAccent(c));
        if (glyph < 0) {
            // Nothing to draw: leave a gap a quarter of the point size wide.
            x += pointSize_ / 4.0f;
            previousGlyph_ = -1;
            continue;
        }
        if (previousGlyph_ >= 0)
            x += scale * font.GetKerning(previousGlyph_, glyph);
        queue_.push_back(LibTextGlyph {x, y, scale * float(font.GetCellSize()), glyph, colour});
        x += scale * float(font.GetWidth(glyph));
        x += float(font.GetSpacing()) * scale;
        queueCount_ += kVertsPerGlyph;
        previousGlyph_ = glyph;
    }
}

void LibTextEngine::AddShadowedString(const char* text, float x, float y, uint32_t colour, float width, int align)
{
    AddQueueString(text, x + 1, y + 1, 0xFF000000u, width, align);
    AddQueueString(text, x, y, colour, width, align);
}

void LibTextEngine::DrawString(const char* text, float x, float y, uint32_t colour, float width, int align)
{
    AddQueueString(text, x, y, colour, width, align);
    ProcessTextQueue(-1);
}

void LibTextEngine::DrawDropString(const char* text, float x, float y, uint32_t colour)
{
    AddQueueString(text, x + 1, y + 1, 0xFF080808u, 0, ALIGN_LEFT);
    AddQueueString(text, x, y, colour, 0, ALIGN_LEFT);
    ProcessTextQueue(-1);
}

void LibTextEngine::AddJustifiedString(const char* text, float x, float y, float wrapLength, uint32_t colour)
{
    if (!text)
        return;
    std::string stripped;
    TidyEnds(text, stripped);
    const int spaces = CountSpaces(text);
    const float spaceWidth = float(GetCharacterWidth(' '));
    const float normal = float(GetStringLength(stripped));
    // No spaces to stretch, a negative width or a line already too long: set it plainly.
    if (spaces == 0 || wrapLength < 0 || normal > wrapLength) {
        AddQueueString(stripped.c_str(), x, y, colour, 0, ALIGN_LEFT);
        return;
    }
    const float gap = (spaceWidth * float(spaces) + wrapLength - normal) / float(spaces);
    if (gap > 2.0f * spaceWidth) {
        AddQueueString(stripped.c_str(), x, y, colour, 0, ALIGN_LEFT);
        return;
    }
    size_t start = 0;
    while (start <= stripped.size()) {
        size_t end = stripped.find(' ', start);
        if (end == std::string::npos)
            end = stripped.size();
        const std::string word = stripped.substr(start, end - start);
        AddQueueString(word.c_str(), x, y, colour, 0, ALIGN_LEFT);
        x += float(GetStringLength(word)) + gap;
        start = end + 1;
    }
}

void LibTextEngine::ProcessTextQueue(int maxChars)
{
    if (!initialised_) {
        DebugOutF("TextNotInitialised");
        return;
    }
    if (queueCount_ > 0 && current_) {
        int glyphs = int(queue_.size());
        if (maxChars >= 0 && glyphs > maxChars)
            glyphs = maxChars;
        if (renderer_ && glyphs > 0)
            renderer_->DrawGlyphs(*current_, queue_.data(), glyphs);
    }
    EndFrame();
}

void LibTextEngine::EndFrame()
{
    queue_.clear();
    queueStart_ = 0;
    queueCount_ = 0;
}
