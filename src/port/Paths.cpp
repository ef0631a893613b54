#include "port/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

std::string& ResourcesOverride()
{
    static std::string folder;
    return folder;
}

std::string ExecutableFolder()
{
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return ".";
    return exe.parent_path().string();
}

} // namespace

std::string NormaliseSeparators(const std::string& path)
{
    std::string out = path;
    for (char& c : out)
        if (c == '\\')
            c = '/';
    return out;
}

std::string GetResourcesFolder()
{
    if (!ResourcesOverride().empty())
        return ResourcesOverride();
    static const std::string exeFolder = ExecutableFolder();
    return exeFolder;
}

void SetResourcesFolder(const std::string& folder)
{
    std::string f = folder;
    while (f.size() > 1 && f.back() == '/')
        f.pop_back();
    ResourcesOverride() = f;
}

std::string GetUserFolder()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (xdg && *xdg)
        base = xdg;
    else {
        const char* home = std::getenv("HOME");
        base = std::string(home && *home ? home : ".") + "/.config";
    }
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    return base + "/zelvaamplivance";
}
