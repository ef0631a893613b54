#pragma once
// The kinds of asset that carry data of their own: instruments (a ceiling on a musician's
// ability).
// Minimal: replaced when this class's rules are built.
#include "career/SIM_Asset.h"

class SIM_Instrument : public SIM_Asset {
public:
    std::string GetTypeName() const override { return "instrument"; }
    float GetMaxAbility() const { return maxAbility; }

protected:
    float maxAbility = 0.0f;
};
