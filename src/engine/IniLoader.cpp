#include "engine/IniLoader.h"

#include "engine/EngineAssert.h"
#include "engine/GDebugEngine.h"
#include "engine/PrivateProfile.h"
#include "engine/Utilities.h"
#include "port/AtomicFile.h"
#include "port/MacFile.h"
#include "port/Paths.h"

#include <charconv>
#include <cstdlib>

namespace {

const std::string& EmptyText()
{
    static const std::string empty;
    return empty;
}

} // namespace

IniLoader::~IniLoader()
{
    Clear();
}

bool IniLoader::TryDecodeValue(std::string_view raw, std::string& out)
{
    out.clear();
    bool escapePending = false;
    for (char c : raw) {
        if (c == '\\') {
            escapePending = true;
            continue;
        }
        if (c == '=' || c == '"' || c == '\n') {
            if (!escapePending)
                continue;
            escapePending = false;
        }
        // A value must fit the engine's 2,048-character value field.
        if (out.size() >= 2046)
            return false;
        out += c;
    }
    return true;
}

std::string IniLoader::DecodeValue(std::string_view raw)
{
    std::string out;
    if (!TryDecodeValue(raw, out)) {
        DebugOutF("INI value too long (2,047 characters or more): %.60s...", out.c_str());
        EngineAssertFailed(__FILE__, __LINE__, "writepos < 2047");
    }
    return out;
}

bool IniLoader::Load(const std::string& section, const std::string& file, bool fatal)
{
    Clear();
    sectionName_ = section;
    fileName_ = file;
    sectionText_.clear();
    readPos_ = 0;
    for (const std::string& line : GetPrivateProfileSection(section, file)) {
        sectionText_ += line;
        sectionText_ += '\0';
        size_t eq = line.find('=');
        std::string key = line.substr(0, eq);
        std::string_view raw = eq == std::string::npos ? std::string_view() : std::string_view(line).substr(eq);
        std::string value;
        if (fatal)
            value = DecodeValue(raw);
        else if (!TryDecodeValue(raw, value))
            return false;
        AddEntry(key, value);
    }
    keyIterator_ = 0;
    return true;
}

void IniLoader::LoadSection(const std::string& section, const std::string& file)
{
    Load(section, file, true);
}

bool IniLoader::LoadUserSection(const std::string& section, const std::string& path)
{
    if (Load(section, path, false))
        return true;
    Clear();
    sectionText_.clear();
    std::string resolved = ResolveProfileFilePath(path);
    std::string aside = SetAsideFile(resolved);
    if (aside.empty())
        DebugOutF("%s holds a value of 2,047 characters or more and cannot be moved aside; "
                  "its defaults are used",
                  resolved.c_str());
    else
        DebugOutF("%s holds a value of 2,047 characters or more; set aside as %s, defaults used", resolved.c_str(),
                  aside.c_str());
    return false;
}

void IniLoader::AddEntry(const std::string& key, const std::string& value)
{
    if (!key.empty() && key[0] == '/')
        return;
    entries_.push_back(KeyValue {TrimEnd(key), value});
    firstIndex_.emplace(entries_.back().key, entries_.size() - 1);
}

const std::string& IniLoader::GetValue(const std::string& key) const
{
    auto it = firstIndex_.find(key);
    return it == firstIndex_.end() ? EmptyText() : entries_[it->second].value;
}

int IniLoader::GetValueI(const std::string& key) const
{
    return std::atoi(GetValue(key).substr(0, 63).c_str());
}

float IniLoader::GetValueF(const std::string& key, float def) const
{
    const std::string& value = GetValue(key);
    return value.empty() ? def : float(std::atof(value.substr(0, 63).c_str()));
}

void IniLoader::SetValueF(const std::string& key, float value)
{
    // The shortest text that reads back as the same float.
    char text[64];
    auto result = std::to_chars(text, text + sizeof text, value);
    std::string written(text, result.ptr);
    bool found = false;
    for (KeyValue& kv : entries_)
        if (kv.key == key) {
            kv.value = written;
            found = true;
        }
    if (!found) {
        entries_.push_back(KeyValue {key, written});
        firstIndex_.emplace(key, entries_.size() - 1);
    }
}

bool IniLoader::HasValue(const std::string& key) const
{
    return firstIndex_.count(key) != 0;
}

bool IniLoader::GetNextKey(std::string& out)
{
    if (keyIterator_ >= entries_.size())
        return false;
    out = entries_[keyIterator_++].key;
    return true;
}

bool IniLoader::GetNextValue(std::string& out)
{
    if (keyIterator_ >= entries_.size())
        return false;
    out = entries_[keyIterator_++].value;
    return true;
}

bool IniLoader::GetNextKey(char* buffer, size_t size)
{
    if (keyIterator_ >= entries_.size())
        return false;
    CopyCut(entries_[keyIterator_++].key, buffer, size);
    return true;
}

bool IniLoader::GetNextValue(char* buffer, size_t size)
{
    if (keyIterator_ >= entries_.size())
        return false;
    CopyCut(entries_[keyIterator_++].value, buffer, size);
    return true;
}

bool IniLoader::SaveAsFile(const std::string& path) const
{
    std::string text = "[" + sectionName_ + "]\n";
    for (const KeyValue& kv : entries_)
        text += kv.key + " = " + kv.value + "\n";
    return WriteFileAtomically(NormaliseSeparators(path), text);
}

void IniLoader::LoadAllSectionNames(const std::string& path)
{
    sectionNames_.clear();
    FILE* f = Mac_fopen(path.c_str(), "r");
    if (!f)
        return;
    ForEachLine(f, [&](const std::string& line) {
        if (!line.empty() && line[0] == '[') {
            std::string name = TrimEnd(line);
            name = name.size() >= 2 ? name.substr(1, name.size() - 2) : std::string();
            sectionNames_.push_back(name);
        }
    });
    std::fclose(f);
}

bool IniLoader::GetNextLine(std::string& key, std::string& value)
{
    std::string k;
    size_t pos = readPos_;
    while (pos < sectionText_.size() && sectionText_[pos] != '=') {
        if (sectionText_[pos] == '[')
            return false;
        k += sectionText_[pos++];
    }
    if (pos >= sectionText_.size())
        return false;
    ++pos; // the "="
    std::string v;
    while (pos < sectionText_.size() && sectionText_[pos] != '\0')
        v += sectionText_[pos++];
    readPos_ = pos + 1;
    key = k;
    value = v;
    return true;
}

bool IniLoader::GetNextLine(char* key, size_t keySize, char* value, size_t valueSize)
{
    std::string k, v;
    if (!GetNextLine(k, v))
        return false;
    CopyCut(k, key, keySize);
    CopyCut(v, value, valueSize);
    return true;
}

void IniLoader::Clear()
{
    entries_.clear();
    firstIndex_.clear();
    keyIterator_ = 0;
}
