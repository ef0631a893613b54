#pragma once
// The mixing game: a day in the recording studio.
// Minimal: replaced when this class's rules are built.
class GUI_MixingGame {
public:
    static void Create();
};
