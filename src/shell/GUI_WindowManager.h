#pragma once
// Holds every open window of the in-game screen in three ordered lists (the last is the
// top) and decides which windows are drawn, get per-frame input and are offered a click.
// It does not own the windows: a window's destructor takes it out of every list.
#include <algorithm>
#include <vector>

class GUI_WindowBase;

class GUI_WindowManager {
public:
    using List = std::vector<GUI_WindowBase*>;

    void AddWindow(GUI_WindowBase* window);
    void RemoveWindow(GUI_WindowBase* window);
    void AddModal(GUI_WindowBase* window);
    void RemoveModal(GUI_WindowBase* window);
    void AddFullscreen(GUI_WindowBase* window);
    void RemoveFullscreen(GUI_WindowBase* window);
    // Takes the window out of every list (a window's destructor calls it).
    void Forget(GUI_WindowBase* window);

    void MakeTopmost(GUI_WindowBase* window);
    bool ModalWindowsActive() const { return !modals_.empty(); }
    bool DialogActive() const;

    void CloseTopDialog();
    bool RemoveCloseOnRestart();
    void CloseOnRestart();

    void Draw();
    void DrawFullscreen();
    void ProcessInput();
    bool CheckClick();
    bool CheckRightClick();

    const List& Windows() const { return windows_; }
    const List& Modals() const { return modals_; }
    const List& Fullscreens() const { return fullscreens_; }
    bool IsRegistered(const GUI_WindowBase* window) const;

    // Offers a click to a list's windows from the top down. Walks a snapshot, skips windows
    // that an earlier handler closed, and stops at once when one takes it (that handler may
    // have deleted anything).
    template <class Offer>
    static bool OfferTopDown(const List& live, Offer offer)
    {
        List snapshot = live;
        for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
            if (std::find(live.begin(), live.end(), *it) == live.end())
                continue;
            if (offer(*it))
                return true;
        }
        return false;
    }

private:
    List windows_;
    List modals_;
    List fullscreens_;
};

GUI_WindowManager* GUI_GetWindowManager();
