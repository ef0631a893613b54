#include "port/MacFile.h"

#include "port/Paths.h"

#include <cstring>
#include <string>

FILE* Mac_fopen(const char* path, const char* mode)
{
    if (!path || !mode)
        return nullptr;
    // "\" is an ordinary file-name character here, so the working-folder try uses "/" too
    // (otherwise ".\debugdata\debug.txt" would be created as one odd file name).
    std::string local = NormaliseSeparators(path);
    if (FILE* f = std::fopen(local.c_str(), mode))
        return f;
    std::string resources = GetResourcesFolder();
    if (resources.empty())
        return nullptr;
    std::string full = resources;
    if (full.back() != '/')
        full += '/';
    full += local;
    return std::fopen(full.c_str(), mode);
}

bool BuildMacResourceDirPath(char* buffer, size_t size, const char* subFolder)
{
    if (!buffer || size == 0)
        return false;
    std::string out = GetResourcesFolder();
    if (out.empty())
        return false;
    out += '/';
    std::string sub = subFolder ? subFolder : "";
    if (!sub.empty()) {
        // Leading "." and separators go: ".\\data" and "data" name the same folder.
        size_t firstKept = sub.find_first_not_of(".\\/");
        sub = firstKept == std::string::npos ? std::string() : sub.substr(firstKept);
        out = NormaliseSeparators(out + sub);
        if (out.back() != '/')
            out += '/';
    }
    if (out.size() + 1 > size)
        return false;
    std::memcpy(buffer, out.c_str(), out.size() + 1);
    return true;
}
