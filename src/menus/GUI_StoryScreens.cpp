#include "menus/GUI_StoryScreens.h"

#include "menus/GUI_EndGame.h"
#include "menus/GUI_FMVScreen.h"
#include "menus/GUI_GameMode.h"
#include "menus/GUI_YearlyReview.h"

#include "engine/gfx/D3DEngine.h"
#include "shell/GUI_WindowManager.h"
#include "sim/SIM_Statistics.h"

#include <cmath>

void GUI_ClearStoryScreens()
{
    GUI_GetEndGame()->Clear();
    GUI_GetYearlyReview()->Clear();
    GUI_GetGameMode()->Clear();
    GUI_GetFMV()->Clear();
}

void GUI_OpenStoryScreen(GUI_WindowBase* screen)
{
    SIM_GetStatistics()->StopTimer();
    screen->SetPosition(0.0f, 0.0f, D3DEngine::W, D3DEngine::H);
    GUI_GetWindowManager()->AddModal(screen);
}

