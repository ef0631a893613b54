// Hint pop-ups: shown once per player, chained, queued for the main screen, closed by a
// named button, kept on screen, held over a new game, and the timed hints.
#include "harness/GameHarness.h"

#include "career/SIM_Song.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_WindowManager.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_FunctionTable.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"

#include <fstream>

namespace {

const char* const kTable =
    "Test hints.\n"
    "#,first,First text,100,100,0,second,,,\n"
    "#,second,Second text,2000,2000,0,,,,\n"
    "#,queued,Queued text,100,100,1,,,,\n"
    "#,by button,Press go,100,100,0,,,,go_button\n"
    "#,timed_audition,Audition,100,100,0,,,,\n"
    "#,no_money,Broke,100,100,0,,,,\n"
    "#,need_more_songs,Write more,100,100,0,,,,\n"
    "#,hooked,Hooked,100,100,0,,hint test open,hint test close,\n"
    "#,badly hooked,Badly hooked,100,100,0,,no such hook,no such hook either,\n";

int goClicks = 0;
void Go(intptr_t) { ++goClicks; }
int hookOpens = 0;
int hookCloses = 0;
void HookOpen() { ++hookOpens; }
void HookClose() { ++hookCloses; }

class HintTest : public GameHarness {
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        std::ofstream(resources.Path() / "data" / "simulation" / "hints.csv") << kTable;
        GUI_HintHelp::OpenData();
        goClicks = 0;
    }
    void TearDown() override
    {
        GUI_HintHelp::HoldChains(true);
        GUI_GetWindowManager()->CloseOnRestart();
        GUI_HintHelp::HoldChains(false);
        GameHarness::TearDown();
    }
    std::string HintsFile() { return ReadWholeFile(GUI_HintHelp::HintsFilePath()); }
    bool Says(const std::string& line) { return HintsFile().find(line + "\n") != std::string::npos; }
    GUI_HintHelp* Top() { return GUI_HintHelp::AllWindows.empty() ? nullptr : GUI_HintHelp::AllWindows.back(); }
    void CloseTop()
    {
        GUI_HintHelp* h = Top();
        ASSERT_NE(h, nullptr);
        ASSERT_NE(h->GetCloseButton(), nullptr);
        Step(); // the close button is placed at the first draw
        Click(h->GetCloseButton()->GetCenterX(), h->GetCloseButton()->GetCenterY());
    }
};

} // namespace

TEST_F(HintTest, ShownOnceThenChainedAndRememberedForThePlayer)
{
    EXPECT_TRUE(GUI_HintHelp::Launch("first"));
    EXPECT_FALSE(GUI_HintHelp::Launch("first"));
    ASSERT_EQ(GUI_HintHelp::AllWindows.size(), 1u);
    GUI_HintHelp* first = Top();
    EXPECT_TRUE(first->IsModal());
    EXPECT_EQ(first->rect.left, 100);
    EXPECT_TRUE(Says("[hints]"));
    EXPECT_TRUE(Says("first = 1"));
    EXPECT_TRUE(Says("second = 0"));

    // Closing it opens the next of its chain, kept on the screen.
    CloseTop();
    ASSERT_EQ(GUI_HintHelp::AllWindows.size(), 1u);
    GUI_HintHelp* second = Top();
    EXPECT_EQ(second->GetRow()->key, "second");
    Step();
    EXPECT_GE(second->rect.left, 0);
    EXPECT_LE(second->rect.right, 1024);
    EXPECT_LE(second->rect.bottom, 768);
    EXPECT_TRUE(Says("second = 1"));
    CloseTop();
    EXPECT_FALSE(GUI_HintHelp::IsActive());

    // A later run of the program reads what was shown.
    GUI_HintHelp::OpenData();
    EXPECT_FALSE(GUI_HintHelp::Launch("first"));
    EXPECT_FALSE(GUI_HintHelp::Launch("second"));
    EXPECT_TRUE(GUI_HintHelp::Launch("queued"));
}

TEST_F(HintTest, QueuedHintIsRecordedAsShownOnlyOnceItShows)
{
    EXPECT_TRUE(GUI_HintHelp::Launch("queued"));
    EXPECT_FALSE(GUI_HintHelp::IsActive());
    EXPECT_FALSE(GUI_HintHelp::Launch("queued"));
    GUI_HintHelp::Launch("first"); // another hint writes the file meanwhile
    EXPECT_TRUE(Says("queued = 0"));
    GUI_HintHelp::ReleaseWaitingHints();
    EXPECT_EQ(Top()->GetRow()->key, "queued");
    EXPECT_TRUE(Says("queued = 1"));
    EXPECT_TRUE(GUI_HintHelp::WaitingForMain.empty());
}

TEST_F(HintTest, HintClosedByANamedButtonLetsTheButtonAct)
{
    auto* panel = new GUI_WindowBase;
    panel->GUI_BaseElement::SetPosition(500, 500, 700, 600);
    panel->AddToGUI();
    auto* go = new GUI_ButtonText("GO", Go, 0);
    go->SetName("go_button");
    go->SetPosition(520, 520, 620, 550);
    panel->AddButton(go);

    EXPECT_TRUE(GUI_HintHelp::Launch("by button"));
    GUI_HintHelp* hint = Top();
    EXPECT_FALSE(hint->IsModal());
    EXPECT_EQ(hint->GetCloseButton(), nullptr);
    Click(570, 535);
    EXPECT_FALSE(GUI_HintHelp::IsActive());
    EXPECT_EQ(goClicks, 1);
    delete panel;
}

TEST_F(HintTest, HintsRunTheirHooksByNameAndAnUnknownHookOnlyWritesTheLog)
{
    static bool registered = false;
    if (!registered) {
        SIM_GetFunctionTable()->AddHook("hint test open", HookOpen);
        SIM_GetFunctionTable()->AddHook("hint test close", HookClose);
        registered = true;
    }
    hookOpens = hookCloses = 0;
    EXPECT_TRUE(GUI_HintHelp::Launch("hooked"));
    EXPECT_EQ(hookOpens, 1);
    EXPECT_EQ(hookCloses, 0);
    CloseTop();
    EXPECT_FALSE(GUI_HintHelp::IsActive());
    EXPECT_EQ(hookCloses, 1);

    EXPECT_TRUE(GUI_HintHelp::Launch("badly hooked"));
    CloseTop();
    EXPECT_FALSE(GUI_HintHelp::IsActive());
    EXPECT_TRUE(TakeReports().empty());
    EXPECT_EQ(hookOpens + hookCloses, 2);
}

TEST_F(HintTest, ANewGameClosesHintsWithoutUsingUpTheirChains)
{
    GUI_HintHelp::Launch("first");
    GUI_GetGUI()->StartNewGame();
    EXPECT_FALSE(GUI_HintHelp::IsActive());
    EXPECT_FALSE(GUI_HintHelp::Find("second")->shown);
    EXPECT_TRUE(GUI_HintHelp::Launch("second"));
}

TEST_F(HintTest, UnknownKeyIsReportedAndOpensNothing)
{
    EXPECT_FALSE(GUI_HintHelp::Launch("no such hint"));
    auto reports = TakeReports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].message.find("Hint Help key not found"), std::string::npos);
    EXPECT_FALSE(GUI_HintHelp::IsActive());
}

TEST_F(HintTest, TimedHintsFollowTheTurnTheBandAndTheCash)
{
    SIM_GetBand()->ClearMembers();
    SIM_GetFinances()->SetCash(1000.0f);
    SIM_GetSim()->SetTurnCount(3);
    GUI_HintHelp::CheckTimedHints();
    EXPECT_FALSE(GUI_HintHelp::IsActive());
    SIM_GetSim()->SetTurnCount(4);
    SIM_GetScreens()->CheckTimedHints(); // as the day's pass asks
    ASSERT_TRUE(GUI_HintHelp::IsActive());
    EXPECT_EQ(Top()->GetRow()->key, "timed_audition");

    SIM_GetSim()->SetTurnCount(9);
    SIM_GetFinances()->SetCash(4.0f);
    GUI_HintHelp::CheckTimedHints();
    EXPECT_EQ(Top()->GetRow()->key, "no_money");
    GUI_HintHelp::CheckTimedHints();
    SIM_GetSim()->SetTurnCount(4);
    GUI_HintHelp::CheckTimedHints();
    EXPECT_EQ(GUI_HintHelp::AllWindows.size(), 2u); // each once only
}

TEST_F(HintTest, TimedSongsHintAsksForASetOfFiveOnDayTwenty)
{
    SIM_GetFinances()->SetCash(1000.0f);
    while (SIM_Song::All.size() > 4)
        SIM_Song::All.back()->Retire();
    ASSERT_LT(SIM_Song::All.size(), 5u);
    SIM_GetSim()->SetTurnCount(19);
    GUI_HintHelp::CheckTimedHints();
    EXPECT_FALSE(GUI_HintHelp::IsActive());
    SIM_GetSim()->SetTurnCount(20);
    GUI_HintHelp::CheckTimedHints();
    ASSERT_TRUE(GUI_HintHelp::IsActive());
    EXPECT_EQ(Top()->GetRow()->key, "need_more_songs");
}

TEST_F(HintTest, TimedSongsHintStaysAwayWithEnoughSongs)
{
    SIM_GetFinances()->SetCash(1000.0f);
    while (SIM_Song::All.size() < 5)
        SIM_Song::CreateNew(0.5f);
    SIM_GetSim()->SetTurnCount(20);
    GUI_HintHelp::CheckTimedHints();
    EXPECT_FALSE(GUI_HintHelp::IsActive());
    EXPECT_TRUE(TakeReports().empty());
}

TEST_F(HintTest, HelpWindowOpensBesideThePointAndStaysOnScreen)
{
    GUI_HelpWindow::Create("HINT_TITLE", V2(1000, 700));
    ASSERT_NE(GUI_HelpWindow::PTheWindow, nullptr);
    EXPECT_EQ(GUI_HelpWindow::PTheWindow->rect.left, 1000 - 320);
    EXPECT_EQ(GUI_HelpWindow::PTheWindow->rect.top, 768 - 300); // 580 clamped
    EXPECT_TRUE(GUI_HelpWindow::PTheWindow->IsModal());
    GUI_HelpWindow::Create("HINT_TITLE", V2(10, 10)); // replaces the first
    EXPECT_EQ(GUI_GetWindowManager()->Modals().size(), 1u);
    EXPECT_EQ(GUI_HelpWindow::PTheWindow->rect.left, 30);
    Step();
    GUI_HelpWindow::Close();
    EXPECT_EQ(GUI_HelpWindow::PTheWindow, nullptr);
    EXPECT_FALSE(GUI_GetWindowManager()->ModalWindowsActive());
}
