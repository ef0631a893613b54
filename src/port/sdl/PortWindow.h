#pragma once
// The one main window of the run with its one OpenGL context (compatibility profile). The
// context survives switches between window and full screen, so texture names stay valid.
// Mouse positions are given in game pixels: the game's picture is letterboxed into the
// drawable the window really has when the two sizes differ (full screen on a display of
// another size, a window the window manager kept smaller).
#include "port/sdl/PortEvent.h"

#include <string>

union SDL_Event;
struct SDL_Window;

// A rectangle of the drawable surface, in its pixels, origin bottom left (as GL wants it).
struct PortViewport {
    int x = 0, y = 0, w = 0, h = 0;
};

class PortWindow {
public:
    // Starts SDL's video and creates the hidden window; nullptr (and the reason logged to
    // standard error) when there is no display.
    static PortWindow* Create(const std::string& title);
    // Sets the graphics driver's defaults in the environment, where it reads them when it
    // loads. Create does it too; a program that starts threads before its window calls it
    // first, since the environment is not to be changed while other threads may read it.
    static void PrepareDriver();
    ~PortWindow();
    PortWindow(const PortWindow&) = delete;
    PortWindow& operator=(const PortWindow&) = delete;

    void SetWindowProc(WindowProcFn proc) { proc_ = std::move(proc); }
    void Show();
    void Select();
    const std::string& Title() const { return title_; }

    // 1 marks the frameless (full-screen) mode; any other value the framed window.
    void SetRefCon(long value) { refCon_ = value; }
    long GetRefCon() const { return refCon_; }

    // Creates the GL context the first time and makes it current. False when it fails.
    bool EnsureContext();
    bool HasContext() const { return context_ != nullptr; }

    // Window mode, sized to the content and centred on the display. False on failure.
    bool SetWindowed(int width, int height);
    // Frameless full screen over the desktop (the display's mode is not changed). False,
    // and back out of full screen, when the window does not come to cover the display (no
    // window manager to grow it): the caller then sizes a window.
    bool SetFullscreen();
    bool IsFullscreen() const;

    // The size the game draws at; recomputes the letterboxed viewport.
    void SetGameSize(int width, int height);
    int GameWidth() const { return gameW_; }
    int GameHeight() const { return gameH_; }
    PortViewport Viewport() const;
    // The drawable's size in pixels as the display server has it (SDL's own figure where
    // the server cannot be asked).
    void DrawableSize(int& width, int& height) const;

    // Runs the before-flip hook (frame read-back), then presents the back buffer.
    void Swap();
    // Whether the window was shown, uncovered or resized since the last call: what it
    // showed may be gone, so the next frame must be presented even when unchanged.
    bool TakeDamage();

    // Translates one SDL event and passes it to the window procedure.
    void Dispatch(const SDL_Event& event);
    // The translated event, or false when the event is not for the game (auto-repeat,
    // unknown kinds).
    bool Translate(const SDL_Event& event, GEvent& out) const;

    SDL_Window* Sdl() const { return window_; }

private:
    PortWindow() = default;
    void ToGamePixels(int wx, int wy, float& gx, float& gy) const;
    // The game's picture letterboxed into a drawable of this size.
    PortViewport ViewportIn(int drawableW, int drawableH) const;
    // Waits a little for the display server to give the drawable the size SDL reports.
    bool DrawableReachesReportedSize() const;
    // Waits a little for the server's drawable to have this size (0 x 0: the size SDL reports).
    bool DrawableReaches(int width, int height) const;

    SDL_Window* window_ = nullptr;
    void* context_ = nullptr;
    std::string title_;
    WindowProcFn proc_;
    long refCon_ = 0;
    int gameW_ = 0, gameH_ = 0;
    // The window size it was last centred for: a window already centred at the asked size
    // is not moved again (each move waits for the server's answer).
    int centredW_ = 0, centredH_ = 0;
    // The drawable's size as last asked of the server.
    mutable bool drawableKnown_ = false;
    mutable int drawableW_ = 0, drawableH_ = 0;
    // Set when what is on screen may no longer be the last picture presented.
    mutable bool damaged_ = true;
};

// The size of the main display, false when SDL cannot tell.
bool GetDisplaySize(int& width, int& height);

// The current GL context's renderer and version texts ("(unknown)" without a context).
std::string CurrentGLRenderer();
std::string CurrentGLVersion();

// The system's mouse cursor over the window.
void PortShowCursor(bool show);
bool PortCursorShown();
