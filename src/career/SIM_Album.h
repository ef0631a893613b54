#pragma once
// An album in development or released, with its sales.
// Minimal: replaced when this class's rules are built.

class SIM_Album {
public:
    static void Open();
    static void CalculateAllRoyalties();
};
