#pragma once
// The new-album window: the songs and studio of the next album.
// Minimal: replaced when this class's rules are built.
#include <cstdint>

class GUI_NewAlbum {
public:
    static void Create();
    static void Close(intptr_t);
};
