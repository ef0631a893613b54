#pragma once
// The strip that shows the band's business discount under the screens where money is spent.
// Minimal: replaced when this class's rules are built.
#include "shell/GUI_WindowBase.h"

class GUI_BusinessDiscount : public GUI_WindowBase {
public:
    GUI_BusinessDiscount();
    void Draw() override {}
};
