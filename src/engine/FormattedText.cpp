#include "engine/FormattedText.h"

#include "engine/GDebugEngine.h"
#include "engine/LibTextEngine.h"
#include "engine/Utilities.h"
#include "port/MacFile.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {
constexpr const char* kLineBreak = "<BR>";
} // namespace

uint32_t FormattedText::ToEngineColour(uint32_t c)
{
    const uint32_t r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF, a = c >> 24;
    return a << 24 | r << 16 | g << 8 | b;
}

float FormattedTextChunk::Render(float x, float y, LibTextEngine& engine) const
{
    if (text == kLineBreak)
        return y + size;
    engine.SetCurrentFont(fontName.c_str(), size);
    return engine.AddWrappedString(text, x, y, wrap, FormattedText::ToEngineColour(colour));
}

bool FormattedText::Load(const char* path)
{
    FILE* file = Mac_fopen(path, "r");
    if (!file) {
        DebugOutF("Failed to open: %s", path ? path : "");
        return false;
    }
    buffer_.clear();
    char piece[2048];
    while (std::fgets(piece, sizeof piece, file))
        buffer_ += piece;
    std::fclose(file);
    ParseTextBuffer();
    buffer_.clear();
    buffer_.shrink_to_fit();
    return true;
}

void FormattedText::Parse(const std::string& text)
{
    buffer_ = text;
    ParseTextBuffer();
    buffer_.clear();
}

void FormattedText::Render(float x, float y, LibTextEngine* engine) const
{
    LibTextEngine& target = engine ? *engine : *GetTextEngine();
    for (const auto& chunk : chunks_)
        y = chunk->Render(x, y, target);
}

void FormattedText::SetDefaults()
{
    fontName_ = "arial16.dds";
    size_ = 16.0f;
    colour_ = 0xFFFFFFFFu;
    wrap_ = 1280.0f;
    pending_.clear();
}

void FormattedText::ParseTextBuffer()
{
    SetDefaults();
    inTag_ = false;
    tag_.clear();
    for (char c : buffer_)
        ProcessChar(c);
    if (!pending_.empty())
        ProcessText();
}

void FormattedText::ProcessChar(char c)
{
    if (inTag_) {
        if (c == '>') {
            inTag_ = false;
            ProcessTag();
        } else {
            tag_ += c;
        }
        return;
    }
    if (c == '<') {
        if (!pending_.empty())
            ProcessText();
        inTag_ = true;
        tag_.clear();
    } else if (c == '\n') {
        ProcessText();
    } else {
        pending_ += c;
    }
}

void FormattedText::ProcessText()
{
    auto chunk = std::make_unique<FormattedTextChunk>();
    chunk->text = pending_;
    chunk->fontName = fontName_;
    chunk->size = size_;
    chunk->colour = colour_;
    chunk->wrap = wrap_;
    chunks_.push_back(std::move(chunk));
    pending_.clear();
}

void FormattedText::ProcessTag()
{
    // Split as settings are: spaces around the "=" and at the end do not belong to the value.
    std::string name, value;
    SplitKeyValue(tag_, name, value);
    if (tag_.find("FONTNAME") != std::string::npos) {
        fontName_ = value;
    } else if (tag_.find("COLOR") != std::string::npos) {
        uint32_t parts[4] = {0, 0, 0, 0};
        std::istringstream in(value);
        std::string field;
        for (int i = 0; i < 4 && std::getline(in, field, ','); ++i)
            parts[i] = uint32_t(std::strtoll(field.c_str(), nullptr, 10)) & 0xFF; // saturates, never overflows
        colour_ = parts[0] + parts[1] * 256u + parts[2] * 65536u + parts[3] * 16777216u;
    } else if (tag_.find("SIZE") != std::string::npos) {
        size_ = std::strtof(value.c_str(), nullptr); // out of range: infinite, never undefined
    } else if (tag_.find("WRAP") != std::string::npos) {
        wrap_ = std::strtof(value.c_str(), nullptr); // out of range: infinite, never undefined
    } else if (tag_ == "BR") {
        auto chunk = std::make_unique<FormattedTextChunk>();
        chunk->text = kLineBreak;
        chunk->size = size_;
        chunk->colour = colour_;
        chunk->wrap = 0.0f;
        chunks_.push_back(std::move(chunk));
        pending_.clear();
    }
}
