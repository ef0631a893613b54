// Windows and dialogs: the screen pattern (Create, PTheWindow, fade in, Close), dragging,
// clicks, raising, and every route by which a dialog closes.
#include "harness/GameHarness.h"

#include "port/sdl/PortEvent.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Cursor.h"
#include "shell/GUI_Dialog.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_WindowManager.h"
#include "shell/Input.h"
#include "sim/SIM_Statistics.h"

namespace {

int okClicks = 0;

// A dialog built the way every screen is.
class TestDialog : public GUI_Dialog {
public:
    static GUI_WindowSlot<TestDialog> PTheWindow;
    static void Create()
    {
        delete PTheWindow;
        new TestDialog;
    }
    static void Close(intptr_t) { delete PTheWindow; }
    static void Ok(intptr_t window)
    {
        ++okClicks;
        EXPECT_EQ(reinterpret_cast<TestDialog*>(window), PTheWindow);
    }

    TestDialog() : GUI_Dialog(true)
    {
        PTheWindow = this; // and nothing else: the slot is cleared when the window goes
        SetTitle("Test");
        SetSize(400, 300);
        PlaceCentral(); // (312, 234) to (712, 534) on 1024 x 768
        SetDraggable(true);
        ok_ = new GUI_ButtonText("CONFIRM_OK", Ok, reinterpret_cast<intptr_t>(this));
        AddButton(ok_);
        leave_ = new GUI_ButtonText("TEST_LEAVE", LeaveClicked, 0);
        AddButton(leave_);
        Layout();
        GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    }
    // The buttons follow the window when it is dragged.
    void Layout()
    {
        ok_->SetPosition(float(rect.left + 20), float(rect.bottom - 50), float(rect.left + 160),
                         float(rect.bottom - 20));
        leave_->SetPosition(float(rect.right - 160), float(rect.bottom - 50), float(rect.right - 20),
                            float(rect.bottom - 20));
    }
    void Draw() override
    {
        Layout();
        GUI_Dialog::Draw();
    }
    void UpdatePosition() override { ++dragsEnded; }
    static void LeaveClicked(intptr_t) { GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Close, 0); }

    int dragsEnded = 0;

private:
    GUI_ButtonText* ok_;
    GUI_ButtonText* leave_;
};

GUI_WindowSlot<TestDialog> TestDialog::PTheWindow;

class PlainWindow : public GUI_WindowBase {
public:
    PlainWindow(int l, int t, int r, int b)
    {
        GUI_BaseElement::SetPosition(float(l), float(t), float(r), float(b));
        AddToGUI();
    }
};

class WindowTest : public GameHarness {
protected:
    void TearDown() override
    {
        TestDialog::Close(0);
        GameHarness::TearDown();
    }
};

} // namespace

TEST_F(WindowTest, DialogIsCreatedDraggedClickedAndClosedByEveryRoute)
{
    // Close button.
    TestDialog::Create();
    WaitFade();
    ASSERT_NE(TestDialog::PTheWindow, nullptr);
    EXPECT_TRUE(GUI_GetWindowManager()->DialogActive());
    Click(712 - 22, 234 + 22);
    EXPECT_EQ(TestDialog::PTheWindow, nullptr);
    EXPECT_FALSE(GUI_GetWindowManager()->DialogActive());

    // Created again: drag by its background, click its button, leave through the fade.
    TestDialog::Create();
    WaitFade();
    Drag(500, 260, 400, 200);
    TestDialog* d = TestDialog::PTheWindow;
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->rect.left, 212);
    EXPECT_EQ(d->rect.top, 174);
    EXPECT_EQ(d->GetWidth(), 400);
    EXPECT_EQ(d->dragsEnded, 1);
    EXPECT_FALSE(GUI_GetCursor()->IsDragging());
    okClicks = 0;
    ASSERT_TRUE(ClickButton("CONFIRM_OK"));
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(audio.Count("data/sounds/click.ogg"), 1);
    ASSERT_TRUE(ClickButton("TEST_LEAVE"));
    EXPECT_NE(TestDialog::PTheWindow, nullptr); // only at the end of the fade
    WaitFade();
    EXPECT_EQ(TestDialog::PTheWindow, nullptr);

    // Escape closes the top dialog.
    TestDialog::Create();
    PressKey(kKeyEscape);
    EXPECT_EQ(TestDialog::PTheWindow, nullptr);

    // A new game closes every window that does not survive it.
    TestDialog::Create();
    GUI_GetWindowManager()->CloseOnRestart();
    EXPECT_EQ(TestDialog::PTheWindow, nullptr);
    EXPECT_TRUE(ScreenWindows().empty());

    TestDialog::Create();
    EXPECT_NE(TestDialog::PTheWindow, nullptr);
}

TEST_F(WindowTest, DestroyedWhileDraggedLeavesNoDragObject)
{
    TestDialog::Create();
    WaitFade();
    MoveMouse(500, 260);
    Step();
    MouseDown(500, 260);
    Step();
    ASSERT_TRUE(GUI_GetCursor()->IsDragging());
    PressKey(kKeyEscape);
    EXPECT_EQ(TestDialog::PTheWindow, nullptr);
    EXPECT_FALSE(GUI_GetCursor()->IsDragging());
    MouseUp(500, 260);
    Step();
}

TEST_F(WindowTest, BackgroundClickIsTakenAndRaisesTheWindow)
{
    PlainWindow* lower = new PlainWindow(100, 100, 300, 300);
    PlainWindow* upper = new PlainWindow(200, 200, 400, 400);
    const int clicks = SIM_GetStatistics()->GetIntCounter(SIM_Statistics::CLICKS);
    Click(150, 150);
    EXPECT_EQ(GUI_GetWindowManager()->Windows().back(), lower);
    // Where both overlap the top one (now the lower window) takes it.
    Click(250, 250);
    EXPECT_EQ(GUI_GetWindowManager()->Windows().back(), lower);
    Click(350, 350);
    EXPECT_EQ(GUI_GetWindowManager()->Windows().back(), upper);
    EXPECT_EQ(SIM_GetStatistics()->GetIntCounter(SIM_Statistics::CLICKS), clicks + 3);
    delete lower;
    delete upper;
    EXPECT_TRUE(ScreenWindows().empty());
}

TEST_F(WindowTest, ChildTakesTheClickWithoutRaisingTheParent)
{
    PlainWindow* parent = new PlainWindow(100, 100, 400, 400);
    PlainWindow* other = new PlainWindow(500, 100, 600, 200);
    PlainWindow* child = new PlainWindow(150, 150, 250, 250);
    child->RemoveFromGUI();
    parent->AddChild(child);
    EXPECT_TRUE(parent->CheckClick(200, 200));
    EXPECT_EQ(GUI_GetWindowManager()->Windows().back(), other);
    // Moving a child to another parent takes it from the first.
    other->AddChild(child);
    EXPECT_TRUE(parent->Children().empty());
    EXPECT_EQ(child->GetParent(), other);
    delete other; // deletes the child with it
    delete parent;
}

TEST_F(WindowTest, InvisibleWindowTakesNothingAndKeepsItsButtons)
{
    PlainWindow* w = new PlainWindow(100, 100, 300, 300);
    int hits = 0;
    static int* counter;
    counter = &hits;
    auto* b = new GUI_ButtonText("X", [](intptr_t) { ++*counter; }, 0);
    b->SetPosition(120, 120, 200, 150);
    w->AddButton(b);
    w->SetVisible(false);
    EXPECT_FALSE(w->CheckClick(150, 130));
    EXPECT_FALSE(w->CheckRightClick(150, 130));
    w->SetVisible(true);
    EXPECT_TRUE(w->CheckRightClick(150, 130)); // taken by the window, not the button
    EXPECT_EQ(hits, 0);
    EXPECT_TRUE(w->CheckClick(150, 130));
    EXPECT_EQ(hits, 1);
    delete w;
}

TEST_F(WindowTest, FullScreenWindowLeavesTheListWhenDeleted)
{
    PlainWindow* w = new PlainWindow(0, 0, 10, 10);
    w->MakeFullScreenWindow();
    EXPECT_EQ(w->GetWidth(), 1024);
    EXPECT_EQ(w->GetHeight(), 768);
    ASSERT_EQ(GUI_GetWindowManager()->Fullscreens().size(), 1u);
    delete w;
    EXPECT_TRUE(GUI_GetWindowManager()->Fullscreens().empty());
    Step(); // nothing stale is drawn
}

TEST_F(WindowTest, DialogDrawsItsFrameAndTitle)
{
    TestDialog::Create();
    WaitFade();
    TestDialog* d = TestDialog::PTheWindow;
    // White pixels of the title's letters, centred in the band under the frame's top edge.
    auto titlePixels = [&](const RgbaImage& frame, int fromX, int toX) {
        int n = 0;
        for (int y = d->rect.top + 8; y < d->rect.top + 34; ++y)
            for (int x = fromX; x < toX; ++x)
                n += (frame.At(x, y) & 0xFFFFFF) == 0xFFFFFFu;
        return n;
    };
    RgbaImage titled = CaptureFrame();
    ASSERT_EQ(titled.width, 1024);
    EXPECT_NE(titled.At(512, 400) & 0x00FFFFFFu, titled.At(100, 100) & 0x00FFFFFFu); // the frame
    EXPECT_GT(titlePixels(titled, 512 - 40, 512 + 40), 20);
    EXPECT_EQ(titlePixels(titled, d->rect.left + 10, 512 - 60), 0); // centred: nothing far left

    d->SetTitle("");
    EXPECT_EQ(titlePixels(CaptureFrame(), 512 - 40, 512 + 40), 0);
}
