#pragma once
// How well two band members get on.
// Minimal: replaced when this class's rules are built.

class SIM_Relationship {
public:
    static void Clear();
    static void NextDayAll();
};
