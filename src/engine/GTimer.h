#pragma once
// A millisecond stopwatch with pause and speed multiplier; its throttle (12 ms units
// since the last update) is the speed factor animations multiply their steps by.
#include <cstdint>

class GTimer {
public:
    GTimer() = default;
    virtual ~GTimer() = default;
    void StartTimer();
    void Update();
    void PauseTimer();
    void UnPauseTimer();
    void SetMultiplier(float m) { multiplier_ = m; }
    double GetElapsed() const { return elapsed_; }
    float GetThrottle() const { return throttle_; }
    bool IsPaused() const { return paused_; }
    void ForceMilliseconds(float ms) { elapsed_ = ms; }
    // Writes minutes, seconds and hundredths as "%d:%d%d:%d%d" (83,456 ms: "1:23:45").
    static void FormatAsTime(char* buffer, double milliseconds);

private:
    float multiplier_ = 1.0f;
    bool paused_ = true;
    uint32_t lastTime_ = 0;
    double elapsed_ = 0.0;
    float throttle_ = 0.0f;
};
