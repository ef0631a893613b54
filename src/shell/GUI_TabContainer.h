#pragma once
// Pages in one rectangle: a GUI_TabContainer holds GUI_WindowTabs and shows the one last
// activated; GUI_ButtonTab buttons (next to the container, in its owner's window) switch
// between them.
#include "shell/GUI_WindowBase.h"

#include <vector>

class GUI_ButtonTab;
class GUI_TabContainer;

// One page of a tab container. Its shown flag, not the window's visible flag, decides
// whether it is drawn and takes input.
class GUI_WindowTab : public GUI_WindowBase {
public:
    GUI_WindowTab() = default;
    ~GUI_WindowTab() override;

    void Draw() override;
    // Makes this the container's page (nothing without a container).
    virtual void Activate();

    void SetIndex(int index) { index_ = index; }
    int GetIndex() const { return index_; }
    // A null container is reported and ignored.
    void SetParent(GUI_TabContainer* container);
    GUI_TabContainer* GetContainer() const { return container_; }
    bool IsVisible() const { return shown_; }
    void SetVisible(bool shown) { shown_ = shown; }

private:
    friend class GUI_ButtonTab;
    friend class GUI_TabContainer;
    bool shown_ = false;
    int index_ = 0;
    GUI_TabContainer* container_ = nullptr;
    std::vector<GUI_ButtonTab*> buttons_; // the tab buttons showing this page, not owned
};

class GUI_TabContainer : public GUI_WindowBase {
public:
    GUI_TabContainer() = default;
    ~GUI_TabContainer() override;

    // Takes ownership; the tab takes the container's rectangle and is not shown yet.
    void AddTab(GUI_WindowTab* tab);
    // Shows that tab and hides every other (all of them for a tab not in the container).
    void ActivateTab(GUI_WindowTab* tab);
    // Deletes the container's buttons and every tab.
    void Clear();

    void Draw() override;
    void ProcessInput() override;
    // Only the first shown tab is offered the click; the container's own buttons are not.
    bool CheckClick(float x, float y) override;
    // Inside one of its buttons or one of its tabs, shown or not.
    bool PtInside(float x, float y) override;

    const std::vector<GUI_WindowTab*>& Tabs() const { return tabs_; }

private:
    friend class GUI_WindowTab;
    std::vector<GUI_WindowTab*> tabs_;
};
