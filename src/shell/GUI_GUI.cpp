#include "shell/GUI_GUI.h"

#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "mainscreen/GUI_Attribute.h"
#include "mainscreen/GUI_BandIcon.h"
#include "mainscreen/GUI_Calendar.h"
#include "mainscreen/GUI_ControlPanel.h"
#include "mainscreen/GUI_DailyOptions.h"
#include "mainscreen/GUI_Date.h"
#include "menus/GUI_EndGame.h"
#include "menus/GUI_StoryScreens.h"
#include "menus/GUI_YearlyReview.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_Avatar.h"
#include "shell/GUI_Backdrop.h"
#include "shell/GUI_DayEnd.h"
#include "shell/GUI_DesktopItem.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_MindState.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_TextureCache.h"
#include "shell/GUI_Tooltip.h"
#include "shell/GUI_WindowBackground.h"
#include "shell/GUI_WindowBase.h"
#include "shell/GUI_WindowManager.h"
#include "shell/Game.h"
#include "shell/Input.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_Statistics.h"
#include "windows/GUI_Assets.h"
#include "windows/GUI_SongList.h"

#include <algorithm>

GUI_GUI* GUI_GetGUI()
{
    static GUI_GUI* gui = new GUI_GUI;
    return gui;
}

GUI_GUI::GUI_GUI()
{
    frameTimer_.StartTimer();
    GUI_WindowBase::AddDestroyListener(ForgetWindow);
}

GUI_GUI::~GUI_GUI() { GUI_HintHelp::CloseData(); }

void GUI_GUI::ForgetWindow(GUI_WindowBase* window) { GUI_GetGUI()->RemoveInputHandler(window); }

void GUI_GUI::Open()
{
    if (open_)
        return;
    open_ = true;
    GUI_DesktopItem::Open();
    GUI_GetTextureCache()->Initialise();
    GUI_WindowBackground::Open();
    GUI_GetSounds()->Initialise();
    GUI_HintHelp::OpenData();
}

void GUI_GUI::CloseGameScreens()
{
    // Closing the hints of the last game must not launch the next hints of their chains
    // unseen.
    GUI_HintHelp::HoldChains(true);
    GUI_GetWindowManager()->CloseOnRestart();
    GUI_HintHelp::HoldChains(false);
    // Nothing of the last game's story waits on screen in the next one.
    GUI_ClearStoryScreens();
    // The windows that survive a new game are not screens of the last one waiting for keys.
    inputHandlers_.clear();
    // A day the last game's screen finished is not the new game's to end.
    GUI_DayEnd::Drop();
}

void GUI_GUI::StartNewGame()
{
    CloseGameScreens();
    GUI_GetDate()->Initialise();
    GUI_GetCash()->Initialise();
    GUI_GetFame()->Initialise();
    GUI_GetCalendar()->Initialise();
    GUI_GetDailyOptions()->Clear();
    GetInput()->LeftMouseUp();
    mode_ = GUIMODE_NORMAL;
    GUI_GetBackdrop()->Initialise();
    // The menu hands its chosen picture to the avatar; a game started without it keeps
    // whatever the avatar shows, unless the configuration names a picture.
    const std::string avatar = SIM_GetGameConfig()->GetAvatarTexture();
    if (!avatar.empty())
        GUI_GetAvatar()->SetInstalledTexture(avatar);
    GUI_GetAvatar()->Initialise();
    GUI_GetMindState()->Initialise();
    GUI_GetControlPanel()->Initialise();
    GUI_GetSongList()->Initialise();
    // The new game's assets and albums on the desktop.
    GUI_GetAssets()->Refresh();
    GUI_GetBandState()->Initialise();
}

void GUI_GUI::SetInputHandler(GUI_WindowBase* window)
{
    if (!window) {
        inputHandlers_.clear();
        return;
    }
    RemoveInputHandler(window);
    inputHandlers_.push_back(window);
}

void GUI_GUI::RemoveInputHandler(GUI_WindowBase* window)
{
    inputHandlers_.erase(std::remove(inputHandlers_.begin(), inputHandlers_.end(), window),
                         inputHandlers_.end());
}

GUI_WindowBase* GUI_GUI::GetInputHandler() const
{
    return inputHandlers_.empty() ? nullptr : inputHandlers_.back();
}

void GUI_GUI::Draw()
{
    // Nothing of an earlier frame may show where the scene leaves the screen empty.
    GetD3DEngine()->ClearScreen();
    frameTimer_.Update();
    throttle_ = std::min(frameTimer_.GetThrottle(), 3.0f);
    GUI_GetSounds()->Process();
    if (mode_ == GUIMODE_NORMAL) {
        if (GUI_GetEndGame()->IsActive())
            GUI_GetEndGame()->Draw();
        else if (GUI_GetYearlyReview()->IsActive())
            GUI_GetYearlyReview()->Draw();
        else
            DrawAfterWork();
    }
    GUI_Tooltip::DrawAll();
}

void GUI_GUI::DrawAfterWork()
{
    GUI_GetBackdrop()->Draw();
    GUI_Relationship::DrawAll();
    GUI_GetAvatar()->Draw();
    GUI_GetDate()->Draw();
    GDIText::RenderChunks(-1);
    GUI_GetWindowManager()->Draw();
    GUI_GetWindowManager()->DrawFullscreen();
    GUI_GetTutHighlighter()->Draw();
}

void GUI_GUI::HandleKey(unsigned int key)
{
    GUI_DayEnd::InputScope input;
    if (GUI_WindowBase* handler = GetInputHandler()) {
        handler->HandleKey(key);
        return;
    }
    if (GUI_HintHelp::IsActive()) {
        GUI_HintHelp::HandleKeyAll(key);
        return;
    }
    if (key == kKeyReturn && GetInput()->KeyDown(kKeyCommand)) {
        GetGame()->ToggleFullscreen();
        return;
    }
    if (key != kKeyEscape)
        return;
    GUI_WindowManager* manager = GUI_GetWindowManager();
    // A full screen has the keys to itself: never a dialog hidden behind it, never the
    // quit question.
    if (!manager->Fullscreens().empty()) {
        manager->Fullscreens().back()->HandleKey(key);
        return;
    }
    if (manager->DialogActive())
        manager->CloseTopDialog();
    else
        GUI_ControlPanel::AttemptQuitGame(0);
}

void GUI_GUI::CheckClick()
{
    GUI_DayEnd::InputScope input;
    SIM_GetStatistics()->ChangeCounter(1, SIM_Statistics::CLICKS);
    if (GUI_GetYearlyReview()->IsActive())
        GUI_GetYearlyReview()->CheckClick(GetInput()->MouseX(), GetInput()->MouseY());
    else
        GUI_GetWindowManager()->CheckClick();
}

void GUI_GUI::CheckRightClick()
{
    SIM_GetStatistics()->ChangeCounter(1, SIM_Statistics::CLICKS);
    GUI_GetWindowManager()->CheckRightClick();
}

void GUI_GUI::ProcessInput()
{
    if (GUI_GetYearlyReview()->IsActive())
        GUI_GetYearlyReview()->ProcessInput();
    else if (mode_ == GUIMODE_NORMAL)
        GUI_GetWindowManager()->ProcessInput();
}
