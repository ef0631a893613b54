#include "port/sdl/FrameCapture.h"

#include "port/sdl/PortWindow.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <SDL2/SDL.h>

#include <zlib.h>

#include <cstdio>
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
    image.pixels.resize(size_t(image.width) * size_t(image.height) * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(vp[0], vp[1], vp[2], vp[3], GL_RGBA, GL_UNSIGNED_BYTE, image.pixels.data());
    // GL reads the bottom row first: turned over in place, one row of scratch, rather than
    // through a second copy of the whole frame.
    const size_t row = size_t(image.width) * 4;
    std::vector<uint8_t> scratch(row);
    for (int top = 0, bottom = image.height - 1; top < bottom; ++top, --bottom) {
        uint8_t* a = &image.pixels[size_t(top) * row];
        uint8_t* b = &image.pixels[size_t(bottom) * row];
        std::memcpy(scratch.data(), a, row);
        std::memcpy(a, b, row);
        std::memcpy(b, scratch.data(), row);
    }
    return image;
}

namespace {

// Writes one PNG chunk: length, type, data, and the CRC of type and data.
bool WriteChunk(std::FILE* f, const char* type, const uint8_t* data, uint32_t size)
{
    const uint8_t length[4] = {uint8_t(size >> 24), uint8_t(size >> 16), uint8_t(size >> 8), uint8_t(size)};
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type), 4);
    if (size)
        crc = crc32(crc, data, size);
    const uint8_t sum[4] = {uint8_t(crc >> 24), uint8_t(crc >> 16), uint8_t(crc >> 8), uint8_t(crc)};
    return std::fwrite(length, 1, 4, f) == 4 && std::fwrite(type, 1, 4, f) == 4 &&
           (size == 0 || std::fwrite(data, 1, size, f) == size) && std::fwrite(sum, 1, 4, f) == 4;
}

// Compresses the picture a row at a time into IDAT chunks of a fixed size, so that writing
// a frame needs a few rows of memory, not a second and third copy of the frame.
bool WriteImageData(std::FILE* f, const RgbaImage& image)
{
    z_stream z {};
    if (deflateInit(&z, Z_BEST_SPEED) != Z_OK)
        return false;
    std::vector<uint8_t> out(1 << 16);
    const size_t row = size_t(image.width) * 4;
    std::vector<uint8_t> line(row + 1, 0); // filter byte 0: the row as it is
    bool ok = true;
    for (int y = 0; ok && y <= image.height; ++y) {
        const bool last = y == image.height;
        if (!last)
            std::memcpy(&line[1], &image.pixels[size_t(y) * row], row);
        z.next_in = last ? nullptr : line.data();
        z.avail_in = last ? 0 : uInt(line.size());
        int status = Z_OK;
        do {
            z.next_out = out.data();
            z.avail_out = uInt(out.size());
            status = deflate(&z, last ? Z_FINISH : Z_NO_FLUSH);
            const uint32_t produced = uint32_t(out.size() - z.avail_out);
            if (status == Z_STREAM_ERROR || (produced && !WriteChunk(f, "IDAT", out.data(), produced)))
                ok = false;
        } while (ok && (z.avail_out == 0 || (last && status != Z_STREAM_END)));
    }
    deflateEnd(&z);
    return ok;
}

} // namespace

bool WritePng(const std::string& path, const RgbaImage& image)
{
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() < size_t(image.width) * size_t(image.height) * 4)
        return false;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const uint32_t w = uint32_t(image.width), h = uint32_t(image.height);
    const uint8_t header[13] = {uint8_t(w >> 24), uint8_t(w >> 16), uint8_t(w >> 8), uint8_t(w),
                                uint8_t(h >> 24), uint8_t(h >> 16), uint8_t(h >> 8), uint8_t(h),
                                8, 6, 0, 0, 0}; // 8 bits a channel, RGBA, no interlace
    bool ok = std::fwrite(signature, 1, 8, f) == 8 && WriteChunk(f, "IHDR", header, 13) &&
              WriteImageData(f, image) && WriteChunk(f, "IEND", nullptr, 0);
    ok = std::fclose(f) == 0 && ok;
    if (!ok)
        std::remove(path.c_str()); // never a truncated picture left behind
    return ok;
}
