#include "windows/GUI_Shopping.h"

#include "shell/GUI_StandIn.h"

// Minimal: replaced when this class's rules are built.
void GUI_Shopping::Create()
{
    GUI_StandInCalls().push_back("GUI_Shopping::Create");
}

void GUI_Shopping::Close(intptr_t) { GUI_StandInCalls().push_back("GUI_Shopping::Close"); }
