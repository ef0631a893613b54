#include "savegame/SaveFormat.h"

#include "port/Paths.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace SaveFormat {

namespace {
struct Entity {
    char c;
    const char* text;
};
constexpr Entity Entities[] = {
    {'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'\r', "&#13;"}, {'\n', "&#10;"},
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
}

std::string Escape(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const Entity* found = nullptr;
        for (const Entity& e : Entities)
            if (e.c == c)
                found = &e;
        if (found)
            out += found->text;
        else
            out += c;
    }
    return out;
}

std::string Unescape(const std::string& text)
{
    if (text.find('&') == std::string::npos)
        return text;
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const Entity* found = nullptr;
        if (text[i] == '&')
            for (const Entity& e : Entities)
                if (text.compare(i, std::strlen(e.text), e.text) == 0)
                    found = &e;
        if (found) {
            out += found->c;
            i += std::strlen(found->text);
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::string FormatInt(int v)
{
    return std::to_string(v);
}

namespace {
std::string FormatFixed(float v, const char* format)
{
    if (!std::isfinite(v))
        v = 0.0f;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, static_cast<double>(v));
    return buffer;
}
}

std::string FormatFloat(float v)
{
    return FormatFixed(v, "%.3f");
}

std::string FormatFloat2(float v)
{
    return FormatFixed(v, "%.2f");
}

bool ParseInt(const std::string& text, int& out)
{
    out = 0;
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (end == text.c_str())
        return false;
    while (*end && IsBlank(*end))
        ++end;
    if (*end)
        return false;
    if (errno == ERANGE || v > INT_MAX || v < INT_MIN) {
        out = v < 0 ? INT_MIN : INT_MAX;
        return false;
    }
    out = static_cast<int>(v);
    return true;
}

bool ParseFloat(const std::string& text, float& out)
{
    out = 0.0f;
    if (text.empty())
        return false;
    char* end = nullptr;
    const float v = std::strtof(text.c_str(), &end);
    if (end == text.c_str())
        return false;
    while (*end && IsBlank(*end))
        ++end;
    if (*end || !std::isfinite(v))
        return false;
    out = v;
    return true;
}

std::vector<std::string> SplitCommaList(const std::string& text)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size() && out.size() < MaxListTokens) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos) {
            out.push_back(text.substr(start));
            break;
        }
        out.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return out;
}

void Document::Append(int parent, Node&& node)
{
    nodes.push_back(std::move(node));
    const int index = static_cast<int>(nodes.size() - 1);
    if (parent < 0)
        return;
    Node& p = nodes[static_cast<size_t>(parent)];
    if (p.lastChild < 0)
        p.firstChild = index;
    else
        nodes[static_cast<size_t>(p.lastChild)].next = index;
    p.lastChild = index;
}

bool Document::Parse(const std::string& source)
{
    nodes.clear();
    error.clear();
    if (source.size() > MaxFileBytes) {
        error = "file too large";
        return false;
    }
    text = source;
    size_t lines = 1;
    for (char c : text)
        lines += c == '\n';
    nodes.reserve(lines);
    std::vector<int> open;
    bool closed = false;
    size_t pos = 0;
    const size_t n = text.size();
    const std::string_view all(text);
    while (pos < n) {
        const size_t lt = text.find('<', pos);
        if (lt == std::string::npos) {
            for (size_t i = pos; i < n; ++i)
                if (!IsBlank(text[i]) && closed) {
                    error = "text after the last tag";
                    return false;
                }
            break;
        }
        if (closed) {
            error = "text after the last tag";
            return false;
        }
        size_t gt = lt + 1;
        while (gt < n && text[gt] != '>' && text[gt] != '<' && text[gt] != '\n' && gt - lt - 1 <= MaxTagChars)
            ++gt;
        if (gt >= n || text[gt] != '>') {
            error = "broken tag";
            return false;
        }
        const std::string_view tag = all.substr(lt + 1, gt - lt - 1);
        if (tag.empty() || tag == "/") {
            error = "empty tag";
            return false;
        }
        if (tag[0] == '/') {
            if (open.empty() || nodes[static_cast<size_t>(open.back())].tag != tag.substr(1)) {
                error = "unexpected closing tag " + std::string(tag);
                return false;
            }
            open.pop_back();
            closed = open.empty();
            pos = gt + 1;
            continue;
        }
        // A value: text without a line break up to the key's closing tag.
        const size_t next = text.find('<', gt + 1);
        if (next != std::string::npos && next + tag.size() + 3 <= n && text[next + 1] == '/' &&
            all.substr(next + 2, tag.size()) == tag && text[next + 2 + tag.size()] == '>' &&
            std::memchr(text.data() + gt + 1, '\n', next - gt - 1) == nullptr) {
            if (open.empty()) {
                error = "value outside the file's block";
                return false;
            }
            if (next - gt - 1 > MaxValueBytes) {
                error = "value too long";
                return false;
            }
            Node node;
            node.tag = tag;
            node.value = Unescape(text.substr(gt + 1, next - gt - 1));
            node.leaf = true;
            Append(open.back(), std::move(node));
            pos = next + tag.size() + 3;
            continue;
        }
        if (open.empty()) {
            if (!nodes.empty() || tag != Tag::Root) {
                error = "the file does not begin with <xml>";
                return false;
            }
        } else if (static_cast<int>(open.size()) >= MaxDepth) {
            error = "blocks nested too deeply";
            return false;
        }
        Node node;
        node.tag = tag;
        Append(open.empty() ? -1 : open.back(), std::move(node));
        open.push_back(static_cast<int>(nodes.size() - 1));
        pos = gt + 1;
    }
    if (nodes.empty()) {
        error = "empty file";
        return false;
    }
    if (!open.empty()) {
        error = "the file ends inside <" + std::string(nodes[static_cast<size_t>(open.back())].tag) + ">";
        return false;
    }
    return true;
}

int Document::Find(const Node& parent, const char* tag) const
{
    for (int child = parent.firstChild; child >= 0; child = At(child).next)
        if (!At(child).leaf && At(child).tag == tag)
            return child;
    return -1;
}

bool IsSafeTextureName(const std::string& name)
{
    return name.find('/') == std::string::npos && name.find('\\') == std::string::npos &&
           name.find("..") == std::string::npos;
}

bool IsValidSaveName(const std::string& name)
{
    if (name.empty() || name[0] == '.' || name.size() >= MaxNameChars)
        return false;
    for (unsigned char c : name)
        if (c == '/' || c == '\\' || c < 0x20 || c == 0x7f)
            return false;
    return true;
}

std::string SaveGamesDir()
{
    return GetUserFolder() + "/savegames";
}

std::string SavePath(const std::string& name)
{
    return SaveGamesDir() + "/" + name + ".xml";
}

}
