#pragma once
// One section of an INI file as an ordered list of key/value entries, read in one profile
// call and answered by exact (case-sensitive) key.
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class IniLoader {
public:
    struct KeyValue {
        std::string key;
        std::string value;
    };

    IniLoader() = default;
    IniLoader(const IniLoader&) = delete;
    IniLoader& operator=(const IniLoader&) = delete;
    virtual ~IniLoader();

    // Clears the entries, remembers both names and reads the section (the profile store's
    // values included). A missing section or file loads as an empty list.
    void LoadSection(const std::string& section, const std::string& file);
    // The same for a file the player owns (hints, options): a value too long for the engine
    // stops the program in shipped data, but must never make a player's own file stop every
    // start. Such a file is reported in the debug log, set aside as "<path>.bad" (see
    // SetAsideFile) and the section loads empty, so every value reads as its default.
    // False when the file was refused.
    bool LoadUserSection(const std::string& section, const std::string& path);

    // The value of the first entry with exactly this key, else an empty text. The
    // reference stays valid until the next load or clear.
    const std::string& GetValue(const std::string& key) const;
    int GetValueI(const std::string& key) const;
    // The default when the value is empty or missing.
    float GetValueF(const std::string& key, float def) const;
    // Sets every entry with the key (adding one when there is none) to the value written
    // at full precision.
    void SetValueF(const std::string& key, float value);
    bool HasValue(const std::string& key) const;
    int GetNumKeys() const { return int(entries_.size()); }
    const std::deque<KeyValue>& GetEntries() const { return entries_; }

    // Copy the key (or value) at the shared iterator and advance it; false past the last
    // entry, leaving the output untouched. The char* forms cut to the buffer's size.
    bool GetNextKey(std::string& out);
    bool GetNextValue(std::string& out);
    bool GetNextKey(char* buffer, size_t size);
    bool GetNextValue(char* buffer, size_t size);

    const std::string& GetSectionName() const { return sectionName_; }
    const std::string& GetFileName() const { return fileName_; }

    // Writes "[section]" and "key = value" lines; false when the file cannot be written.
    bool SaveAsFile(const std::string& path) const;
    // Lists the file's section lines (brackets removed), in file order.
    void LoadAllSectionNames(const std::string& path);
    const std::vector<std::string>& GetSectionNames() const { return sectionNames_; }

    // Reads the next raw "key=value" text of the section from the read position; false at
    // the end or at a "[". The char* forms cut to their sizes.
    bool GetNextLine(std::string& key, std::string& value);
    bool GetNextLine(char* key, size_t keySize, char* value, size_t valueSize);

    void Clear();

    // Decodes a value that starts at its "=": a "\" keeps the next "=", double quote or
    // line feed; otherwise those three are dropped. Stops the program on a value of 2,047
    // characters or more.
    static std::string DecodeValue(std::string_view raw);
    // The same without stopping: false (and `out` cut short) when the value would reach
    // 2,047 characters.
    static bool TryDecodeValue(std::string_view raw, std::string& out);

protected:
    virtual void AddEntry(const std::string& key, const std::string& value);

private:
    // Reads the section; false at the first value too long, when `fatal` is not set.
    bool Load(const std::string& section, const std::string& file, bool fatal);

    std::vector<std::string> sectionNames_;
    std::string sectionText_; // "key=value\0" texts as read
    size_t readPos_ = 0;
    size_t keyIterator_ = 0;
    std::deque<KeyValue> entries_;
    std::unordered_map<std::string, size_t> firstIndex_;
    std::string sectionName_;
    std::string fileName_;
};
