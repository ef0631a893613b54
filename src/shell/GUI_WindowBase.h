#pragma once
// The base of every window: a rectangle with buttons and child windows that can be
// dragged, raises itself when clicked and registers with the window manager. Its
// destructor clears every pointer that can still name it, so a screen closed by any
// route can be created again.
#include "engine/V2.h"
#include "shell/GUIButtonList.h"

#include <functional>
#include <vector>

class GUI_WindowBase : public GUIButtonList {
public:
    GUI_WindowBase() = default;
    ~GUI_WindowBase() override;

    void Draw() override;
    void AddButton(GUI_ButtonBase* button) override;
    void ProcessInput() override;
    virtual void HandleKey(unsigned int /*key*/) {}
    virtual bool CheckClick(float x, float y);
    virtual bool CheckRightClick(float x, float y);
    virtual bool IsDialog() { return false; }
    // Called once when a drag ends.
    virtual void UpdatePosition() {}

    void AddChild(GUI_WindowBase* child);
    void RemoveChild(GUI_WindowBase* child);
    void KillChildren();
    void DrawChildren();
    const std::vector<GUI_WindowBase*>& Children() const { return children_; }
    GUI_WindowBase* GetParent() const { return parent_; }

    void AddToGUI();
    void RemoveFromGUI();
    void MakeFullScreenWindow();
    bool MouseInside();
    void ProcessDrag();

    void SetVisible(bool v) { visible_ = v; }
    bool IsVisible() const { return visible_; }
    bool IsInGUI() const { return inGUI_; }
    void SetModal(bool m) { modal_ = m; }
    bool IsModal() const { return modal_; }
    void SetEatsMouse(bool e) { eatsMouse_ = e; }
    void SetDraggable(bool d) { draggable_ = d; }
    bool IsDragging() const { return dragging_; }
    void SetCloseOnRestart(bool c) { closeOnRestart_ = c; }
    bool GetCloseOnRestart() const { return closeOnRestart_; }

    // Deletes the window when the pointer is not null; the integer form is a button or
    // fade callback whose argument is the window.
    static void CloseWin(GUI_WindowBase* window);
    static void CloseWin(intptr_t window);

    // Makes the destructor clear `slot` if it still names this window (a screen's
    // PTheWindow). Call it with the pointer that was just set to this window.
    template <class T>
    void ClearOnDestroy(T*& slot, T* self)
    {
        clearers_.push_back([&slot, self] {
            if (slot == self)
                slot = nullptr;
        });
    }

    // Holders of window pointers outside this family (the in-game screen's key handler)
    // register here to hear of every window's destruction.
    using DestroyListener = void (*)(GUI_WindowBase*);
    static void AddDestroyListener(DestroyListener listener);

private:
    std::vector<GUI_WindowBase*> children_;
    bool visible_ = true;
    bool inGUI_ = false;
    GUI_WindowBase* parent_ = nullptr;
    bool modal_ = false;
    bool eatsMouse_ = true;
    bool draggable_ = false;
    V2 dragOffset_;
    bool dragging_ = false;
    bool closeOnRestart_ = true;
    std::vector<std::function<void()>> clearers_;
};
