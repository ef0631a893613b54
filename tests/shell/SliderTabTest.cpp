// The slider's drag and the tab container's pages, switched by tab buttons.
#include "harness/GameHarness.h"

#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_SliderControl.h"
#include "shell/GUI_TabContainer.h"
#include "shell/GUI_WindowManager.h"

#include <algorithm>

namespace {

int changes = 0;
void Changed() { ++changes; }
std::vector<std::string> clicked;

// Hosts a slider the way the options menu does: processed and drawn every frame.
class SliderHost : public GUI_WindowBase {
public:
    SliderHost(float* value) : slider(value, "Master volume", Changed)
    {
        GUI_BaseElement::SetPosition(0, 0, 1024, 768);
        slider.SetPosition(100, 100, 300, 120);
        AddToGUI();
    }
    void ProcessInput() override { slider.Process(); }
    void Draw() override { slider.Draw(); }
    GUI_SliderControl slider;
};

class Page : public GUI_WindowTab {
public:
    explicit Page(const char* name)
    {
        auto* b = new GUI_ButtonText(name, [](intptr_t n) { clicked.push_back(reinterpret_cast<const char*>(n)); },
                                     reinterpret_cast<intptr_t>(name));
        b->SetPosition(150, 150, 250, 180);
        AddButton(b);
    }
};

class SliderTabTest : public GameHarness {
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        changes = 0;
        clicked.clear();
    }
    void TearDown() override
    {
        GUI_GetWindowManager()->CloseOnRestart();
        GameHarness::TearDown();
    }
};

} // namespace

TEST_F(SliderTabTest, SliderFollowsADragStartedOnItsKnobAndHoldsAtItsEnds)
{
    float volume = 0.5f;
    new SliderHost(&volume);
    // A press on the track beside the knob does nothing.
    MoveMouse(130, 110);
    MouseDown(130, 110);
    Step(2);
    MouseUp(130, 110);
    Step();
    EXPECT_FLOAT_EQ(volume, 0.5f);
    EXPECT_EQ(changes, 0);

    // The press on the knob (at 200) starts the drag without moving the value.
    MoveMouse(202, 110);
    MouseDown(202, 110);
    Step();
    EXPECT_FLOAT_EQ(volume, 0.5f);
    Step(2); // held still: the value is taken and the change runs every frame
    EXPECT_FLOAT_EQ(volume, 0.51f);
    EXPECT_EQ(changes, 2);
    MoveMouse(40, 300); // past the left end
    Step();
    EXPECT_FLOAT_EQ(volume, 0.0f);
    MoveMouse(900, 110); // past the right end
    Step();
    EXPECT_FLOAT_EQ(volume, 1.0f);
    MouseUp(900, 110); // released away from the slider: the drag ends
    Step(2);
    const int after = changes;
    MoveMouse(150, 110);
    Step();
    EXPECT_FLOAT_EQ(volume, 1.0f);
    EXPECT_EQ(changes, after);
}

TEST_F(SliderTabTest, SliderWithoutAValueIsReportedAndEditsNothing)
{
    GUI_SliderControl slider(nullptr, "Nothing", Changed);
    EXPECT_EQ(TakeReports().size(), 1u);
    slider.SetPosition(100, 100, 300, 120);
    slider.Process();
    EXPECT_EQ(slider.GetLabel(), "Nothing");
}

TEST_F(SliderTabTest, TabButtonsSwitchPagesAndOnlyTheShownPageTakesClicks)
{
    auto* owner = new GUI_WindowBase;
    owner->GUI_BaseElement::SetPosition(100, 60, 500, 400);
    owner->AddToGUI();
    auto* container = new GUI_TabContainer;
    container->GUI_BaseElement::SetPosition(100, 100, 500, 400);
    owner->AddChild(container);
    auto* one = new Page("ONE");
    auto* two = new Page("TWO");
    container->AddTab(one);
    container->AddTab(two);
    EXPECT_EQ(two->GetIndex(), 1);
    EXPECT_EQ(two->rect.left, 100);
    EXPECT_FALSE(one->IsVisible());
    EXPECT_FALSE(two->IsVisible());
    EXPECT_FALSE(container->CheckClick(200, 165)); // no page shown: not taken

    // The container's own buttons are drawn but never offered a click.
    auto* own = new GUI_ButtonText("OWN", [](intptr_t) { clicked.push_back("OWN"); }, 0);
    own->SetPosition(300, 300, 400, 330);
    container->AddButton(own);
    EXPECT_TRUE(container->PtInside(350, 315));
    EXPECT_FALSE(container->CheckClick(350, 315));

    auto* tabOne = new GUI_ButtonTab("ONE", one);
    tabOne->SetPosition(100, 60, 200, 95);
    auto* tabTwo = new GUI_ButtonTab("TWO", two);
    tabTwo->SetPosition(200, 60, 300, 95);
    owner->AddButton(tabOne);
    owner->AddButton(tabTwo);

    Click(150, 78);
    EXPECT_TRUE(one->IsVisible());
    EXPECT_FALSE(two->IsVisible());
    EXPECT_EQ(audio.Count("data/sounds/click.ogg"), 1);
    Click(200, 165);
    Click(250, 78);
    EXPECT_TRUE(two->IsVisible());
    Click(200, 165);
    EXPECT_EQ(clicked, (std::vector<std::string> {"ONE", "TWO"}));

    // The shown page's tab is drawn bright with white text, the other dim in light grey.
    auto brightest = [](const RgbaImage& frame, const tagRECT& r) {
        int most = 0;
        for (int y = r.top + 2; y < r.bottom - 2; ++y)
            for (int x = r.left + 2; x < r.right - 2; ++x) {
                const uint32_t p = frame.At(x, y);
                most = std::max(most, int(std::min({p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF})));
            }
        return most;
    };
    RgbaImage frame = CaptureFrame();
    EXPECT_EQ(brightest(frame, tabTwo->rect), 255);
    EXPECT_LT(brightest(frame, tabOne->rect), 250);
    Click(150, 78);
    frame = CaptureFrame();
    EXPECT_EQ(brightest(frame, tabOne->rect), 255);
    EXPECT_LT(brightest(frame, tabTwo->rect), 250);
    Click(250, 78);

    // A page that was never added hides them all.
    GUI_WindowTab stranger;
    container->ActivateTab(&stranger);
    EXPECT_FALSE(one->IsVisible());
    EXPECT_FALSE(two->IsVisible());
    container->ActivateTab(nullptr);
    EXPECT_EQ(TakeReports().size(), 1u);

    // A page deleted before its button: the button shows nothing and a click is harmless.
    delete one;
    EXPECT_EQ(tabOne->GetTab(), nullptr);
    EXPECT_EQ(container->Tabs(), std::vector<GUI_WindowTab*> {two});
    Click(150, 78);
    Step();
    container->Clear();
    EXPECT_TRUE(container->Tabs().empty());
    EXPECT_EQ(tabTwo->GetTab(), nullptr);
    delete owner;
}
