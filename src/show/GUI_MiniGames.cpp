#include "show/GUI_MiniGames.h"

#include "show/GUI_JigSaw.h"
#include "show/GUI_MixingGame.h"
#include "show/GUI_Practice.h"

void GUI_CloseMiniGames()
{
    delete GUI_Practice::PTheWindow.Get();
    delete GUI_JigSaw::PTheWindow.Get();
    delete GUI_MixingGame::PTheWindow.Get();
}
