#pragma once
// A solo activity of the player character being carried out.
// Minimal: replaced when this class's rules are built.

class SIM_SoloActivityInstance {
public:
    static void Open();
    static void Close();
};
