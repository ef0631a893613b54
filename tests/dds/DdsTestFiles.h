#pragma once
// Builds DDS files for the tests: a 128-byte header with the given pixel format, to which
// a test appends the image data.
#include <cstdint>
#include <cstring>
#include <vector>

inline void PutDdsWord(std::vector<uint8_t>& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = uint8_t(v >> (8 * i));
}

inline std::vector<uint8_t> DdsHeader(int w, int h, uint32_t pfFlags, const char* fourcc, uint32_t bits = 0,
                                      uint32_t r = 0, uint32_t g = 0, uint32_t b = 0, uint32_t a = 0,
                                      uint32_t pitch = 0)
{
    std::vector<uint8_t> d(128, 0);
    std::memcpy(d.data(), "DDS ", 4);
    PutDdsWord(d, 4, 124);
    PutDdsWord(d, 8, 0x1 | 0x2 | 0x4 | 0x1000);
    PutDdsWord(d, 12, uint32_t(h));
    PutDdsWord(d, 16, uint32_t(w));
    PutDdsWord(d, 20, pitch);
    PutDdsWord(d, 76, 32);
    PutDdsWord(d, 80, pfFlags);
    if (fourcc)
        std::memcpy(&d[84], fourcc, 4);
    PutDdsWord(d, 88, bits);
    PutDdsWord(d, 92, r);
    PutDdsWord(d, 96, g);
    PutDdsWord(d, 100, b);
    PutDdsWord(d, 104, a);
    PutDdsWord(d, 108, 0x1000);
    return d;
}
