#pragma once
// The rectangle every screen lays itself out with: left, top, right, bottom in pixels.

struct tagRECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Sets the four sides. False (and nothing written) for a null rectangle.
inline bool SetRect(tagRECT* rect, int left, int top, int right, int bottom)
{
    if (!rect)
        return false;
    rect->left = left;
    rect->top = top;
    rect->right = right;
    rect->bottom = bottom;
    return true;
}

// The same call under the name code written against the port layer uses.
inline bool Win32SetRect(tagRECT* rect, int left, int top, int right, int bottom)
{
    return SetRect(rect, left, top, right, bottom);
}
