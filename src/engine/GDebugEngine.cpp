#include "engine/GDebugEngine.h"

#include "engine/EngineAssert.h"
#include "port/MacFile.h"

#include <algorithm>
#include <cstdarg>
#include <cstdlib>

namespace {
const char* const kLogPath = ".\\debugdata\\debug.txt";
}

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
    log_ = Mac_fopen(kLogPath, "wt");
    if (log_) {
        std::fputs("----DEBUG FILE----\n", log_);
        std::fflush(log_);
    }
}

void GDebugEngine::Initialise()
{
    if (!log_)
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
