#pragma once
// A song of the band.
// Minimal: replaced when this class's rules are built.

class SIM_Song {
public:
    static void Open();
    static void CreateInitialSongs();
};
