#include "windows/GUI_NewAlbum.h"

#include "shell/GUI_StandIn.h"

// Minimal: replaced when this class's rules are built.
void GUI_NewAlbum::Create()
{
    GUI_StandInCalls().push_back("GUI_NewAlbum::Create");
}

void GUI_NewAlbum::Close(intptr_t) { GUI_StandInCalls().push_back("GUI_NewAlbum::Close"); }
