#pragma once
// Asks the display server itself how large the current GL drawable is. SDL reports the
// size it asked for, which a display without a window manager never gives (full screen
// on such a display leaves the window as it was while SDL reports the display's size).

// The current drawable's size in pixels; false when the server cannot be asked (no GLX
// context current, e.g. Wayland): then SDL's own answer is all there is.
bool QueryServerDrawableSize(int& width, int& height);
