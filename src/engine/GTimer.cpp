#include "engine/GTimer.h"

#include "port/Clock.h"

#include <cmath>
#include <cstdio>

void GTimer::StartTimer()
{
    paused_ = false;
    elapsed_ = 0.0;
    lastTime_ = timeGetTime();
}

void GTimer::Update()
{
    if (paused_)
        return;
    uint32_t now = timeGetTime();
    // Unsigned difference: the clock's wrap after ~49 days still gives a small delta.
    double delta = double(uint32_t(now - lastTime_));
    throttle_ = float(delta / 12.0);
    throttle_ *= multiplier_;
    elapsed_ += double(multiplier_) * delta;
    lastTime_ = now;
}

void GTimer::PauseTimer()
{
    Update();
    paused_ = true;
    lastTime_ = timeGetTime();
}

void GTimer::UnPauseTimer()
{
    paused_ = false;
    lastTime_ = timeGetTime();
}

void GTimer::FormatAsTime(char* buffer, double ms)
{
    if (!buffer)
        return;
    if (!(ms >= 0.0))
        ms = 0.0;
    int minutes = int(std::floor(ms / 60000.0));
    double rest = ms - minutes * 60000.0;
    int tensOfSeconds = int(std::floor(rest / 10000.0));
    rest -= tensOfSeconds * 10000.0;
    int seconds = int(std::floor(rest / 1000.0));
    rest -= seconds * 1000.0;
    int tenths = int(std::floor(rest / 100.0));
    rest -= tenths * 100.0;
    int hundredths = int(std::floor(rest / 10.0));
    std::sprintf(buffer, "%d:%d%d:%d%d", minutes, tensOfSeconds, seconds, tenths, hundredths);
}
