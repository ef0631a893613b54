#pragma once
// The strip at the foot of the money-spending screens that shows a businessman's
// discount. Minimal: replaced when this class's rules are built.
#include "shell/GUI_WindowBase.h"

class GUI_BusinessDiscount : public GUI_WindowBase {
public:
    GUI_BusinessDiscount();
};
