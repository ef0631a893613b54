#include "engine/GProfileStore.h"
#include "engine/GTranslation.h"
#include "engine/IniLoader.h"
#include "support/LogCapture.h"
#include "support/TestSupport.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <set>

class GTranslationTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        GetProfileStore()->Forget();
        resources.Write("data/strings.ini",
                        "[strings]\n"
                        "HELLO = Hello <NAME>\n"
                        "TWO WORDS = joined key\n"
                        "hello = lower case\n"
                        "EMPTY = \"\"\n"
                        "ESCAPED = a\\=b\n"
                        "GREETING = <GREET>, <NAME>! <MISSING>end\n"
                        "OPEN = before <unclosed\n"
                        "9LIVES = digit first\n"
                        "[five]\n0 = zero\n1 = one\n2 = two\n3 = three\n4 = four\n"
                        "[empty]\n"
                        "[ten]\n0 = zero\n1 = one\n2 = two\n3 = three\n4 = four\n5 = five\n"
                        "6 = six\n7 = seven\n8 = eight\n9 = nine\n");
    }
};

TEST_F(GTranslationTest, LookupRules)
{
    EXPECT_STREQ(GTranslation::GetString("HELLO"), "Hello <NAME>");
    EXPECT_STREQ(GTranslation::GetString("hello"), "lower case");      // case-sensitive
    EXPECT_STREQ(GTranslation::GetString("TWOWORDS"), "joined key");   // spaces leave keys
    EXPECT_STREQ(GTranslation::GetString("ESCAPED"), "a=b");
    EXPECT_STREQ(GTranslation::GetString("ABSENT_KEY"), "ABSENT_KEY");
    EXPECT_STREQ(GTranslation::GetString("EMPTY"), "EMPTY");
    EXPECT_STREQ(GTranslation::GetString(std::string("HELLO")), "Hello <NAME>");
}

TEST_F(GTranslationTest, KeysNotBeginningWithALetterAreLookedUpToo)
{
    EXPECT_STREQ(GTranslation::GetString("9LIVES"), "digit first");
    EXPECT_STREQ(GTranslation::GetString("_none"), "_none");
    EXPECT_STREQ(GTranslation::GetString(""), "");
}

TEST_F(GTranslationTest, MissingKeyTextOutlivesTheCallersKey)
{
    const char* shown;
    {
        std::string key = "TEMPORARY_KEY";
        shown = GTranslation::GetString(key);
    }
    EXPECT_STREQ(shown, "TEMPORARY_KEY");
}

TEST(GHashTableTest, FirstOfEqualKeysWinsAndBucketsFoldCase)
{
    GHashTable table;
    table.AddEntry("Key", "first");
    table.AddEntry("Key", "second");
    table.AddEntry("key", "lower");
    table.AddEntry("1st", "digit");
    EXPECT_STREQ(table.GetValue("Key"), "first");
    EXPECT_STREQ(table.GetValue("key"), "lower");
    EXPECT_STREQ(table.GetValue("1st"), "digit");
    EXPECT_STREQ(table.GetValue("KEY"), "");
    EXPECT_EQ(table.GetNumEntries(), 4u);
    table.Clear();
    EXPECT_STREQ(table.GetValue("Key"), "");
}

TEST(ReplaceTokenTest, FirstOccurrenceOnly)
{
    std::string text = "<NAME> and <NAME>";
    EXPECT_TRUE(GTranslation::ReplaceToken(text, "<NAME>", "Riza"));
    EXPECT_EQ(text, "Riza and <NAME>");
    EXPECT_TRUE(GTranslation::ReplaceToken(text, "<NAME>", "Dee"));
    EXPECT_EQ(text, "Riza and Dee");
    EXPECT_FALSE(GTranslation::ReplaceToken(text, "<NAME>", "x"));
    EXPECT_EQ(text, "Riza and Dee");
}

TEST(ReplaceTokenTest, NumbersGetThousandsSeparators)
{
    std::string text = "Cash: <AMOUNT>";
    GTranslation::ReplaceToken(text, "<AMOUNT>", -1234567);
    EXPECT_EQ(text, "Cash: -1,234,567");
}

TEST(ReplaceTokenTest, BufferFormsNeverOverrun)
{
    char buffer[1024] = "Playing <VENUE> tonight";
    EXPECT_EQ(GTranslation::ReplaceToken(buffer, "<VENUE>", "the Basement"), buffer);
    EXPECT_STREQ(buffer, "Playing the Basement tonight");
    EXPECT_EQ(GTranslation::ReplaceToken(buffer, "<VENUE>", "x"), nullptr);

    char guarded[20];
    std::memcpy(guarded, "<N> fans", 9);
    std::memset(guarded + 9, 'G', sizeof guarded - 9);
    EXPECT_NE(GTranslation::ReplaceToken(guarded, 12, "<N>", 1000000), nullptr);
    EXPECT_STREQ(guarded, "1,000,000 f"); // cut to 11 characters
    EXPECT_EQ(guarded[12], 'G');
}

TEST_F(GTranslationTest, GetValueNamePicks)
{
    struct Case {
        float value;
        const char* expected;
    } cases[] = {
        {0.0f, "zero"}, {0.2f, "one"}, {0.999f, "four"}, {1.0f, "four"}, {7.0f, "four"},
        {-0.5f, "zero"}, {std::numeric_limits<float>::quiet_NaN(), "zero"},
        {std::numeric_limits<float>::infinity(), "four"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GTranslation::GetValueName(c.value, "five"), c.expected) << c.value;
    EXPECT_EQ(GTranslation::GetValueName(0.5f, "empty"), "");
    // The product is a float product: 10 x 0.7f is 7, though 0.7f is just below 0.7.
    EXPECT_EQ(GTranslation::GetValueName(0.7f, "ten"), "seven");
    EXPECT_EQ(GTranslation::GetValueName(0.9f, "ten"), "nine");
}

TEST_F(GTranslationTest, RandomStringsComeFromTheSection)
{
    OpenSandboxDebugLog();
    std::srand(5);
    std::set<std::string> seen;
    for (int i = 0; i < 200; ++i)
        seen.insert(GTranslation::GetRandomString("five"));
    EXPECT_EQ(seen, (std::set<std::string> {"zero", "one", "two", "three", "four"}));

    EXPECT_EQ(GTranslation::GetRandomString("empty", "data/strings.ini"), "");
    EXPECT_NE(SandboxDebugLog().find("WARNING - No random translation keys found"), std::string::npos);
}

TEST_F(GTranslationTest, LoadersAreReadOnceUntilClose)
{
    IniLoader* a = GTranslation::GetLoader("five", "data/strings.ini");
    EXPECT_EQ(GTranslation::GetLoader("five", "data/strings.ini"), a);
    EXPECT_NE(GTranslation::GetLoader("five", "data\\strings.ini"), a); // another file name
    resources.Write("data/strings.ini", "[five]\n0 = changed\n");
    EXPECT_EQ(GTranslation::GetValueName(0.0f, "five"), "zero");
    GTranslation::Close();
    EXPECT_EQ(GTranslation::GetValueName(0.0f, "five"), "changed");
}

TEST(CropTest, Lengths)
{
    EXPECT_EQ(GTranslation::Crop("Short", 10), "Short");
    EXPECT_EQ(GTranslation::Crop("Exactly10!", 10), "Exactly10!");
    EXPECT_EQ(GTranslation::Crop("A much longer name", 10), "A much ...");
    EXPECT_EQ(GTranslation::Crop("abcdef", 3), "...");
    EXPECT_EQ(GTranslation::Crop("abcdef", 2), "ab"); // too short for dots
    EXPECT_EQ(GTranslation::Crop("abcdef", -1), "");
}

TEST_F(GTranslationTest, TokenisedStrings)
{
    OpenSandboxDebugLog();
    EXPECT_EQ(GTranslation::GetTokenisedString("GREETING", "GREET=Hi there,NAME=Sam,"), "Hi there, Sam! end");
    EXPECT_NE(SandboxDebugLog().find("failed to find token:MISSING"), std::string::npos);
    // A last pair without its "," is not added.
    EXPECT_EQ(GTranslation::GetTokenisedString("HELLO", "NAME=Sam"), "Hello ");
    EXPECT_EQ(GTranslation::GetTokenisedString("OPEN", ""), "before ");
}
