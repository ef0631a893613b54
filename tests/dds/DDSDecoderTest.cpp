// The DDS reader, with synthetic files made here.
#include "dds/DDSDecoder.h"
#include "dds/DdsTestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>

namespace {

bool Load(const std::vector<uint8_t>& file, DDSImage& img, const DDSRect* crop = nullptr)
{
    return loadDDS(nullptr, file.data(), file.size(), img, crop);
}

uint32_t Pixel(const DDSImage& img, int x, int y)
{
    const uint8_t* p = &img.rgba[(size_t(y) * size_t(img.width) + size_t(x)) * 4];
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

} // namespace

TEST(DDSHeaderTest, RejectsWhatIsNoDdsFile)
{
    DDSImage img;
    auto good = DdsHeader(4, 4, 0x4, "DXT1");
    good.resize(128 + 8);
    EXPECT_TRUE(Load(good, img));

    // Each damaged variant: a field of the good file overwritten, or its data cut short.
    auto Damaged = [](size_t at, uint32_t value) {
        auto f = DdsHeader(4, 4, 0x4, "DXT1");
        f.resize(128 + 8);
        PutDdsWord(f, at, value);
        return f;
    };
    auto size123 = Damaged(4, 123);
    auto badMagic = Damaged(0, 0x20534458);
    auto noCaps = Damaged(8, 0x1000);
    auto unknown = DdsHeader(4, 4, 0x4, "ATI2");
    unknown.resize(200);
    auto huge = DdsHeader(kDDSMaxSide + 1, 4, 0x4, "DXT1");
    auto shortData = DdsHeader(4, 4, 0x4, "DXT1");
    shortData.resize(128 + 7);
    for (const auto& f : {size123, badMagic, noCaps, unknown, huge, shortData}) {
        EXPECT_FALSE(Load(f, img));
        EXPECT_TRUE(img.rgba.empty());
    }
    EXPECT_FALSE(Load(std::vector<uint8_t>(50, 0), img));
}

TEST(DDSCompressedTest, BlockSizesAndColours)
{
    DDSImage img;
    auto dxt1 = DdsHeader(64, 64, 0x4, "DXT1");
    dxt1.resize(128 + 2048);
    ASSERT_TRUE(Load(dxt1, img));
    EXPECT_EQ(img.dataBytes, 2048u);  // 16 x 16 blocks of 8 bytes

    auto dxt5 = DdsHeader(2, 2, 0x4, "DXT5");
    // alpha 255 / 0 with every texel on index 0; colour pure red (0xF800) / black, index 0
    const uint8_t block[16] = {255, 0, 0, 0, 0, 0, 0, 0, 0x00, 0xF8, 0, 0, 0, 0, 0, 0};
    dxt5.insert(dxt5.end(), block, block + 16);
    ASSERT_TRUE(Load(dxt5, img));
    EXPECT_EQ(img.dataBytes, 16u);
    EXPECT_EQ(img.format, DDSFormat::DXT5);
    EXPECT_EQ(Pixel(img, 1, 1), 0xFF0000FFu);

    // DXT1 three-colour mode (c0 <= c1): index 3 is transparent black.
    auto dxt1t = DdsHeader(4, 4, 0x4, "DXT1");
    const uint8_t tblock[8] = {0x00, 0x00, 0x1F, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
    dxt1t.insert(dxt1t.end(), tblock, tblock + 8);
    ASSERT_TRUE(Load(dxt1t, img));
    EXPECT_EQ(Pixel(img, 2, 3), 0u);

    // DXT3: explicit 4-bit alpha; texel 0 alpha 0x8 -> 136.
    auto dxt3 = DdsHeader(4, 4, 0x4, "DXT3");
    uint8_t b3[16] = {0x08, 0, 0, 0, 0, 0, 0, 0, 0xE0, 0x07, 0, 0, 0, 0, 0, 0};
    dxt3.insert(dxt3.end(), b3, b3 + 16);
    ASSERT_TRUE(Load(dxt3, img));
    EXPECT_EQ(Pixel(img, 0, 0), 0x8800FF00u);
}

TEST(DDSRawTest, EachRawFormatDecodesToRgba)
{
    struct Case {
        const char* name;
        uint32_t flags, bits, r, g, b, a;
        std::vector<uint8_t> pixel;
        uint32_t expected;
    } cases[] = {
        {"BGRA8", 0x41, 32, 0xff0000, 0xff00, 0xff, 0xff000000, {0x30, 0x20, 0x10, 0x80}, 0x80302010u},
        {"BGR5A1", 0x41, 16, 0x7c00, 0x3e0, 0x1f, 0x8000, {0x00, 0xFC}, 0xFF0000FFu},
        {"BGR565", 0x40, 16, 0xf800, 0x7e0, 0x1f, 0, {0xE0, 0x07}, 0xFF00FF00u},
        {"BGRA4444", 0x41, 16, 0xf00, 0xf0, 0xf, 0xf000, {0x0F, 0x70}, 0x77FF0000u},
    };
    for (const Case& c : cases) {
        auto f = DdsHeader(1, 1, c.flags, nullptr, c.bits, c.r, c.g, c.b, c.a);
        f.insert(f.end(), c.pixel.begin(), c.pixel.end());
        DDSImage img;
        ASSERT_TRUE(Load(f, img)) << c.name;
        EXPECT_EQ(Pixel(img, 0, 0), c.expected) << c.name;
    }
}

TEST(DDSPaletteTest, IndicesExpandToTheirTableColours)
{
    auto f = DdsHeader(2, 2, 0x20, nullptr, 8, 0, 0, 0, 0, 2);
    std::vector<uint8_t> table(1024, 0);
    table[5 * 4 + 0] = 0x11;  // blue
    table[5 * 4 + 1] = 0x22;  // green
    table[5 * 4 + 2] = 0x33;  // red
    f.insert(f.end(), table.begin(), table.end());
    const uint8_t idx[4] = {5, 0, 0, 5};
    f.insert(f.end(), idx, idx + 4);
    DDSImage img;
    ASSERT_TRUE(Load(f, img));
    EXPECT_EQ(Pixel(img, 0, 0), 0xFF112233u);
    EXPECT_EQ(Pixel(img, 1, 0), 0xFF000000u);
    EXPECT_EQ(Pixel(img, 1, 1), 0xFF112233u);
}

TEST(DDSCropTest, KeepsTheRectangleCutToTheImage)
{
    auto f = DdsHeader(4, 2, 0x41, nullptr, 32, 0xff0000, 0xff00, 0xff, 0xff000000);
    for (int i = 0; i < 8; ++i) {
        const uint8_t px[4] = {0, 0, uint8_t(i), 255};
        f.insert(f.end(), px, px + 4);
    }
    DDSImage img;
    DDSRect crop {2, 1, 10, 10};
    ASSERT_TRUE(Load(f, img, &crop));
    EXPECT_EQ(img.width, 2);
    EXPECT_EQ(img.height, 1);
    EXPECT_EQ(Pixel(img, 0, 0) & 255, 6u);
}

TEST(DDSHostileTest, SizesThatTheFileDoesNotHoldAreRejectedBeforeAllocating)
{
    // Each header promises far more than the two kilobytes (a whole palette table) that
    // follow it: a palette pitch of four billion bytes a row, the largest accepted sides in
    // every family of formats. None may cost more than its few bytes: no time to speak of.
    struct Case {
        const char* name;
        std::vector<uint8_t> header;
    } cases[] = {
        {"palette pitch", DdsHeader(kDDSMaxSide, kDDSMaxSide, 0x20, nullptr, 8, 0, 0, 0, 0, 0xFFFFFFFFu)},
        {"palette rows", DdsHeader(kDDSMaxSide, kDDSMaxSide, 0x20, nullptr, 8)},
        {"DXT1", DdsHeader(kDDSMaxSide, kDDSMaxSide, 0x4, "DXT1")},
        {"DXT5", DdsHeader(kDDSMaxSide, 4, 0x4, "DXT5")},
        {"BGRA8", DdsHeader(4, kDDSMaxSide, 0x41, nullptr, 32, 0xff0000, 0xff00, 0xff, 0xff000000)},
        {"BGR565", DdsHeader(kDDSMaxSide, kDDSMaxSide, 0x40, nullptr, 16, 0xf800, 0x7e0, 0x1f)},
    };
    auto start = std::chrono::steady_clock::now();
    for (Case& c : cases) {
        c.header.resize(2048, 0x55);
        DDSImage img;
        EXPECT_FALSE(Load(c.header, img)) << c.name;
        EXPECT_TRUE(img.rgba.empty()) << c.name;
        EXPECT_EQ(img.width, 0) << c.name;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
}

TEST(DDSHostileTest, ACropThatLeavesNothingIsRefused)
{
    auto f = DdsHeader(4, 4, 0x4, "DXT1");
    f.resize(128 + 8);
    const DDSRect empties[] = {{2, 0, 2, 4}, {0, 3, 4, 3}, {5, 0, 9, 4}, {3, 1, 1, 2}, {0, -5, 4, -1}};
    for (const DDSRect& r : empties) {
        DDSImage img;
        EXPECT_FALSE(Load(f, img, &r)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        EXPECT_TRUE(img.rgba.empty());
    }
    DDSImage img;
    DDSRect one {3, 3, 4, 4};
    ASSERT_TRUE(Load(f, img, &one));
    EXPECT_EQ(img.rgba.size(), 4u);
}

TEST(DDSStreamTest, ReadsFromAnOpenFile)
{
    auto f = DdsHeader(4, 4, 0x4, "DXT1");
    f.resize(128 + 8);
    FILE* tmp = std::tmpfile();
    ASSERT_NE(tmp, nullptr);
    std::fwrite(f.data(), 1, f.size(), tmp);
    std::rewind(tmp);
    DDSImage img;
    EXPECT_TRUE(loadDDS(tmp, nullptr, 0, img));
    EXPECT_EQ(img.width, 4);

    // A stream holding less than its header promises is rejected the same way.
    auto cut = DdsHeader(256, 256, 0x4, "DXT5");
    cut.resize(1024);
    std::rewind(tmp);
    std::fwrite(cut.data(), 1, cut.size(), tmp);
    std::rewind(tmp);
    EXPECT_FALSE(loadDDS(tmp, nullptr, 0, img));
    EXPECT_TRUE(img.rgba.empty());
    std::fclose(tmp);
}
