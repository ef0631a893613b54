#include "engine/GProfileStore.h"

#include "engine/GDebugEngine.h"
#include "engine/IniLoader.h"
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

// One text per file and section; the length in front keeps names that hold any byte apart.
std::string SectionId(const std::string& file, const std::string& section)
{
    return std::to_string(file.size()) + ":" + file + section;
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

void GProfileStore::Reset()
{
    sections_.clear();
    sectionIndex_.clear();
}

void GProfileStore::Load()
{
    Reset();
    loaded_ = true;
    loadedFrom_ = StorePath();
    std::ifstream in(loadedFrom_, std::ios::binary);
    if (!in) {
        DebugOutF("Profile store %s not found; starting empty", loadedFrom_.c_str());
        return;
    }
    if (in.peek() == std::ifstream::traits_type::eof() || Read(in))
        return;
    // Read as it is, the store would be lost at the next write or stop every start: it
    // is kept aside for the player, and the game goes on with its defaults.
    Reset();
    in.close();
    std::string aside = SetAsideFile(loadedFrom_);
    if (aside.empty())
        DebugOutF("Profile store %s is damaged and cannot be moved aside; starting empty", loadedFrom_.c_str());
    else
        DebugOutF("Profile store %s is damaged; set aside as %s, starting empty", loadedFrom_.c_str(),
                  aside.c_str());
}

bool GProfileStore::Read(std::istream& in)
{
    std::string line;
    if (!std::getline(in, line) || line != kHeader)
        return false;
    std::vector<std::string> fields;
    std::string decoded;
    int lineNumber = 1;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty())
            continue;
        if (!SplitFields(line, fields)) {
            DebugOutF("Profile store %s: damaged line %d skipped", loadedFrom_.c_str(), lineNumber);
            continue;
        }
        // Every value reaches the INI readers as "key=value"; they accept no value of
        // 2,047 characters or more.
        std::string text = fields[2] + "=" + fields[3];
        if (!IniLoader::TryDecodeValue(std::string_view(text).substr(text.find('=')), decoded)) {
            DebugOutF("Profile store %s: line %d holds a value too long to read", loadedFrom_.c_str(), lineNumber);
            return false;
        }
        Put(fields[0], fields[1], fields[2], fields[3]);
    }
    return true;
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
    auto it = sectionIndex_.find(SectionId(file, section));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

void GProfileStore::Put(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value)
{
    auto [at, added] = sectionIndex_.emplace(SectionId(file, section), sections_.size());
    if (added)
        sections_.push_back(Section {file, section, {}, {}});
    Section& s = sections_[at->second];
    auto [keyAt, newKey] = s.keyIndex.emplace(key, s.pairs.size());
    if (newKey)
        s.pairs.emplace_back(key, value);
    else
        s.pairs[keyAt->second].second = value;
}

const std::string* GProfileStore::Get(const std::string& file, const std::string& section, const std::string& key)
{
    EnsureLoaded();
    const Section* s = FindSection(file, section);
    if (!s)
        return nullptr;
    auto it = s->keyIndex.find(key);
    return it == s->keyIndex.end() ? nullptr : &s->pairs[it->second].second;
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
    Reset();
    loaded_ = false;
}

GProfileStore* GetProfileStore()
{
    static GProfileStore store;
    return &store;
}
