#pragma once
// Text drawn straight into a window's graphics port. This platform has no such port (all
// text goes through the renderer's fonts), and nothing in the game calls it; it stays so
// that code written against the port layer links, and draws nothing.
#include "port/Rect.h"

// Format flag: keep the text on one line instead of wrapping it to the rectangle.
constexpr unsigned DT_SINGLELINE = 32;

// Draws nothing and returns 0 (the height drawn).
int DrawTextA(void* port, const char* text, int length, const tagRECT* rect, unsigned format);
