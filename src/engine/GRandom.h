#pragma once
// Random numbers. All of the game's randomness comes from the one standard rand()
// sequence, seeded once when the simulation opens (tests seed it with srand).
#include <cstddef>
#include <cstdlib>

class GRandom {
public:
    // rand() / 2^31 scaled to low..high, in 32-bit floats.
    static float RandReal(float low, float high);
    static float RandUnitFloat() { return RandReal(0.0f, 1.0f); }
    // True when p is strictly greater than a fresh RandUnitFloat().
    static bool IsChance(float p) { return p > RandUnitFloat(); }
    // An index into a list of `count` entries: rand() % count, or 0 for an empty list
    // (callers assert first; an empty list must never reach rand() % 0).
    static size_t RandIndex(size_t count) { return count ? size_t(std::rand()) % count : 0; }
};
