#include "mainscreen/GUI_DailyOptions.h"

#include "shell/GUI_StandIn.h"

// Minimal: replaced when this class's rules are built.
GUI_DailyOptions* GUI_GetDailyOptions()
{
    static GUI_DailyOptions* screen = [] {
        auto* s = new GUI_DailyOptions;
        s->SetCloseOnRestart(false);
        return s;
    }();
    return screen;
}

void GUI_DailyOptions::AddPostponeWindow(GUI_WindowBase*)
{
    GUI_StandInCalls().push_back("GUI_DailyOptions::AddPostponeWindow");
}

void GUI_DailyOptions::RemovePostponeWindow(GUI_WindowBase*)
{
    GUI_StandInCalls().push_back("GUI_DailyOptions::RemovePostponeWindow");
}
