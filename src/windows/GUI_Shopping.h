#pragma once
// The shop: equipment, services and merchandise for the band.
// Minimal: replaced when this class's rules are built.
#include <cstdint>

class GUI_Shopping {
public:
    static void Create();
    static void Close(intptr_t);
};
