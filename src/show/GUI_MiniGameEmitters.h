#pragma once
// The particle emitters one mini-game screen started: the screen stops them all when it
// closes, so no effect of a closed screen keeps running over the next one.
#include "engine/V2.h"

#include <cstddef>
#include <vector>

class GUI_ParticleEmmiter;

class GUI_MiniGameEmitters {
public:
    GUI_MiniGameEmitters() = default;
    GUI_MiniGameEmitters(const GUI_MiniGameEmitters&) = delete;
    GUI_MiniGameEmitters& operator=(const GUI_MiniGameEmitters&) = delete;
    ~GUI_MiniGameEmitters() { Clear(); }

    // Starts an emitter of the configuration and remembers it.
    void Start(const char* config, V2 point, float z);
    // Removes every remembered emitter that the particle manager still holds.
    void Clear();
    size_t Started() const { return started_.size(); }

private:
    std::vector<GUI_ParticleEmmiter*> started_;
};
