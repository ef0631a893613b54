#pragma once
// A rehearsal room, read from its table.
// Minimal: replaced when this class's rules are built.

class SIM_RehearsalVenue {
public:
    static void Open();
    static void Close();
};
