#pragma once
// The developer's watch of the live effects of one effect list.
// Minimal: replaced when this class's rules are built.
#include "sim/SIM_Effect.h"
class GUI_EffectListWatcher {
public:
    static void Create(const SIM_EffectList* list, const char* title);
};
