#pragma once
// The day's page of options; windows that must be seen first postpone it.
// Minimal: replaced when this class's rules are built.
#include "shell/GUI_WindowBase.h"

class GUI_DailyOptions : public GUI_WindowBase {
public:
    // Minimal: replaced when this class's rules are built. Both record the call only.
    void AddPostponeWindow(GUI_WindowBase* window);
    void RemovePostponeWindow(GUI_WindowBase* window);
};

GUI_DailyOptions* GUI_GetDailyOptions();
