#include "windows/GUI_BookGig.h"

#include "shell/GUI_StandIn.h"

// Minimal: replaced when this class's rules are built.
void GUI_BookGig::Create()
{
    GUI_StandInCalls().push_back("GUI_BookGig::Create");
}

void GUI_BookGig::Close(intptr_t) { GUI_StandInCalls().push_back("GUI_BookGig::Close"); }
