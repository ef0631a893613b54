#pragma once
// The song-writing jigsaw: a song is put together from song elements.
// Minimal: replaced when this class's rules are built.
#include <cstdint>
class SIM_Song;
class GUI_JigSaw {
public:
    static void Create(SIM_Song* song, bool newSong);
    static void Close(intptr_t);
};
