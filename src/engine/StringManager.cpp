#include "engine/StringManager.h"

#include "engine/GDebugEngine.h"
#include "engine/GRandom.h"
#include "engine/PrivateProfile.h"

#include <cstdlib>

namespace {
// Numbers the variations of the whole run; never reset, so reloaded lists get new names.
int g_variationCounter = 0;
// More texts than any list is written with; a larger count is damage.
constexpr int kMaxVariationTexts = 1000;
} // namespace

StringManager::~StringManager()
{
    Release();
}

StringArray* StringManager::Find(const std::string& name)
{
    for (const auto& list : lists_)
        if (list->name == name)
            return list.get();
    return nullptr;
}

StringArray* StringManager::FindOrLoad(const std::string& section)
{
    if (StringArray* list = Find(section))
        return list;
    LoadStrings(section, 0, fileName_);
    return Find(section);
}

void StringManager::LoadStrings(const std::string& section, int, const std::string& file)
{
    lists_.push_back(std::make_unique<StringArray>());
    StringArray* list = lists_.back().get();
    list->name = section;
    for (int i = 0;; ++i) {
        std::string text = GetPrivateProfileString(section, std::to_string(i), "", file);
        if (text.empty())
            break;
        if (text[0] != '-') {
            list->strings.push_back(text);
            continue;
        }
        if (text.size() < 2)
            break;
        long count = std::strtol(text.c_str() + 1, nullptr, 10);
        if (count > kMaxVariationTexts) {
            // A damaged or hostile count would read the file for ever: the variation is
            // kept, empty, so the list's numbering stays as written.
            DebugOutF("WARNING - variation %s:%d of %s claims %ld texts (at most %d); none read", section.c_str(), i,
                      file.c_str(), count, kMaxVariationTexts);
            count = 0;
        }
        lists_.push_back(std::make_unique<StringArray>());
        StringArray* variation = lists_.back().get();
        variation->name = "-var" + std::to_string(g_variationCounter++);
        list->strings.push_back(variation->name);
        for (long j = 0; j < count; ++j)
            variation->strings.push_back(
                GetPrivateProfileString(section, std::to_string(i) + "-" + std::to_string(j), "", file));
    }
}

const char* StringManager::GetString(const std::string& section, int index)
{
    StringArray* list = FindOrLoad(section);
    if (!list || index < 0 || size_t(index) >= list->strings.size())
        return nullptr;
    const std::string& entry = list->strings[size_t(index)];
    if (!entry.empty() && entry[0] == '-')
        return GetVariant(entry);
    return entry.c_str();
}

const char* StringManager::GetRndString(const std::string& section)
{
    StringArray* list = FindOrLoad(section);
    if (!list || list->strings.empty()) {
        DebugOutF("No strings to pick from in section %s", section.c_str());
        return "";
    }
    return GetString(section, int(GRandom::RandIndex(list->strings.size())));
}

const char* StringManager::GetUncached(const std::string& section, int index)
{
    LoadStrings(section, 0, fileName_);
    return GetString(section, index);
}

const char* StringManager::GetVariant(const std::string& name)
{
    StringArray* list = Find(name);
    if (!list || list->strings.empty()) {
        DebugOutF("No texts for variation %s", name.c_str());
        return "";
    }
    return list->strings[GRandom::RandIndex(list->strings.size())].c_str();
}

void StringManager::Release()
{
    lists_.clear();
}
