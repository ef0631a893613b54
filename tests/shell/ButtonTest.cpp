// Buttons' states, clicks and callbacks, the check box, the close button, button lists,
// and tool tips' delay and fade.
#include "harness/GameHarness.h"

#include "engine/LibTextEngine.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Dialog.h"
#include "shell/GUI_Tooltip.h"
#include "shell/GUI_WindowManager.h"

namespace {

std::vector<intptr_t> calls;
void Record(intptr_t argument) { calls.push_back(argument); }

class Panel : public GUI_WindowBase {
public:
    Panel()
    {
        GUI_BaseElement::SetPosition(100, 100, 500, 400);
        AddToGUI();
    }
    GUI_ButtonText* AddText(const char* key, float l, float t, intptr_t argument = 0)
    {
        auto* b = new GUI_ButtonText(key, Record, argument);
        b->SetPosition(l, t, l + 100, t + 30);
        AddButton(b);
        return b;
    }
};

class ButtonTest : public GameHarness {
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        calls.clear();
        panel = new Panel;
    }
    void TearDown() override
    {
        delete panel;
        GameHarness::TearDown();
    }
    Panel* panel = nullptr;
};

// Deletes the window that owns the clicked button.
void DeleteOwner(intptr_t window) { delete reinterpret_cast<GUI_WindowBase*>(window); }

} // namespace

TEST_F(ButtonTest, HoverHighlightsAndAClickRunsTheCallbackWithItsArgument)
{
    GUI_ButtonText* b = panel->AddText("OK", 120, 120, 77);
    Hover(150, 130, 2);
    EXPECT_EQ(b->GetState(), GUI_ButtonBase::HIGHLIGHTED);
    Click(150, 130);
    EXPECT_EQ(calls, std::vector<intptr_t> {77});
    EXPECT_EQ(audio.Count("data/sounds/click.ogg"), 1);
    Hover(450, 350, 1);
    EXPECT_EQ(b->GetState(), GUI_ButtonBase::NORMAL);
}

TEST_F(ButtonTest, DisabledButtonFallsThroughToTheWindow)
{
    GUI_ButtonText* b = panel->AddText("OK", 120, 120);
    b->SetEnabled(false);
    Hover(150, 130, 2);
    EXPECT_EQ(b->GetState(), GUI_ButtonBase::NORMAL);
    Click(150, 130);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(audio.Count("data/sounds/click.ogg"), 0);
    EXPECT_TRUE(panel->CheckClick(150, 130)); // the background takes it
}

TEST_F(ButtonTest, HidingDisablesAndShowingEnables)
{
    GUI_ButtonText* b = panel->AddText("OK", 120, 120);
    b->SetVisible(false);
    EXPECT_FALSE(b->GetEnabled());
    EXPECT_EQ(FindButton("OK"), nullptr);
    b->SetVisible(true);
    EXPECT_TRUE(b->GetEnabled());
    EXPECT_EQ(FindButton("OK"), b);
}

TEST_F(ButtonTest, WithAModalWindowUpOnlyItsButtonsHighlight)
{
    GUI_ButtonText* under = panel->AddText("UNDER", 120, 120);
    Panel* modal = new Panel;
    modal->SetPosition(600, 100, 900, 400);
    GUI_GetWindowManager()->AddModal(modal);
    GUI_ButtonText* top = modal->AddText("TOP", 620, 120);
    under->SetRawTooltip("under the modal", 0);
    Hover(150, 130, 2);
    under->Process(); // the manager serves only the modal list; ask the button itself
    EXPECT_EQ(under->GetState(), GUI_ButtonBase::NORMAL);
    EXPECT_GT(under->GetTooltip()->GetLevel(), 0.0f); // the tip still shows
    Hover(650, 130, 2);
    EXPECT_EQ(top->GetState(), GUI_ButtonBase::HIGHLIGHTED);
    delete modal;
    EXPECT_FALSE(GUI_GetWindowManager()->ModalWindowsActive());
}

TEST_F(ButtonTest, CallbackThatDeletesItsWindowIsSafe)
{
    auto* b = new GUI_ButtonText("BYE", DeleteOwner, reinterpret_cast<intptr_t>(panel));
    b->SetPosition(120, 120, 220, 150);
    panel->AddButton(b);
    Click(150, 130);
    EXPECT_TRUE(ScreenWindows().empty());
    panel = nullptr;
}

TEST_F(ButtonTest, CloseButtonDeletesItsOwnerAndReportsWithoutOne)
{
    GUI_Dialog* d = new GUI_Dialog(true);
    d->SetSize(200, 100);
    d->GUI_BaseElement::SetPosition(600.0f, 500.0f);
    Step();
    ASSERT_NE(d->GetCloseButton(), nullptr);
    Click(float(d->rect.right - 22), float(d->rect.top + 22));
    EXPECT_FALSE(GUI_GetWindowManager()->DialogActive());

    GUI_CloseButton orphan;
    orphan.Click();
    auto taken = TakeReports();
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].title, "Problem encountered");
    EXPECT_NE(DebugLog().find("filename:GUI_ButtonTypes"), std::string::npos);
}

TEST_F(ButtonTest, CheckBoxTakesClicksOnItsBoxOnly)
{
    auto* box = new GUI_CheckButton("Music", Record, 5);
    box->SetPosition(120, 200, 300, 226);
    panel->AddButton(box);
    Click(133, 213);
    EXPECT_TRUE(box->IsChecked());
    EXPECT_EQ(calls, std::vector<intptr_t> {5});
    EXPECT_FALSE(box->CheckClick(200, 213)); // the label
    EXPECT_TRUE(box->IsChecked());
    box->SetEnabled(false);
    EXPECT_FALSE(box->CheckClick(133, 213));
    EXPECT_TRUE(box->IsChecked());
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(ButtonTest, NamedButtonNotifiesListenersEvenWithoutACallback)
{
    static std::vector<std::string> heard;
    heard.clear();
    GUI_ButtonBase::AddClickListener([](const std::string& name) { heard.push_back(name); });
    auto* b = new GUI_ButtonBase(nullptr, 0);
    b->SetPosition(120, 300, 220, 330);
    b->SetName("book_gig");
    panel->AddButton(b);
    Click(150, 310);
    EXPECT_EQ(heard, std::vector<std::string> {"book_gig"});
    EXPECT_EQ(audio.Count("data/sounds/click.ogg"), 0);
}

TEST_F(ButtonTest, NullButtonIsReportedAndNeverListed)
{
    panel->AddButton(nullptr);
    panel->RemoveButton(nullptr);
    EXPECT_TRUE(panel->Buttons().empty());
    auto taken = TakeReports();
    EXPECT_EQ(taken.size(), 2u);
    EXPECT_NE(DebugLog().find("filename:GUIButtonsList"), std::string::npos);
    Step();
}

TEST_F(ButtonTest, IconButtonWithAShortNameHasNoTexture)
{
    GUI_IconButton icon("x", Record, 0);
    EXPECT_TRUE(icon.NormalSprite().GetTextureName().empty());
    GUI_IconButton named("button_close.dds", Record, 0);
    EXPECT_EQ(named.NormalSprite().GetTextureName(), "button_close.dds");
}

TEST_F(ButtonTest, TooltipWaitsForTheDelayThenFadesInAndOut)
{
    GUI_ButtonText* b = panel->AddText("OK", 120, 120);
    b->SetRawTooltip("Plays the gig", 10);
    // While the mouse rests for no more than 10 frames the tip stays hidden.
    Hover(150, 130, 11);
    EXPECT_EQ(b->GetTooltip()->GetLevel(), 0.0f);
    // Then it gains 0.25 a frame and loses 0.125 a drawn frame: full after 8 frames.
    Step(6);
    EXPECT_FLOAT_EQ(b->GetTooltip()->GetShownLevel(), 0.875f);
    Step(2);
    EXPECT_FLOAT_EQ(b->GetTooltip()->GetShownLevel(), 1.0f);
    EXPECT_FLOAT_EQ(b->GetTooltip()->GetLevel(), 0.875f);
    // Leaving: it falls by 0.125 a drawn frame.
    Hover(450, 350, 4);
    EXPECT_FLOAT_EQ(b->GetTooltip()->GetLevel(), 0.375f);
    Step(3);
    EXPECT_FLOAT_EQ(b->GetTooltip()->GetLevel(), 0.0f);
}

TEST_F(ButtonTest, TooltipsSizeAndPlacement)
{
    GUI_Tooltip tip("Short", 0);
    GetTextEngine()->SetCurrentFont("verdana14.dds");
    GetTextEngine()->SetPointsize(14);
    int width = GetTextEngine()->GetStringLength("Short");
    EXPECT_EQ(tip.GetWidth(), 8 + width);
    EXPECT_EQ(tip.GetHeight(), 20);
    // Kept on the screen.
    tip.SetPosition(2000, 2000);
    EXPECT_EQ(tip.rect.right, 1024);
    EXPECT_EQ(tip.rect.bottom, 768);
    tip.SetPosition(-5, -5);
    EXPECT_EQ(tip.rect.left, 0);
    EXPECT_EQ(tip.rect.top, 0);
    // Near the bottom-right corner it opens above and to the left of the mouse.
    Hover(1020, 760, 1);
    tip.AutoPosition();
    EXPECT_EQ(tip.rect.right, 1020);
    EXPECT_LT(tip.rect.bottom, 760);
    // Long texts wrap at 240 pixels.
    GUI_Tooltip wrapped(std::string(200, 'w'), 0);
    EXPECT_LE(wrapped.GetWidth(), 248);
    EXPECT_GT(wrapped.GetHeight(), 20);
}

TEST_F(ButtonTest, ATooltipNeverCoversTheButtonItTellsAbout)
{
    // Pointed at its top, middle and bottom, at the screen's middle and at its bottom edge.
    struct Case {
        float top, dy;
    };
    for (Case c : {Case {150, 1}, Case {150, 15}, Case {150, 29}, Case {738, 1}, Case {738, 29}}) {
        SCOPED_TRACE(testing::Message() << c.top << " + " << c.dy);
        GUI_ButtonText* b = panel->AddText("OK", 300, c.top);
        b->SetRawTooltip("A tip long enough to reach over the label", 0);
        Hover(320, c.top + c.dy, 10);
        const tagRECT tip = b->GetTooltip()->GetRect();
        EXPECT_GT(b->GetTooltip()->GetShownLevel(), 0.5f);
        EXPECT_TRUE(tip.top > b->rect.bottom || tip.bottom < b->rect.top)
            << "tip " << tip.top << ".." << tip.bottom << ", button " << b->rect.top << ".." << b->rect.bottom;
        panel->RemoveButton(b);
        delete b;
    }
}

TEST_F(ButtonTest, MeasuringATooltipKeepsTheTextEnginesFont)
{
    LibTextEngine* text = GetTextEngine();
    text->SetCurrentFont("LCD16.dds");
    text->SetPointsize(24);
    LibFont* before = text->GetCurrentFont();
    GUI_Tooltip tip("Measured", 0);
    EXPECT_EQ(text->GetCurrentFont(), before);
    EXPECT_EQ(text->GetPointsize(), 24.0f);
}

TEST_F(ButtonTest, DeletedOwnersTipLeavesTheDrawList)
{
    GUI_ButtonText* b = panel->AddText("OK", 120, 120);
    b->SetRawTooltip("tip", 0);
    b->GetTooltip()->Draw(); // queued
    ASSERT_EQ(GUI_Tooltip::DrawList().size(), 1u);
    panel->RemoveButton(b);
    delete b;
    EXPECT_TRUE(GUI_Tooltip::DrawList().empty());
    GUI_Tooltip::DrawAll();
}
