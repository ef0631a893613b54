#pragma once
// A GUI element that owns an ordered list of buttons: draws them, gives them their
// per-frame processing and offers them clicks.
#include "engine/gfx/GUI_BaseElement.h"

#include <vector>

class GUI_ButtonBase;

class GUIButtonList : public GUI_BaseElement {
public:
    GUIButtonList() = default;
    GUIButtonList(const GUIButtonList&) = delete;
    GUIButtonList& operator=(const GUIButtonList&) = delete;
    virtual ~GUIButtonList();

    // Takes ownership. A null button is reported and never enters the list.
    virtual void AddButton(GUI_ButtonBase* button);
    virtual void ProcessInput();
    // Removes every occurrence without deleting it.
    void RemoveButton(GUI_ButtonBase* button);
    void DrawButtons();
    // True when a button took the click at the mouse position. Nothing of the list is
    // touched after a button has taken it: its callback may have deleted the list.
    bool CheckClick();
    bool CheckButtonsAt(float x, float y);
    void ClearButtons();

    const std::vector<GUI_ButtonBase*>& Buttons() const { return buttons_; }
    bool HasButton(const GUI_ButtonBase* button) const;

private:
    std::vector<GUI_ButtonBase*> buttons_;
};
