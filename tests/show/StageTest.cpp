// The gig stage and its effects, set up and drawn inside the real game.
#include "ShowFixture.h"

#include "engine/gfx/D3DEngine.h"
#include "shell/GUI_Particles.h"
#include "show/GUI_GigBackdrop.h"
#include "show/GUI_StageEffects.h"
#include "show/GUI_VUMeter.h"
#include "show/Tool_Backdrop.h"

#include <cmath>
#include <cstdlib>

namespace {

class StageTest : public ShowTest {
protected:
    GUI_GigBackdrop* Stage() { return GUI_GetGigBackdrop(); }
    // The viewer tool is the screen that shows the stage on its own: every frame draws it.
    void SetUp() override
    {
        ShowTest::SetUp();
        GetGame()->SetModeObject(Game::MODE_CREDITS, Tool_GetBackdrop());
        Game::SwitchMode(Game::MODE_CREDITS);
    }
    void TearDown() override
    {
        Stage()->Release();
        ShowTest::TearDown();
    }
};

TEST_F(StageTest, SpotlightRigsGiveTheirCountAndLaterRigsWin)
{
    struct Case {
        bool two, four, eight, cheat;
        int lights;
    };
    const Case cases[] = {
        {false, false, false, false, 0}, {true, false, false, false, 2}, {true, true, false, false, 4},
        {true, false, true, false, 8},   {false, false, false, true, 8},
    };
    for (const Case& c : cases) {
        SetFlag("2spotlightrig", c.two);
        SetFlag("4spotlightrig", c.four);
        SetFlag("8spotlightrig", c.eight);
        SetCheat("CHEAT_MAXLIGHTS", c.cheat ? 1.0f : 0.0f);
        Stage()->Initialise(nullptr, 240.0f);
        EXPECT_EQ(int(GUI_Spotlight::All.size()), c.lights);
    }
    // Four pairs mirror each other across the stage, 128 below its top.
    ASSERT_EQ(GUI_Spotlight::All.size(), 8u);
    const float w = D3DEngine::W;
    EXPECT_FLOAT_EQ(GUI_Spotlight::All[0]->GetPosition().x, w / 16.0f);
    EXPECT_FLOAT_EQ(GUI_Spotlight::All[1]->GetPosition().x, w - w / 16.0f);
    EXPECT_TRUE(GUI_Spotlight::All[1]->IsRightHand());
    EXPECT_FLOAT_EQ(GUI_Spotlight::All[0]->GetPosition().y, float(Stage()->GetStageRect().top) + 128.0f);
    Stage()->Release();
    EXPECT_TRUE(GUI_Spotlight::All.empty());
}

TEST_F(StageTest, SilhouettesSpaceByPersonHeight)
{
    HireBand();
    const float w = D3DEngine::W;
    struct Case {
        float p, spacing;
    };
    for (Case c : {Case {120.0f, 120.0f}, Case {160.0f, 100.0f}, Case {240.0f, 150.0f}}) {
        Stage()->Initialise(nullptr, c.p);
        const auto figures = Stage()->BandFigures();
        ASSERT_EQ(figures.size(), 6u);
        EXPECT_EQ(figures[0].texture, "vector_guitar.dds");
        EXPECT_FLOAT_EQ(figures[0].x, w / 2.0f + 2.0f * c.spacing) << c.p;
        EXPECT_FLOAT_EQ(figures[3].x, w / 2.0f + c.spacing) << c.p;
        EXPECT_FLOAT_EQ(figures[5].size, 1.2f * c.p);
        EXPECT_FLOAT_EQ(figures[5].y, float(Stage()->GetStageRect().bottom) - 0.6f * c.p);
    }
}

TEST_F(StageTest, BandWithoutGuitarSaxOrKeysStillShowsVocalsBassAndDrums)
{
    Stage()->Initialise(nullptr, 240.0f);
    const auto figures = Stage()->BandFigures();
    ASSERT_EQ(figures.size(), 3u);
    EXPECT_EQ(figures[0].texture, "vector_vocals.dds");
    EXPECT_EQ(figures[1].texture, "vector_bass.dds");
    EXPECT_EQ(figures[2].texture, "vector_drummer.dds");
}

TEST_F(StageTest, LightmapStepsEverySecondAndAFlashLasts200Ms)
{
    Stage()->Initialise(nullptr, 240.0f);
    EXPECT_EQ(Stage()->GetCurrentLightmap(), "gig_lightmap_0.jpg");
    Step(31, 33); // 1023 ms
    EXPECT_EQ(Stage()->GetCurrentLightmap(), "gig_lightmap_1.jpg");
    Step(25, 33); // late in the second
    Stage()->FlashLightmap();
    EXPECT_EQ(Stage()->GetCurrentLightmap(), "gig_lightmap_flash.jpg");
    Step(5, 33);
    EXPECT_EQ(Stage()->GetCurrentLightmap(), "gig_lightmap_flash.jpg");
    Step(2, 33);
    EXPECT_EQ(Stage()->GetCurrentLightmap(), "gig_lightmap_2.jpg");
}

// The lit stage is kept as one picture between frames: it must show the lightmap where it
// belongs, the right way up, and follow the lightmap when it changes (a stale picture or a
// frame skipped as unchanged would keep the old one on screen).
TEST_F(StageTest, KeptStagePictureShowsTheCurrentLightmapInPlace)
{
    Stage()->Initialise(nullptr, 240.0f);
    Step(2);
    const tagRECT& stage = Stage()->GetStageRect();
    const int left = int(D3DEngine::W / 2.0f) - 512;
    auto matches = [&](const RgbaImage& frame, const char* lightmap) {
        int w = 0, h = 0;
        const uint8_t* texels = nullptr;
        if (!GetD3DEngine()->GetTextureData(lightmap, &w, &h, &texels) || !texels)
            return false;
        // Corners of the stage clear of the band and the props, near the top and bottom.
        static const int points[][2] = {{40, 12}, {980, 20}, {30, 300}, {990, 330}, {512, 4}};
        for (const auto& p : points) {
            const uint8_t* t = texels + (size_t(p[1]) * size_t(w) + size_t(p[0])) * 4;
            const uint8_t* s = frame.pixels.data() +
                               (size_t(stage.top + p[1]) * size_t(frame.width) + size_t(left + p[0])) * 4;
            for (int c = 0; c < 3; ++c)
                if (std::abs(int(s[c]) - int(t[c])) > 3)
                    return false;
        }
        return true;
    };
    EXPECT_TRUE(matches(CaptureFrame(), "gig_lightmap_0.jpg"));
    Stage()->FlashLightmap();
    Step(1);
    EXPECT_TRUE(matches(CaptureFrame(), "gig_lightmap_flash.jpg"));
    Step(8, 33); // the flash is over: the next lightmap
    EXPECT_EQ(Stage()->GetCurrentLightmap(), "gig_lightmap_1.jpg");
    EXPECT_TRUE(matches(CaptureFrame(), "gig_lightmap_1.jpg"));
}

TEST_F(StageTest, PyroEventsAndTheSparkShowerFollowTheVenue)
{
    SetCheat("CHEAT_SMALLPYRO", 1);
    SetCheat("CHEAT_LARGEPYRO", 1);
    Stage()->Initialise(nullptr, 150.0f);
    EXPECT_EQ(GUI_PyroEvent::All.size(), 8u);
    EXPECT_EQ(GUI_PyroEvent::All[1]->sound, "data/sounds/pyro.ogg");
    Stage()->Initialise(nullptr, 149.0f);
    ASSERT_EQ(GUI_PyroEvent::All.size(), 9u);
    EXPECT_EQ(GUI_PyroEvent::All.back()->emitter, "spark_shower");
    EXPECT_EQ(GUI_PyroEvent::All[1]->sound, "data/sounds/pyro_echo.ogg");
}

TEST_F(StageTest, SmallPyroFiresAfterItsDelayThenEveryInterval)
{
    SetCheat("CHEAT_SMALLPYRO", 1);
    Stage()->Initialise(nullptr, 240.0f);
    GUI_PyroEvent* leftBang = GUI_PyroEvent::All[1];
    GUI_PyroEvent* rightBang = GUI_PyroEvent::All[3];
    EXPECT_FALSE(leftBang->Process());
    clock.Advance(101);
    EXPECT_TRUE(leftBang->Process());
    EXPECT_EQ(Stage()->GetCurrentLightmap(), "gig_lightmap_flash.jpg");
    clock.Advance(3399);
    EXPECT_FALSE(leftBang->Process());
    clock.Advance(2);
    EXPECT_TRUE(leftBang->Process());
    EXPECT_TRUE(rightBang->Process()); // 3502 ms in: well past its first 1800
    // The emitters it made belong to the manager; a release clears them and the events.
    Stage()->Release();
    EXPECT_TRUE(GUI_ParticleManager::Emmiters.empty());
    EXPECT_TRUE(GUI_PyroEvent::All.empty());
}

TEST_F(StageTest, LaserFanGrowsToFourDegreesAcross160)
{
    SetCheat("CHEAT_LASERS", 1);
    Stage()->Initialise(nullptr, 240.0f);
    ASSERT_EQ(GUI_Laser::All.size(), 1u);
    GUI_Laser* laser = GUI_Laser::All.front();
    for (int i = 0; i < 400 && laser->GetMode() == GUI_Laser::GROW; ++i)
        Step(1, 33);
    EXPECT_EQ(laser->GetMode(), GUI_Laser::HOLD);
    EXPECT_GE(laser->GetSpread(), 4.0f);
    const auto angles = laser->FanAngles();
    ASSERT_EQ(angles.size(), 40u);
    EXPECT_NEAR(angles.front(), 360.0f - 20.0f * laser->GetSpread(), 0.01f);
    Step(65, 33);
    EXPECT_EQ(laser->GetMode(), GUI_Laser::SCATTER);
    Step(65, 33);
    EXPECT_EQ(laser->GetMode(), GUI_Laser::GROW);
    EXPECT_EQ(laser->GetSmokeIndex(), 1);
}

TEST_F(StageTest, PropsAndComputerisedLightsAreFixedAtSetUp)
{
    SetCheat("CHEAT_STONEHENGE", 1);
    SetCheat("CHEAT_SKULL", 1);
    Stage()->Initialise(nullptr, 110.0f);
    EXPECT_TRUE(GUI_GetGigProp()->IsShown());
    EXPECT_EQ(GUI_GetGigProp()->GetTextureName(), "skull.dds");
    EXPECT_NEAR(GUI_GetGigProp()->width, 2.9636364f * 110.0f, 0.01f);
    EXPECT_TRUE(GUI_GetComputerisedLights()->Lights().empty());
    SetCheat("CHEAT_COMPUTERLIGHTS", 1);
    Step(2);
    EXPECT_TRUE(GUI_GetComputerisedLights()->Lights().empty());
    Stage()->Initialise(nullptr, 110.0f);
    ASSERT_EQ(GUI_GetComputerisedLights()->Lights().size(), 6u);
    EXPECT_EQ(GUI_GetComputerisedLights()->GetPhase(), GUI_ComputerisedLights::ROAMING);
    Step(62, 33);
    EXPECT_EQ(GUI_GetComputerisedLights()->GetPhase(), GUI_ComputerisedLights::TO_CENTRE);
    Step(31, 33);
    EXPECT_EQ(GUI_GetComputerisedLights()->GetPhase(), GUI_ComputerisedLights::HOLDING);
    for (GUI_CompLight* l : GUI_GetComputerisedLights()->Lights()) {
        const float a = l->GetAngle();
        EXPECT_TRUE(a > 90.0f && a < 270.0f) << a; // every head points down at the stage
    }
}

TEST_F(StageTest, VUMeterClampsTintsAndKeepsItsNeedleOnTheMeter)
{
    const float crisis = SIM_GetGlobalVariables()->Get("RS_PERFORMANCE_CRISISLEVEL");
    struct Case {
        float value, shown;
        bool red;
    };
    const Case cases[] = {{1.2f, 1.0f, false}, {-0.1f, 0.0f, true}, {crisis, crisis, false},
                          {crisis - 0.01f, crisis - 0.01f, true}};
    for (const Case& c : cases) {
        GUI_VUMeter meter(c.value, "Label", "Tip");
        EXPECT_FLOAT_EQ(meter.GetValue(), c.shown);
        EXPECT_EQ(meter.GetMeter().vertices[0].diffuse == PackColor(255, 155, 155, 255), c.red) << c.value;
        EXPECT_GE(meter.GetTremblePeriod(), 500.0f);
        EXPECT_LE(meter.GetTremblePeriod(), 2000.0f);
    }
    EXPECT_FLOAT_EQ(GUI_VUMeter::ShownValue(1.0f, 1.0f), 1.0f);
    EXPECT_FLOAT_EQ(GUI_VUMeter::NeedleAngle(1.0f), 20.0f);
    EXPECT_FLOAT_EQ(GUI_VUMeter::NeedleAngle(0.0f), 340.0f);
    EXPECT_FLOAT_EQ(GUI_VUMeter::TrembleAt(0.0f, 1000.0f), 1.0f);
    EXPECT_FLOAT_EQ(GUI_VUMeter::TrembleAt(500.0f, 1000.0f), 0.0f);

    // Drawn in a window of the in-game screen, the needle never leaves the meter's face.
    Game::SwitchMode(Game::MODE_GUI);
    auto* meter = new GUI_VUMeter(1.0f, "Label", "Tip");
    meter->SetPosition(100.0f, 500.0f, 246.0f, 567.0f);
    meter->AddToGUI();
    Step(3);
    for (const _D3DTLVERTEX& v : meter->GetNeedle().vertices) {
        EXPECT_GE(v.x, meter->GetMeter().Left() - 2.0f);
        EXPECT_LE(v.x, meter->GetMeter().Right() + 2.0f);
        EXPECT_GE(v.y, meter->GetMeter().Top());
        EXPECT_LE(v.y, meter->GetMeter().Bottom());
    }
    delete meter;
}

} // namespace
