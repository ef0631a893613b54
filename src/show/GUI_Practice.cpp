#include "show/GUI_Practice.h"

#include "shell/GUI_StandIn.h"

// Minimal: replaced when this class's rules are built.
void GUI_Practice::Create()
{
    GUI_StandInCalls().push_back("GUI_Practice::Create");
}

void GUI_Practice::Close(intptr_t) { GUI_StandInCalls().push_back("GUI_Practice::Close"); }
