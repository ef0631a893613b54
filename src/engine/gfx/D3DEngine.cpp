#include "engine/gfx/D3DEngine.h"

#include "engine/GDebugEngine.h"
#include "engine/PrivateProfile.h"
#include "engine/gfx/GLHeaders.h"
#include "port/Report.h"
#include "port/sdl/FrameCapture.h"
#include "port/sdl/PortWindow.h"

#include <cstdarg>
#include <malloc.h>

float D3DEngine::W = 0.0f;
float D3DEngine::H = 0.0f;
bool D3DEngine::BInScene = false;
unsigned D3DEngine::LastTexNum = 0;

namespace {

// How many BeginRender calls the open scene has had; only the outermost begins and ends
// it. A scene begun afresh (BInScene false, also after a display restart) starts at 1.
int sceneDepth = 0;

DisplaySettingReader settingReader = nullptr;

int ReadSetting(const char* key, int def)
{
    if (settingReader)
        return settingReader("config", key, def);
    return GetPrivateProfileInt("config", key, def, "data\\config.muf");
}

} // namespace

// The fallback is measured against the display, not against the requested size: picking
// the largest listed size below the requested height could open a window taller than the
// display (1280 x 960 on a 1440 x 900 display), with its lower part and the title strip
// out of reach. A window that fits the display in both directions is always usable.
void ChooseWindowedSize(int displayW, int displayH, int& width, int& height)
{
    static const int sizes[][2] = {{1280, 1024}, {1280, 960}, {1024, 768}};
    for (const auto& s : sizes)
        if (s[0] < displayW && s[1] < displayH) {
            width = s[0];
            height = s[1];
            return;
        }
    width = 800;
    height = 600;
}

D3DEngine::D3DEngine() = default;
D3DEngine::~D3DEngine() = default;

void D3DEngine::SetDisplaySettingReader(DisplaySettingReader reader)
{
    settingReader = reader;
}

bool D3DEngine::Initialise(MainWindowRef window, bool, int width, int height, int depth,
                           bool skipSafeMode, bool forceWindowed)
{
    DebugOut("Initialising Direct Draw");
    if (!window) {
        DebugOut("No window to open the display in");
        return false;
    }
    window_ = window;
    windowed_ = forceWindowed ? 1 : (ReadSetting("IsWindowed", 0) != 0 ? 1 : 0);
    if (!skipSafeMode && ReadSetting("SafeMode", 0) != 0) {
        windowed_ = 1;
        DebugOut("Forcing to safe mode, fullscreen not stable");
    }
    DebugOut(windowed_ ? "Attempting windowed mode" : "Attempting fullscreen mode");
    if (width <= 0 || height <= 0) {
        width = 800;
        height = 600;
    }
    int dispW = 0, dispH = 0;
    if (windowed_ && GetDisplaySize(dispW, dispH) && !(dispW > width && dispH > height))
        ChooseWindowedSize(dispW, dispH, width, height);

    char line[96];
    std::snprintf(line, sizeof line, "Creating Context at %d %d %d", width, height, depth);
    DebugOut(line);
    if (!window->EnsureContext()) {
        DebugOut("Could not create the GL context");
        return false;
    }
    if (!windowed_) {
        window->SetRefCon(1);
        if (!window->SetFullscreen()) {
            // The display stays as it was: carry on in a window rather than not at all.
            DebugOut("Full screen failed, staying in a window");
            GetDebug()->DebugOut("Full screen failed, staying in a window");
            windowed_ = 1;
        }
    }
    if (windowed_) {
        window->SetRefCon(0);
        if (!window->SetWindowed(width, height)) {
            DebugOut("Could not size the window");
            return false;
        }
    }
    window->SetGameSize(width, height);
    width_ = width;
    height_ = height;
    BInScene = false;
    currentName_.clear();
    ApplyFixedState();
    SetProjection();
    W = float(width);
    H = float(height);
    return true;
}

void D3DEngine::ApplyFixedState()
{
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_TEXTURE_RECTANGLE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    window_->Swap();
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    texEnabled_ = true;
    // The screen is black now, whatever was presented before.
    mustPresent_ = true;
}

void D3DEngine::CurrentViewport(int viewport[4]) const
{
    PortViewport v = window_ ? window_->Viewport() : PortViewport {0, 0, width_, height_};
    viewport[0] = v.x;
    viewport[1] = v.y;
    viewport[2] = v.w;
    viewport[3] = v.h;
}

void D3DEngine::SetProjection()
{
    // One unit per game pixel, y growing downward, letterboxed into the drawable.
    PortViewport v = window_ ? window_->Viewport() : PortViewport {0, 0, width_, height_};
    glViewport(v.x, v.y, v.w, v.h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, double(width_), double(height_), 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Integer coordinates fall on pixel corners; this nudge makes lines and fills cover
    // exactly the pixels their coordinates name.
    glTranslatef(0.375f, 0.375f, 0.0f);
}

void D3DEngine::BeginRender()
{
    // A scene begun inside another (the loading screen drawn within a frame) only counts
    // its depth, so its EndRender does not end the frame's scene.
    if (BInScene) {
        ++sceneDepth;
        return;
    }
    sceneDepth = 1;
    // The drawable may have changed size (full screen settles after the switch).
    int viewport[4];
    CurrentViewport(viewport);
    frame_.Scene(viewport, width_, height_);
    bound_ = 0;
    SetLinearFilter();
    additive_ = false; // every frame starts with normal blending, as the scene's state does
    clipped_ = false;
    occluderEdges_ = 0;
    openLayer_ = nullptr;
    record_ = &frame_;
    BInScene = true;
    ++scenes_;
}

void D3DEngine::EndRender()
{
    if (sceneDepth > 1) {
        --sceneDepth;
        return;
    }
    sceneDepth = 0;
    EndCachedLayer(); // a layer left open ends with the frame
    BInScene = false;
    currentName_.clear();
}

bool D3DEngine::FrameChanged()
{
    // Asked every time: a damaged window is answered by this frame.
    bool damaged = window_->TakeDamage();
    return damaged || mustPresent_ || HasBeforeFlipHook() || shownTextures_ != textureChanges_ ||
           !(frame_ == shown_);
}

void D3DEngine::Flip()
{
    if (!window_) {
        frame_.Reset();
    } else if (FrameChanged()) {
        frame_.Replay();
        window_->Swap();
        std::swap(shown_, frame_);
        shownTextures_ = textureChanges_;
        mustPresent_ = false;
        frame_.Reset();
    } else {
        // The same picture is on screen already.
        ++unchangedFrames_;
        frame_.Reset();
    }
    FreePendingTextures();
    for (unsigned glName : releaseAfterFrame_)
        if (auto found = releasable_.find(glName); found != releasable_.end())
            ReleaseTexture(*found->second);
    releaseAfterFrame_.clear();
    scenes_ = 0;
    frames_ += 1.0f;
    if ((unsigned(frames_) & 63u) == 0) {
        ReleaseIdleTextures();
        // What the driver and the game freed in the middle of the heap (pictures let go,
        // the shader compiler's scratch) goes back to the system too, not only its top.
        malloc_trim(0);
    }
}

void D3DEngine::SetClipRect(const tagRECT* rect)
{
    clipped_ = rect != nullptr;
    clip_ = rect ? *rect : tagRECT {};
}

void D3DEngine::ClearScreen()
{
    ClearScreen(0xFF000000u);
}

void D3DEngine::ClearScreen(uint32_t c)
{
    record_->Clear(c);
}

// The filter is the bound texture's: it is set on the texture when the frame is drawn.
void D3DEngine::SetLinearFilter()
{
    pointFilter_ = false;
}

void D3DEngine::SetPointFilter()
{
    pointFilter_ = true;
}

void D3DEngine::DebugOut(const char* text)
{
    if (!log_)
        return;
    std::fputs(text ? text : "", log_);
    std::fputc('\n', log_);
    std::fflush(log_);
}

void D3DEngine::D3DEngineError(int, const char* text)
{
    std::string message = text ? text : "";
    if (message.size() > 255)
        message.resize(255);
    DebugOut(message.c_str());
    ShowAlert(AlertRequest {"Error", message, {}, 0});
}

void D3DEngine::Release()
{
    if (frames_ > 0.0f) {
        char line[64];
        std::snprintf(line, sizeof line, "Redundant calls/frame = %f", double(redundantBinds_ / frames_));
        DebugOut(line);
    }
    if (window_ && !windowed_) {
        window_->SetRefCon(0);
        window_->SetWindowed(width_, height_);
    }
    BInScene = false;
}

D3DEngine* GetD3DEngine()
{
    static D3DEngine* engine = new D3DEngine;
    return engine;
}
