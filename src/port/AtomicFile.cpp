#include "port/AtomicFile.h"

#include <cstdio>
#include <filesystem>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
AtomicWriteCall writeCall = nullptr;

ssize_t WriteCall(int fd, const void* data, size_t size)
{
    return writeCall ? writeCall(fd, data, size) : ::write(fd, data, size);
}

bool Fail(std::string* why, const std::string& what)
{
    if (why)
        *why = what + (errno ? std::string(": ") + std::strerror(errno) : std::string());
    return false;
}

// Writes every byte, going on after short writes and interruptions.
bool WriteAll(int fd, const std::string& contents)
{
    size_t done = 0;
    while (done < contents.size()) {
        const ssize_t n = WriteCall(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}
}

void SetAtomicWriteCall(AtomicWriteCall call)
{
    writeCall = call;
}

bool WriteFileAtomically(const std::string& path, const std::string& contents)
{
    return WriteFileAtomically(path, contents, nullptr);
}

bool WriteFileAtomically(const std::string& path, const std::string& contents, std::string* why)
{
    namespace fs = std::filesystem;
    errno = 0;
    std::error_code ec;
    fs::path target(path);
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), ec);
    // A fresh name each try: a file or link planted under one name cannot be reused.
    static unsigned counter = 0;
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
        temp = path + ".tmp" + std::to_string(getpid()) + "_" + std::to_string(counter++);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return Fail(why, "cannot create " + temp);
    bool ok = WriteAll(fd, contents);
    std::string what = ok ? "" : "cannot write " + temp;
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        what = "cannot sync " + temp;
    }
    const int savedErrno = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        what = "cannot close " + temp;
    } else {
        errno = savedErrno;
    }
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        what = "cannot replace " + path;
    }
    if (!ok) {
        const int failure = errno;
        ::unlink(temp.c_str());
        errno = failure;
        return Fail(why, what);
    }
    return true;
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
