#pragma once
// The practice game: the player practises an instrument.
// Minimal: replaced when this class's rules are built.
#include <cstdint>

class GUI_Practice {
public:
    static void Create();
    static void Close(intptr_t);
};
