#include "shell/GUIButtonList.h"

#include "sim/GAssert.h"
#include "shell/GUI_ButtonBase.h"
#include "shell/Input.h"

#include <algorithm>

GUIButtonList::~GUIButtonList() { ClearButtons(); }

void GUIButtonList::AddButton(GUI_ButtonBase* button)
{
    GAssert(button != nullptr, "GUIButtonsList", __LINE__);
    if (button)
        buttons_.push_back(button);
}

void GUIButtonList::RemoveButton(GUI_ButtonBase* button)
{
    GAssert(button != nullptr, "GUIButtonsList", __LINE__);
    buttons_.erase(std::remove(buttons_.begin(), buttons_.end(), button), buttons_.end());
}

bool GUIButtonList::HasButton(const GUI_ButtonBase* button) const
{
    return std::find(buttons_.begin(), buttons_.end(), button) != buttons_.end();
}

void GUIButtonList::DrawButtons()
{
    std::vector<GUI_ButtonBase*> snapshot = buttons_;
    for (GUI_ButtonBase* b : snapshot)
        if (HasButton(b) && b->IsVisible())
            b->Draw();
}

void GUIButtonList::ProcessInput()
{
    std::vector<GUI_ButtonBase*> snapshot = buttons_;
    for (GUI_ButtonBase* b : snapshot)
        if (HasButton(b))
            b->Process();
}

bool GUIButtonList::CheckClick()
{
    return CheckButtonsAt(GetInput()->MouseX(), GetInput()->MouseY());
}

bool GUIButtonList::CheckButtonsAt(float x, float y)
{
    std::vector<GUI_ButtonBase*> snapshot = buttons_;
    for (GUI_ButtonBase* b : snapshot) {
        if (!HasButton(b))
            continue;
        if (b->CheckClick(x, y))
            return true; // the callback may have deleted this list: touch nothing more
    }
    return false;
}

void GUIButtonList::ClearButtons()
{
    // Each button is unlisted before it is deleted, so a destructor that looks at the
    // list never sees a dangling entry.
    while (!buttons_.empty()) {
        GUI_ButtonBase* b = buttons_.front();
        buttons_.erase(buttons_.begin());
        delete b;
    }
}
