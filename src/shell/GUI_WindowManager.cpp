#include "shell/GUI_WindowManager.h"

#include "engine/gfx/GDIText.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_WindowBase.h"
#include "shell/Input.h"

#include <algorithm>

namespace {

using List = GUI_WindowManager::List;

bool Contains(const List& list, const GUI_WindowBase* w)
{
    return std::find(list.begin(), list.end(), w) != list.end();
}

void EraseAll(List& list, const GUI_WindowBase* w)
{
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
}

void PlayErrorSound()
{
    GUI_GetSounds()->PlaySound("data/sounds/error.ogg", false);
}

} // namespace

GUI_WindowManager* GUI_GetWindowManager()
{
    static GUI_WindowManager* manager = new GUI_WindowManager;
    return manager;
}

void GUI_WindowManager::AddWindow(GUI_WindowBase* window)
{
    if (window)
        windows_.push_back(window);
}

void GUI_WindowManager::RemoveWindow(GUI_WindowBase* window) { EraseAll(windows_, window); }

void GUI_WindowManager::AddModal(GUI_WindowBase* window)
{
    if (!window)
        return;
    modals_.push_back(window);
    window->SetModal(true);
}

void GUI_WindowManager::RemoveModal(GUI_WindowBase* window)
{
    EraseAll(modals_, window);
    if (window)
        window->SetModal(false);
}

void GUI_WindowManager::AddFullscreen(GUI_WindowBase* window)
{
    // Once only: a window listed twice would be drawn and served twice, and one
    // RemoveFullscreen takes every entry anyway.
    if (window && !Contains(fullscreens_, window))
        fullscreens_.push_back(window);
}

void GUI_WindowManager::RemoveFullscreen(GUI_WindowBase* window) { EraseAll(fullscreens_, window); }

void GUI_WindowManager::Forget(GUI_WindowBase* window)
{
    EraseAll(windows_, window);
    EraseAll(modals_, window);
    EraseAll(fullscreens_, window);
}

bool GUI_WindowManager::IsRegistered(const GUI_WindowBase* window) const
{
    return Contains(windows_, window) || Contains(modals_, window) || Contains(fullscreens_, window);
}

void GUI_WindowManager::MakeTopmost(GUI_WindowBase* window)
{
    auto it = std::find(windows_.begin(), windows_.end(), window);
    if (it == windows_.end())
        return;
    windows_.erase(it);
    windows_.push_back(window);
}

bool GUI_WindowManager::DialogActive() const
{
    return std::any_of(windows_.begin(), windows_.end(),
                       [](GUI_WindowBase* w) { return w->IsDialog(); });
}

void GUI_WindowManager::CloseTopDialog()
{
    if (!modals_.empty())
        return;
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if ((*it)->IsDialog()) {
            delete *it; // its destructor unregisters it; stop walking here
            return;
        }
    }
}

bool GUI_WindowManager::RemoveCloseOnRestart()
{
    // Full-screen and modal windows too: a screen of the last game that registered only
    // as one of those must not outlive it.
    for (const List* list : {&windows_, &fullscreens_, &modals_}) {
        for (GUI_WindowBase* w : *list) {
            if (w->GetCloseOnRestart()) {
                delete w;
                return true;
            }
        }
    }
    return false;
}

void GUI_WindowManager::CloseOnRestart()
{
    while (RemoveCloseOnRestart()) {
    }
}

void GUI_WindowManager::Draw()
{
    if (!fullscreens_.empty())
        return;
    List snapshot = windows_;
    for (GUI_WindowBase* w : snapshot)
        if (Contains(windows_, w) && w->IsVisible() && !w->IsDialog())
            w->Draw();
    for (GUI_WindowBase* w : snapshot)
        if (Contains(windows_, w) && w->IsVisible() && w->IsDialog())
            w->Draw();
    GDIText::RenderChunks(-1);
}

void GUI_WindowManager::DrawFullscreen()
{
    List snapshot = fullscreens_;
    for (GUI_WindowBase* w : snapshot)
        if (Contains(fullscreens_, w))
            w->Draw();
    if (fullscreens_.empty())
        return;
    // What may be clicked over a full screen is drawn over it too: the hint pop-ups, then
    // every other modal window (the confirm dialog, messages), bottom up.
    GUI_HintHelp::DrawAll();
    const List modals = modals_;
    for (GUI_WindowBase* w : modals) {
        const bool hint = std::find(GUI_HintHelp::AllWindows.begin(), GUI_HintHelp::AllWindows.end(), w) !=
                          GUI_HintHelp::AllWindows.end();
        if (!hint && Contains(modals_, w) && !Contains(fullscreens_, w))
            w->Draw();
    }
    GDIText::RenderChunks(-1);
}

void GUI_WindowManager::ProcessInput()
{
    const List& served = !fullscreens_.empty() ? fullscreens_
                         : !modals_.empty()    ? modals_
                                               : windows_;
    List snapshot = served;
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
        if (Contains(served, *it))
            (*it)->ProcessInput();
}

bool GUI_WindowManager::CheckClick()
{
    float x = GetInput()->MouseX();
    float y = GetInput()->MouseY();
    auto offer = [x, y](GUI_WindowBase* w) { return w->CheckClick(x, y); };
    if (GUI_HintHelp::IsActive() && GUI_HintHelp::CheckClickAll())
        return true;
    for (const List* list : {&modals_, &fullscreens_}) {
        if (list->empty())
            continue;
        if (!OfferTopDown(*list, offer))
            PlayErrorSound();
        return true;
    }
    return OfferTopDown(windows_, offer);
}

bool GUI_WindowManager::CheckRightClick()
{
    float x = GetInput()->MouseX();
    float y = GetInput()->MouseY();
    auto offer = [x, y](GUI_WindowBase* w) { return w->CheckRightClick(x, y); };
    for (const List* list : {&fullscreens_, &modals_}) {
        if (list->empty())
            continue;
        if (!OfferTopDown(*list, offer))
            PlayErrorSound();
        return true;
    }
    return OfferTopDown(windows_, offer);
}
