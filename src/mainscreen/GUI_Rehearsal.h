#pragma once
// The rehearsal window: where the band rehearses today.
// Minimal: replaced when this class's rules are built.
#include <cstdint>

class GUI_Rehearsal {
public:
    static void Create();
    static void Close(intptr_t);
};
