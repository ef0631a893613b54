#include "engine/PrivateProfile.h"

#include "engine/GDebugEngine.h"
#include "engine/GProfileStore.h"
#include "engine/Utilities.h"
#include "iniparser/iniparser.h"
#include "port/Paths.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace {

// One parsed INI file, kept while the file on disk stays the same.
struct ParsedFile {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified {};
    std::unique_ptr<dictionary, void (*)(dictionary*)> dict {nullptr, iniparser_freedict};
    std::unordered_map<std::string, const char*> index; // first slot of each key
};

bool SameFile(const ParsedFile& p, const struct stat& st)
{
    return p.device == st.st_dev && p.inode == st.st_ino && p.size == st.st_size &&
           p.modified.tv_sec == st.st_mtim.tv_sec && p.modified.tv_nsec == st.st_mtim.tv_nsec;
}

std::map<std::string, ParsedFile>& Cache()
{
    static std::map<std::string, ParsedFile> cache;
    return cache;
}

// The parsed file for a profile file name (created empty when missing); null when the
// file can be had nowhere. Re-parsed whenever the file on disk changed.
const ParsedFile* ParsedProfileFile(const std::string& file)
{
    std::string path = ResolveProfileFilePath(file);
    if (path.empty())
        return nullptr;
    struct stat st;
    if (stat(path.c_str(), &st) != 0) {
        FILE* f = std::fopen(path.c_str(), "wb");
        if (!f)
            return nullptr;
        std::fclose(f);
        DebugOutF("Profile file %s not found; created it empty", path.c_str());
        if (stat(path.c_str(), &st) != 0)
            return nullptr;
    }
    ParsedFile& entry = Cache()[path];
    if (entry.dict && SameFile(entry, st))
        return &entry;
    entry.dict.reset(iniparser_load(path.c_str()));
    entry.index.clear();
    if (!entry.dict) {
        Cache().erase(path);
        return nullptr;
    }
    entry.device = st.st_dev;
    entry.inode = st.st_ino;
    entry.size = st.st_size;
    entry.modified = st.st_mtim;
    const dictionary* d = entry.dict.get();
    for (int i = 0; i < d->size; ++i)
        if (d->key[i])
            entry.index.emplace(d->key[i], d->val[i]);
    return &entry;
}

// The file's value of "section:key": true and the value (a section entry reads empty).
bool FileValue(const std::string& section, const std::string& key, const std::string& file, std::string& value)
{
    const ParsedFile* parsed = ParsedProfileFile(file);
    if (!parsed)
        return false;
    auto it = parsed->index.find(section + ":" + key);
    if (it == parsed->index.end())
        return false;
    value = it->second ? it->second : "";
    return true;
}

} // namespace

std::string ResolveProfileFilePath(const std::string& file)
{
    std::string local = NormaliseSeparators(file);
    if (FILE* f = std::fopen(local.c_str(), "rb")) {
        std::fclose(f);
        return local;
    }
    if (file.find("Resources") != std::string::npos || file.find(".riza") != std::string::npos)
        return local;
    std::string resources = GetResourcesFolder();
    if (resources.empty())
        return {};
    return NormaliseSeparators(resources + "/" + file);
}

dictionary* GetDictionaryForFilename(const std::string& file)
{
    const ParsedFile* parsed = ParsedProfileFile(file);
    if (!parsed)
        return nullptr;
    const dictionary* src = parsed->dict.get();
    dictionary* copy = dictionary_new(src->size);
    for (int i = 0; i < src->size; ++i)
        if (src->key[i])
            dictionary_set(copy, src->key[i], src->val[i]);
    return copy;
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key, const std::string& def,
                                    const std::string& file)
{
    const std::string* stored = GetProfileStore()->Get(file, section, key);
    if (stored && !stored->empty())
        return *stored;
    std::string value;
    return FileValue(section, key, file, value) ? value : def;
}

size_t GetPrivateProfileString(const char* section, const char* key, const char* def, char* buffer, size_t size,
                               const char* file)
{
    std::string value = GetPrivateProfileString(std::string(section ? section : ""), std::string(key ? key : ""),
                                                std::string(def ? def : ""), std::string(file ? file : ""));
    return CopyCut(value, buffer, size);
}

int GetPrivateProfileInt(const std::string& section, const std::string& key, int def, const std::string& file)
{
    return std::atoi(GetPrivateProfileString(section, key, std::to_string(def), file).c_str());
}

float GetPrivateProfileFloat(const std::string& section, const std::string& key, float def, const std::string& file)
{
    std::string text = GetPrivateProfileString(section, key, "", file);
    return text.empty() ? def : float(std::atof(text.c_str()));
}

uint32_t GetPrivateProfileRGBA(const std::string& section, const std::string& key, const std::string& file)
{
    std::string text = GetPrivateProfileString(section, key, "0,0,0,0", file);
    int parts[4] = {0, 0, 0, 0};
    int got = std::sscanf(text.c_str(), "%d,%d,%d,%d", &parts[0], &parts[1], &parts[2], &parts[3]);
    if (got != 4)
        DebugOutF("Colour %s:%s of %s is not four numbers: %s", section.c_str(), key.c_str(), file.c_str(),
                  text.c_str());
    uint32_t colour = 0;
    for (int i = 0; i < 4; ++i) {
        int c = parts[i] < 0 ? 0 : parts[i] > 255 ? 255 : parts[i];
        colour |= uint32_t(c) << (8 * i);
    }
    return colour;
}

std::vector<std::string> GetPrivateProfileSection(const std::string& section, const std::string& file)
{
    std::vector<std::string> out;
    const GProfileStore::Pairs* stored = GetProfileStore()->GetSection(file, section);
    // The store's non-empty values by key (the first of each), and the keys already listed.
    std::unordered_map<std::string, const std::string*> overrides;
    if (stored)
        for (const auto& pair : *stored)
            if (!pair.second.empty())
                overrides.emplace(pair.first, &pair.second);
    std::unordered_set<std::string> listed;
    if (const ParsedFile* parsed = ParsedProfileFile(file)) {
        const dictionary* d = parsed->dict.get();
        // Compared with its length: a section name may hold a zero byte, which must not end
        // the comparison early and send the read past the end of a shorter key.
        const std::string prefix = section + ":";
        for (int i = 0; i < d->size; ++i) {
            if (!d->key[i] || !d->val[i] || std::string_view(d->key[i]).substr(0, prefix.size()) != std::string_view(prefix))
                continue;
            std::string key = d->key[i] + prefix.size();
            auto override = overrides.find(key);
            out.push_back(key + "=" + (override != overrides.end() ? *override->second : std::string(d->val[i])));
            listed.insert(key);
        }
    }
    if (stored)
        for (const auto& pair : *stored)
            if (listed.insert(pair.first).second)
                out.push_back(pair.first + "=" + pair.second);
    return out;
}

size_t GetPrivateProfileSection(const char* section, char* buffer, size_t size, const char* file)
{
    if (!buffer || size == 0)
        return 0;
    std::vector<std::string> lines =
        GetPrivateProfileSection(std::string(section ? section : ""), std::string(file ? file : ""));
    size_t written = 0;
    for (const std::string& line : lines) {
        // The text, its terminator and the final terminator must all fit.
        if (written + line.size() + 2 > size)
            break;
        std::memcpy(buffer + written, line.c_str(), line.size() + 1);
        written += line.size() + 1;
    }
    buffer[written] = '\0';
    return written;
}

bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& file)
{
    return GetProfileStore()->Set(file, section, key, value);
}

bool WritePrivateProfileFloat(const std::string& section, const std::string& key, float value,
                              const std::string& file)
{
    char text[64];
    std::snprintf(text, sizeof text, "%f", double(value));
    return WritePrivateProfileString(section, key, text, file);
}

bool WritePrivateProfileInt(const std::string& section, const std::string& key, int value, const std::string& file)
{
    return WritePrivateProfileString(section, key, std::to_string(value), file);
}
