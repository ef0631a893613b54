#include "engine/GTranslation.h"

#include "engine/GDebugEngine.h"
#include "engine/GRandom.h"
#include "engine/IniLoader.h"
#include "engine/PrivateProfile.h"
#include "engine/Utilities.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <unordered_set>

const char* const GTranslation::StringsFile = "data/strings.ini";

GHashTable::~GHashTable() = default;

size_t GHashTable::BucketOf(const char* key)
{
    int first = std::tolower(static_cast<unsigned char>(key ? key[0] : 0));
    return first >= 'a' && first <= 'z' ? size_t(first - 'a') : 26;
}

void GHashTable::LoadSection(const std::string& section, const std::string& file)
{
    loaded_ = true;
    Clear();
    sectionName_ = section;
    fileName_ = file;
    for (const std::string& line : GetPrivateProfileSection(section, file)) {
        size_t eq = line.find('=');
        std::string key;
        for (char c : line.substr(0, eq))
            if (!std::isspace(static_cast<unsigned char>(c)))
                key += c;
        std::string_view raw = eq == std::string::npos ? std::string_view() : std::string_view(line).substr(eq);
        AddEntry(key, IniLoader::DecodeValue(raw));
    }
}

const char* GHashTable::GetValue(const char* key) const
{
    if (!key)
        return "";
    for (const auto& entry : buckets_[BucketOf(key)])
        if (entry->key == key)
            return entry->value.c_str();
    return "";
}

void GHashTable::AddEntry(const std::string& key, const std::string& value)
{
    buckets_[BucketOf(key.c_str())].push_back(std::make_unique<KeyValue>(KeyValue {key, value}));
}

void GHashTable::Clear()
{
    for (auto& bucket : buckets_)
        bucket.clear();
}

size_t GHashTable::GetNumEntries() const
{
    size_t n = 0;
    for (const auto& bucket : buckets_)
        n += bucket.size();
    return n;
}

GHashTable& GTranslation::GetHashTable()
{
    static GHashTable table;
    return table;
}

std::list<std::unique_ptr<IniLoader>>& GTranslation::LoadedSections()
{
    static std::list<std::unique_ptr<IniLoader>> sections;
    return sections;
}

std::vector<GStringToken>& GTranslation::TokenList()
{
    static std::vector<GStringToken> tokens;
    return tokens;
}

const char* GTranslation::GetString(const char* key)
{
    GHashTable& table = GetHashTable();
    if (!table.IsLoaded())
        table.LoadSection("strings", StringsFile);
    const char* text = table.GetValue(key);
    if (*text)
        return text;
    // A missing text shows its key; keep a copy so the pointer outlives the caller's key.
    static std::unordered_set<std::string> missing;
    return missing.insert(key ? key : "").first->c_str();
}

bool GTranslation::ReplaceToken(std::string& text, const std::string& token, const std::string& replacement)
{
    if (token.empty())
        return false;
    size_t at = text.find(token);
    if (at == std::string::npos)
        return false;
    text.replace(at, token.size(), replacement);
    return true;
}

bool GTranslation::ReplaceToken(std::string& text, const std::string& token, int value)
{
    return ReplaceToken(text, token, NumToDelimitedChar(value));
}

char* GTranslation::ReplaceToken(char* buffer, size_t size, const char* token, const char* replacement)
{
    if (!buffer || size == 0 || !token)
        return nullptr;
    std::string text(buffer, strnlen(buffer, size));
    if (!ReplaceToken(text, std::string(token), std::string(replacement ? replacement : "")))
        return nullptr;
    CopyCut(text, buffer, size);
    return buffer;
}

char* GTranslation::ReplaceToken(char* buffer, size_t size, const char* token, int value)
{
    return ReplaceToken(buffer, size, token, NumToDelimitedChar(value).c_str());
}

IniLoader* GTranslation::GetLoader(const std::string& section, const std::string& file)
{
    for (const auto& loader : LoadedSections())
        if (loader->GetFileName() == file && loader->GetSectionName() == section)
            return loader.get();
    auto loader = std::make_unique<IniLoader>();
    loader->LoadSection(section, file);
    LoadedSections().push_back(std::move(loader));
    return LoadedSections().back().get();
}

std::string GTranslation::GetValueName(float value, const std::string& section)
{
    IniLoader* loader = GetLoader(section, StringsFile);
    int n = loader->GetNumKeys();
    if (n == 0)
        return {};
    // The product is taken in 32-bit floats, as the value itself is: 0.7 of ten entries is
    // the entry 7, not 6.
    float v = std::isnan(value) ? 0.0f : value;
    float scaled = std::trunc(float(n) * v);
    int i = scaled < 0.0f ? 0 : scaled >= float(n) ? n - 1 : int(scaled);
    return loader->GetValue(std::to_string(i));
}

std::string GTranslation::GetRandomString(const std::string& section, const std::string& file)
{
    IniLoader* loader = GetLoader(section, file);
    int n = loader->GetNumKeys();
    if (n <= 0) {
        GetDebug()->DebugOut("WARNING - No random translation keys found");
        return {};
    }
    return loader->GetValue(std::to_string(GRandom::RandIndex(size_t(n))));
}

std::string GTranslation::GetRandomString(const std::string& section)
{
    return GetRandomString(section, StringsFile);
}

std::string GTranslation::Crop(const std::string& text, int length)
{
    if (length < 0)
        return {};
    if (text.size() <= size_t(length))
        return text;
    std::string out = text.substr(0, size_t(length));
    for (size_t i = out.size() >= 3 ? out.size() - 3 : out.size(); i < out.size(); ++i)
        out[i] = '.';
    return out;
}

void GTranslation::BuildTokenList(const std::string& tokenList)
{
    TokenList().clear();
    GStringToken token;
    bool inValue = false;
    for (char c : tokenList) {
        if (!inValue && c == '=') {
            inValue = true;
        } else if (inValue && c == ',') {
            TokenList().push_back(token);
            token = GStringToken();
            inValue = false;
        } else {
            (inValue ? token.value : token.name) += c;
        }
    }
}

std::string GTranslation::GetToken(const std::string& name)
{
    for (const GStringToken& token : TokenList())
        if (token.name == name)
            return token.value;
    DebugOutF("failed to find token:%s", name.c_str());
    return {};
}

std::string GTranslation::GetTokenisedString(const char* key, const std::string& tokenList)
{
    BuildTokenList(tokenList);
    std::string text = GetString(key);
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '<') {
            out += text[i];
            continue;
        }
        size_t close = text.find('>', i + 1);
        if (close == std::string::npos)
            break; // an unclosed token drops the rest
        out += GetToken(text.substr(i + 1, close - i - 1));
        i = close;
    }
    return out;
}

void GTranslation::Close()
{
    TokenList().clear();
    LoadedSections().clear();
}
