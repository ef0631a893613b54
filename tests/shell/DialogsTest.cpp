// The confirm dialog (yes, no, its close button, a missing callback, over a full screen)
// and the texture message's layout.
#include "harness/GameHarness.h"

#include "port/sdl/PortEvent.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_ConfirmDialog.h"
#include "shell/GUI_Message.h"
#include "shell/GUI_WindowManager.h"
#include "sim/SIM_GameConfig.h"

namespace {

int answers = 0;

std::string LongText()
{
    std::string text;
    for (int i = 0; i < 60; ++i)
        text += "many words ";
    return text;
}
void Answer(intptr_t) { ++answers; }
// Asks again from inside the answer.
void AskAgain(intptr_t)
{
    ++answers;
    GUI_ConfirmDialog::Create("Again?", "Again", Answer);
}

class DialogsTest : public GameHarness {
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        answers = 0;
    }
    void TearDown() override
    {
        GUI_ConfirmDialog::Close(0);
        GUI_GetWindowManager()->CloseOnRestart();
        GameHarness::TearDown();
    }
};

} // namespace

TEST_F(DialogsTest, ConfirmAnsweredByYesNoAndItsCloseButton)
{
    GUI_ConfirmDialog::Create("Leave now?", "Leave", Answer);
    GUI_ConfirmDialog* d = GUI_ConfirmDialog::PTheWindow;
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->IsModal());
    EXPECT_EQ(d->GetWidth(), 360);
    EXPECT_EQ(d->rect.left, (1024 - 360) / 2);
    // The buttons sit at the client area's bottom corners: cancel left, OK right.
    EXPECT_EQ(d->GetOKButton()->rect.right, d->GetClientArea().right - 15);
    EXPECT_EQ(d->GetCancelButton()->rect.left, d->GetClientArea().left + 15);

    ClickCentre(d->GetCancelButton());
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
    EXPECT_EQ(answers, 0);

    GUI_ConfirmDialog::Create("Leave now?", "Leave", Answer);
    ASSERT_TRUE(ClickButton("CONFIRM_OK"));
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
    EXPECT_EQ(answers, 1);
    EXPECT_FALSE(GUI_GetWindowManager()->ModalWindowsActive());

    GUI_ConfirmDialog::Create("Leave now?", "Leave", Answer);
    d = GUI_ConfirmDialog::PTheWindow;
    Step(); // the close button is placed when the dialog is drawn
    Click(float(d->rect.right - 22), float(d->rect.top + 22)); // its close button
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
    EXPECT_EQ(answers, 1);
    EXPECT_TRUE(ScreenWindows().empty());
}

TEST_F(DialogsTest, AQuestionGrowsUntilItsTextEndsAboveTheButtons)
{
    struct Case {
        std::string text;
        bool grows;
    };
    const Case cases[] = {
        {"Leave now?", false},
        {"Do you really want to quit? Any progress you have not saved will be lost.", true},
        {LongText(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 30));
        GUI_ConfirmDialog::Create(c.text, "Question", Answer);
        GUI_ConfirmDialog* d = GUI_ConfirmDialog::PTheWindow;
        const tagRECT& client = d->GetClientArea();
        GDIText::SetFont(kBoldFontName, 16, false);
        const int textBottom = client.top + 10 + GDIText::GetTextHeight(c.text.c_str(), float(client.right - client.left - 40));
        EXPECT_LE(textBottom, d->GetOKButton()->rect.top - 4);
        EXPECT_EQ(d->GetCancelButton()->rect.top, d->GetOKButton()->rect.top);
        EXPECT_EQ(d->GetWidth(), 360);
        EXPECT_EQ(d->GetHeight() > 140, c.grows);
        EXPECT_NEAR(d->rect.top + d->GetHeight() / 2, 768 / 2, 1); // still centred
        ASSERT_TRUE(ClickButton("CONFIRM_CANCEL"));
    }
}

TEST_F(DialogsTest, ASecondQuestionReplacesTheFirstAndAnAnswerMayAskAgain)
{
    GUI_ConfirmDialog::Create("First?", "First", Answer);
    GUI_ConfirmDialog::Create("Second?", "Second", AskAgain);
    ASSERT_EQ(GUI_GetWindowManager()->Modals().size(), 1u);
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow->GetText(), "Second?");
    ASSERT_TRUE(ClickButton("CONFIRM_OK"));
    EXPECT_EQ(answers, 1);
    // What is open after the answer is closed with it.
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
    EXPECT_TRUE(GUI_GetWindowManager()->Modals().empty());
}

TEST_F(DialogsTest, QuestionWithoutAnAnswerIsReportedAndOnlyCloses)
{
    GUI_ConfirmDialog::Create("Nothing?", "Nothing", nullptr);
    EXPECT_EQ(TakeReports().size(), 1u);
    ASSERT_NE(GUI_ConfirmDialog::PTheWindow, nullptr);
    ASSERT_TRUE(ClickButton("CONFIRM_OK"));
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr);
}

TEST_F(DialogsTest, QuestionOverAFullScreenIsDrawnAndClickable)
{
    auto* full = new GUI_WindowBase;
    full->MakeFullScreenWindow();
    const uint32_t before = CaptureFrame().At(512, 384);
    GUI_ConfirmDialog::Create("Leave now?", "Leave", Answer);
    const uint32_t after = CaptureFrame().At(512, 384);
    EXPECT_NE(before & 0xFFFFFFu, after & 0xFFFFFFu);
    ASSERT_TRUE(ClickButton("CONFIRM_OK"));
    EXPECT_EQ(answers, 1);
    GUI_GetWindowManager()->RemoveFullscreen(full);
    delete full;
}

TEST_F(DialogsTest, TextureMessageFitsItsTextAndShortensItsTitle)
{
    SIM_GetGameConfig()->SetAvatarName("Dana Vesper");
    ExpectMissingTexture("no_such_picture.dds");
    const std::string title29(29, 't');
    auto* shortOne = GUI_TextureMessage::Create("no_such_picture.dds", "Hi <MILOSNAME>, <MILOSNAME>!", title29);
    auto* longOne = GUI_TextureMessage::Create("button.dds", LongText(), title29 + "x");
    EXPECT_EQ(shortOne->GetText(), "Hi Dana, Dana!");
    EXPECT_EQ(shortOne->GetTitle(), title29);
    EXPECT_EQ(longOne->GetTitle(), title29 + "...");
    EXPECT_EQ(shortOne->GetHeight(), 220); // until the first draw
    Step(); // a missing picture draws nothing and breaks nothing
    EXPECT_EQ(shortOne->GetHeight(), 140);
    EXPECT_GT(longOne->GetHeight(), 140);
    // Only its close button closes it: Escape does not, and clicks beside it are refused.
    PressKey(kKeyEscape);
    EXPECT_EQ(GUI_GetWindowManager()->Modals().size(), 2u);
    EXPECT_EQ(GUI_ConfirmDialog::PTheWindow, nullptr); // nor is quitting asked
    Click(20, 20);
    EXPECT_EQ(audio.Count("data/sounds/error.ogg"), 1);
    Click(float(longOne->rect.right - 22), float(longOne->rect.top + 22));
    EXPECT_EQ(GUI_GetWindowManager()->Modals(), GUI_WindowManager::List {shortOne});
    delete shortOne;
}
