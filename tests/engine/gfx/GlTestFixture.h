#pragma once
// A test fixture that opens the real main window and renderer at 1024 x 768 (under Xvfb in
// CI), records the window's events, and reads the finished frame back. Test folders of the
// screens include it for pixel checks.
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/MainWindow.h"
#include "port/sdl/FrameCapture.h"
#include "port/sdl/PortWindow.h"
#include "support/TestSupport.h"

#include <string>
#include <vector>

class GlTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        window = CreateMainWindow("Amplivance test", [this](const GEvent& e) { events.push_back(e); });
        ASSERT_NE(window, nullptr) << "no display: run the GL tests under xvfb-run";
        ShowWindow(window);
        ASSERT_TRUE(GetD3DEngine()->Initialise(window, false, 1024, 768, 32, true, true));
        PumpWindowEvents();
        events.clear();
    }

    void TearDown() override
    {
        if (window)
            window->SetWindowProc(nullptr);
        SandboxTest::TearDown();
    }

    // Begins a frame cleared to the colour (packed, red in the low byte).
    void BeginFrame(uint32_t clear = 0xFF000000u)
    {
        GetD3DEngine()->BeginRender();
        GetD3DEngine()->ClearScreen(clear);
    }

    // Ends the scene, flips, and reads the picture back just before the flip (the frame
    // is drawn at the flip).
    RgbaImage EndFrame()
    {
        GetD3DEngine()->EndRender();
        RgbaImage image;
        SetBeforeFlipHook([&image] { image = ReadBackFrame(); });
        GetD3DEngine()->Flip();
        SetBeforeFlipHook(nullptr);
        return image;
    }

    // Writes the picture into the sandbox's working folder, for a look when a test fails.
    void Save(const RgbaImage& image, const std::string& name) const
    {
        WritePng((work.Path() / name).string(), image);
    }

    // Writes a picture file of one colour per half (left, right) into a folder.
    static std::string WriteTwoColourPng(const std::filesystem::path& folder, const std::string& name,
                                         int w, int h, uint32_t left, uint32_t right)
    {
        std::filesystem::create_directories(folder);
        RgbaImage img;
        img.width = w;
        img.height = h;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                uint32_t c = x < w / 2 ? left : right;
                for (int k = 0; k < 4; ++k)
                    img.pixels.push_back(uint8_t(c >> (8 * k)));
            }
        std::string path = (folder / name).string();
        WritePng(path, img);
        return path;
    }

    MainWindowRef window = nullptr;
    std::vector<GEvent> events;
};

// Channel helpers for read-back pixels (red in the low byte).
inline int Red(uint32_t c) { return int(c & 255); }
inline int Green(uint32_t c) { return int((c >> 8) & 255); }
inline int Blue(uint32_t c) { return int((c >> 16) & 255); }
