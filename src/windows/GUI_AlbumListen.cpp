#include "windows/GUI_AlbumListen.h"

#include "shell/GUI_StandIn.h"

// Minimal: replaced when this class's rules are built.
void GUI_AlbumListen::Create(SIM_AssetMusic*) { GUI_StandInCalls().push_back("GUI_AlbumListen::Create"); }

void GUI_AlbumListen::Close(intptr_t) { GUI_StandInCalls().push_back("GUI_AlbumListen::Close"); }
