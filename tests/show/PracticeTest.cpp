// The practice game inside the real in-game screen: opened by the simulation's "practice"
// hook, previewing on the game clock, scored from real key presses, ending the day once.
#include "MiniGameFixture.h"
#include "engine/gfx/D3DEngine.h"
#include "port/sdl/PortEvent.h"
#include "savegame/SIM_LoadGame.h"
#include "savegame/SIM_SaveGame.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_MindState.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_WindowManager.h"
#include "show/GUI_Practice.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_FunctionTable.h"
#include "sim/SIM_Practice.h"
#include "sim/SIM_Riza.h"

namespace {

const int kToneKeys[6] = {0, 18, 19, 20, 21, 23};

class PracticeTest : public MiniGameTest {
protected:
    GUI_Practice* Open()
    {
        EXPECT_TRUE(SIM_GetFunctionTable()->Trigger("practice"));
        WaitFade();
        CloseHints();
        EXPECT_NE(GUI_Practice::PTheWindow.Get(), nullptr);
        return GUI_Practice::PTheWindow;
    }
    int TonesPlayed()
    {
        int n = 0;
        for (int t = 1; t <= 5; ++t)
            n += audio.Count("data/sounds/practice/piano_" + std::to_string(t) + ".ogg");
        return n;
    }
    // Steps through the preview until the player's turn.
    void WaitForTurn(GUI_Practice* p)
    {
        for (int i = 0; i < 400 && p->GetState() != GUI_Practice::PRACTICE; ++i)
            Step();
        ASSERT_EQ(p->GetState(), GUI_Practice::PRACTICE);
    }
    void PlayBack(GUI_Practice* p)
    {
        const std::vector<int> tones = p->GetMelody()->GetTones();
        for (int t : tones)
            PressKey(kToneKeys[t]);
        Step();
    }
    void WaitPostMortem()
    {
        Step(1, 3001);
        Step();
    }
};

TEST_F(PracticeTest, PreviewKeepsTheBeatThenARepeatedMelodyPractisesTheBand)
{
    GUI_Practice* p = Open();
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), p);
    EXPECT_EQ(GUI_GetWindowManager()->Fullscreens().back(), p);
    EXPECT_EQ(p->GetState(), GUI_Practice::INTRO);
    EXPECT_EQ(p->GetMelodyId(), 0);
    EXPECT_EQ(p->GetEndId(), 4);
    EXPECT_EQ(p->GetCells().size(), SIM_GetBand()->GetMembers().size() + 1);
    ASSERT_EQ(p->GetToneFiles().size(), 5u);
    EXPECT_EQ(p->GetToneFiles()[0], "data/sounds/practice/piano_1.ogg");
    // The strips stack upwards from the bottom of the pitch area, tone 1 lowest.
    EXPECT_EQ(p->GetStrips()[0]->GetRect().bottom, 600);
    EXPECT_EQ(p->GetStrips()[4]->GetRect().top, 440);
    SaveArtifact("practice_intro.png");

    // A tone key does nothing before the session; Return starts it.
    PressKey(18);
    Step();
    EXPECT_EQ(TonesPlayed(), 0);
    PressKey(kKeyReturn);
    Step();
    ASSERT_EQ(p->GetState(), GUI_Practice::PREVIEW);
    EXPECT_FALSE(p->GetStartButton()->IsVisible());
    EXPECT_FALSE(p->GetCancelButton()->IsVisible());
    EXPECT_TRUE(p->GetContinueButton()->IsVisible());
    EXPECT_FALSE(p->GetContinueButton()->GetEnabled());
    EXPECT_EQ(p->GetTempoShown(), 100);
    EXPECT_EQ(p->GetBeatLength(), 600.0f);
    ASSERT_EQ(p->GetMelody()->GetTones(), (std::vector<int> {2, 4, 5, 3}));

    // Tones at 0, 600, 1200 and 1800 ms; the player's turn one beat after the last.
    EXPECT_EQ(TonesPlayed(), 1);
    EXPECT_EQ(audio.Count("data/sounds/practice/piano_2.ogg"), 1);
    // A key during the preview is ignored.
    PressKey(kToneKeys[4]);
    Step(1, 300);
    EXPECT_EQ(TonesPlayed(), 1);
    Step(1, 301);
    EXPECT_EQ(TonesPlayed(), 2);
    Step(1, 600);
    Step(1, 600);
    EXPECT_EQ(TonesPlayed(), 4);
    EXPECT_EQ(p->GetState(), GUI_Practice::PREVIEW);
    Step(1, 600);
    EXPECT_EQ(p->GetState(), GUI_Practice::PRACTICE);
    EXPECT_EQ(p->GetNextNote().x, float(p->GetPitchArea().left + 32));

    const float before = SIM_GetRiza()->GetValue("attrib_vocals");
    PressKey(kToneKeys[2]);
    PressKey(kToneKeys[4]);
    Step();
    EXPECT_EQ(p->GetNextNote().x, float(p->GetPitchArea().left + 32 + 128));
    EXPECT_TRUE(p->GetStrips()[3]->IsHighlighted());
    SaveArtifact("practice_playing.png");
    PressKey(kToneKeys[5]);
    PressKey(kToneKeys[3]);
    Step();
    EXPECT_EQ(p->GetState(), GUI_Practice::POSTMORTEM);
    EXPECT_EQ(audio.Count("data/sounds/practice/correct_0.ogg"), 1);
    EXPECT_EQ(p->GetStreak(), 1);
    EXPECT_EQ(SIM_GetPractice()->GetBPM(), 102);
    EXPECT_EQ(p->GetTempoShown(), 102);
    EXPECT_TRUE(SIM_GetPractice()->IsMelodyBeaten(0));
    EXPECT_GT(SIM_GetRiza()->GetValue("attrib_vocals"), before);
    EXPECT_GT(p->EmittersStarted(), 0u);
    // Keys in the post-mortem change nothing.
    PressKey(kToneKeys[1]);
    Step();
    EXPECT_EQ(p->GetStreak(), 1);
    EXPECT_EQ(audio.Count("data/sounds/male_sigh.ogg"), 0);
}

TEST_F(PracticeTest, AWrongKeyEndsTheMelodyAndASessionOfFourEndsTheDayOnce)
{
    GUI_Practice* p = Open();
    const int days = Days();
    ClickCentre(p->GetStartButton());
    WaitForTurn(p);
    // Wrong first key: sigh, streak 0, tempo kept, melody not recorded.
    const int first = p->GetMelody()->GetTones()[0];
    PressKey(kToneKeys[first % 5 + 1]);
    Step();
    EXPECT_EQ(p->GetState(), GUI_Practice::POSTMORTEM);
    EXPECT_EQ(audio.Count("data/sounds/male_sigh.ogg"), 1);
    EXPECT_EQ(p->GetStreak(), 0);
    EXPECT_EQ(SIM_GetPractice()->GetBPM(), 100);
    EXPECT_FALSE(SIM_GetPractice()->IsMelodyBeaten(0));

    // The next three melodies beaten in a row: correct_0, correct_1, correct_2.
    for (int i = 1; i < 4; ++i) {
        WaitPostMortem();
        EXPECT_EQ(p->GetMelodyId(), i);
        WaitForTurn(p);
        PlayBack(p);
        EXPECT_EQ(audio.Count("data/sounds/practice/correct_" + std::to_string(i - 1) + ".ogg"), 1) << i;
    }
    EXPECT_EQ(SIM_GetPractice()->GetBPM(), 106);
    EXPECT_EQ(Days(), days);
    WaitPostMortem();
    ASSERT_EQ(p->GetState(), GUI_Practice::FINISHED);
    EXPECT_TRUE(p->GetContinueButton()->GetEnabled());
    EXPECT_EQ(SIM_GetPractice()->GetInstrument(), 1);
    // The failed melody comes back first next time on the piano.
    EXPECT_EQ(SIM_GetPractice()->GetBeaten(0), (std::vector<int> {1, 2, 3}));

    // Continue, Escape and a second click during the fade: one day, window gone.
    ClickCentre(p->GetContinueButton());
    PressKey(kKeyEscape);
    Click(D3DEngine::W / 2.0f, D3DEngine::H - 19.0f);
    WaitFade();
    EXPECT_EQ(GUI_Practice::PTheWindow.Get(), nullptr);
    EXPECT_EQ(Days(), days + 1);
    PutAwayDaysPage(); // the new day's page greets the player first
    EXPECT_TRUE(GUI_GetWindowManager()->Fullscreens().empty());
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);

    // The next session practises the bass.
    p = Open();
    EXPECT_EQ(p->GetToneFiles()[0], "data/sounds/practice/bass_1.ogg");
    EXPECT_EQ(p->GetMelodyId(), 0);
}

TEST_F(PracticeTest, CancelBeforeTheStartKeepsTheDayAndEscapeDoesNothing)
{
    GUI_Practice* p = Open();
    const int days = Days();
    PressKey(kKeyEscape);
    Step(3);
    EXPECT_EQ(GUI_Practice::PTheWindow.Get(), p);
    EXPECT_TRUE(GUI_GetWindowManager()->Fullscreens().size() == 1);
    ASSERT_TRUE(ClickButton("PRACTICE_CANCEL"));
    WaitFade();
    EXPECT_EQ(GUI_Practice::PTheWindow.Get(), nullptr);
    EXPECT_EQ(Days(), days);
    EXPECT_EQ(SIM_GetPractice()->GetInstrument(), 0);
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);
}

TEST_F(PracticeTest, ThePracticeBlockSurvivesASaveAndALoad)
{
    GUI_Practice* p = Open();
    ClickCentre(p->GetStartButton());
    WaitForTurn(p);
    PlayBack(p);
    SIM_GetPractice()->GotoNextInstrument();
    SIM_GetPractice()->FinishMelody(3);
    SIM_GetPractice()->RaiseBPM();
    ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("practice"));

    SIM_GetPractice()->Clear();
    ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("practice"));
    WaitFade();
    // A load closes the open practice window: nothing of it lingers.
    EXPECT_EQ(GUI_Practice::PTheWindow.Get(), nullptr);
    const SIM_Practice* loaded = SIM_GetPractice();
    EXPECT_EQ(loaded->GetInstrument(), 1);
    EXPECT_EQ(loaded->GetBPM(0), 102);
    EXPECT_EQ(loaded->GetBPM(1), 102);
    EXPECT_EQ(loaded->GetBeaten(0), (std::vector<int> {0}));
    EXPECT_EQ(loaded->GetBeaten(1), (std::vector<int> {3}));
}

TEST(PracticeMelodyTest, TonesFromTheFileAndRandomOnes)
{
    struct Case {
        const char* value;
        std::vector<int> tones;
    };
    for (const Case& c : {Case {"3,1,1,5", {3, 1, 1, 5}}, Case {"2", {2}}, Case {"", {}},
                          Case {"0,9,-3,4", {1, 5, 1, 4}}, Case {"3,1,", {3, 1}}})
        EXPECT_EQ(GUI_PracticeMelody::ParseTones(c.value), c.tones) << c.value;
    std::srand(7);
    const std::vector<int> random = GUI_PracticeMelody::RandomTones();
    ASSERT_EQ(random.size(), 8u);
    for (int t : random)
        EXPECT_TRUE(t >= 1 && t <= 5) << t;

    EXPECT_EQ(GUI_Practice::BeatLength(100), 600);
    EXPECT_EQ(GUI_Practice::BeatLength(110), 545);
    EXPECT_EQ(GUI_Practice::BeatLength(250), 240);
    for (unsigned key : {18u, 83u})
        EXPECT_EQ(GUI_Practice::ToneOfKey(key), 1);
    EXPECT_EQ(GUI_Practice::ToneOfKey(23), 5);
    EXPECT_EQ(GUI_Practice::ToneOfKey(87), 5);
    EXPECT_EQ(GUI_Practice::ToneOfKey(22), 0);

    // A melody answers at its end without using a tone up, and counts wrong tones as used.
    GUI_PracticeMelody m({2, 3}, nullptr);
    EXPECT_FALSE(m.CheckTone(3));
    EXPECT_TRUE(m.CheckTone(3));
    EXPECT_TRUE(m.Finished());
    EXPECT_TRUE(m.CheckTone(1));
}

} // namespace
