#pragma once
// The main window and the application event loop. Events of the window reach the
// application's window procedure as GEvent records (keys as Mac virtual key codes, mouse
// positions in game pixels).
#include "port/sdl/PortEvent.h"

#include <functional>

class PortWindow;
using MainWindowRef = PortWindow*;

// Creates the hidden main window with the title and window procedure; the renderer sizes
// it. nullptr when there is no display. Only one main window exists per run: a second call
// returns the first window with the new procedure.
MainWindowRef CreateMainWindow(const char* title, WindowProcFn windowProc);
// Settles the graphics driver's options before the program starts any thread of its own
// (CreateMainWindow does it otherwise).
void PrepareGraphicsDriver();
MainWindowRef GetMainWindow();
void ShowWindow(MainWindowRef window);
void SelectWindow(MainWindowRef window);

// The size of the main display; false when it cannot be told.
bool GetMainDisplaySize(int& width, int& height);
// Shows or hides the system's mouse cursor (full screen draws the game's own).
void ShowSystemCursor(bool show);
bool IsSystemCursorShown();

// Runs frame() at once and then every 1/30 s, with the window's events in between, until
// QuitApplicationEventLoop(). Single-threaded.
void RunApplicationEventLoop(const std::function<void()>& frame);
void QuitApplicationEventLoop();
// Passes the waiting events to the window procedure now (loading screens, tests).
void PumpWindowEvents();
// Installs the production alert (a message box); the report layer keeps CI and tests
// non-interactive.
void InstallInteractiveAlerts();
