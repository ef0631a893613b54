#include "port/sdl/TTFFont.h"

#include "port/Cp1252.h"
#include "port/Paths.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <limits>
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

namespace {

// The bytes of a font file, read once while any face opened from it is alive; null when
// the file cannot be read.
std::shared_ptr<const std::vector<char>> ReadFontFile(const std::string& file)
{
    static std::map<std::string, std::weak_ptr<const std::vector<char>>> files;
    if (auto bytes = files[file].lock())
        return bytes;
    // Read in one piece at its known size: a face is most of a megabyte, and growing a
    // buffer a byte at a time cost more than the rest of the first menu frame.
    // Only a plain file has a size to go by (a folder opens as a stream of no end).
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return nullptr;
    const uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec || size == 0 || size > uintmax_t(std::numeric_limits<int>::max()))
        return nullptr;
    std::ifstream in(file, std::ios::binary);
    auto read = std::make_shared<std::vector<char>>(size_t(size));
    if (!in || !in.read(read->data(), std::streamsize(size)))
        return nullptr;
    std::shared_ptr<const std::vector<char>> bytes = std::move(read);
    files[file] = bytes;
    return bytes;
}

} // namespace

std::unique_ptr<TTFFont> TTFFont::Open(const std::string& file, int pixelSize)
{
    if (file.empty() || pixelSize <= 0 || !EnsureTTFStarted())
        return nullptr;
    auto bytes = ReadFontFile(file);
    if (!bytes)
        return nullptr;
    SDL_RWops* stream = SDL_RWFromConstMem(bytes->data(), int(bytes->size()));
    TTF_Font* font = stream ? TTF_OpenFontRW(stream, 1, pixelSize) : nullptr;
    if (!font)
        return nullptr;
    TTF_SetFontHinting(font, TTF_HINTING_LIGHT);
    return std::unique_ptr<TTFFont>(new TTFFont(font, std::move(bytes)));
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
    // Blended glyphs come as ARGB already; only another format needs a converted copy.
    SDL_Surface* surface = rendered;
    if (rendered->format->format != SDL_PIXELFORMAT_ARGB8888) {
        surface = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(rendered);
        if (!surface)
            return false;
    }
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

// Setting the hinting empties the face's glyph cache, even to the same value.
void TTFFont::DropGlyphCache() { TTF_SetFontHinting(font_, TTF_GetFontHinting(font_)); }

namespace {

const std::vector<std::string>& DefaultSystemFontFolders()
{
    static const std::vector<std::string> folders {"/usr/share/fonts", "/usr/local/share/fonts"};
    return folders;
}

// The system folders and what was found below them, by file name (a walk of the system's
// font tree is slow, so each name is looked up once).
struct SystemFontSearch {
    std::mutex lock;
    std::vector<std::string> folders = DefaultSystemFontFolders();
    std::map<std::string, std::string> found;
};

SystemFontSearch& Search()
{
    static SystemFontSearch search;
    return search;
}

std::string FindBelow(const std::string& root, const std::string& fileName)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(root, ec))
        return "";
    for (auto e = std::filesystem::recursive_directory_iterator(root, ec);
         !ec && e != std::filesystem::recursive_directory_iterator(); e.increment(ec))
        if (e->path().filename() == fileName)
            return e->path().string();
    return "";
}

} // namespace

std::string FindFontFile(const std::string& fileName)
{
    if (fileName.empty())
        return "";
    // The shipped copy first: the game looks the same whatever the system has installed.
    std::error_code ec;
    const std::string shipped = GetResourcesFolder() + "/" + kShippedFontFolder + "/" + fileName;
    if (std::filesystem::is_regular_file(shipped, ec))
        return shipped;

    SystemFontSearch& search = Search();
    std::lock_guard<std::mutex> guard(search.lock);
    auto it = search.found.find(fileName);
    if (it != search.found.end())
        return it->second;
    std::string path;
    for (const std::string& root : search.folders) {
        path = FindBelow(root, fileName);
        if (!path.empty())
            break;
    }
    search.found[fileName] = path;
    return path;
}

void SetSystemFontFolders(const std::vector<std::string>& folders)
{
    SystemFontSearch& search = Search();
    std::lock_guard<std::mutex> guard(search.lock);
    search.folders = folders;
    search.found.clear();
}

void ResetSystemFontFolders()
{
    SetSystemFontFolders(DefaultSystemFontFolders());
}

std::string SystemFontFace(const std::string& name, bool italic)
{
    std::string lower;
    for (char ch : name)
        lower += char(std::tolower(static_cast<unsigned char>(ch)));
    if (lower.find("lcd") != std::string::npos)
        return italic ? "DSEG14Classic-BoldItalic.ttf" : "DSEG14Classic-Bold.ttf";
    if (lower.find("journal") != std::string::npos)
        return italic ? "ComicNeue-Italic.otf" : "ComicNeue-Regular.otf";
    if (lower.find("bold") != std::string::npos)
        return italic ? "DejaVuSans-BoldOblique.ttf" : "DejaVuSans-Bold.ttf";
    return italic ? "DejaVuSans-Oblique.ttf" : kFallbackFontFace;
}

std::vector<std::string> SystemFontFaces()
{
    std::vector<std::string> faces;
    for (const char* name : {"LCD Bold", "Journal", "tahoma bold", "tahoma"})
        for (bool italic : {false, true})
            faces.push_back(SystemFontFace(name, italic));
    return faces;
}
