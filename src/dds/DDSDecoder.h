#pragma once
// The DDS (DirectDraw Surface) reader, in software: S3TC-compressed (DXT1, DXT3, DXT5),
// raw 16- and 32-bit and 8-bit palette images become four bytes per pixel. Only the top
// level is read; further mipmap levels are ignored.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

enum class DDSFormat { DXT1, DXT3, DXT5, BGRA8, BGR5A1, BGR565, Index8, BGRA4444 };

// A rectangle of the image to keep (left, top inclusive; right, bottom exclusive).
struct DDSRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The decoded top level: rows from the top, bytes red, green, blue, alpha.
struct DDSImage {
    int width = 0;
    int height = 0;
    DDSFormat format = DDSFormat::BGRA8;
    size_t dataBytes = 0; // bytes of image data read after the header (and palette)
    std::vector<uint8_t> rgba;
};

// Reads from the stream (from its position to its end), or from memory (memorySize bytes)
// when the stream is null. False for a header that is not a DDS file's, a pixel format it
// does not know, absurd sizes, a file too short for its image or a crop that leaves
// nothing; `out` is then left empty. A crop rectangle, cut to the image, keeps only that
// part. Sizes are checked against the file before anything is allocated, so a file never
// costs more than a small multiple of its own length (the picture: at most eight times).
bool loadDDS(FILE* stream, const uint8_t* memory, size_t memorySize, DDSImage& out,
             const DDSRect* crop = nullptr);

// Largest side accepted: a larger header is taken for a damaged file.
constexpr int kDDSMaxSide = 16384;
