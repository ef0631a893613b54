#include "engine/gfx/MainWindow.h"

#include "port/sdl/FrameLoop.h"
#include "port/sdl/MessageBoxSink.h"
#include "port/sdl/PortWindow.h"

namespace {
PortWindow* mainWindow = nullptr;
}

MainWindowRef CreateMainWindow(const char* title, WindowProcFn windowProc)
{
    if (!mainWindow)
        mainWindow = PortWindow::Create(title ? title : "");
    if (!mainWindow)
        return nullptr;
    mainWindow->SetWindowProc(std::move(windowProc));
    return mainWindow;
}

void PrepareGraphicsDriver() { PortWindow::PrepareDriver(); }

MainWindowRef GetMainWindow()
{
    return mainWindow;
}

void ShowWindow(MainWindowRef window)
{
    if (window)
        window->Show();
}

void SelectWindow(MainWindowRef window)
{
    if (window)
        window->Select();
}

bool GetMainDisplaySize(int& width, int& height)
{
    return GetDisplaySize(width, height);
}

void ShowSystemCursor(bool show)
{
    PortShowCursor(show);
}

bool IsSystemCursorShown()
{
    return PortCursorShown();
}

void RunApplicationEventLoop(const std::function<void()>& frame)
{
    RunFrameLoop(frame);
}

void QuitApplicationEventLoop()
{
    QuitFrameLoop();
}

void PumpWindowEvents()
{
    PumpEvents();
}

void InstallInteractiveAlerts()
{
    InstallMessageBoxSink();
}
