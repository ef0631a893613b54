#include "mainscreen/GUI_Auditions.h"

#include "shell/GUI_StandIn.h"

// Minimal: replaced when this class's rules are built.
void GUI_Auditions::Create()
{
    GUI_StandInCalls().push_back("GUI_Auditions::Create");
}

void GUI_Auditions::Close(intptr_t) { GUI_StandInCalls().push_back("GUI_Auditions::Close"); }
