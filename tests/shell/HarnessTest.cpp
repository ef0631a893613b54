// The harness itself: screen tests run in the in-game screen of a new game, and a texture
// the code asks for must exist and be in the content list.
#include "harness/GameHarness.h"

#include "engine/gfx/D3DEngine.h"
#include "shell/GUI_GUI.h"

#include <algorithm>

namespace {

class HarnessTest : public GameHarness {
protected:
    bool Reported(const std::string& problem)
    {
        const std::vector<std::string> problems = TextureProblems();
        return std::find(problems.begin(), problems.end(), problem) != problems.end();
    }
};

} // namespace

TEST_F(HarnessTest, ScreenTestsRunInTheInGameScreenOfANewGame)
{
    EXPECT_EQ(GetGame()->GetCurrentMode(), GUI_GetGUI());
    EXPECT_TRUE(GetGame()->GetGameInProgress());
    EXPECT_TRUE(TextureProblems().empty());
}

TEST_F(HarnessTest, MisspeltTextureFailsUnlessTheTestExpectsIt)
{
    EXPECT_EQ(GetD3DEngine()->GetTexture("buton.dds"), 0u);
    EXPECT_TRUE(Reported("unexpected report: Failed to locate texture: buton.png"));
    ExpectMissingTexture("buton.dds");
    EXPECT_TRUE(TextureProblems().empty());

    // An expectation that never comes true is a problem too.
    ExpectMissingTexture("button.dds");
    EXPECT_TRUE(Reported("texture button.png was expected to be missing but was found or never asked for"));
    GetD3DEngine()->GetTexture("button.dds");
    EXPECT_TRUE(Reported("texture button.png was expected to be missing but was found or never asked for"));
    expectedMissingTextures.erase("button.png");
}

TEST_F(HarnessTest, ShippedTextureTheContentListLacksFails)
{
    contentList = work.Write("content.txt", "# only the cursor\ntexture cursor.dds\nfont verdana12.dds\n");
    EXPECT_NE(GetD3DEngine()->GetTexture("accent.dds"), 0u);
    EXPECT_TRUE(Reported("texture accent.png is used but " + contentList.string() + " does not list it"));
    EXPECT_FALSE(Reported("texture verdana12.png is used but " + contentList.string() + " does not list it"));
    contentList = std::filesystem::path(SourceDir()) / "art" / "content.txt";
    EXPECT_TRUE(TextureProblems().empty());
}
