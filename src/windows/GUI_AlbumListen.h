#pragma once
// The full-screen page of a record being listened to. Minimal: replaced when this class's
// rules are built.
#include <cstdint>

class SIM_AssetMusic;

class GUI_AlbumListen {
public:
    static void Create(SIM_AssetMusic* asset);
    static void Close(intptr_t);
};
