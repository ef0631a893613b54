#pragma once
// The per-user store behind the profile calls: values written by the game, keyed by the
// INI file's name exactly as the caller wrote it, then section, then key. It lives in one
// text file in the per-user folder, read on first use (in time linear in its size) and
// rewritten whole (atomically) at every write; a missing store reads as empty. A store the
// game cannot use (no header of its own, or a value too long for the INI readers, which
// would stop the program at every start) is reported, set aside as "<path>.bad" and
// replaced by an empty one; a single damaged line is skipped.
#include <deque>
#include <iosfwd>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class GProfileStore {
public:
    using Pairs = std::vector<std::pair<std::string, std::string>>;

    virtual ~GProfileStore() = default;

    // The stored value, or null when the key was never written.
    const std::string* Get(const std::string& file, const std::string& section, const std::string& key);
    // The section's written keys in the order they were first written; null when none.
    const Pairs* GetSection(const std::string& file, const std::string& section);
    // Sets the value and rewrites the store; false when the store could not be written
    // (the value still holds for this run).
    virtual bool Set(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value);
    // Drops what was read, so the next call reads the store file again.
    void Forget();
    // "<user folder>/profile_store.txt".
    static std::string StorePath();

private:
    struct Section {
        std::string file, name;
        Pairs pairs;
        std::unordered_map<std::string, size_t> keyIndex; // position of each key in pairs
    };
    void EnsureLoaded();
    void Load();
    // Reads the store's lines; false when the store cannot be used at all.
    bool Read(std::istream& in);
    void Reset();
    bool Save() const;
    Section* FindSection(const std::string& file, const std::string& section);
    // Sets the key in memory, adding its section or the key when missing.
    void Put(const std::string& file, const std::string& section, const std::string& key, const std::string& value);

    std::deque<Section> sections_;
    std::unordered_map<std::string, size_t> sectionIndex_; // SectionId -> position in sections_
    std::string loadedFrom_;
    bool loaded_ = false;
};

GProfileStore* GetProfileStore();
