#include "windows/GUI_BusinessDiscount.h"

#include "shell/GUI_StandIn.h"

// Minimal: replaced when this class's rules are built.
GUI_BusinessDiscount::GUI_BusinessDiscount()
{
    GUI_StandInCalls().push_back("GUI_BusinessDiscount::GUI_BusinessDiscount");
}
