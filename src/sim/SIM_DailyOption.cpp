#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Screens.h"

// Minimal: replaced when this class's rules are built.

void SIM_DailyOption::ClearAll()
{
    SIM_GetScreens()->DailyOptionsCleared();
}
