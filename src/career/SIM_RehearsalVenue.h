#pragma once
// A rehearsal room, read from its table.
// Minimal: replaced when this class's rules are built.

class SIM_Musician;

class SIM_RehearsalVenue {
public:
    static void Open();
    static void Close();
    // The room's effect on a musician's motivation.
    float GetMotivation(SIM_Musician* musician) const;
};
