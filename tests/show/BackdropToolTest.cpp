// The backdrop viewer: started by its cheat value in place of the main menu, each key
// switching an effect on, as a person would use it.
#include "ShowFixture.h"

#include "shell/GUI_Particles.h"
#include "show/GUI_GigBackdrop.h"
#include "show/GUI_StageEffects.h"
#include "show/Tool_Backdrop.h"

#include <cstdlib>
#include <fstream>

namespace {

class BackdropToolTest : public ShowTest {
protected:
    BackdropToolTest() : ShowTest(Start::MainMenu) {}
    void BeforeStart() override
    {
        std::ofstream config(resources.Path() / "data" / "config.txt", std::ios::app);
        config << "\nCHEAT_BACKDROPTOOL = 1\n";
    }
    // How many pixels of the stage differ between two frames.
    static int StageDifference(const RgbaImage& a, const RgbaImage& b, int top, int bottom)
    {
        int differ = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < a.width; x += 2) {
                const uint32_t p = a.At(x, y), q = b.At(x, y);
                int d = 0;
                for (int shift : {0, 8, 16})
                    d += std::abs(int((p >> shift) & 255) - int((q >> shift) & 255));
                differ += d > 60;
            }
        return differ;
    }
};

TEST_F(BackdropToolTest, CheatStartsTheViewerAndEveryKeySwitchesItsEffect)
{
    // The tool is the first mode, in place of the main menu; its stage has no performance.
    EXPECT_TRUE(Tool_BackdropWanted());
    ASSERT_EQ(GetGame()->GetCurrentMode(), Tool_GetBackdrop());
    EXPECT_EQ(GUI_GetGigBackdrop()->GetPerformance(), nullptr);
    EXPECT_EQ(GUI_GetGigBackdrop()->GetPersonScalar(), Tool_Backdrop::kSmallVenue);
    Step(5);
    const tagRECT stage = GUI_GetGigBackdrop()->GetStageRect();
    const RgbaImage bare = CaptureFrame();

    struct Case {
        int key;
        const char* cheat;
    };
    const Case cases[] = {{37, "CHEAT_LASERS"},     {1, "CHEAT_SMOKEMACHINE"}, {46, "CHEAT_MAXLIGHTS"},
                          {18, "CHEAT_SMALLPYRO"},  {19, "CHEAT_LARGEPYRO"},   {8, "CHEAT_COMPUTERLIGHTS"},
                          {4, "CHEAT_STONEHENGE"},  {40, "CHEAT_SKULL"},       {9, "CHEAT_VIDEOSCREEN"}};
    for (const Case& c : cases) {
        EXPECT_EQ(SIM_GetGlobalVariables()->Get(c.cheat), 0.0f) << c.cheat;
        PressKey(c.key);
        EXPECT_EQ(SIM_GetGlobalVariables()->Get(c.cheat), 1.0f) << c.cheat;
    }
    // Pressing L again sets it up once more; the lasers stay on.
    PressKey(37);
    EXPECT_EQ(GUI_Laser::All.size(), 1u);
    EXPECT_EQ(GUI_Spotlight::All.size(), 8u);
    EXPECT_EQ(GUI_GetComputerisedLights()->Lights().size(), 6u);
    EXPECT_EQ(GUI_GetGigProp()->GetTextureName(), "skull.dds");

    // Up: a large venue (smoke for big halls, the echoing pyro, the spark shower).
    PressKey(126);
    EXPECT_EQ(Tool_GetBackdrop()->GetPersonHeight(), Tool_Backdrop::kLargeVenue);
    EXPECT_EQ(GUI_PyroEvent::All.size(), 9u);
    bool largeSmoke = false;
    for (GUI_ParticleEmmiter* e : GUI_ParticleManager::Emmiters)
        largeSmoke = largeSmoke || e->GetConfigName() == "largevenue_smoke";
    EXPECT_TRUE(largeSmoke);
    Step(60);
    const RgbaImage all = CaptureFrame();
    EXPECT_GT(StageDifference(bare, all, stage.top, stage.bottom), 2000);
    SaveArtifact("backdrop_tool_all_effects.png");

    // Down: back to the small venue's spacing and sound.
    PressKey(125);
    EXPECT_EQ(GUI_GetGigBackdrop()->GetPersonScalar(), Tool_Backdrop::kSmallVenue);
    EXPECT_EQ(GUI_PyroEvent::All[1]->sound, "data/sounds/pyro.ogg");
    EXPECT_EQ(GUI_PyroEvent::All.size(), 8u);

    // Escape quits the program.
    PressKey(53);
    EXPECT_FALSE(BActive);
    BActive = true; // the harness releases the game itself
}

} // namespace
