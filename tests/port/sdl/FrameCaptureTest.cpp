// The frames the harness and the benchmarks save: written a row at a time, they must still
// decode to exactly the pixels given, at any size, and a failed write leaves no file.
#include "port/sdl/FrameCapture.h"
#include "port/sdl/ImageDecode.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// Every pixel different from its neighbours, with alpha varying too, so a shifted row, a
// swapped channel or a lost row shows.
RgbaImage Pattern(int width, int height)
{
    RgbaImage image;
    image.width = width;
    image.height = height;
    image.pixels.resize(size_t(width) * size_t(height) * 4);
    for (size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = uint8_t((i * 2654435761u) >> 13);
    return image;
}

TEST(WritePngTest, DecodesToThePixelsWritten)
{
    TempDir dir;
    // One pixel; one odd row; a frame whose compressed rows span many chunks.
    for (auto [w, h] : {std::pair {1, 1}, std::pair {37, 1}, std::pair {3, 29}, std::pair {1024, 768}}) {
        const RgbaImage image = Pattern(w, h);
        const std::string path = (fs::path(dir.Str()) / "frame.png").string();
        ASSERT_TRUE(WritePng(path, image)) << w << "x" << h;
        int dw = 0, dh = 0;
        std::vector<uint8_t> rgba;
        ASSERT_TRUE(DecodeImageFile(path, dw, dh, rgba)) << w << "x" << h;
        EXPECT_EQ(dw, w);
        EXPECT_EQ(dh, h);
        EXPECT_TRUE(rgba == image.pixels) << w << "x" << h;
    }
}

TEST(WritePngTest, RefusesWhatItCannotWriteAndLeavesNoFile)
{
    TempDir dir;
    RgbaImage empty;
    RgbaImage shortPixels = Pattern(4, 4);
    shortPixels.height = 5; // claims a row it has no pixels for
    const std::string path = (fs::path(dir.Str()) / "frame.png").string();
    EXPECT_FALSE(WritePng(path, empty));
    EXPECT_FALSE(WritePng(path, shortPixels));
    EXPECT_FALSE(fs::exists(path));
    EXPECT_FALSE(WritePng((fs::path(dir.Str()) / "no-such-folder" / "frame.png").string(), Pattern(2, 2)));
}

} // namespace
