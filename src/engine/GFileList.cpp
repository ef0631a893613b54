#include "engine/GFileList.h"

#include "port/FileFind.h"
#include "port/MacFile.h"
#include "port/Paths.h"

#include <cstdio>
#include <sys/stat.h>

namespace {

// The search path moved under the Resources folder (leading dots and separators dropped).
std::string UnderResources(const std::string& searchPath)
{
    // Room for the Resources folder, two separators, the path and the terminator.
    std::vector<char> buffer(GetResourcesFolder().size() + searchPath.size() + 3);
    if (!BuildMacResourceDirPath(buffer.data(), buffer.size(), searchPath.c_str()))
        return {};
    std::string path = buffer.data();
    if (!path.empty() && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

bool GFile::FileExists(const std::string& path)
{
    FILE* f = Mac_fopen(path.c_str(), "rb");
    if (!f)
        return false;
    // Reading mode opens a folder too, but a folder is no file to load.
    struct stat info {};
    bool isFile = fstat(fileno(f), &info) == 0 && !S_ISDIR(info.st_mode);
    std::fclose(f);
    return isFile;
}

void GFileList::AddFiles(const std::string& searchPath)
{
    Add(searchPath, false);
}

void GFileList::AddDirectories(const std::string& searchPath)
{
    Add(searchPath, true);
}

void GFileList::Add(const std::string& searchPath, bool folders)
{
    _WIN32_FIND_DATA data;
    CFileFind* find = FindFirstFile(searchPath, &data);
    if (!find) {
        std::string fallback = UnderResources(searchPath);
        if (!fallback.empty())
            find = FindFirstFile(fallback, &data);
    }
    if (!find)
        return;
    do {
        bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (folders && (!isFolder || data.cFileName[0] == '.'))
            continue;
        // A folder is never a file to load (a save, a texture, a picture).
        if (!folders && isFolder)
            continue;
        results_.push_back(baseDir_ + data.cFileName);
    } while (FindNextFile(find, &data));
    FindClose(find);
}
