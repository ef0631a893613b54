// The typed-name field: what it accepts, its capacity and upper-case rules, the editing
// keys, the blank-name rule and the caret on the game clock.
#include "port/sdl/PortEvent.h"
#include "shell/GUI_NameField.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

// Mac key codes of a few characters.
constexpr int kA = 0, kB = 11, kOne = 18, kHyphen = 27, kQuote = 39, kComma = 43, kFullStop = 47;

class NameFieldTest : public SandboxTest {};

TEST_F(NameFieldTest, AcceptsLettersDigitsAndTheCallersExtrasOnly)
{
    GUI_NameField names; // the name fields' rules: apostrophe, hyphen and space
    struct Case {
        int key;
        bool taken;
    };
    for (const Case& c : {Case {kA, true}, Case {kOne, true}, Case {kHyphen, true}, Case {kQuote, true},
                          Case {kKeySpace, true}, Case {kComma, false}, Case {kFullStop, false},
                          Case {kKeyReturn, false}, Case {kKeyTab, false}}) {
        const size_t before = names.Length();
        EXPECT_EQ(names.HandleKey(c.key, false), c.taken) << c.key;
        EXPECT_EQ(names.Length(), before + (c.taken ? 1 : 0)) << c.key;
    }
    EXPECT_EQ(names.GetText(), "A1-' ");

    GUI_NameField::Rules saves;
    saves.extra = "-',. ";
    saves.caseRule = GUI_NameField::CASE_AS_TYPED;
    GUI_NameField save(saves);
    for (int key : {kA, kComma, kFullStop, kB})
        save.HandleKey(key, false);
    EXPECT_EQ(save.GetText(), "a,.b"); // no upper case unless asked for
    save.HandleKey(kA, true);
    EXPECT_EQ(save.GetText(), "a,.bA");
    EXPECT_FALSE(save.Type(char(0xE9), false)); // nothing outside plain ASCII
}

TEST_F(NameFieldTest, FirstCharacterAndShiftAreUpperCase)
{
    GUI_NameField field;
    for (int key : {kA, kB, kA})
        field.HandleKey(key, false);
    field.HandleKey(kB, true);
    EXPECT_EQ(field.GetText(), "AbaB");
    field.HandleKey(kKeyForwardDelete, false);
    field.HandleKey(kB, false);
    EXPECT_EQ(field.GetText(), "B"); // first again after emptying
}

TEST_F(NameFieldTest, CapacityBackspaceAndForwardDelete)
{
    GUI_NameField field;
    for (int i = 0; i < 70; ++i)
        field.HandleKey(kA, false);
    EXPECT_EQ(field.Length(), 62u);
    EXPECT_TRUE(field.IsFull());
    EXPECT_FALSE(field.Type('a', false));
    field.HandleKey(kKeyBackspace, false);
    EXPECT_EQ(field.Length(), 61u);
    EXPECT_TRUE(field.Type('a', false));
    field.HandleKey(kKeyForwardDelete, false);
    EXPECT_EQ(field.GetText(), "");
    field.HandleKey(kKeyBackspace, false); // on an empty field: nothing, no harm
    EXPECT_EQ(field.GetText(), "");

    // Text set from elsewhere keeps the rules too.
    field.SetText(std::string(80, 'x') + "!");
    EXPECT_EQ(field.Length(), 62u);
    field.SetText("Rock & Roll!");
    EXPECT_EQ(field.GetText(), "Rock  Roll");
}

TEST_F(NameFieldTest, BlankNamesAreNoNamesAndTrailingBlanksAreCut)
{
    struct Case {
        const char* text;
        bool blank;
        const char* name;
    };
    for (const Case& c : {Case {"", true, ""}, Case {"   ", true, ""}, Case {"Ada  ", false, "Ada"},
                          Case {"  Ada Lane ", false, "  Ada Lane"}, Case {"X", false, "X"}}) {
        GUI_NameField field;
        field.SetText(c.text);
        EXPECT_EQ(field.IsBlank(), c.blank) << '"' << c.text << '"';
        EXPECT_EQ(field.GetName(), c.name) << '"' << c.text << '"';
    }
}

TEST_F(NameFieldTest, CaretBlinksOnTheGameClock)
{
    GUI_NameField field;
    EXPECT_TRUE(field.CaretVisible());
    clock.Advance(150);
    EXPECT_TRUE(field.CaretVisible());
    clock.Advance(60); // past 200 ms: flips and starts counting again
    EXPECT_FALSE(field.CaretVisible());
    clock.Advance(150);
    EXPECT_FALSE(field.CaretVisible());
    clock.Advance(60);
    EXPECT_TRUE(field.CaretVisible());
    clock.Advance(250);
    field.RestartCaret();
    EXPECT_TRUE(field.CaretVisible());
}

} // namespace
