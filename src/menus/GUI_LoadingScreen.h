#pragma once
// The loading bar, drawn and shown at once by long operations that run outside the frame
// loop (start-up, opening or resetting the simulation, loading a saved game).
#include "port/Rect.h"

class GUI_LoadingScreen {
public:
    // fraction: the share of the work done, 0 to 1.
    void Draw(float fraction);
    const tagRECT& GetFrame() const { return frame_; }

private:
    tagRECT frame_ {};
};

GUI_LoadingScreen* GUI_GetLoadingScreen();
