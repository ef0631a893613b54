#include "engine/Utilities.h"
#include "support/TestSupport.h"

#include <chrono>
#include <climits>
#include <cmath>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace fs = std::filesystem;

TEST(NumToDelimitedCharTest, Table)
{
    struct Case {
        long long number;
        const char* text;
    } cases[] = {
        {0, "0"}, {5, "5"}, {-5, "-5"}, {999, "999"}, {1000, "1,000"}, {-1000, "-1,000"},
        {1234567, "1,234,567"}, {-1234567, "-1,234,567"}, {100000, "100,000"},
        {INT_MAX, "2,147,483,647"}, {INT_MIN, "-2,147,483,648"},
        {LLONG_MIN, "-9,223,372,036,854,775,808"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumToDelimitedChar(c.number), c.text);
        char buffer[32];
        EXPECT_STREQ(NumToDelimitedChar(c.number, buffer), c.text);
    }
}

TEST(MoneyAndPercentTest, MoneyIsCutToWholeAndNeverOverflows)
{
    struct Case {
        double amount;
        const char* text;
        const char* magnitude;
    } cases[] = {
        {0.0, "0", "0"}, {99.99, "99", "99"}, {-12.9, "-12", "12"}, {1234567.8, "1,234,567", "1,234,567"},
        {-2500.0, "-2,500", "2,500"}, {3.0e9, "3,000,000,000", "3,000,000,000"},
        {std::nan(""), "0", "0"}, {1e300, "9,000,000,000,000,000", "9,000,000,000,000,000"},
        {-1e300, "-9,000,000,000,000,000", "9,000,000,000,000,000"}, {HUGE_VAL, "0", "0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatMoney(c.amount), c.text) << c.amount;
        EXPECT_EQ(FormatMoneyMagnitude(c.amount), c.magnitude) << c.amount;
    }
}

TEST(MoneyAndPercentTest, PercentagesTruncateWithoutFloatArtefacts)
{
    struct Case {
        double fraction;
        int percent;
    } cases[] = {
        {0.29f, 29}, {0.57f, 57}, {0.289, 28}, {0.999, 99}, {1.0f, 100}, {0.0, 0},
        {-0.29f, -29}, {-0.005, 0}, {std::nan(""), 0}, {0.7f, 70}, {0.1f * 3, 30},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PercentOf(c.fraction), c.percent) << c.fraction;
    EXPECT_EQ(FormatPercent(0.29f), "29%");
}

TEST(NumToDelimitedCharTest, BufferFormCutsToSize)
{
    char buffer[8];
    std::memset(buffer, 'Z', sizeof buffer);
    NumToDelimitedChar(-1234567, buffer, 6);
    EXPECT_STREQ(buffer, "-1,23");
    EXPECT_EQ(buffer[6], 'Z');
}

TEST(AngleToObjectTest, Headings)
{
    struct Case {
        double x, y;
        float heading;
    } cases[] = {
        {1, 0, 90.0f}, {0, 1, 180.00008f}, {-1, 0, 270.00015f}, {0, -1, 359.99994f}, {1, 1, 135.00003f},
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(AngleToObject(0, 0, c.x, c.y), c.heading) << c.x << "," << c.y;
    EXPECT_FLOAT_EQ(AngleToObject(10, 10, 11, 10), 90.0f); // only the direction counts
}

TEST(GeometryTest, DistanceAndAngle)
{
    EXPECT_FLOAT_EQ(GetDist(1, 1, 4, 5), 5.0f);
    EXPECT_DOUBLE_EQ(Angle(0, 0, 0, 2), std::atan2(2.0, 0.0));
}

TEST(TextTest, TrimEnd)
{
    EXPECT_EQ(TrimEnd("word\r\n"), "word");
    EXPECT_EQ(TrimEnd("   "), "");
    EXPECT_EQ(TrimEnd(""), "");
    EXPECT_EQ(TrimEnd("tab\t"), "tab\t");
    EXPECT_EQ(TrimEnd(" lead \n \r"), " lead");
    std::string longText(3000, 'x');
    EXPECT_EQ(TrimEnd(longText + "  \n"), longText); // any length
}

TEST(TextTest, CaseAndDots)
{
    EXPECT_EQ(LowerCase("MiXeD"), "mixed");
    EXPECT_EQ(UpperCase(std::string(2000, 'a')), std::string(2000, 'A'));
    EXPECT_EQ(AddDots("0123456789", 4), "0123...");
    EXPECT_EQ(AddDots("0123", 4), "0123");
    char out[6];
    AddDots("0123456789", 4, out, sizeof out);
    EXPECT_STREQ(out, "0123.");
}

TEST(TextTest, SplitKeyValue)
{
    std::string key = "k", value = "v";
    EXPECT_FALSE(SplitKeyValue("no equals", key, value));
    EXPECT_EQ(key, "k");
    EXPECT_EQ(value, "v");
    EXPECT_TRUE(SplitKeyValue("word =  second ", key, value));
    EXPECT_EQ(key, "word");
    EXPECT_EQ(value, "second");
    EXPECT_TRUE(SplitKeyValue("a=b=c\r\n", key, value));
    EXPECT_EQ(key, "a");
    EXPECT_EQ(value, "b=c");
    char k[3], v[3];
    EXPECT_TRUE(SplitKeyValue("long key = long value", k, sizeof k, v, sizeof v));
    EXPECT_STREQ(k, "lo");
    EXPECT_STREQ(v, "lo");
}

TEST(DikToCharTest, KeyCodes)
{
    EXPECT_EQ(DikToChar(0), 'a');
    EXPECT_EQ(DikToChar(17), 't');
    EXPECT_EQ(DikToChar(22), '6');
    EXPECT_EQ(DikToChar(23), '5');
    EXPECT_EQ(DikToChar(39), '\'');
    EXPECT_EQ(DikToChar(47), '.');
    EXPECT_EQ(DikToChar(49), ' ');
    for (int code : {-1, 10, 24, 30, 33, 36, 41, 42, 44, 48, 50, 51, 53, 255})
        EXPECT_EQ(DikToChar(code), 0) << code;
}

TEST(DikToCharTest, WholeTable)
{
    // Codes 0 to 49 in order; "_" marks a key without a character.
    const std::string expected = "asdfhgzxcv_bqweryt123465_97-80_ou_ip_lj'k__,_nm._ ";
    ASSERT_EQ(expected.size(), 50u);
    for (int code = 0; code < 50; ++code)
        EXPECT_EQ(DikToChar(code), expected[size_t(code)] == '_' ? 0 : expected[size_t(code)]) << code;
}

TEST(LinkTest, MailtoIsPercentEncoded)
{
    EXPECT_EQ(BuildMailtoLink("bug report", "line 1\nA&B=50%?", "support@amplivance.invalid"),
              "mailto:support@amplivance.invalid?subject=bug%20report&body=line%201%0AA%26B%3D50%25%3F");
    std::string longBody(5000, 'x');
    EXPECT_EQ(BuildMailtoLink("s", longBody, "a@b").size(), std::string("mailto:a@b?subject=s&body=").size() + 5000);
}

// Sets an environment variable (null: removes it) and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        const char* old = std::getenv(name);
        had_ = old != nullptr;
        old_ = old ? old : "";
        Set(value);
    }
    ~ScopedEnv()
    {
        if (had_)
            setenv(name_.c_str(), old_.c_str(), 1);
        else
            unsetenv(name_.c_str());
    }
    void Set(const char* value)
    {
        if (value)
            setenv(name_.c_str(), value, 1);
        else
            unsetenv(name_.c_str());
    }

private:
    std::string name_, old_;
    bool had_ = false;
};

// Links open through the first xdg-open on the PATH - here a stand-in that writes down what
// it was given - and only when someone can see them.
TEST(LinkTest, LinksOpenThroughXdgOpenOnlyWithSomeoneToSeeThem)
{
    TempDir bin;
    const std::string opened = bin.Str() + "/opened.txt";
    bin.Write("xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + opened + "'\n");
    fs::permissions(bin.Path() / "xdg-open", fs::perms::owner_all);
    ScopedEnv path("PATH", bin.Str().c_str()), display("DISPLAY", ":99"), ci("CI", nullptr);
    ScopedEnv quiet("AMP_NONINTERACTIVE", "1");

    LaunchWebPage("https://amplivance.invalid/"); // returns at once, opens nothing
    LaunchEmail("s", "b", "a@b");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(fs::exists(opened));

    quiet.Set(nullptr);
    LaunchWebPage("not a link");
    LaunchEmail("bug report", "line 1", "support@amplivance.invalid");
    const std::string expected = BuildMailtoLink("bug report", "line 1", "support@amplivance.invalid") + "\n";
    // The opener runs on its own, detached: wait for what it writes.
    for (int i = 0; i < 100 && ReadWholeFile(opened) != expected; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(ReadWholeFile(opened), expected);
}

class FileUtilitiesTest : public SandboxTest {};

TEST_F(FileUtilitiesTest, GetSafeFilename)
{
    EXPECT_EQ(GetSafeFilename("save", "xml"), "save.xml");
    work.Write("save.xml", "");
    work.Write("save(1).xml", "");
    EXPECT_EQ(GetSafeFilename("save", "xml"), "save(2).xml");
}

TEST_F(FileUtilitiesTest, EnsureDirectoryExistsIsExactAndCreatesOneLevel)
{
    std::string base = work.Str();
    EnsureDirectoryExists(base + "/Saves");
    EXPECT_TRUE(fs::is_directory(base + "/Saves"));
    EnsureDirectoryExists(base + "/Saves"); // already there
    EnsureDirectoryExists(base + "/saves"); // another name
    EXPECT_TRUE(fs::is_directory(base + "/saves"));
    std::string longName(200, 'n');
    EnsureDirectoryExists(base + "/" + longName); // never cut
    EXPECT_TRUE(fs::is_directory(base + "/" + longName));
}

TEST_F(FileUtilitiesTest, EnsureDirectoryExistsFailureIsFatal)
{
    // The logging sink writes the alert to standard error.
    EXPECT_EXIT((SetReportSink(nullptr), EnsureDirectoryExists(work.Str() + "/missing/child")), ::testing::ExitedWithCode(EXIT_FAILURE),
                "Fatal Error: Sorry, a fatal error occurred in the function 'EnsureDirectoryExists'.  Please "
                "report the problem to support@amplivance.invalid.  Thanks.");
}

TEST(MiscTest, PlatformAnswers)
{
    EXPECT_FALSE(IsWindowsXP());
    CheckDebugHeap(true);
}
