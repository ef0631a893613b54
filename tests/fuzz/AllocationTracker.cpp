#include "fuzz/AllocationTracker.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<size_t> g_live {0};
std::atomic<size_t> g_peak {0};

void* Allocate(size_t size) noexcept
{
    void* p = std::malloc(size ? size : 1);
    if (!p)
        return nullptr;
    size_t now = g_live += malloc_usable_size(p);
    size_t peak = g_peak.load();
    while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
    }
    return p;
}

void Release(void* p) noexcept
{
    if (!p)
        return;
    g_live -= malloc_usable_size(p);
    std::free(p);
}

void* AllocateOrThrow(size_t size)
{
    if (void* p = Allocate(size))
        return p;
    throw std::bad_alloc();
}

} // namespace

void AllocationTracker::Restart()
{
    g_peak = g_live.load();
}

size_t AllocationTracker::Live()
{
    return g_live;
}

size_t AllocationTracker::Peak()
{
    return g_peak;
}

void* operator new(size_t size) { return AllocateOrThrow(size); }
void* operator new[](size_t size) { return AllocateOrThrow(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, size_t) noexcept { Release(p); }
void operator delete[](void* p, size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }
