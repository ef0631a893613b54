#pragma once
// A musician: a band member or an auditionee.
// Minimal: replaced when this class's rules are built.

class SIM_Musician {
public:
    static void Close();
};
