#pragma once
// Lists of files and folders found by wildcard, and the plain existence test for a file.
#include <string>
#include <vector>

// Whether a file can be found by the game's relative paths.
class GFile {
public:
    // True when Mac_fopen can open the path for reading and it is not a folder.
    static bool FileExists(const std::string& path);
};

// An ordered list of names found by wildcard searches, each put behind a base folder.
class GFileList {
public:
    using iterator = std::vector<std::string>::iterator;
    using const_iterator = std::vector<std::string>::const_iterator;

    GFileList() = default;
    virtual ~GFileList() = default;

    iterator Begin() { return results_.begin(); }
    iterator End() { return results_.end(); }
    const_iterator Begin() const { return results_.begin(); }
    const_iterator End() const { return results_.end(); }
    bool Empty() const { return results_.empty(); }
    // Empties the names; the base folder stays.
    void Clear() { results_.clear(); }
    void SetBaseDir(const std::string& folder) { baseDir_ = folder; }
    const std::string& GetBaseDir() const { return baseDir_; }

    // Appends base folder + name for every file fitting the search path's pattern. The
    // path is tried as written, then (when that finds nothing) under the Resources folder.
    void AddFiles(const std::string& searchPath);
    // The same for folders, leaving out names that begin with "." (hidden folders).
    void AddDirectories(const std::string& searchPath);

private:
    void Add(const std::string& searchPath, bool folders);
    std::string baseDir_;
    std::vector<std::string> results_;
};
