#pragma once
// The game's only source of time. Tests replace it to make timing deterministic.
#include <cstdint>

// A source of milliseconds; the value wraps at 2^32 like the system's up time.
class GClockSource {
public:
    virtual ~GClockSource() = default;
    virtual uint32_t Milliseconds() = 0;
};

// Milliseconds since the system started (or the installed source's reading).
uint32_t timeGetTime();

// Installs a source; nullptr restores the system clock. The caller keeps ownership.
void SetClockSource(GClockSource* source);

// A clock that only moves when told: the tests' and harness's clock.
class GManualClock : public GClockSource {
public:
    explicit GManualClock(uint32_t start = 0) : now_(start) {}
    uint32_t Milliseconds() override { return now_; }
    void Advance(uint32_t ms) { now_ += ms; }
    void Set(uint32_t ms) { now_ = ms; }

private:
    uint32_t now_;
};
