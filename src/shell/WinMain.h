#pragma once
// The program's entry and the main window's event handler.
#include "port/sdl/PortEvent.h"

class Game;

// Installs the interactive alerts, creates the main window and the Game, runs start-up,
// then the 30 Hz frame loop until the application quits. Returns 0.
int WinMain(int argc, char** argv);

// The part of WinMain between the alerts and the frame loop: the window, the Game and its
// start-up. Answers whether the application runs (BActive).
bool StartApplication();

// One tick of the frame loop: one Game::GameProc.
void TimerLoop();

// The main window's event handler: records keys and the mouse into the input object.
void WindowProc(const GEvent& event);

