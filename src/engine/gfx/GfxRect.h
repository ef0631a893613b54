#pragma once
// The rectangle record of the engine. The port layer's own definition is used once it is
// present; until then this stand-in gives the same record and call.
#if __has_include("port/Rect.h")
#include "port/Rect.h"
#else
// A rectangle of four ints: left, top, right, bottom.
struct tagRECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
using RECT = tagRECT;

inline void SetRect(tagRECT* r, int left, int top, int right, int bottom)
{
    if (r)
        *r = tagRECT {left, top, right, bottom};
}
#endif
