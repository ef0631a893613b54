#pragma once
// The song-writing jigsaw.
// Minimal: replaced when this class's rules are built.
class SIM_Song;

class GUI_JigSaw {
public:
    // Opens the jigsaw on the song; newSong is the check-classic flag.
    static void Create(SIM_Song* song, bool newSong);
};
