#include "windows/GUI_EffectListWatcher.h"

#include "shell/GUI_StandIn.h"

// Minimal: replaced when this class's rules are built.
void GUI_EffectListWatcher::Create(const SIM_EffectList*, const char*)
{
    GUI_StandInCalls().push_back("GUI_EffectListWatcher::Create");
}
