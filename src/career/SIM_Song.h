#pragma once
// A song of the band.
// Minimal: replaced when this class's rules are built.
#include <string>
#include <vector>

class SIM_Song {
public:
    static void Open();
    static void CreateInitialSongs();
    // The live song with the greatest boredom above 0 (the first of equals); none when no
    // song is boring.
    static SIM_Song* GetMostBoringSong();
    // The name of a random live song; "" with no songs.
    static std::string GetRandomTitle();

    const std::string& GetName() const { return name; }
    float GetBoredom() const { return boredom; }

    // The live songs, in order of creation.
    static std::vector<SIM_Song*> All;

private:
    std::string name;
    float boredom = 0.0f;
};
