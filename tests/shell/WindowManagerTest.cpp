// The window manager's draw order, click routing and per-frame input, and the in-game
// screen's key routing (Escape, the exclusive key handlers) and click counter.
#include "harness/GameHarness.h"

#include "engine/gfx/D3DEngine.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ConfirmDialog.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_WindowManager.h"
#include "shell/Input.h"
#include "sim/SIM_Statistics.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> events;

// A window that records what the manager asks of it.
class Probe : public GUI_WindowBase {
public:
    Probe(std::string name, int l, int t, int r, int b, bool dialog = false, bool listed = true)
        : name_(std::move(name)), dialog_(dialog)
    {
        GUI_BaseElement::SetPosition(float(l), float(t), float(r), float(b));
        if (listed)
            AddToGUI();
    }
    void Draw() override { events.push_back("draw " + name_); }
    bool IsDialog() override { return dialog_; }
    void ProcessInput() override { events.push_back("input " + name_); }
    void HandleKey(unsigned key) override { events.push_back("key " + name_ + " " + std::to_string(key)); }
    bool CheckClick(float x, float y) override
    {
        if (!takesClicks || !GUI_WindowBase::CheckClick(x, y))
            return false;
        events.push_back("click " + name_);
        return true;
    }
    bool CheckRightClick(float x, float y) override
    {
        if (!takesClicks || !GUI_WindowBase::CheckRightClick(x, y))
            return false;
        events.push_back("right " + name_);
        return true;
    }
    bool takesClicks = true;

private:
    std::string name_;
    bool dialog_;
};

std::vector<std::string> Take()
{
    std::vector<std::string> taken;
    taken.swap(events);
    return taken;
}

using Events = std::vector<std::string>;

// The clicks and keys recorded since the last call (drawing and per-frame input left out).
Events Taken()
{
    Events kept;
    for (const std::string& e : Take())
        if (e.rfind("draw ", 0) != 0 && e.rfind("input ", 0) != 0)
            kept.push_back(e);
    return kept;
}

class WindowManagerTest : public GameHarness {
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        events.clear();
    }
    void TearDown() override
    {
        GUI_GetWindowManager()->CloseOnRestart();
        GameHarness::TearDown();
    }
    GUI_WindowManager* Manager() { return GUI_GetWindowManager(); }
    int ErrorSounds() { return audio.Count("data/sounds/error.ogg"); }
    // One frame's drawing, as recorded.
    Events Drawn()
    {
        Take();
        Step();
        Events drawn;
        for (const std::string& e : Take())
            if (e.rfind("draw ", 0) == 0)
                drawn.push_back(e.substr(5));
        return drawn;
    }
};

// The in-game screen's own routing of keys and clicks.
class InGameTest : public WindowManagerTest {
protected:
    void TearDown() override
    {
        GUI_ConfirmDialog::Close(0);
        WindowManagerTest::TearDown();
    }
};

} // namespace

TEST_F(WindowManagerTest, DialogsCoverWindowsAndFullScreensHideThem)
{
    auto* dialog = new Probe("dialog", 100, 100, 200, 200, true);
    new Probe("lower", 100, 100, 200, 200);
    auto* upper = new Probe("upper", 100, 100, 200, 200);
    auto* hidden = new Probe("hidden", 100, 100, 200, 200);
    hidden->SetVisible(false);
    EXPECT_EQ(Drawn(), (Events {"lower", "upper", "dialog"}));

    // Registered twice: drawn twice, and one removal takes both.
    Manager()->AddWindow(upper);
    EXPECT_EQ(Drawn(), (Events {"lower", "upper", "upper", "dialog"}));
    Manager()->RemoveWindow(upper);
    EXPECT_EQ(Drawn(), (Events {"lower", "dialog"}));
    Manager()->AddWindow(upper);

    // A full screen hides every ordinary window and dialog; a modal window opened over it
    // is still drawn, over it, once.
    auto* full = new Probe("full", 0, 0, 10, 10, false, false);
    full->MakeFullScreenWindow();
    full->MakeFullScreenWindow(); // listed once, however often it asks
    EXPECT_EQ(Manager()->Fullscreens().size(), 1u);
    auto* modal = new Probe("modal", 300, 300, 400, 400, true);
    Manager()->AddModal(modal);
    EXPECT_EQ(Drawn(), (Events {"full", "modal"}));
    Manager()->RemoveFullscreen(full);
    EXPECT_EQ(Drawn(), (Events {"lower", "upper", "dialog", "modal"}));
    delete full;
    (void)dialog;
}

TEST_F(WindowManagerTest, ModalWindowsTakeEveryClickAndRefuseTheRestWithTheErrorSound)
{
    auto* window = new Probe("window", 100, 100, 300, 300);
    auto* modal = new Probe("modal", 400, 400, 500, 500, true);
    Manager()->AddModal(modal);
    EXPECT_TRUE(modal->IsModal());
    Click(150, 150);
    EXPECT_EQ(Taken(), Events {});
    EXPECT_EQ(ErrorSounds(), 1);
    Click(450, 450);
    EXPECT_EQ(Taken(), Events {"click modal"});
    EXPECT_EQ(ErrorSounds(), 1);

    // Full screens come next: a click none of them takes is refused the same way.
    Manager()->RemoveModal(modal);
    EXPECT_FALSE(modal->IsModal());
    auto* full = new Probe("full", 0, 0, 10, 10, false, false);
    full->MakeFullScreenWindow();
    full->takesClicks = false;
    Click(150, 150);
    EXPECT_EQ(Taken(), Events {});
    EXPECT_EQ(ErrorSounds(), 2);
    full->takesClicks = true;
    Click(150, 150);
    EXPECT_EQ(Taken(), Events {"click full"});
    Manager()->RemoveFullscreen(full);
    delete full;

    // Then the ordinary windows, top first; the clicked one is raised.
    Click(150, 150);
    EXPECT_EQ(Taken(), Events {"click window"});
    EXPECT_EQ(Manager()->Windows().back(), window);
    Click(450, 450);
    EXPECT_EQ(Manager()->Windows().back(), modal);
    EXPECT_EQ(ErrorSounds(), 2);
}

TEST_F(WindowManagerTest, ClickOnNothingIsNotTakenAndSilent)
{
    MoveMouse(600, 600);
    Step();
    EXPECT_FALSE(Manager()->CheckClick());
    EXPECT_FALSE(Manager()->CheckRightClick());
    auto* window = new Probe("window", 100, 100, 300, 300);
    EXPECT_FALSE(Manager()->CheckClick());
    EXPECT_EQ(ErrorSounds(), 0);
    EXPECT_EQ(audio.Count("data/sounds/click.ogg"), 0);
    // Raising a window that is only modal changes nothing.
    auto* modal = new Probe("modal", 400, 400, 500, 500, true, false);
    Manager()->AddModal(modal);
    Manager()->MakeTopmost(modal);
    EXPECT_EQ(ScreenWindows(), GUI_WindowManager::List {window});
    delete modal;
}

TEST_F(WindowManagerTest, RightClicksAskFullScreensFirstAndInputServesOneList)
{
    new Probe("window", 100, 100, 300, 300);
    auto* modal = new Probe("modal", 100, 100, 300, 300, true);
    Manager()->AddModal(modal);
    auto* full = new Probe("full", 0, 0, 10, 10, false, false);
    full->MakeFullScreenWindow();
    MoveMouse(150, 150);
    Step();
    Take();
    EXPECT_TRUE(Manager()->CheckRightClick());
    EXPECT_TRUE(Manager()->CheckClick());
    EXPECT_EQ(Taken(), (Events {"right full", "click modal"}));

    auto inputs = [&] {
        Take();
        Manager()->ProcessInput();
        return Take();
    };
    EXPECT_EQ(inputs(), Events {"input full"});
    Manager()->RemoveFullscreen(full);
    EXPECT_EQ(inputs(), Events {"input modal"});
    Manager()->RemoveModal(modal);
    EXPECT_EQ(inputs(), (Events {"input modal", "input window"})); // top down
    delete full;
}

TEST_F(InGameTest, EscapeClosesTheTopDialogOnlyWhenNoModalWindowIsUp)
{
    new Probe("lower", 100, 100, 200, 200, true);
    auto* top = new Probe("top", 100, 100, 200, 200, true);
    new Probe("plain", 300, 300, 400, 400);
    PressKey(kKeyEscape);
    ASSERT_EQ(ScreenWindows().size(), 2u);
    EXPECT_FALSE(Manager()->IsRegistered(top));

    auto* modal = new Probe("modal", 500, 500, 600, 600, true);
    Manager()->AddModal(modal);
    PressKey(kKeyEscape);
    EXPECT_EQ(ScreenWindows().size(), 3u);
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
    delete modal;

    PressKey(kKeyEscape); // the last dialog
    PressKey(kKeyEscape); // no dialog: the quit question
    ASSERT_NE(GUI_ConfirmDialog::PTheWindow, nullptr);
    EXPECT_EQ(ScreenWindows().size(), 2u); // the plain window and the question
}

TEST_F(InGameTest, EscapeUnderAFullScreenGoesToItAndNeverToTheDialogsBehind)
{
    auto* dialog = new Probe("dialog", 100, 100, 200, 200, true);
    auto* full = new Probe("full", 0, 0, 10, 10, false, false);
    full->MakeFullScreenWindow();
    Take();
    PressKey(kKeyEscape);
    EXPECT_EQ(Taken(), (Events {"key full 53"}));
    EXPECT_TRUE(Manager()->IsRegistered(dialog));
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
    Manager()->RemoveFullscreen(full);
    delete full;
}

TEST_F(InGameTest, KeyHandlersStackAndAHintTakesKeysBeforeEscape)
{
    auto* first = new Probe("first", 100, 100, 200, 200);
    auto* second = new Probe("second", 300, 300, 400, 400);
    GUI_GetGUI()->SetInputHandler(first);
    GUI_GetGUI()->SetInputHandler(second);
    Take();
    PressKey(kKeyEscape);
    EXPECT_EQ(Taken(), (Events {"key second 53"}));
    delete second; // the first keeps the keys
    PressKey(kKeyReturn);
    EXPECT_EQ(Taken(), (Events {"key first 36"}));
    GUI_GetGUI()->RemoveInputHandler(first);
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);

    // A hint is open: Escape goes to it, which ignores it, and asks nothing.
    ASSERT_TRUE(GUI_HintHelp::Launch("new game screen"));
    PressKey(kKeyEscape);
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
    EXPECT_TRUE(GUI_HintHelp::IsActive());
}

TEST_F(InGameTest, EveryClickIsCountedAndTheQuitQuestionLeadsToTheMainMenu)
{
    const int before = SIM_GetStatistics()->GetIntCounter(SIM_Statistics::CLICKS);
    Click(600, 600);
    GUI_GetGUI()->CheckRightClick();
    EXPECT_EQ(SIM_GetStatistics()->GetIntCounter(SIM_Statistics::CLICKS), before + 2);

    PressKey(kKeyEscape);
    ASSERT_NE(GUI_ConfirmDialog::PTheWindow, nullptr);
    EXPECT_FALSE(GUI_ConfirmDialog::PTheWindow->GetTitle().empty());
    EXPECT_TRUE(ClickButton("CONFIRM_OK"));
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
    WaitFade();
    EXPECT_EQ(GetGame()->GetCurrentMode(), GetGame()->GetModeObject(Game::MODE_MAINMENU));
}

TEST_F(InGameTest, AHiddenScreenGivesTheKeysBackAndANewGameTakesThemFromAll)
{
    // A screen that hides instead of closing lets go of the keys: nobody holds them, and
    // Escape is the in-game screen's again (the quit question).
    auto* lower = new Probe("lower", 100, 100, 200, 200);
    auto* hiding = new Probe("hiding", 300, 300, 400, 400);
    GUI_GetGUI()->SetInputHandler(lower);
    GUI_GetGUI()->SetInputHandler(hiding);
    hiding->SetVisible(false);
    GUI_GetGUI()->SetInputHandler(nullptr);
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);
    Take();
    PressKey(kKeyEscape);
    EXPECT_EQ(Taken(), Events {});
    ASSERT_NE(GUI_ConfirmDialog::PTheWindow, nullptr);
    GUI_ConfirmDialog::Close(0);

    // Windows that survive a new game keep no hold on the keys of the last one.
    lower->SetCloseOnRestart(false);
    GUI_GetGUI()->SetInputHandler(lower);
    GetGame()->StartNewGame();
    WaitFade();
    EXPECT_EQ(GUI_GetGUI()->GetInputHandler(), nullptr);
    PressKey(kKeyReturn);
    EXPECT_EQ(Taken(), Events {});
    delete lower;
}

TEST_F(InGameTest, EachFrameRedrawsTheSceneWhereAClosedWindowWas)
{
    // A window painted white, then closed: where it was, the scene shows as it did before
    // the window came, not what earlier frames left in the buffers.
    struct White : GUI_WindowBase {
        White()
        {
            GUI_BaseElement::SetPosition(100, 100, 300, 300);
            AddToGUI();
        }
        void Draw() override { GetD3DEngine()->FillRect(rect, 0xFFFFFFFFu); }
    };
    const uint32_t scene = CaptureFrame().At(200, 200);
    ASSERT_NE(scene & 0xFFFFFFu, 0xFFFFFFu);
    auto* white = new White;
    EXPECT_EQ(CaptureFrame().At(200, 200) & 0xFFFFFFu, 0xFFFFFFu);
    Step();
    delete white;
    Step(2);
    EXPECT_EQ(CaptureFrame().At(200, 200), scene);
}
