#pragma once
// A piece of music or lyrics that songs are built from.
// Minimal: replaced when this class's rules are built.

class SIM_SongElement {
public:
    static void Open();
    static void Close();
};
