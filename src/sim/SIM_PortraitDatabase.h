#pragma once
// The portrait pictures, with those still free for new musicians.
// Minimal: replaced when this class's rules are built.
#include <string>

class SIM_PortraitDatabase {
public:
    void Open();
    void MakeUsed(const std::string& name);
    // Minimal: no portraits yet; empty names.
    std::string GetMalePortrait();
    std::string GetFemalePortrait();
};

SIM_PortraitDatabase* SIM_GetPortraits();
