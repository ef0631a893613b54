#include "engine/CPerformance.h"

#include "engine/EngineAssert.h"
#include "engine/GDebugEngine.h"

#include <algorithm>
#include <cstdio>

const uint32_t CPerformance::Palette[PALETTE] = {0xFF0000FFu, 0xFF00FF00u, 0xFFFF0000u,
                                                  0xFF00FFFFu, 0xFFFFFF00u, 0xFFFF00FFu};

CPerformanceObject* CPerformance::FindSection(const char* name)
{
    for (auto& s : sections_)
        if (s->name == name)
            return s.get();
    return nullptr;
}

const CPerformanceObject* CPerformance::Find(const char* name) const
{
    return const_cast<CPerformance*>(this)->FindSection(name);
}

void CPerformance::StartTime(const char* name)
{
    ENGINE_ASSERT(name != nullptr && "fname");
    current_ = std::string(name).substr(0, 31);
    if (CPerformanceObject* s = FindSection(current_.c_str())) {
        s->totalTimer.UnPauseTimer();
        s->frameTimer.UnPauseTimer();
        ++s->count;
        return;
    }
    auto s = std::make_unique<CPerformanceObject>();
    s->name = current_;
    s->totalTimer.StartTimer();
    s->frameTimer.StartTimer();
    s->count = 1;
    s->colour = Palette[nextColour_];
    nextColour_ = (nextColour_ + 1) % PALETTE;
    sections_.push_back(std::move(s));
}

void CPerformance::EndTime(const char* name)
{
    current_ = "undefined";
    CPerformanceObject* s = name ? FindSection(std::string(name).substr(0, 31).c_str()) : nullptr;
    if (!s) {
        DebugOutF("Performance tag mismatch");
        return;
    }
    s->totalTimer.PauseTimer();
    s->frameTimer.PauseTimer();
}

void CPerformance::BeginFrame()
{
    for (auto& s : sections_) {
        s->frameTimer.StartTimer();
        s->frameTimer.PauseTimer();
        s->frameTimer.ForceMilliseconds(0.0f);
    }
}

void CPerformance::EndFrame()
{
    for (auto& s : sections_) {
        s->frameTimer.PauseTimer();
        const float elapsed = float(s->frameTimer.GetElapsed());
        if (++s->frameCounter > 4) {
            s->frameCounter = 0;
            std::copy(s->history + 1, s->history + CPerformanceObject::HISTORY, s->history);
            s->history[CPerformanceObject::HISTORY - 1] = elapsed;
        }
    }
}

void CPerformance::Release()
{
    GetDebug()->DebugOut("\n\n--PERFORMANCE DATA-- \n======================================\n");
    for (const auto& s : sections_) {
        const double perStart = s->count > 0 ? s->totalTimer.GetElapsed() / double(s->count) : 0.0;
        DebugOutF("%s\t\t%f", s->name.c_str(), perStart);
    }
    GetDebug()->DebugOut("\n\n--END-- \n======================================\n");
}

void GPerfStats::Reset()
{
    std::fill(stats_, stats_ + 3, 0.0f);
}

void GPerfStats::ChangeStat(STATTYPE type, float amount)
{
    if (type >= GDILOCKS && type <= PIXELSDRAWN)
        stats_[type] += amount;
}

std::vector<std::string> GPerfStats::Lines() const
{
    char line[3][64];
    std::snprintf(line[0], sizeof line[0], "GDILOCKS: %.2f", double(stats_[GDILOCKS]));
    std::snprintf(line[1], sizeof line[1], "TEXTURESWAPS: %.2f", double(stats_[TEXTURESWAPS]));
    std::snprintf(line[2], sizeof line[2], "PIXELSDRAWN: %.0f", double(stats_[PIXELSDRAWN]));
    return {line[0], line[1], line[2]};
}
