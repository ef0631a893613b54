#include "windows/GUI_RecordCompanyOffer.h"

#include "shell/GUI_StandIn.h"

// Minimal: replaced when this class's rules are built.
GUI_WindowSlot<GUI_RecordCompanyOffer> GUI_RecordCompanyOffer::PTheWindow;

void GUI_RecordCompanyOffer::Create() { GUI_StandInCalls().push_back("GUI_RecordCompanyOffer::Create"); }
