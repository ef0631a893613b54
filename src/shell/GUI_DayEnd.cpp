#include "shell/GUI_DayEnd.h"

#include "sim/SIM_SIM.h"

namespace {
int depth = 0;
bool pending = false;
} // namespace

void GUI_DayEnd::Request()
{
    if (depth > 0) {
        pending = true;
        return;
    }
    SIM_GetSim()->EndDay();
}

bool GUI_DayEnd::IsPending() { return pending; }

void GUI_DayEnd::Drop() { pending = false; }

GUI_DayEnd::InputScope::InputScope() { ++depth; }

GUI_DayEnd::InputScope::~InputScope()
{
    if (--depth > 0 || !pending)
        return;
    pending = false;
    SIM_GetSim()->EndDay();
}
