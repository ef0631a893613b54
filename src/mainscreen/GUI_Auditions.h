#pragma once
// The auditions window: musicians try out for the band.
// Minimal: replaced when this class's rules are built.
#include <cstdint>

class GUI_Auditions {
public:
    static void Create();
    static void Close(intptr_t);
};
