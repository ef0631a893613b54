#include "shell/WinMain.h"

#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/MainWindow.h"
#include "shell/Game.h"
#include "shell/Input.h"

#include <malloc.h>

namespace {

// Whether the game's window has the focus; events are dropped while it has not.
bool appActive = true;

// In full screen the game draws its own pointer; in a window the system's shows.
void MatchSystemCursor()
{
    bool full = !GetD3DEngine()->GetIsWindowed();
    bool shown = IsSystemCursorShown();
    if (full && shown)
        ShowSystemCursor(false);
    else if (!full && !shown)
        ShowSystemCursor(true);
}

} // namespace

void WindowProc(const GEvent& e)
{
    // Closing and quitting are always honoured.
    if (e.kind == GEventKind::Close || e.kind == GEventKind::Closed) {
        GetGame()->ReleaseResources();
        return;
    }
    if (e.kind == GEventKind::AppDeactivated) {
        appActive = false;
        GetInput()->ClearHeldInput();
        return;
    }
    if (e.kind == GEventKind::AppActivated) {
        appActive = true;
        return;
    }
    if (!appActive || !BActive)
        return;
    MatchSystemCursor();
    switch (e.kind) {
    case GEventKind::RawKeyDown:
    case GEventKind::RawKeyUp:
    case GEventKind::MouseMoved:
    case GEventKind::MouseDragged:
        GetInput()->Record(e);
        break;
    case GEventKind::MouseDown:
    case GEventKind::MouseUp:
        // Only the left button is fed: the right-click and wheel routes stay idle.
        if (e.button == 1)
            GetInput()->Record(e);
        else {
            GEvent move = e;
            move.kind = GEventKind::MouseMoved;
            GetInput()->Record(move);
        }
        break;
    default:
        break;
    }
}

void TimerLoop() { GetGame()->GameProc(); }

bool StartApplication()
{
    // Blocks of a megabyte and more (pictures, the driver's copies of them) are mapped on
    // their own, so that what a released picture gives back returns to the system instead
    // of staying in the heap (glibc would raise this threshold after the first such free).
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    PrepareGraphicsDriver(); // before the picture thread starts
    PrefetchStartPictures();
    MainWindowRef window = CreateMainWindow("Amplivance", WindowProc);
    if (!window)
        WindowsError("CreateMainWindow");
    ShowWindow(window);
    SelectWindow(window);
    // The Game may exist already (a test prepared its modes); else it is made here.
    BActive = GetGame()->InitApp();
    return BActive;
}

int WinMain(int, char**)
{
    InstallInteractiveAlerts();
    if (StartApplication())
        RunApplicationEventLoop(TimerLoop);
    return 0;
}
