#include "port/sdl/TTFFont.h"

#include "port/Cp1252.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <mutex>

bool EnsureTTFStarted()
{
    static bool started = TTF_WasInit() || TTF_Init() == 0;
    return started;
}

TTFFont::~TTFFont()
{
    if (font_)
        TTF_CloseFont(font_);
}

std::unique_ptr<TTFFont> TTFFont::Open(const std::string& file, int pixelSize)
{
    if (file.empty() || pixelSize <= 0 || !EnsureTTFStarted())
        return nullptr;
    TTF_Font* font = TTF_OpenFont(file.c_str(), pixelSize);
    if (!font)
        return nullptr;
    TTF_SetFontHinting(font, TTF_HINTING_LIGHT);
    return std::unique_ptr<TTFFont>(new TTFFont(font));
}

int TTFFont::GetAscent() const { return TTF_FontAscent(font_); }
int TTFFont::GetDescent() const { return -TTF_FontDescent(font_); }
int TTFFont::GetHeight() const { return TTF_FontHeight(font_); }
int TTFFont::GetLineSkip() const { return TTF_FontLineSkip(font_); }

bool TTFFont::HasGlyph(unsigned char c) const
{
    return TTF_GlyphIsProvided32(font_, Cp1252ToUnicode(c)) != 0;
}

int TTFFont::GetAdvance(unsigned char c) const
{
    int minx, maxx, miny, maxy, advance;
    if (!HasGlyph(c) || TTF_GlyphMetrics32(font_, Cp1252ToUnicode(c), &minx, &maxx, &miny, &maxy, &advance) != 0)
        return 0;
    return advance;
}

bool TTFFont::RenderGlyph(unsigned char c, TTFGlyphBitmap& out) const
{
    out = TTFGlyphBitmap {};
    if (c <= ' ' || !HasGlyph(c))
        return false;
    const uint32_t code = Cp1252ToUnicode(c);
    int minx, maxx, miny, maxy, advance;
    if (TTF_GlyphMetrics32(font_, code, &minx, &maxx, &miny, &maxy, &advance) != 0)
        return false;
    SDL_Surface* rendered = TTF_RenderGlyph32_Blended(font_, code, SDL_Color {255, 255, 255, 255});
    if (!rendered)
        return false;
    SDL_Surface* surface = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (!surface)
        return false;
    out.width = surface->w;
    out.height = surface->h;
    out.penX = std::max(0, -minx);
    out.coverage.resize(size_t(out.width) * size_t(out.height));
    SDL_LockSurface(surface);
    for (int y = 0; y < out.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < out.width; ++x)
            out.coverage[size_t(y) * out.width + x] = uint8_t(row[x] >> 24);
    }
    SDL_UnlockSurface(surface);
    SDL_FreeSurface(surface);
    return true;
}

std::string FindFontFile(const std::string& fileName)
{
    static std::mutex lock;
    static std::map<std::string, std::string> found;
    std::lock_guard<std::mutex> guard(lock);
    auto it = found.find(fileName);
    if (it != found.end())
        return it->second;
    std::string path;
    for (const char* root : {"/usr/share/fonts", "/usr/local/share/fonts"}) {
        std::error_code ec;
        if (!std::filesystem::is_directory(root, ec))
            continue;
        for (auto e = std::filesystem::recursive_directory_iterator(root, ec);
             !ec && e != std::filesystem::recursive_directory_iterator(); e.increment(ec)) {
            if (e->path().filename() == fileName) {
                path = e->path().string();
                break;
            }
        }
        if (!path.empty())
            break;
    }
    found[fileName] = path;
    return path;
}

std::string SystemFontFile(const std::string& name, bool italic)
{
    std::string lower;
    for (char ch : name)
        lower += char(std::tolower(static_cast<unsigned char>(ch)));
    const bool bold = lower.find("bold") != std::string::npos;
    const char* file;
    if (lower.find("lcd") != std::string::npos)
        file = italic ? "DSEG14Classic-BoldItalic.ttf" : "DSEG14Classic-Bold.ttf";
    else if (lower.find("journal") != std::string::npos)
        file = italic ? "ComicNeue-Italic.otf" : "ComicNeue-Regular.otf";
    else if (bold)
        file = italic ? "DejaVuSans-BoldOblique.ttf" : "DejaVuSans-Bold.ttf";
    else
        file = italic ? "DejaVuSans-Oblique.ttf" : "DejaVuSans.ttf";
    std::string path = FindFontFile(file);
    if (path.empty())
        path = FindFontFile("DejaVuSans.ttf");
    return path;
}
