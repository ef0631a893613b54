#include "shell/GUI_TabContainer.h"

#include "shell/GUI_ButtonBase.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_TextureCache.h"
#include "shell/GUI_WindowBackground.h"
#include "sim/GAssert.h"

#include <algorithm>

GUI_WindowTab::~GUI_WindowTab()
{
    // A tab button that outlives its page shows nothing rather than a freed page.
    for (GUI_ButtonTab* button : buttons_)
        button->tab_ = nullptr;
    if (container_)
        container_->tabs_.erase(std::remove(container_->tabs_.begin(), container_->tabs_.end(), this),
                                container_->tabs_.end());
}

void GUI_WindowTab::Draw()
{
    if (!shown_)
        return;
    GUI_WindowBackground::DrawTiled(rect, TEX_WINDOW_CLIENT, 20.0f, 1.0f);
    DrawButtons();
}

void GUI_WindowTab::Activate()
{
    if (container_)
        container_->ActivateTab(this);
}

void GUI_WindowTab::SetParent(GUI_TabContainer* container)
{
    GAssert(container != nullptr, "GUI_WindowTab", __LINE__);
    if (container)
        container_ = container;
}

GUI_TabContainer::~GUI_TabContainer() { Clear(); }

void GUI_TabContainer::AddTab(GUI_WindowTab* tab)
{
    if (!tab)
        return;
    tab->SetPosition(float(rect.left), float(rect.top), float(rect.right), float(rect.bottom));
    tab->SetParent(this);
    tab->SetIndex(int(tabs_.size()));
    tabs_.push_back(tab);
}

void GUI_TabContainer::ActivateTab(GUI_WindowTab* tab)
{
    GAssert(tab != nullptr, "GUI_TabContainer", __LINE__);
    for (GUI_WindowTab* t : tabs_)
        t->SetVisible(t == tab);
}

void GUI_TabContainer::Clear()
{
    ClearButtons();
    std::vector<GUI_WindowTab*> tabs;
    tabs.swap(tabs_);
    for (GUI_WindowTab* t : tabs) {
        t->container_ = nullptr;
        delete t;
    }
}

void GUI_TabContainer::Draw()
{
    const std::vector<GUI_WindowTab*> snapshot = tabs_;
    for (GUI_WindowTab* t : snapshot) {
        if (!t->IsVisible())
            continue;
        t->SetPosition(float(rect.left), float(rect.top), float(rect.right),
                                        float(rect.bottom));
        t->Draw();
    }
    DrawButtons();
}

void GUI_TabContainer::ProcessInput()
{
    const std::vector<GUI_WindowTab*> snapshot = tabs_;
    for (GUI_WindowTab* t : snapshot)
        if (std::find(tabs_.begin(), tabs_.end(), t) != tabs_.end() && t->IsVisible())
            t->ProcessInput();
    GUI_WindowBase::ProcessInput();
}

bool GUI_TabContainer::CheckClick(float x, float y)
{
    for (GUI_WindowTab* t : tabs_)
        if (t->IsVisible())
            return t->CheckClick(x, y); // the tab's buttons may delete this container
    return false;
}

bool GUI_TabContainer::PtInside(float x, float y)
{
    for (GUI_ButtonBase* b : Buttons())
        if (b->PtInside(x, y))
            return true;
    for (GUI_WindowTab* t : tabs_)
        if (t->PtInside(x, y))
            return true;
    return false;
}
