#include "port/AtomicFile.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

bool WriteFileAtomically(const std::string& path, const std::string& contents)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path target(path);
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), ec);
    std::string temp = path + ".tmp" + std::to_string(getpid());
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(contents.data(), 1, contents.size(), f) == contents.size();
    ok = std::fflush(f) == 0 && ok;
    ok = fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok)
        ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok)
        std::remove(temp.c_str());
    return ok;
}

std::string SetAsideFile(const std::string& path)
{
    namespace fs = std::filesystem;
    for (int n = 1; n <= 1000; ++n) {
        std::string candidate = path + ".bad" + (n > 1 ? std::to_string(n) : std::string());
        std::error_code ec;
        if (fs::exists(fs::symlink_status(candidate, ec)))
            continue;
        fs::rename(path, candidate, ec);
        return ec ? std::string() : candidate;
    }
    return {};
}
