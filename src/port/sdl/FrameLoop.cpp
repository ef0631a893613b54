#include "port/sdl/FrameLoop.h"

#include "port/sdl/PortWindow.h"

#include <SDL2/SDL.h>

#include <chrono>
#include <cmath>

namespace {

bool quitRequested = false;
PortWindow* eventTarget = nullptr;

double NowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

void DispatchOne(const SDL_Event& e)
{
    if (eventTarget)
        eventTarget->Dispatch(e);
}

} // namespace

void SetEventTarget(PortWindow* window)
{
    eventTarget = window;
}

void FrameScheduler::FrameRan(double nowMs)
{
    next_ += period_;
    if (next_ <= nowMs)
        next_ = nowMs + period_;
}

void PumpEvents()
{
    SDL_Event e;
    while (SDL_PollEvent(&e))
        DispatchOne(e);
}

void RunFrameLoop(const std::function<void()>& frame)
{
    quitRequested = false;
    FrameScheduler scheduler(1000.0 / 30.0);
    scheduler.Start(NowMs());
    while (!quitRequested) {
        double wait = scheduler.WaitMs(NowMs());
        SDL_Event e;
        if (wait > 0.0 && SDL_WaitEventTimeout(&e, int(std::ceil(wait))))
            DispatchOne(e);
        PumpEvents();
        if (quitRequested)
            break;
        double now = NowMs();
        if (scheduler.Due(now)) {
            scheduler.FrameRan(now);
            frame();
        }
    }
    quitRequested = false;
}

void QuitFrameLoop()
{
    quitRequested = true;
}
