#pragma once
// TrueType faces through SDL2_ttf. Needs no display, so font metrics and glyph pictures
// are available to headless tests and to the asset tools alike. Characters are cp1252
// bytes; they become Unicode only here.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct _TTF_Font;

// One glyph's coverage: rows from the top of the line (the ascent line), columns from the
// picture's left edge; the pen position lies `penX` columns in.
struct TTFGlyphBitmap {
    int width = 0;
    int height = 0;
    int penX = 0;
    std::vector<uint8_t> coverage; // width x height, 0..255
};

// One face at one pixel size (the em in pixels).
class TTFFont {
public:
    ~TTFFont();
    TTFFont(const TTFFont&) = delete;
    TTFFont& operator=(const TTFFont&) = delete;

    // Null when the file cannot be opened as a font.
    static std::unique_ptr<TTFFont> Open(const std::string& file, int pixelSize);

    int GetAscent() const;   // pixels above the baseline
    int GetDescent() const;  // pixels below the baseline, positive
    int GetHeight() const;   // ascent + descent as the face reports it
    int GetLineSkip() const; // recommended distance between baselines
    bool HasGlyph(unsigned char c) const;
    int GetAdvance(unsigned char c) const; // 0 when the face has no glyph
    // False (and an empty picture) for characters without a visible glyph.
    bool RenderGlyph(unsigned char c, TTFGlyphBitmap& out) const;
    // Lets go of the glyph pictures SDL_ttf keeps for each glyph it has rendered, once
    // the caller has its own copy of them (a face's 256 glyphs are a few hundred KB).
    void DropGlyphCache();

private:
    using FileBytes = std::shared_ptr<const std::vector<char>>;
    TTFFont(_TTF_Font* font, FileBytes bytes) : font_(font), bytes_(std::move(bytes)) {}
    _TTF_Font* font_;
    // The font file in memory, shared by every size of the face: glyphs are read from it
    // without a seek and a read of the file each.
    FileBytes bytes_;
};

// Starts SDL2_ttf once; false when it cannot start.
bool EnsureTTFStarted();

// The folder, inside the Resources folder, that holds the TrueType faces the game ships
// with (copied there by the build).
constexpr const char* kShippedFontFolder = "ttf";
// The face every other face falls back to.
constexpr const char* kFallbackFontFace = "DejaVuSans.ttf";

// Finds a font file by its file name: first among the faces shipped with the game, then
// below the system's font folders; empty when it is in neither.
std::string FindFontFile(const std::string& fileName);
// The system font folders searched after the shipped faces; tests narrow them (an empty
// list searches none).
void SetSystemFontFolders(const std::vector<std::string>& folders);
void ResetSystemFontFolders();

// The file name of the free face standing in for a system font name the game uses:
// "Verdana bold", "tahoma bold" (with or without a trailing blank) -> DejaVu Sans Bold;
// "LCD Bold" -> DSEG14 Classic Bold; "Journal" -> Comic Neue; "tahoma", the empty name and
// anything else -> DejaVu Sans. Italic picks the face's oblique or italic style.
std::string SystemFontFace(const std::string& name, bool italic);
// Every face SystemFontFace can name, and the fallback.
std::vector<std::string> SystemFontFaces();
