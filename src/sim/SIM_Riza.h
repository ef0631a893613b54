#pragma once
// The player character.
// Minimal: replaced when this class's rules are built.

#include <string>

class SIM_NamedValue;

class SIM_Riza {
public:
    void Initialise();
    void RecalcAttributes();
    // Minimal: "fame" goes to the fame store; the player has no attributes yet, so every
    // other name is ignored.
    void ApplyEffect(const std::string& name, float value, float degrade, const std::string& debugName);
    // Minimal: no attributes or skills yet.
    SIM_NamedValue* GetNamedValue(const std::string& name, bool create);
};

SIM_Riza* SIM_GetRiza();
