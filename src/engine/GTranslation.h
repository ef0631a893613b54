#pragma once
// The string table: every visible text by key from section "strings" of
// "data/strings.ini", tokens such as "<BANDNAME>" replaced by the caller, and texts picked
// from numbered sections (keys 0, 1, 2...) by a 0..1 value or at random.
#include <array>
#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <vector>

class IniLoader;

// The in-memory table of one section, bucketed by the key's first letter.
class GHashTable {
public:
    struct KeyValue {
        std::string key;
        std::string value;
    };

    GHashTable() = default;
    GHashTable(const GHashTable&) = delete;
    GHashTable& operator=(const GHashTable&) = delete;
    virtual ~GHashTable();

    // Sets the loaded flag, clears the table and reads the section: keys lose every
    // white-space character, values are decoded as IniLoader decodes them.
    void LoadSection(const std::string& section, const std::string& file);
    // The text of the first entry with exactly this key, else "". The pointer stays valid
    // until the table is cleared.
    const char* GetValue(const char* key) const;
    bool IsLoaded() const { return loaded_; }
    // Appends an entry; equal keys are not merged (the first one is found).
    void AddEntry(const std::string& key, const std::string& value);
    void Clear();
    size_t GetNumEntries() const;
    const std::string& GetSectionName() const { return sectionName_; }
    const std::string& GetFileName() const { return fileName_; }

private:
    // 0-25 for keys that begin with a letter; 26 for every other key.
    static size_t BucketOf(const char* key);
    std::array<std::vector<std::unique_ptr<KeyValue>>, 27> buckets_;
    std::string sectionName_;
    std::string fileName_;
    bool loaded_ = false;
};

// A token's name and the text that replaces it.
struct GStringToken {
    std::string name;
    std::string value;
};

// The static string-table service.
class GTranslation {
public:
    // The text of the key, or the key itself when the table has no (or an empty) text for
    // it. The pointer stays valid for the rest of the run.
    static const char* GetString(const char* key);
    static const char* GetString(const std::string& key) { return GetString(key.c_str()); }

    // Replace the first occurrence of the token. The std::string forms return whether the
    // token occurred; the buffer forms return the buffer, or null when the token does not
    // occur, and cut the result to the buffer's size.
    static bool ReplaceToken(std::string& text, const std::string& token, const std::string& replacement);
    static bool ReplaceToken(std::string& text, const std::string& token, int value);
    static char* ReplaceToken(char* buffer, size_t size, const char* token, const char* replacement);
    static char* ReplaceToken(char* buffer, size_t size, const char* token, int value);
    template <size_t N>
    static char* ReplaceToken(char (&buffer)[N], const char* token, const char* replacement)
    {
        return ReplaceToken(buffer, N, token, replacement);
    }
    template <size_t N>
    static char* ReplaceToken(char (&buffer)[N], const char* token, int value)
    {
        return ReplaceToken(buffer, N, token, value);
    }

    // The entry of a numbered section of "data/strings.ini" picked by a 0..1 value (the
    // lowest key for 0, the highest for 1; NaN reads as 0); "" for an empty section.
    static std::string GetValueName(float value, const std::string& section);
    // A random entry of a numbered section; "" (and a logged warning) for an empty one.
    static std::string GetRandomString(const std::string& section, const std::string& file);
    static std::string GetRandomString(const std::string& section);
    // The section's loader, read from the file on first use until Close.
    static IniLoader* GetLoader(const std::string& section, const std::string& file);
    // The text cut to `length` characters, its last three turned into "...".
    static std::string Crop(const std::string& text, int length);
    // The key's text with every "<NAME>" replaced from a list "NAME=value,NAME2=value2,".
    static std::string GetTokenisedString(const char* key, const std::string& tokenList);
    // Frees the loaded sections and the token list (the table of "strings" stays).
    static void Close();

    static GHashTable& GetHashTable();
    static const char* const StringsFile; // "data/strings.ini"

private:
    static void BuildTokenList(const std::string& tokenList);
    static std::string GetToken(const std::string& name);
    static std::list<std::unique_ptr<IniLoader>>& LoadedSections();
    static std::vector<GStringToken>& TokenList();
};
