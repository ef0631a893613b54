#pragma once
// Listing a folder with a wildcard, the way the engine's Win32-style code expects:
// FindFirstFile / FindNextFile / FindClose over a CFileFind search.
//
// Listings never hold "." or "..", and come sorted case-insensitively (ties in byte
// order): which texture, skin, portrait or save comes first must not depend on the file
// system. Names are never cut short.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Attribute value of a folder in the find data; files have 0.
constexpr uint32_t FILE_ATTRIBUTE_DIRECTORY = 16;

// What a search tells about each match. Nothing else is filled.
struct _WIN32_FIND_DATA {
    uint32_t dwFileAttributes = 0;
    std::string cFileName;
};

// Whether a name fits a wildcard pattern: case-insensitive, "*" stands for any run of
// characters (backtracking, so "*.png" fits "a.b.png"), "?" is an ordinary character.
// A trailing "*.*" fits any rest, with or without a dot, so "*" and "*.*" fit every name.
bool checkWildcardFit(const std::string& name, const std::string& pattern);

// One folder listing in progress; the search handle of FindFirstFile.
class CFileFind {
public:
    CFileFind() = default;
    virtual ~CFileFind() = default;

    // Splits the path at its last "/" or ":" ("\" counts as "/") into folder and pattern
    // and lists the folder. False when there is no folder part, or it names no folder.
    bool FindFile(const std::string& searchPath);
    // Examines the next item; true when its name fits the pattern.
    bool FindNextFile();
    // True once every item has been examined.
    bool IsDone() const { return index_ >= items_.size(); }
    bool IsDirectory() const { return isDirectory_; }
    const std::string& GetFileName() const { return name_; }
    // The folder part of the search followed by the current item's name.
    std::string GetFilePath() const { return folder_ + name_; }
    // The same into a buffer; false (and a cut, terminated text) when it does not fit.
    bool GetFilePath(char* buffer, size_t size) const;

private:
    struct Item {
        std::string name;
        bool isDirectory = false;
    };
    std::vector<Item> items_;
    size_t index_ = 0;
    std::string folder_;
    std::string pattern_;
    std::string name_;
    bool isDirectory_ = false;
};

// Starts a search and fills the find data with the first match. Returns the search
// handle, or nullptr (nothing to close) when nothing matches.
CFileFind* FindFirstFile(const std::string& searchPath, _WIN32_FIND_DATA* findData);
// Fills the find data with the next match; false at the end.
bool FindNextFile(CFileFind* handle, _WIN32_FIND_DATA* findData);
// Ends a search; nullptr is allowed.
void FindClose(CFileFind* handle);
