#include "port/Clock.h"

#include <ctime>

namespace {

GClockSource*& InstalledSource()
{
    static GClockSource* source = nullptr;
    return source;
}

uint32_t SystemMilliseconds()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    uint64_t ms = uint64_t(ts.tv_sec) * 1000u + uint64_t(ts.tv_nsec) / 1000000u;
    return uint32_t(ms); // wraps like the system's up time does
}

} // namespace

uint32_t timeGetTime()
{
    if (GClockSource* s = InstalledSource())
        return s->Milliseconds();
    return SystemMilliseconds();
}

void SetClockSource(GClockSource* source)
{
    InstalledSource() = source;
}
