#pragma once
// A musician: a band member or an auditionee.
// Minimal: replaced when this class's rules are built.

#include "sim/SIM_Person.h"

#include <string>
#include <vector>

class SIM_Personality;

class SIM_Musician : public SIM_Person {
public:
    static void Close();

    // Minimal: the personalities, as the personality counts and rules read them.
    void AddPersonality(SIM_Personality* personality);
    bool HasPersonality(const std::string& name) const;

private:
    std::vector<SIM_Personality*> personalities;
};
