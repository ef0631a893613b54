#include "engine/GDebugEngine.h"

#include "engine/EngineAssert.h"
#include "port/Paths.h"

#include <algorithm>
#include <cstdarg>
#include <cstdlib>
#include <ctime>
#include <filesystem>

namespace {

std::string DebugFolder() { return GetUserFolder() + "/debugdata"; }

// "Started 2026-12-10 16:41:30", local time: which run a log belongs to.
std::string StartLine()
{
    std::time_t now = std::time(nullptr);
    std::tm local {};
    char text[64] = "Started (time unknown)";
    if (localtime_r(&now, &local))
        std::strftime(text, sizeof text, "Started %Y-%m-%d %H:%M:%S", &local);
    return text;
}

} // namespace

std::string GetDebugLogPath() { return DebugFolder() + "/debug.txt"; }

std::string GetPreviousDebugLogPath() { return DebugFolder() + "/debug.old.txt"; }

void EngineAssertFailed(const char* file, unsigned line, const char* condition)
{
    std::fprintf(stderr, "%s:%u: failed assertion `%s'\n", file, line, condition);
    std::fflush(stderr);
    std::abort();
}

GDebugEngine::~GDebugEngine()
{
    if (log_)
        std::fclose(log_);
}

void GDebugEngine::Open()
{
    log_ = std::fopen(path_.c_str(), "wt");
    if (log_) {
        std::fputs("----DEBUG FILE----\n", log_);
        DebugOut(StartLine());
    }
}

void GDebugEngine::Initialise()
{
    if (log_)
        return;
    path_ = GetDebugLogPath();
    std::error_code ec;
    std::filesystem::create_directories(DebugFolder(), ec);
    // A second run must not overwrite the log of the first silently: the one before is
    // kept (a crash is usually looked into after starting the game again).
    if (std::filesystem::exists(path_, ec))
        std::filesystem::rename(path_, GetPreviousDebugLogPath(), ec);
    Open();
}

void GDebugEngine::DebugOut(const char* text)
{
    if (!log_)
        return;
    std::fputs(text ? text : "", log_);
    std::fputc('\n', log_);
    std::fflush(log_);
}

void GDebugEngine::Shutdown()
{
    if (!log_)
        return;
    std::fputs("END DEBUG---\n", log_);
    std::fclose(log_);
    log_ = nullptr;
}

void GDebugEngine::ResetFile()
{
    if (log_) {
        std::fclose(log_);
        log_ = nullptr;
    }
    if (path_.empty())
        path_ = GetDebugLogPath();
    Open();
}

void GDebugEngine::SetFlag(const char* name)
{
    flags_.emplace_back(name ? name : "");
}

bool GDebugEngine::IsSet(const char* name) const
{
    return name && std::find(flags_.begin(), flags_.end(), name) != flags_.end();
}

GDebugEngine* GetDebug()
{
    static GDebugEngine engine;
    return &engine;
}

void DebugOutF(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(n > 0 ? size_t(n) : 0, '\0');
    if (n > 0)
        std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    GetDebug()->DebugOut(text.c_str());
}
