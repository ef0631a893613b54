#pragma once
// A text file with a small tag mark-up (<FONTNAME=...>, <COLOR=r,g,b,a>, <SIZE=...>,
// <WRAP=...>, <BR>) turned into chunks of text with their own font settings, drawn one
// below the other through the bitmap text engine.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class LibTextEngine;

// One run of text with its font settings; the text "<BR>" is a line break.
struct FormattedTextChunk {
    std::string text;
    std::string fontName;
    float size = 16.0f;
    uint32_t colour = 0xFFFFFFFFu; // red in the low byte, then green, blue, alpha
    float wrap = 1280.0f;

    // Draws the chunk at (x, y); the y below it.
    float Render(float x, float y, LibTextEngine& engine) const;
};

class FormattedText {
public:
    FormattedText() = default;
    virtual ~FormattedText() = default;

    // Reads and parses the file; a file that does not open logs "Failed to open: %s".
    bool Load(const char* path);
    // Parses text already in memory.
    void Parse(const std::string& text);
    // Draws every chunk, each starting where the one before ended (the global engine
    // unless one is given).
    void Render(float x, float y, LibTextEngine* engine = nullptr) const;
    const std::vector<std::unique_ptr<FormattedTextChunk>>& GetChunks() const { return chunks_; }

    // The text engine's order for a chunk colour: 0xAARRGGBB.
    static uint32_t ToEngineColour(uint32_t colour);

private:
    void SetDefaults();
    void ParseTextBuffer();
    void ProcessChar(char c);
    void ProcessTag();
    void ProcessText();

    std::vector<std::unique_ptr<FormattedTextChunk>> chunks_;
    std::string fontName_ = "arial16.dds";
    std::string pending_;
    uint32_t colour_ = 0xFFFFFFFFu;
    float size_ = 16.0f;
    std::string buffer_;
    float wrap_ = 1280.0f;
    bool inTag_ = false;
    std::string tag_;
};
