#pragma once
// Numbered text lists (keys 0, 1, 2... of INI sections of one file), loaded on first use.
// An entry written "-n" is a variation: one of the n texts under the keys "i-0".."i-(n-1)"
// is picked at random each time the entry is fetched. A count above 1,000 is taken for damage:
// the variation stays empty and a warning goes to the debug log.
#include <memory>
#include <string>
#include <vector>

// One loaded list: a section's entries or a variation's texts.
struct StringArray {
    std::string name;
    std::vector<std::string> strings;
};

class StringManager {
public:
    StringManager() = default;
    StringManager(const StringManager&) = delete;
    StringManager& operator=(const StringManager&) = delete;
    virtual ~StringManager();

    void SetDBFilename(const std::string& file) { fileName_ = file; }
    void SetGenSection(const std::string& section) { genSection_ = section; }

    // The entry's text (or a random text of its variation); null when the index is beyond
    // the list. Loads the section on first use. Pointers stay valid until Release.
    const char* GetString(const std::string& section, int index);
    const char* GetGenString(int index) { return GetString(genSection_, index); }
    // A random entry; "" for an empty section.
    const char* GetRndString(const std::string& section);
    // Loads the section again, then GetString.
    const char* GetUncached(const std::string& section, int index);
    // Appends the section's list read from the file (the number is not used).
    void LoadStrings(const std::string& section, int unused, const std::string& file);
    // A random text of the variation; "" for an empty or unknown one.
    const char* GetVariant(const std::string& name);
    void Release();

private:
    StringArray* Find(const std::string& name);
    StringArray* FindOrLoad(const std::string& section);

    std::vector<std::unique_ptr<StringArray>> lists_;
    std::string genSection_ = "General";
    std::string fileName_;
};
