#pragma once
// The in-game screen (game mode 8): draws the scene, every window through the window
// manager, the tutorial marker and the tool tips, routes keys, clicks and per-frame input,
// owns the animation throttle, and opens the GUI's shared resources at start-up.
#include "engine/GTimer.h"
#include "shell/GUI_GameModeBase.h"

#include <vector>

class GUI_WindowBase;

class GUI_GUI : public GUI_GameModeBase {
public:
    enum GUIMODE { GUIMODE_NORMAL = 0 };

    GUI_GUI();
    ~GUI_GUI() override;

    void Draw() override;
    void HandleKey(unsigned int key) override;
    void ProcessInput() override;
    void CheckClick() override;
    virtual void CheckRightClick();

    void Open();
    void Close() { open_ = false; }
    bool IsOpen() const { return open_; }
    void StartNewGame();
    // The restart cleanup of a new game and of a load: every screen of the last game
    // closes (full-screen ones included) and nothing of it holds the keys or a day's end.
    void CloseGameScreens();
    void SetMode(GUIMODE mode) { mode_ = mode; }
    void LeftMouseUp() {}

    // The windows that hold the keyboard form a stack: the newest gets every key, and when
    // it goes the one under it has the keys again. Setting a window puts it on top; a
    // destroyed window leaves the stack by itself. SetInputHandler(nullptr) gives the keys
    // back for every window (no window holds them), so a screen that hides rather than
    // closes can let go; one that knows others may hold the keys under it uses
    // RemoveInputHandler(this) to leave only its own place. A new game empties the stack.
    void SetInputHandler(GUI_WindowBase* window);
    void RemoveInputHandler(GUI_WindowBase* window);
    GUI_WindowBase* GetInputHandler() const;

    // Animations multiply their per-frame steps by this (at most 3).
    float GetRenderThrottle() const { return throttle_; }

private:
    void DrawAfterWork();
    static void ForgetWindow(GUI_WindowBase* window);

    bool open_ = false;
    GTimer frameTimer_;
    float throttle_ = 1.0f;
    int mode_ = GUIMODE_NORMAL;
    std::vector<GUI_WindowBase*> inputHandlers_;
};

GUI_GUI* GUI_GetGUI();
