#pragma once
// The record company's offer after a gig whose scout liked the band.
// Minimal: replaced when this class's rules are built.
#include "shell/GUI_WindowBase.h"

class GUI_RecordCompanyOffer : public GUI_WindowBase {
public:
    // Minimal: replaced when this class's rules are built. Records the call only.
    static void Create();
    static GUI_WindowSlot<GUI_RecordCompanyOffer> PTheWindow;
};
