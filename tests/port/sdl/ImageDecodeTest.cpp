// Pictures decoded ahead on the prefetch thread: the same pixels as a decode on the spot,
// each handed out once, and nothing lost or hung when a listed file is missing or the
// prefetch is restarted or stopped midway.
#include "port/sdl/ImageDecode.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// One decoded picture.
struct Picture {
    bool ok = false;
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
};

Picture Decode(const std::string& path)
{
    Picture p;
    p.ok = DecodeImageFile(path, p.width, p.height, p.rgba);
    return p;
}

// Shipped pictures of the three formats the game reads, copied into a folder of the test's.
class ImagePrefetchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const fs::path bitmaps = fs::path(GameDir()) / "data" / "bitmaps";
        for (const char* shipped : {"menus/leather.jpg", "menus/progbar.bmp", "verdana12.png"}) {
            const fs::path to = fs::path(dir.Str()) / fs::path(shipped).filename();
            fs::copy_file(bitmaps / shipped, to);
            files.push_back(to.string());
            expected.push_back(Decode(to.string()));
            ASSERT_TRUE(expected.back().ok) << shipped;
        }
    }
    void TearDown() override { StopImagePrefetch(); }

    static void ExpectSame(const Picture& got, const Picture& want, const std::string& what)
    {
        EXPECT_TRUE(got.ok) << what;
        EXPECT_EQ(got.width, want.width) << what;
        EXPECT_EQ(got.height, want.height) << what;
        EXPECT_TRUE(got.rgba == want.rgba) << what;
    }

    TempDir dir;
    std::vector<std::string> files;
    std::vector<Picture> expected;
};

} // namespace

TEST_F(ImagePrefetchTest, ListedPicturesDecodeAsOnTheSpotEachHandedOutOnce)
{
    // Listed in another spelling of the same path, and asked for out of order.
    std::vector<std::string> listed;
    for (const std::string& f : files)
        listed.push_back(dir.Str() + "/./" + fs::path(f).filename().string());
    PrefetchImageFiles(listed);
    for (size_t i : {2u, 0u, 1u})
        ExpectSame(Decode(files[i]), expected[i], files[i]);
    // Asked again: decoded from the file again, the same.
    for (size_t i = 0; i < files.size(); ++i)
        ExpectSame(Decode(files[i]), expected[i], files[i] + " again");
}

TEST_F(ImagePrefetchTest, AMissingListedFileFailsAndTheOthersStillDecode)
{
    const std::string missing = dir.Str() + "/gone.png";
    PrefetchImageFiles({missing, files[0]});
    EXPECT_FALSE(Decode(missing).ok);
    ExpectSame(Decode(files[0]), expected[0], files[0]);
    // Not listed at all: decoded on the spot.
    ExpectSame(Decode(files[1]), expected[1], files[1]);
}

TEST_F(ImagePrefetchTest, RestartingOrStoppingMidwayLosesNothingAndNeverHangs)
{
    struct Case {
        const char* name;
        bool restart; // else stopped
    };
    for (const Case& c : {Case {"restarted", true}, Case {"stopped", false}}) {
        PrefetchImageFiles(files);
        if (c.restart)
            PrefetchImageFiles({files[2]});
        else
            StopImagePrefetch();
        for (size_t i = 0; i < files.size(); ++i)
            ExpectSame(Decode(files[i]), expected[i], files[i] + " " + c.name);
    }
}
