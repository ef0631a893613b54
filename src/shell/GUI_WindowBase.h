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
    bool IsDraggable() const { return draggable_; }
    bool IsDragging() const { return dragging_; }
    void SetCloseOnRestart(bool c) { closeOnRestart_ = c; }
    bool GetCloseOnRestart() const { return closeOnRestart_; }

    // Deletes the window when the pointer is not null; the integer form is a button or
    // fade callback whose argument is the window.
    static void CloseWin(GUI_WindowBase* window);
    static void CloseWin(intptr_t window);

    // Makes the destructor clear `slot` if it still names this window. Screens get this
    // from GUI_WindowSlot; other holders of a pointer to a window may call it directly.
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

// The static pointer to the open instance of a screen of which one may be open at a time
// (its PTheWindow). Storing a window in it also makes that window's destruction clear it,
// so a screen closed by any route (its close button, Escape, a new game, its own Close)
// leaves no stale pointer and can be created again:
//
//   class GUI_MyScreen : public GUI_Dialog {
//       static GUI_WindowSlot<GUI_MyScreen> PTheWindow;
//       GUI_MyScreen() : GUI_Dialog(true) { PTheWindow = this; ... }
//   };
//   GUI_WindowSlot<GUI_MyScreen> GUI_MyScreen::PTheWindow;
//
// It reads like the plain pointer it holds (comparisons, ->, delete).
template <class T>
class GUI_WindowSlot {
public:
    constexpr GUI_WindowSlot() = default;
    GUI_WindowSlot(const GUI_WindowSlot&) = delete;
    GUI_WindowSlot& operator=(const GUI_WindowSlot&) = delete;

    GUI_WindowSlot& operator=(T* window)
    {
        window_ = window;
        if (window)
            window->ClearOnDestroy(window_, window);
        return *this;
    }
    operator T*() const { return window_; }
    T* operator->() const { return window_; }
    T* Get() const { return window_; }

private:
    T* window_ = nullptr;
};
