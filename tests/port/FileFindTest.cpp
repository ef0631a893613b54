#include "port/DrawText.h"
#include "port/FileFind.h"
#include "port/Rect.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

struct WildcardCase {
    const char* name;
    const char* pattern;
    bool fits;
};

// Everything a FindFirstFile/FindNextFile walk returns, as "name" or "name/" for folders.
std::vector<std::string> Walk(const std::string& searchPath)
{
    std::vector<std::string> out;
    _WIN32_FIND_DATA data;
    CFileFind* find = FindFirstFile(searchPath, &data);
    if (!find)
        return out;
    do
        out.push_back(data.cFileName + (data.dwFileAttributes == FILE_ATTRIBUTE_DIRECTORY ? "/" : ""));
    while (FindNextFile(find, &data));
    FindClose(find);
    return out;
}

} // namespace

TEST(WildcardTest, Table)
{
    const WildcardCase cases[] = {
        {"song.png", "*.png", true},
        {"SONG.PNG", "*.png", true},
        {"song.PnG", "*.PNG", true},
        {"a.b.png", "*.png", true},      // backtracking: the first dot is not the pattern's
        {"song.png.bak", "*.png", false},
        {"song.pn", "*.png", false},
        {"png", "*.png", false},
        {".png", "*.png", true},
        {"readme", "*", true},
        {"readme", "*.*", true},         // "*.*" fits names without a dot too
        {"a.b.c", "*.*", true},
        {"foobar", "foo*.*", true},
        {"barfoo", "foo*.*", false},
        {"skin_day_lcd.bmp", "skin_*_lcd.bmp", true},
        {"skin_day_lcd_h.bmp", "skin_*_lcd.bmp", false},
        {"aaab", "*a*b", true},
        {"abc", "a*b*c*", true},
        {"ab", "a?", false},             // "?" is an ordinary character
        {"a?", "a?", true},
        {"exact.txt", "EXACT.TXT", true},
        {"exact.txt", "exact.tx", false},
        {"x", "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkWildcardFit(c.name, c.pattern), c.fits) << c.name << " vs " << c.pattern;
}

class FileFindTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"b.png", "A.png", "a.png", "c.PNG", "two.dots.png", "notes.txt", ".hidden.png"})
            dir.Write(std::string("list/") + name, "x");
        std::filesystem::create_directories(dir.Path() / "list/Sub");
        std::filesystem::create_directories(dir.Path() / "list/.git");
    }
    TempDir dir;
};

TEST_F(FileFindTest, ListingIsSortedCaseInsensitivelyWithoutDotEntries)
{
    EXPECT_EQ(Walk(dir.Str() + "/list/*"),
              (std::vector<std::string> {".git/", ".hidden.png", "A.png", "a.png", "b.png", "c.PNG",
                                         "notes.txt", "Sub/", "two.dots.png"}));
    EXPECT_EQ(Walk(dir.Str() + "/list/*.png"),
              (std::vector<std::string> {".hidden.png", "A.png", "a.png", "b.png", "c.PNG", "two.dots.png"}));
}

TEST_F(FileFindTest, BackslashesAreSeparators)
{
    EXPECT_EQ(Walk(dir.Str() + "\\list\\*.txt"), (std::vector<std::string> {"notes.txt"}));
}

TEST_F(FileFindTest, NothingFound)
{
    EXPECT_EQ(FindFirstFile("*", nullptr), nullptr);                   // no folder part
    EXPECT_EQ(FindFirstFile(dir.Str() + "/missing/*", nullptr), nullptr);
    EXPECT_EQ(FindFirstFile(dir.Str() + "/list/a.png/*", nullptr), nullptr); // a file, not a folder
    EXPECT_EQ(FindFirstFile(dir.Str() + "/list/*.jpg", nullptr), nullptr);
    FindClose(nullptr);
    EXPECT_FALSE(FindNextFile(nullptr, nullptr));
}

TEST_F(FileFindTest, LongNamesAreKeptWhole)
{
    std::string longName(120, 'n');
    longName += ".jpg";
    dir.Write("long/" + longName, "x");
    EXPECT_EQ(Walk(dir.Str() + "/long/*.jpg"), (std::vector<std::string> {longName}));
}

TEST_F(FileFindTest, FinderReportsPathsAndExaminesOneItemPerCall)
{
    CFileFind find;
    ASSERT_TRUE(find.FindFile(dir.Str() + "/list/*.txt"));
    int examined = 0, fits = 0;
    while (!find.IsDone()) {
        ++examined;
        if (find.FindNextFile()) {
            ++fits;
            EXPECT_EQ(find.GetFileName(), "notes.txt");
            EXPECT_FALSE(find.IsDirectory());
            EXPECT_EQ(find.GetFilePath(), dir.Str() + "/list/notes.txt");
            char small[8];
            EXPECT_FALSE(find.GetFilePath(small, sizeof small));
            EXPECT_EQ(std::string(small), (dir.Str() + "/list/").substr(0, 7));
        }
    }
    EXPECT_EQ(examined, 9);
    EXPECT_EQ(fits, 1);
    EXPECT_FALSE(find.FindNextFile());
}

TEST(RectTest, SetRectFillsAllFourSides)
{
    tagRECT r;
    EXPECT_TRUE(SetRect(&r, 1, 2, 3, 4));
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.top, 2);
    EXPECT_EQ(r.right, 3);
    EXPECT_EQ(r.bottom, 4);
    EXPECT_TRUE(Win32SetRect(&r, -5, 6, 7, 8));
    EXPECT_EQ(r.left, -5);
    EXPECT_FALSE(SetRect(nullptr, 0, 0, 0, 0));
    EXPECT_EQ(DrawTextA(nullptr, "text", -1, &r, DT_SINGLELINE), 0);
}
