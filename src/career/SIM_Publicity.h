#pragma once
// The publicity events offered to the band.
// Minimal: replaced when this class's rules are built.

class SIM_Publicity {
public:
    static void GenerateEvents();
};
