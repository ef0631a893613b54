#include "engine/GProfileStore.h"

#include "engine/GDebugEngine.h"
#include "port/AtomicFile.h"
#include "port/Paths.h"

#include <fstream>
#include <sstream>

namespace {

const char* const kHeader = "# Amplivance profile store 1";

// Fields are tab-separated; "\", tab, line feed and carriage return are escaped.
std::string Escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

bool SplitFields(const std::string& line, std::vector<std::string>& fields)
{
    fields.assign(1, std::string());
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == '\t') {
            fields.emplace_back();
        } else if (c == '\\') {
            if (++i == line.size())
                return false;
            switch (line[i]) {
            case '\\': fields.back() += '\\'; break;
            case 't': fields.back() += '\t'; break;
            case 'n': fields.back() += '\n'; break;
            case 'r': fields.back() += '\r'; break;
            default: return false;
            }
        } else {
            fields.back() += c;
        }
    }
    return fields.size() == 4;
}

} // namespace

std::string GProfileStore::StorePath()
{
    return GetUserFolder() + "/profile_store.txt";
}

void GProfileStore::EnsureLoaded()
{
    // The per-user folder is read from the environment, so a changed folder is a new store.
    std::string path = StorePath();
    if (!loaded_ || path != loadedFrom_)
        Load();
}

void GProfileStore::Load()
{
    sections_.clear();
    loaded_ = true;
    loadedFrom_ = StorePath();
    std::ifstream in(loadedFrom_, std::ios::binary);
    if (!in) {
        DebugOutF("Profile store %s not found; starting empty", loadedFrom_.c_str());
        return;
    }
    std::string line;
    if (!std::getline(in, line) || line != kHeader) {
        DebugOutF("Profile store %s is damaged; reading it as empty", loadedFrom_.c_str());
        return;
    }
    std::vector<std::string> fields;
    int lineNumber = 1;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty())
            continue;
        if (!SplitFields(line, fields)) {
            DebugOutF("Profile store %s: damaged line %d skipped", loadedFrom_.c_str(), lineNumber);
            continue;
        }
        Put(fields[0], fields[1], fields[2], fields[3]);
    }
}

bool GProfileStore::Save() const
{
    std::ostringstream out;
    out << kHeader << '\n';
    for (const Section& s : sections_)
        for (const auto& pair : s.pairs)
            out << Escape(s.file) << '\t' << Escape(s.name) << '\t' << Escape(pair.first) << '\t'
                << Escape(pair.second) << '\n';
    if (WriteFileAtomically(loadedFrom_, out.str()))
        return true;
    DebugOutF("Failed to write the profile store %s", loadedFrom_.c_str());
    return false;
}

GProfileStore::Section* GProfileStore::FindSection(const std::string& file, const std::string& section)
{
    for (Section& s : sections_)
        if (s.file == file && s.name == section)
            return &s;
    return nullptr;
}

void GProfileStore::Put(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value)
{
    Section* s = FindSection(file, section);
    if (!s) {
        sections_.push_back(Section {file, section, {}});
        s = &sections_.back();
    }
    bool found = false;
    for (auto& pair : s->pairs)
        if (pair.first == key) {
            pair.second = value;
            found = true;
        }
    if (!found)
        s->pairs.emplace_back(key, value);
}

const std::string* GProfileStore::Get(const std::string& file, const std::string& section, const std::string& key)
{
    const Pairs* pairs = GetSection(file, section);
    if (!pairs)
        return nullptr;
    for (const auto& pair : *pairs)
        if (pair.first == key)
            return &pair.second;
    return nullptr;
}

const GProfileStore::Pairs* GProfileStore::GetSection(const std::string& file, const std::string& section)
{
    EnsureLoaded();
    Section* s = FindSection(file, section);
    return s && !s->pairs.empty() ? &s->pairs : nullptr;
}

bool GProfileStore::Set(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value)
{
    EnsureLoaded();
    Put(file, section, key, value);
    return Save();
}

void GProfileStore::Forget()
{
    sections_.clear();
    loaded_ = false;
}

GProfileStore* GetProfileStore()
{
    static GProfileStore store;
    return &store;
}
