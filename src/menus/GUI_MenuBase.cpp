#include "menus/GUI_MenuBase.h"

#include "shell/GUI_ScreenFader.h"

void GUI_MenuBase::ProcessInput() { GUIButtonList::ProcessInput(); }

void GUI_MenuBase::CheckClick() { GUIButtonList::CheckClick(); }

void GUI_MenuBase::Activate()
{
    GUI_GameModeBase::Activate();
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
}
