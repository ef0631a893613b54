#include "shell/GUI_WindowBase.h"

#include "engine/gfx/D3DEngine.h"
#include "shell/GUI_ButtonBase.h"
#include "shell/GUI_Cursor.h"
#include "shell/GUI_WindowManager.h"
#include "shell/Input.h"

#include <algorithm>

namespace {

std::vector<GUI_WindowBase::DestroyListener>& Listeners()
{
    static std::vector<GUI_WindowBase::DestroyListener> listeners;
    return listeners;
}

} // namespace

void GUI_WindowBase::AddDestroyListener(DestroyListener listener)
{
    if (listener && std::find(Listeners().begin(), Listeners().end(), listener) == Listeners().end())
        Listeners().push_back(listener);
}

GUI_WindowBase::~GUI_WindowBase()
{
    GUI_GetWindowManager()->Forget(this);
    inGUI_ = false;
    if (parent_)
        parent_->RemoveChild(this);
    KillChildren();
    if (GUI_GetCursor()->GetDragObject() == this)
        GUI_GetCursor()->SetDragObject(nullptr);
    for (auto& clear : clearers_)
        clear();
    for (DestroyListener listener : Listeners())
        listener(this);
    // The button list's destructor deletes the buttons (and their tool tips).
}

void GUI_WindowBase::Draw()
{
    if (visible_)
        DrawButtons();
}

void GUI_WindowBase::AddButton(GUI_ButtonBase* button)
{
    GUIButtonList::AddButton(button);
    if (button)
        button->SetOwner(this);
}

void GUI_WindowBase::AddChild(GUI_WindowBase* child)
{
    if (!child || child == this)
        return;
    if (child->parent_)
        child->parent_->RemoveChild(child);
    children_.push_back(child);
    child->parent_ = this;
}

void GUI_WindowBase::RemoveChild(GUI_WindowBase* child)
{
    children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
    if (child && child->parent_ == this)
        child->parent_ = nullptr;
}

void GUI_WindowBase::KillChildren()
{
    while (!children_.empty())
        delete children_.back(); // the child's destructor takes it off the list
}

void GUI_WindowBase::DrawChildren()
{
    std::vector<GUI_WindowBase*> snapshot = children_;
    for (GUI_WindowBase* c : snapshot)
        if (std::find(children_.begin(), children_.end(), c) != children_.end())
            c->Draw();
}

void GUI_WindowBase::AddToGUI()
{
    GUI_GetWindowManager()->RemoveWindow(this);
    GUI_GetWindowManager()->AddWindow(this);
    inGUI_ = true;
}

void GUI_WindowBase::RemoveFromGUI()
{
    if (!inGUI_)
        return;
    GUI_GetWindowManager()->RemoveWindow(this);
    inGUI_ = false;
}

void GUI_WindowBase::MakeFullScreenWindow()
{
    SetSize(D3DEngine::W, D3DEngine::H);
    GUI_BaseElement::SetPosition(0.0f, 0.0f);
    GUI_GetWindowManager()->AddFullscreen(this);
}

bool GUI_WindowBase::MouseInside()
{
    return PtInside(GetInput()->MouseX(), GetInput()->MouseY());
}

void GUI_WindowBase::ProcessInput()
{
    if (!visible_)
        return;
    if (draggable_)
        ProcessDrag();
    std::vector<GUI_WindowBase*> snapshot = children_;
    for (GUI_WindowBase* c : snapshot)
        if (std::find(children_.begin(), children_.end(), c) != children_.end())
            c->ProcessInput();
    GUIButtonList::ProcessInput();
    if (eatsMouse_ && MouseInside())
        GetInput()->EatMouseMoves();
}

void GUI_WindowBase::ProcessDrag()
{
    CInput* input = GetInput();
    float mx = input->MouseX();
    float my = input->MouseY();
    if (!dragging_) {
        if (input->IsLeftButtonDown() && MouseInside() && !GUI_GetCursor()->IsDragging() &&
            !input->IsMouseMovesEaten()) {
            dragging_ = true;
            GUI_GetCursor()->SetDragObject(this);
            dragOffset_ = V2(mx - rect.left, my - rect.top);
        }
        return;
    }
    if (input->IsLeftButtonDown()) {
        float w = float(GetWidth());
        float h = float(GetHeight());
        float l = float(int(mx - dragOffset_.x));
        float t = float(int(my - dragOffset_.y));
        GUI_BaseElement::SetPosition(l, t, l + w, t + h);
        return;
    }
    dragging_ = false;
    if (GUI_GetCursor()->GetDragObject() == this)
        GUI_GetCursor()->SetDragObject(nullptr);
    UpdatePosition();
}

bool GUI_WindowBase::CheckClick(float x, float y)
{
    if (!visible_)
        return false;
    auto offer = [x, y](GUI_WindowBase* c) { return c->CheckClick(x, y); };
    if (GUI_WindowManager::OfferTopDown(children_, offer))
        return true;
    bool inside = PtInside(x, y);
    if (inside)
        GUI_GetWindowManager()->MakeTopmost(this);
    if (CheckButtonsAt(x, y))
        return true; // a button's callback may have deleted this window
    return inside;
}

bool GUI_WindowBase::CheckRightClick(float x, float y)
{
    if (!visible_)
        return false;
    auto offer = [x, y](GUI_WindowBase* c) { return c->CheckRightClick(x, y); };
    if (GUI_WindowManager::OfferTopDown(children_, offer))
        return true;
    bool inside = PtInside(x, y);
    if (inside)
        GUI_GetWindowManager()->MakeTopmost(this);
    return inside;
}

void GUI_WindowBase::CloseWin(GUI_WindowBase* window) { delete window; }

void GUI_WindowBase::CloseWin(intptr_t window)
{
    delete reinterpret_cast<GUI_WindowBase*>(window);
}
