#include "menus/GUI_StoryScreens.h"

#include "menus/GUI_EndGame.h"
#include "menus/GUI_FMVScreen.h"
#include "menus/GUI_GameMode.h"
#include "menus/GUI_YearlyReview.h"

#include <cmath>

void GUI_ClearStoryScreens()
{
    GUI_GetEndGame()->Clear();
    GUI_GetYearlyReview()->Clear();
    GUI_GetGameMode()->Clear();
    GUI_GetFMV()->Clear();
}

long long GUI_WholeNumber(double value)
{
    if (!std::isfinite(value))
        return 0;
    if (value >= 9.0e15)
        return 9000000000000000LL;
    if (value <= -9.0e15)
        return -9000000000000000LL;
    return static_cast<long long>(value);
}
