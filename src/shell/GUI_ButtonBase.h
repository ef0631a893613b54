#pragma once
// The base of every clickable control: a rectangle with a callback and its argument,
// enabled and visible flags, a hover state and an optional tool tip.
#include "engine/gfx/GUI_BaseElement.h"
#include "shell/GUI_Callback.h"

#include <string>

class GUI_Tooltip;
class GUI_WindowBase;

class GUI_ButtonBase : public GUI_BaseElement {
public:
    enum GUIBUTTONSTATE { NORMAL = 0, HIGHLIGHTED = 1 };

    GUI_ButtonBase(GUI_Callback callback = nullptr, intptr_t argument = 0);
    GUI_ButtonBase(const GUI_ButtonBase&) = delete;
    GUI_ButtonBase& operator=(const GUI_ButtonBase&) = delete;
    virtual ~GUI_ButtonBase();

    // Draws the tool tip (queues it for this frame).
    void Draw() override;
    void SetPosition(float l, float t, float r, float b) override;
    using GUI_BaseElement::SetPosition;
    // Runs Click and answers true when enabled and the point is inside. The button may
    // be gone when this returns true.
    virtual bool CheckClick(float x, float y);
    virtual void Click();
    virtual void Process();

    void SetEnabled(bool e) { enabled_ = e; }
    bool GetEnabled() const { return enabled_; }
    // Hiding a button also disables it; showing it enables it.
    void SetVisible(bool v) { visible_ = enabled_ = v; }
    bool IsVisible() const { return visible_; }
    void SetState(GUIBUTTONSTATE s) { state_ = s; }
    GUIBUTTONSTATE GetState() const { return state_; }
    void SetOwner(GUI_WindowBase* owner) { owner_ = owner; }
    GUI_WindowBase* GetOwner() const { return owner_; }
    void SetName(const std::string& name) { name_ = name; }
    const std::string& GetName() const { return name_; }
    void SetCallback(GUI_Callback callback, intptr_t argument) { callback_ = callback; argument_ = argument; }
    GUI_Callback GetCallback() const { return callback_; }
    intptr_t GetArgument() const { return argument_; }

    void SetRawTooltip(const std::string& text, int delay);
    void SetTooltip(const char* key, int delay);
    GUI_Tooltip* GetTooltip() const { return tooltip_; }

    // The tutorial highlighter and the hint pop-ups hear of clicks on named buttons.
    using ClickListener = void (*)(const std::string& name);
    static void AddClickListener(ClickListener listener);

protected:
    GUIBUTTONSTATE state_ = NORMAL;

private:
    GUI_Callback callback_;
    intptr_t argument_;
    GUI_WindowBase* owner_ = nullptr;
    GUI_Tooltip* tooltip_ = nullptr;
    bool enabled_ = true;
    bool visible_ = true;
    std::string name_;
};
