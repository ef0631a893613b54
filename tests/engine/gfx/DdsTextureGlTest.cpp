// Textures read through the DDS reader (any file under a folder whose path holds ".dds"):
// a damaged one from a player's mods folder costs nothing, stops nothing, is reported once
// and is drawn untextured, while its good neighbours load.
#include "GlTestFixture.h"

#include "dds/DDSDecoder.h"
#include "dds/DdsTestFiles.h"
#include "engine/gfx/BaseSprite.h"
#include "support/LogCapture.h"

#include <chrono>
#include <fstream>

namespace {

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
}

size_t Count(const std::string& text, const std::string& what)
{
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

} // namespace

TEST_F(GlTest, DamagedDdsTextureIsReportedOnceAndDrawnUntextured)
{
    OpenSandboxDebugLog();
    D3DEngine* e = GetD3DEngine();
    // A kilobyte that promises a palette image of four billion bytes a row.
    auto hostile = DdsHeader(kDDSMaxSide, kDDSMaxSide, 0x20, nullptr, 8, 0, 0, 0, 0, 0xFFFFFFFFu);
    hostile.resize(2048, 0x55);
    WriteBytes(resources.Path() / "mods.dds" / "hostile.png", hostile);
    auto good = DdsHeader(2, 2, 0x41, nullptr, 32, 0xff0000, 0xff00, 0xff, 0xff000000);
    for (int i = 0; i < 4; ++i)
        good.insert(good.end(), {0x00, 0x00, 0xFF, 0xFF}); // blue, green, red, alpha: red
    WriteBytes(resources.Path() / "mods.dds" / "good.png", good);
    e->AddBitmapDirectory("mods.dds");

    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(e->GetTexture("hostile.png"), 0u);
    EXPECT_EQ(e->GetTexture("hostile.png"), 0u);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_NE(e->GetTexture("good.png"), 0u);

    BeginFrame();
    BaseSprite s;
    s.width = s.height = 20;
    s.PlaceLocal(50, 50);
    s.SetVertexColor(0xFF00FF00u);
    ASSERT_TRUE(e->SetTexture("good.png"));
    e->SetTexture("hostile.png"); // the good picture must not stay bound
    s.Draw();
    BaseSprite t;
    t.width = t.height = 20;
    t.PlaceLocal(150, 50);
    t.SetVertexColor(0xFFFFFFFFu);
    e->SetTexture("good.png");
    t.Draw();
    RgbaImage img = EndFrame();
    EXPECT_EQ(img.At(50, 50) & 0xFFFFFFu, 0x00FF00u);  // untextured: the sprite's own green
    EXPECT_EQ(img.At(150, 50) & 0xFFFFFFu, 0x0000FFu); // the good texture: red

    EXPECT_TRUE(reports.alerts.empty());
    EXPECT_EQ(Count(SandboxDebugLog(), "Couldn't load texture"), 1u);
}
