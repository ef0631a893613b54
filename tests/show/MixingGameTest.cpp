// The mixing game inside the real in-game screen, opened through its Create as the
// recording studio screen opens it: locked faders before the start, scoring by linked
// ratios, one studio day applied when the minute is up, one day ended on finishing.
#include "MiniGameFixture.h"
#include "career/SIM_Album.h"
#include "career/SIM_RecordingStudio.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_WindowManager.h"
#include "show/GUI_MixingGame.h"
#include "sim/SIM_Finances.h"

#include <set>

namespace {

class MixingGameTest : public MiniGameTest {
protected:
    GUI_MixingGame* Open()
    {
        album = SIM_Album::Create();
        SIM_RecordingStudio::ChooseBestStudio();
        EXPECT_NE(SIM_RecordingStudio::GetCurrentStudio(), nullptr);
        GUI_MixingGame::Create();
        WaitFade();
        CloseHints();
        EXPECT_NE(GUI_MixingGame::PTheWindow.Get(), nullptr);
        return GUI_MixingGame::PTheWindow;
    }
    // Sets every fader to its ideal ratio against its partner: each at its own target.
    void Ideal(GUI_MixingGame* g)
    {
        for (int i = 0; i < GUI_MixingGame::kFaders; ++i)
            g->GetFader(i)->SetMixerPosition(g->GetFader(i)->GetTarget());
    }
    SIM_Album* album = nullptr;
};

TEST_F(MixingGameTest, FadersAreLockedUntilTheStartAndLinkedInPairsOfDifferentFaders)
{
    GUI_MixingGame* g = Open();
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), g);
    std::set<const GUI_Mixer*> partners;
    for (int i = 0; i < GUI_MixingGame::kFaders; ++i) {
        const GUI_Mixer* f = g->GetFader(i);
        ASSERT_NE(f->GetPartner(), nullptr);
        EXPECT_NE(f->GetPartner(), f);
        partners.insert(f->GetPartner());
        EXPECT_NEAR(f->GetRatio(), f->GetTarget() / f->GetPartner()->GetTarget(), 1e-5);
        EXPECT_EQ(f->GetMixerPosition(), 0.5f);
        EXPECT_EQ(f->GetRect().left, 112 + 80 * i);
    }
    EXPECT_EQ(partners.size(), size_t(GUI_MixingGame::kFaders));

    GUI_Mixer* first = g->GetFader(0);
    const V2 knob = first->KnobCentre();
    Drag(knob.x, knob.y, knob.x, knob.y - 100.0f);
    EXPECT_EQ(first->GetMixerPosition(), 0.5f);
    // Escape goes nowhere: no quit question over the desk.
    PressKey(kKeyEscape);
    Step();
    EXPECT_FALSE(GUI_GetWindowManager()->DialogActive());

    ASSERT_TRUE(ClickButton("MIXING_START"));
    EXPECT_TRUE(g->Started());
    Drag(knob.x, knob.y, knob.x, knob.y - 95.0f);
    EXPECT_NEAR(first->GetMixerPosition(), 0.5f + 95.0f / 380.0f, 0.01f);
    // Dragged past the top, the fader stops at 1.
    const V2 top = first->KnobCentre();
    Drag(top.x, top.y, top.x, 50.0f);
    EXPECT_EQ(first->GetMixerPosition(), 1.0f);
    Step(30);
    SaveArtifact("mixing_game.png");
}

TEST_F(MixingGameTest, QualityScoresTheRatiosAndTheStudioDayIsTakenOnce)
{
    struct Case {
        float mean;
        float quality;
    };
    for (const Case& c : {Case {1.0f, 0.875f}, Case {0.5f, 0.125f}, Case {0.2f, 0.05f}, Case {0.0f, 0.0f},
                          Case {0.75f, 0.5f}})
        EXPECT_FLOAT_EQ(GUI_MixingGame::QualityOf(c.mean), c.quality) << c.mean;

    GUI_MixingGame* g = Open();
    Ideal(g);
    EXPECT_NEAR(g->GetQuality(), 0.875f, 1e-5);
    // A silent partner scores nothing for the fader that follows it.
    GUI_Mixer* f = g->GetFader(3);
    f->GetPartner()->SetMixerPosition(0.0f);
    EXPECT_EQ(f->GetQuality(), 0.0f);
    Ideal(g);

    const int daysBefore = album->GetDaysInStudio();
    const int turns = Days();
    ASSERT_TRUE(ClickButton("MIXING_START"));
    Step(1, 59000);
    EXPECT_FALSE(g->Finished());
    EXPECT_EQ(album->GetDaysInStudio(), daysBefore);
    Step(1, 1001);
    ASSERT_TRUE(g->Finished());
    EXPECT_EQ(album->GetDaysInStudio(), daysBefore + 1);
    EXPECT_GT(album->GetProductionQuality(), 0.0f);
    EXPECT_EQ(g->GetResultText().substr(g->GetResultText().size() - 6), "87.50%");
    EXPECT_TRUE(g->GetFinishButton()->IsVisible());
    // Faders stay where they were once the tape has stopped.
    const V2 knob = g->GetFader(0)->KnobCentre();
    const float kept = g->GetFader(0)->GetMixerPosition();
    Drag(knob.x, knob.y, knob.x, knob.y + 60.0f);
    EXPECT_EQ(g->GetFader(0)->GetMixerPosition(), kept);
    Step(30);
    EXPECT_EQ(album->GetDaysInStudio(), daysBefore + 1);
    SaveArtifact("mixing_game_finished.png");

    ASSERT_TRUE(ClickButton("NEWALBUM_FINISH"));
    Click(g->GetFinishButton()->GetCenterX(), g->GetFinishButton()->GetCenterY());
    WaitFade();
    EXPECT_EQ(GUI_MixingGame::PTheWindow.Get(), nullptr);
    EXPECT_EQ(Days(), turns + 1);
    EXPECT_EQ(album->GetDaysInStudio(), daysBefore + 1);
    PutAwayDaysPage(); // the new day's page greets the player first
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);
    delete album;
}

} // namespace
