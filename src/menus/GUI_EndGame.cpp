#include "menus/GUI_EndGame.h"

bool GUI_EndGame::BActive = false;
