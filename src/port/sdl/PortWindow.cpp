#include "port/sdl/PortWindow.h"

#include "port/sdl/FrameCapture.h"
#include "port/sdl/FrameLoop.h"
#include "port/sdl/MacKeys.h"
#include "port/sdl/ServerDrawable.h"

#include <GL/gl.h>
#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

void PortWindow::PrepareDriver()
{
    // Without a graphics card, Mesa's software renderer starts a drawing thread per core.
    // At thirty frames a second one thread draws the busiest stage in a quarter of a
    // frame; more only add their hand-over work to every frame's CPU. Drawn on the game's
    // own thread unless the player asks otherwise.
    static const bool prepared = setenv("LP_NUM_THREADS", "0", 0) == 0;
    (void)prepared;
}

PortWindow* PortWindow::Create(const std::string& title)
{
    PrepareDriver(); // read when the driver loads, below
    if (!(SDL_WasInit(SDL_INIT_VIDEO) & SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "SDL video: %s\n", SDL_GetError());
        return nullptr;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    // The game draws flat pictures in order and never tests depth: a depth buffer would
    // only be memory to allocate and touch before the first frame.
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    // Made at the game's usual window size, so that the common start in a window needs no
    // resize or move afterwards.
    const int kFirstW = 1024, kFirstH = 768;
    SDL_Window* w = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                     kFirstW, kFirstH, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!w) {
        std::fprintf(stderr, "SDL window: %s\n", SDL_GetError());
        return nullptr;
    }
    auto* win = new PortWindow;
    win->window_ = w;
    win->title_ = title;
    win->centredW_ = kFirstW;
    win->centredH_ = kFirstH;
    SetEventTarget(win);
    return win;
}

PortWindow::~PortWindow()
{
    if (context_)
        SDL_GL_DeleteContext(static_cast<SDL_GLContext>(context_));
    if (window_)
        SDL_DestroyWindow(window_);
}

void PortWindow::Show()
{
    SDL_ShowWindow(window_);
}

void PortWindow::Select()
{
    SDL_RaiseWindow(window_);
}

bool PortWindow::EnsureContext()
{
    if (!context_) {
        context_ = SDL_GL_CreateContext(window_);
        if (!context_) {
            std::fprintf(stderr, "GL context: %s\n", SDL_GetError());
            return false;
        }
        SDL_GL_SetSwapInterval(1);
        drawableKnown_ = false; // the server can be asked from now on
    }
    return SDL_GL_MakeCurrent(window_, static_cast<SDL_GLContext>(context_)) == 0;
}

bool PortWindow::SetWindowed(int width, int height)
{
    drawableKnown_ = false;
    const bool wasFull = IsFullscreen();
    if (SDL_SetWindowFullscreen(window_, 0) != 0)
        return false;
    SDL_SetWindowBordered(window_, SDL_TRUE);
    int nowW = 0, nowH = 0;
    SDL_GetWindowSize(window_, &nowW, &nowH);
    if (nowW != width || nowH != height)
        SDL_SetWindowSize(window_, width, height);
    if (wasFull || width != centredW_ || height != centredH_) {
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        centredW_ = width;
        centredH_ = height;
    }
    // A busy server may not have resized the window yet: the first frames must not be laid
    // out for the old size (a window just created may still be 10 x 10).
    DrawableReaches(width, height);
    drawableKnown_ = false;
    return true;
}

bool PortWindow::SetFullscreen()
{
    drawableKnown_ = false;
    if (SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0)
        return false;
    // Full screen means a drawable the size of the display. SDL's own idea of the window's
    // size may lag behind (a hidden window still reports its first 10 x 10), so the display
    // is what the server's answer is held against.
    SDL_Rect display {};
    const int index = SDL_GetWindowDisplayIndex(window_);
    const bool known = index >= 0 && SDL_GetDisplayBounds(index, &display) == 0 && display.w > 0 && display.h > 0;
    if (known ? DrawableReaches(display.w, display.h) : DrawableReachesReportedSize())
        return true;
    // The request went unanswered: the window kept its size while SDL reports the
    // display's, and a picture laid out for the display would be cut off.
    SDL_SetWindowFullscreen(window_, 0);
    drawableKnown_ = false;
    return false;
}

bool PortWindow::DrawableReachesReportedSize() const
{
    return DrawableReaches(0, 0);
}

bool PortWindow::DrawableReaches(int width, int height) const
{
    // A window manager answers within a few frames; without one nothing ever happens.
    const Uint32 kPatienceMs = 500;
    const Uint32 start = SDL_GetTicks();
    for (;;) {
        int wantW = width, wantH = height, realW = 0, realH = 0;
        if (wantW <= 0 || wantH <= 0)
            SDL_GL_GetDrawableSize(window_, &wantW, &wantH);
        if (!context_ || !QueryServerDrawableSize(realW, realH))
            return true; // nothing to check against
        if (realW == wantW && realH == wantH)
            return true;
        if (SDL_GetTicks() - start >= kPatienceMs)
            return false;
        SDL_PumpEvents(); // the events stay queued for the game
        SDL_Delay(10);
    }
}

void PortWindow::DrawableSize(int& width, int& height) const
{
    // Asked once a frame at most (the answer is a round trip to the server), and again
    // after anything that may have changed the window.
    if (!drawableKnown_) {
        const int oldW = drawableW_, oldH = drawableH_;
        if (!context_ || !QueryServerDrawableSize(drawableW_, drawableH_))
            SDL_GL_GetDrawableSize(window_, &drawableW_, &drawableH_);
        drawableKnown_ = true;
        // A server may resize the window without telling SDL: the picture on screen no
        // longer fits it and must be drawn again.
        if (drawableW_ != oldW || drawableH_ != oldH)
            damaged_ = true;
    }
    width = drawableW_;
    height = drawableH_;
}

bool PortWindow::IsFullscreen() const
{
    return (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

void PortWindow::SetGameSize(int width, int height)
{
    gameW_ = width;
    gameH_ = height;
}

PortViewport PortWindow::Viewport() const
{
    int dw = 0, dh = 0;
    DrawableSize(dw, dh);
    return ViewportIn(dw, dh);
}

PortViewport PortWindow::ViewportIn(int dw, int dh) const
{
    if (gameW_ <= 0 || gameH_ <= 0 || dw <= 0 || dh <= 0)
        return {0, 0, dw, dh};
    // Largest picture of the game's proportions that fits, centred.
    PortViewport v;
    if (int64_t(dw) * gameH_ <= int64_t(dh) * gameW_) {
        v.w = dw;
        v.h = int(int64_t(dw) * gameH_ / gameW_);
    } else {
        v.h = dh;
        v.w = int(int64_t(dh) * gameW_ / gameH_);
    }
    v.x = (dw - v.w) / 2;
    v.y = (dh - v.h) / 2;
    return v;
}

void PortWindow::Swap()
{
    RunBeforeFlipHook();
    SDL_GL_SwapWindow(window_);
    drawableKnown_ = false;
}

bool PortWindow::TakeDamage()
{
    bool damaged = damaged_;
    damaged_ = false;
    return damaged;
}

void PortWindow::ToGamePixels(int wx, int wy, float& gx, float& gy) const
{
    int ww = 0, wh = 0, dw = 0, dh = 0;
    SDL_GetWindowSize(window_, &ww, &wh);
    SDL_GL_GetDrawableSize(window_, &dw, &dh);
    // Window points to drawable pixels (they differ on high-density displays). SDL's two
    // figures agree on the ratio even when both are wrong about the size.
    float px = ww > 0 ? float(wx) * float(dw) / float(ww) : float(wx);
    float py = wh > 0 ? float(wy) * float(dh) / float(wh) : float(wy);
    DrawableSize(dw, dh);
    PortViewport v = ViewportIn(dw, dh);
    if (v.w <= 0 || v.h <= 0 || gameW_ <= 0 || gameH_ <= 0) {
        gx = px;
        gy = py;
        return;
    }
    // The viewport's y is counted from the bottom of the real drawable; the game's from
    // the top.
    float top = float(dh - v.y - v.h);
    gx = (px - float(v.x)) * float(gameW_) / float(v.w);
    gy = (py - top) * float(gameH_) / float(v.h);
}

bool PortWindow::Translate(const SDL_Event& e, GEvent& out) const
{
    out = GEvent {};
    switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (e.key.repeat)
            return false;
        out.kind = e.type == SDL_KEYDOWN ? GEventKind::RawKeyDown : GEventKind::RawKeyUp;
        out.keyCode = MacKeyCode(e.key.keysym.sym, e.key.keysym.scancode);
        out.modifiers = MacModifiers(e.key.keysym.mod);
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        out.kind = e.type == SDL_MOUSEBUTTONDOWN ? GEventKind::MouseDown : GEventKind::MouseUp;
        out.button = e.button.button == SDL_BUTTON_LEFT    ? 1
                     : e.button.button == SDL_BUTTON_RIGHT ? 2
                     : e.button.button == SDL_BUTTON_MIDDLE ? 3
                                                            : int(e.button.button);
        out.modifiers = MacModifiers(uint16_t(SDL_GetModState()));
        ToGamePixels(e.button.x, e.button.y, out.x, out.y);
        return true;
    case SDL_MOUSEMOTION:
        out.kind = e.motion.state ? GEventKind::MouseDragged : GEventKind::MouseMoved;
        ToGamePixels(e.motion.x, e.motion.y, out.x, out.y);
        return true;
    case SDL_MOUSEWHEEL: {
        int steps = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
        if (steps == 0)
            return false;
        out.kind = GEventKind::MouseWheel;
        out.wheel = steps > 0 ? 1 : -1;
        int mx = 0, my = 0;
        SDL_GetMouseState(&mx, &my);
        ToGamePixels(mx, my, out.x, out.y);
        return true;
    }
    case SDL_QUIT:
        out.kind = GEventKind::Close;
        return true;
    case SDL_WINDOWEVENT:
        switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE: out.kind = GEventKind::Close; return true;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_MOVED: out.kind = GEventKind::BoundsChanged; return true;
        case SDL_WINDOWEVENT_EXPOSED: out.kind = GEventKind::DrawContent; return true;
        case SDL_WINDOWEVENT_MAXIMIZED: out.kind = GEventKind::Zoom; return true;
        case SDL_WINDOWEVENT_FOCUS_GAINED: out.kind = GEventKind::AppActivated; return true;
        case SDL_WINDOWEVENT_FOCUS_LOST: out.kind = GEventKind::AppDeactivated; return true;
        default: return false;
        }
    default:
        return false;
    }
}

void PortWindow::Dispatch(const SDL_Event& e)
{
    if (e.type == SDL_WINDOWEVENT) {
        drawableKnown_ = false;
        switch (e.window.event) {
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
            damaged_ = true;
            break;
        default:
            break;
        }
    }
    GEvent ev;
    if (!Translate(e, ev) || !proc_)
        return;
    proc_(ev);
    // Closing: the user's request is followed by the window's end, which the application
    // answers by releasing everything and leaving the event loop.
    if (ev.kind == GEventKind::Close) {
        GEvent closed;
        closed.kind = GEventKind::Closed;
        proc_(closed);
    }
}

bool GetDisplaySize(int& width, int& height)
{
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0)
        return false;
    width = mode.w;
    height = mode.h;
    return true;
}

namespace {

std::string GLText(GLenum name)
{
    const GLubyte* text = SDL_GL_GetCurrentContext() ? glGetString(name) : nullptr;
    return text ? reinterpret_cast<const char*>(text) : "(unknown)";
}

} // namespace

std::string CurrentGLRenderer() { return GLText(GL_RENDERER); }

std::string CurrentGLVersion() { return GLText(GL_VERSION); }

void PortShowCursor(bool show)
{
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

bool PortCursorShown()
{
    return SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE;
}
