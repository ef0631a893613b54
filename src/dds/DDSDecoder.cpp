#include "dds/DDSDecoder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

namespace {

constexpr uint32_t kMagic = 0x20534444; // "DDS "
constexpr uint32_t kFlagCaps = 0x1, kFlagPixelFormat = 0x1000;
constexpr uint32_t kPfAlpha = 0x1, kPfFourCC = 0x4, kPfPalette = 0x20, kPfRGB = 0x40;

uint32_t Word(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint32_t FourCC(const char* s)
{
    return Word(reinterpret_cast<const uint8_t*>(s));
}

// The bytes of a file, read after its header without copying. Every size a header
// promises is checked against what is actually there before anything is allocated.
class Source {
public:
    Source(const uint8_t* mem, size_t size) : mem_(mem), size_(size) {}
    size_t Remaining() const { return size_ - pos_; }
    // The next n bytes, or null when the file ends sooner.
    const uint8_t* Take(size_t n)
    {
        if (!mem_ || n > Remaining())
            return nullptr;
        const uint8_t* p = mem_ + pos_;
        pos_ += n;
        return p;
    }

private:
    const uint8_t* mem_;
    size_t size_;
    size_t pos_ = 0;
};

// The rest of a stream, read in chunks: what it costs follows the bytes really there,
// never a size written in the file.
std::vector<uint8_t> ReadRest(FILE* f)
{
    std::vector<uint8_t> bytes;
    uint8_t chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    return bytes;
}

struct Header {
    uint32_t flags, height, width, pitch;
    uint32_t pfFlags, fourCC, bits, rMask, gMask, bMask, aMask;
};

bool ParseHeader(const uint8_t* h, Header& out)
{
    if (Word(h) != kMagic || Word(h + 4) != 124)
        return false;
    out.flags = Word(h + 8);
    if ((out.flags & (kFlagCaps | kFlagPixelFormat)) != (kFlagCaps | kFlagPixelFormat))
        return false;
    out.height = Word(h + 12);
    out.width = Word(h + 16);
    out.pitch = Word(h + 20);
    out.pfFlags = Word(h + 80);
    out.fourCC = Word(h + 84);
    out.bits = Word(h + 88);
    out.rMask = Word(h + 92);
    out.gMask = Word(h + 96);
    out.bMask = Word(h + 100);
    out.aMask = Word(h + 104);
    return true;
}

bool Masks(const Header& h, uint32_t bits, uint32_t r, uint32_t g, uint32_t b, uint32_t a)
{
    return h.bits == bits && h.rMask == r && h.gMask == g && h.bMask == b && h.aMask == a;
}

bool ChooseFormat(const Header& h, DDSFormat& f)
{
    bool fourcc = h.pfFlags & kPfFourCC, rgb = h.pfFlags & kPfRGB, alpha = h.pfFlags & kPfAlpha;
    if (fourcc && h.fourCC == FourCC("DXT1")) f = DDSFormat::DXT1;
    else if (fourcc && h.fourCC == FourCC("DXT3")) f = DDSFormat::DXT3;
    else if (fourcc && h.fourCC == FourCC("DXT5")) f = DDSFormat::DXT5;
    else if (rgb && alpha && Masks(h, 32, 0xff0000, 0xff00, 0xff, 0xff000000)) f = DDSFormat::BGRA8;
    else if (rgb && alpha && Masks(h, 16, 0x7c00, 0x3e0, 0x1f, 0x8000)) f = DDSFormat::BGR5A1;
    else if (rgb && !alpha && h.bits == 16 && h.rMask == 0xf800 && h.gMask == 0x7e0 && h.bMask == 0x1f)
        f = DDSFormat::BGR565;
    else if ((h.pfFlags & kPfPalette) && h.bits == 8) f = DDSFormat::Index8;
    else if (rgb && alpha && Masks(h, 16, 0xf00, 0xf0, 0xf, 0xf000)) f = DDSFormat::BGRA4444;
    else return false;
    return true;
}

uint8_t Scale(uint32_t value, uint32_t max)
{
    return uint8_t((value * 255 + max / 2) / max);
}

void Put(uint8_t* p, uint8_t r, uint8_t g, uint8_t b, uint8_t a)
{
    p[0] = r;
    p[1] = g;
    p[2] = b;
    p[3] = a;
}

using Rgba = std::array<uint8_t, 4>;

Rgba From565(uint16_t c)
{
    return {Scale((c >> 11) & 31, 31), Scale((c >> 5) & 63, 63), Scale(c & 31, 31), 255};
}

// The four colours of a colour block; DXT1's three-colour mode has a transparent fourth.
std::array<Rgba, 4> BlockColours(const uint8_t* b, bool allowTransparent)
{
    uint16_t c0 = uint16_t(b[0] | b[1] << 8), c1 = uint16_t(b[2] | b[3] << 8);
    std::array<Rgba, 4> c {From565(c0), From565(c1), Rgba {}, Rgba {}};
    for (int i = 0; i < 3; ++i) {
        if (c0 > c1 || !allowTransparent) {
            c[2][i] = uint8_t((2 * c[0][i] + c[1][i]) / 3);
            c[3][i] = uint8_t((c[0][i] + 2 * c[1][i]) / 3);
        } else {
            c[2][i] = uint8_t((c[0][i] + c[1][i]) / 2);
            c[3][i] = 0;
        }
    }
    c[2][3] = 255;
    c[3][3] = (c0 > c1 || !allowTransparent) ? 255 : 0;
    return c;
}

// Alpha of each of the 16 texels of a DXT3 or DXT5 alpha block.
std::array<uint8_t, 16> BlockAlpha(const uint8_t* b, DDSFormat f)
{
    std::array<uint8_t, 16> a {};
    if (f == DDSFormat::DXT3) {
        for (int i = 0; i < 16; ++i)
            a[i] = uint8_t(((b[i / 2] >> ((i % 2) * 4)) & 15) * 17);
        return a;
    }
    uint8_t a0 = b[0], a1 = b[1];
    std::array<uint8_t, 8> table {a0, a1};
    if (a0 > a1) {
        for (int i = 1; i < 7; ++i)
            table[i + 1] = uint8_t(((7 - i) * a0 + i * a1) / 7);
    } else {
        for (int i = 1; i < 5; ++i)
            table[i + 1] = uint8_t(((5 - i) * a0 + i * a1) / 5);
        table[6] = 0;
        table[7] = 255;
    }
    uint64_t bits = 0;
    for (int i = 0; i < 6; ++i)
        bits |= uint64_t(b[2 + i]) << (8 * i);
    for (int i = 0; i < 16; ++i)
        a[i] = table[(bits >> (3 * i)) & 7];
    return a;
}

bool Compressed(DDSFormat f)
{
    return f == DDSFormat::DXT1 || f == DDSFormat::DXT3 || f == DDSFormat::DXT5;
}

void DecodeBlocks(const uint8_t* data, DDSFormat f, int w, int h, uint8_t* out)
{
    size_t blockBytes = f == DDSFormat::DXT1 ? 8 : 16;
    int bw = (w + 3) / 4, bh = (h + 3) / 4;
    for (int by = 0; by < bh; ++by)
        for (int bx = 0; bx < bw; ++bx) {
            const uint8_t* b = data + (size_t(by) * size_t(bw) + size_t(bx)) * blockBytes;
            const uint8_t* colour = f == DDSFormat::DXT1 ? b : b + 8;
            auto c = BlockColours(colour, f == DDSFormat::DXT1);
            std::array<uint8_t, 16> alpha {};
            if (f != DDSFormat::DXT1)
                alpha = BlockAlpha(b, f);
            for (int i = 0; i < 16; ++i) {
                int x = bx * 4 + i % 4, y = by * 4 + i / 4;
                if (x >= w || y >= h)
                    continue;
                const Rgba& px = c[(colour[4 + i / 4] >> ((i % 4) * 2)) & 3];
                uint8_t a = f == DDSFormat::DXT1 ? px[3] : alpha[i];
                Put(out + (size_t(y) * size_t(w) + size_t(x)) * 4, px[0], px[1], px[2], a);
            }
        }
}

void DecodeRaw(const uint8_t* data, DDSFormat f, size_t count, uint8_t* out)
{
    for (size_t i = 0; i < count; ++i, out += 4) {
        if (f == DDSFormat::BGRA8) {
            const uint8_t* p = data + i * 4;
            Put(out, p[2], p[1], p[0], p[3]);
            continue;
        }
        uint32_t v = uint32_t(data[i * 2]) | uint32_t(data[i * 2 + 1]) << 8;
        if (f == DDSFormat::BGR5A1)
            Put(out, Scale((v >> 10) & 31, 31), Scale((v >> 5) & 31, 31), Scale(v & 31, 31),
                (v & 0x8000) ? 255 : 0);
        else if (f == DDSFormat::BGR565)
            Put(out, Scale(v >> 11, 31), Scale((v >> 5) & 63, 63), Scale(v & 31, 31), 255);
        else
            Put(out, uint8_t(((v >> 8) & 15) * 17), uint8_t(((v >> 4) & 15) * 17),
                uint8_t((v & 15) * 17), uint8_t(((v >> 12) & 15) * 17));
    }
}

// Bytes of image data the header promises after itself (palette table included), in 64
// bits so no header can make it wrap.
uint64_t PromisedBytes(const Header& hdr, DDSFormat f, uint64_t w, uint64_t h)
{
    if (f == DDSFormat::Index8)
        return 256 * 4 + std::max<uint64_t>(hdr.pitch, w) * h; // a pitch shorter than a row is damage
    if (Compressed(f))
        return (w + 3) / 4 * ((h + 3) / 4) * (f == DDSFormat::DXT1 ? 8 : 16);
    return w * h * (f == DDSFormat::BGRA8 ? 4 : 2);
}

void DecodePalette(const uint8_t* data, const Header& hdr, int w, int h, uint8_t* out)
{
    const uint8_t* table = data;
    const uint8_t* indices = data + 256 * 4;
    size_t pitch = std::max<size_t>(hdr.pitch, size_t(w));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            // Entries are blue, green, red; the palette image has no alpha.
            const uint8_t* e = table + size_t(indices[size_t(y) * pitch + size_t(x)]) * 4;
            Put(out + (size_t(y) * size_t(w) + size_t(x)) * 4, e[2], e[1], e[0], 255);
        }
}

// Keeps the rectangle, cut to the image; false when nothing of the image is left.
bool Crop(DDSImage& img, const DDSRect& r)
{
    int l = std::clamp(r.left, 0, img.width), t = std::clamp(r.top, 0, img.height);
    int rt = std::clamp(r.right, l, img.width), b = std::clamp(r.bottom, t, img.height);
    if (rt == l || b == t)
        return false;
    std::vector<uint8_t> out(size_t(rt - l) * size_t(b - t) * 4);
    for (int y = t; y < b; ++y)
        std::memcpy(&out[size_t(y - t) * size_t(rt - l) * 4],
                    &img.rgba[(size_t(y) * size_t(img.width) + size_t(l)) * 4], size_t(rt - l) * 4);
    img.rgba.swap(out);
    img.width = rt - l;
    img.height = b - t;
    return true;
}

bool Decode(Source& src, DDSImage& img, const DDSRect* crop)
{
    const uint8_t* raw = src.Take(128);
    Header hdr {};
    DDSFormat f {};
    if (!raw || !ParseHeader(raw, hdr) || !ChooseFormat(hdr, f))
        return false;
    if (hdr.width == 0 || hdr.height == 0 || hdr.width > kDDSMaxSide || hdr.height > kDDSMaxSide)
        return false;
    // The file must hold all it promises before a byte is allocated for it; then the
    // picture (four bytes a pixel) costs at most eight times the data it is made from.
    uint64_t promised = PromisedBytes(hdr, f, hdr.width, hdr.height);
    if (promised > src.Remaining())
        return false;
    const uint8_t* data = src.Take(size_t(promised));
    int w = int(hdr.width), h = int(hdr.height);
    img.width = w;
    img.height = h;
    img.format = f;
    img.dataBytes = size_t(promised) - (f == DDSFormat::Index8 ? 256 * 4 : 0);
    img.rgba.assign(size_t(w) * size_t(h) * 4, 0);
    if (f == DDSFormat::Index8)
        DecodePalette(data, hdr, w, h, img.rgba.data());
    else if (Compressed(f))
        DecodeBlocks(data, f, w, h, img.rgba.data());
    else
        DecodeRaw(data, f, size_t(w) * size_t(h), img.rgba.data());
    return !crop || Crop(img, *crop);
}

} // namespace

bool loadDDS(FILE* stream, const uint8_t* memory, size_t memorySize, DDSImage& out, const DDSRect* crop)
{
    out = DDSImage {};
    try {
        std::vector<uint8_t> bytes;
        if (stream) {
            bytes = ReadRest(stream);
            memory = bytes.data();
            memorySize = bytes.size();
        }
        Source src(memory, memorySize);
        DDSImage img;
        if (!Decode(src, img, crop))
            return false;
        out = std::move(img);
        return true;
    } catch (const std::bad_alloc&) {
        // Sizes are checked against the file first; this is only a machine out of memory.
        return false;
    }
}
