#include "show/GUI_MixingGame.h"

#include "shell/GUI_StandIn.h"

// Minimal: replaced when this class's rules are built.
void GUI_MixingGame::Create()
{
    GUI_StandInCalls().push_back("GUI_MixingGame::Create");
}
