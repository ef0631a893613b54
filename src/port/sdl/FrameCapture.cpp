#include "port/sdl/FrameCapture.h"

#include "port/sdl/PortWindow.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <SDL2/SDL.h>

// Third-party single-header code: its own warnings are not ours to fix.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wsign-compare"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
#pragma GCC diagnostic pop

#include <cstring>

namespace {
std::function<void()>& Hook()
{
    static std::function<void()> hook;
    return hook;
}
} // namespace

uint32_t RgbaImage::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0;
    const uint8_t* p = &pixels[(size_t(y) * size_t(width) + size_t(x)) * 4];
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void SetBeforeFlipHook(std::function<void()> hook)
{
    Hook() = std::move(hook);
}

bool HasBeforeFlipHook()
{
    return bool(Hook());
}

void RunBeforeFlipHook()
{
    if (Hook())
        Hook()();
}

RgbaImage ReadBackFrame()
{
    RgbaImage image;
    GLint vp[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, vp);
    if (vp[2] <= 0 || vp[3] <= 0)
        return image;
    image.width = vp[2];
    image.height = vp[3];
    std::vector<uint8_t> bottomUp(size_t(image.width) * size_t(image.height) * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(vp[0], vp[1], vp[2], vp[3], GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    image.pixels.resize(bottomUp.size());
    size_t row = size_t(image.width) * 4;
    for (int y = 0; y < image.height; ++y)
        std::memcpy(&image.pixels[size_t(y) * row], &bottomUp[size_t(image.height - 1 - y) * row], row);
    return image;
}

bool WritePng(const std::string& path, const RgbaImage& image)
{
    if (image.width <= 0 || image.height <= 0)
        return false;
    return stbi_write_png(path.c_str(), image.width, image.height, 4, image.pixels.data(),
                          image.width * 4) != 0;
}
