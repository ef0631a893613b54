#include "port/sdl/ServerDrawable.h"

// Kept in a unit of its own: Xlib's headers define macros (None, Bool, Status) that
// clash with ordinary names elsewhere.
#include <GL/glx.h>

bool QueryServerDrawableSize(int& width, int& height)
{
    Display* display = glXGetCurrentDisplay();
    GLXDrawable drawable = glXGetCurrentDrawable();
    if (!display || !drawable)
        return false;
    unsigned int w = 0, h = 0;
    glXQueryDrawable(display, drawable, GLX_WIDTH, &w);
    glXQueryDrawable(display, drawable, GLX_HEIGHT, &h);
    if (w == 0 || h == 0)
        return false;
    width = int(w);
    height = int(h);
    return true;
}
