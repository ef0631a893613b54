#include "mainscreen/GUI_Rehearsal.h"

#include "shell/GUI_StandIn.h"

// Minimal: replaced when this class's rules are built.
void GUI_Rehearsal::Create()
{
    GUI_StandInCalls().push_back("GUI_Rehearsal::Create");
}

void GUI_Rehearsal::Close(intptr_t) { GUI_StandInCalls().push_back("GUI_Rehearsal::Close"); }
