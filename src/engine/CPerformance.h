#pragma once
// Development aids: a section profiler that times named sections of code per frame and
// over the run, and three renderer counters. Their drawing lives with the renderer
// (engine/gfx); the bookkeeping here is plain logic.
#include "engine/GTimer.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class LibTextEngine;

// One named section: its run-long and per-frame timers and a short history of frame times.
struct CPerformanceObject {
    static constexpr int HISTORY = 32;
    std::string name;
    GTimer totalTimer;
    int32_t count = 0;
    GTimer frameTimer;
    float history[HISTORY] = {};
    int32_t frameCounter = 0;
    uint32_t colour = 0;
};

class CPerformance {
public:
    static constexpr int PALETTE = 6;
    CPerformance() = default;
    virtual ~CPerformance() = default;

    void StartTime(const char* name);
    void EndTime(const char* name);
    void BeginFrame();
    void EndFrame();
    // Draws each section's history as a line graph with its name (engine/gfx).
    void Render(LibTextEngine* engine = nullptr);
    // Writes every section's milliseconds per start to the debug log.
    void Release();

    const std::vector<std::unique_ptr<CPerformanceObject>>& GetSections() const { return sections_; }
    const std::string& GetCurrentName() const { return current_; }
    const CPerformanceObject* Find(const char* name) const;

    // Red, green, blue, yellow, cyan, magenta, opaque, red in the low byte.
    static const uint32_t Palette[PALETTE];

private:
    CPerformanceObject* FindSection(const char* name);
    std::vector<std::unique_ptr<CPerformanceObject>> sections_;
    std::string current_ = "undefined";
    int nextColour_ = 0;
};

// Three renderer counters shown in a small box.
class GPerfStats {
public:
    enum STATTYPE { GDILOCKS = 0, TEXTURESWAPS = 1, PIXELSDRAWN = 2 };
    GPerfStats() { Reset(); }
    virtual ~GPerfStats() = default;
    void Reset();
    void ChangeStat(STATTYPE type, float amount);
    float GetStat(STATTYPE type) const { return stats_[type]; }
    // The three lines of text for Draw.
    std::vector<std::string> Lines() const;
    // The box with the counters, in the system font (engine/gfx).
    void Draw();

private:
    float stats_[3] = {};
};
