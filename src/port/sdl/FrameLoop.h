#pragma once
// The application event loop: one thread, events first, then at most one frame whenever
// one is due. The first frame runs at once, then one every period; after a stall the next
// frame comes a full period after the late one (no burst of catch-up frames).
#include <functional>

class PortWindow;

// When frames are due, in milliseconds of any steady clock.
class FrameScheduler {
public:
    explicit FrameScheduler(double periodMs) : period_(periodMs) {}
    void Start(double nowMs) { next_ = nowMs; }
    bool Due(double nowMs) const { return nowMs >= next_; }
    // Call as a frame starts.
    void FrameRan(double nowMs);
    // Milliseconds until the next frame is due (0 when due).
    double WaitMs(double nowMs) const { return next_ > nowMs ? next_ - nowMs : 0.0; }
    double NextDue() const { return next_; }

private:
    double period_;
    double next_ = 0.0;
};

// The window whose procedure receives the events (PortWindow::Create sets it).
void SetEventTarget(PortWindow* window);

// Passes every waiting event to the main window's procedure without blocking.
void PumpEvents();

// Runs frame() at 1/30 s intervals, dispatching events between frames, until
// QuitFrameLoop() is called (by the frame or by the window procedure).
void RunFrameLoop(const std::function<void()>& frame);
void QuitFrameLoop();
