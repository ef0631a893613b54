#pragma once
// The base of every full screen (the menus, the in-game screen, the backdrop viewer): the
// current mode receives the frame's input and drawing. Every operation does nothing here.
class GUI_GameModeBase {
public:
    virtual void Draw() {}
    virtual void HandleKey(unsigned int /*key*/) {}
    virtual void ProcessInput() {}
    virtual void CheckClick() {}
    virtual void Activate() {}
    virtual void MouseWheelUp() {}
    virtual void MouseWheelDown() {}
    virtual ~GUI_GameModeBase() = default;
};
