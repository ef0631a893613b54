#include "engine/GFileList.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Names(const GFileList& list)
{
    return {list.Begin(), list.End()};
}

} // namespace

class FileListTest : public SandboxTest {};

TEST_F(FileListTest, AddFilesPutsBaseFolderInFrontAndSkipsFolders)
{
    resources.Write("data/bitmaps/vs/b.jpg", "x");
    resources.Write("data/bitmaps/vs/A.jpg", "x");
    resources.Write("data/bitmaps/vs/notes.txt", "x");
    std::filesystem::create_directories(resources.Path() / "data/bitmaps/vs/folder.jpg");

    GFileList list;
    EXPECT_TRUE(list.Empty());
    list.SetBaseDir("vs/");
    // Not in the working folder: found under the Resources folder.
    list.AddFiles("data\\bitmaps\\vs\\*.jpg");
    EXPECT_EQ(Names(list), (std::vector<std::string> {"vs/A.jpg", "vs/b.jpg"}));

    list.Clear();
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.GetBaseDir(), "vs/");
    list.AddFiles("data/bitmaps/vs/*.txt");
    EXPECT_EQ(Names(list), (std::vector<std::string> {"vs/notes.txt"}));
}

TEST_F(FileListTest, WorkingFolderComesFirstAndResultsAppend)
{
    work.Write("data/saves/mine.sav", "x");
    resources.Write("data/saves/shipped.sav", "x");
    GFileList list;
    list.AddFiles("data/saves/*.sav");
    list.AddFiles(resources.Str() + "/data/saves/*.*");
    EXPECT_EQ(Names(list), (std::vector<std::string> {"mine.sav", "shipped.sav"}));
}

TEST_F(FileListTest, AddDirectoriesSkipsDotNamesAndFiles)
{
    for (const char* folder : {"rock", "Jazz", ".git", ".cache", "punk_grey"})
        std::filesystem::create_directories(resources.Path() / "data/bitmaps/skins" / folder);
    resources.Write("data/bitmaps/skins/readme.txt", "x");

    GFileList list;
    list.AddDirectories("data/bitmaps/skins/*.*");
    EXPECT_EQ(Names(list), (std::vector<std::string> {"Jazz", "punk_grey", "rock"}));
    list.AddDirectories("data/bitmaps/skins/*");
    EXPECT_EQ(list.End() - list.Begin(), 6);
}

TEST_F(FileListTest, MissingFolderAddsNothing)
{
    GFileList list;
    list.AddFiles("data/nowhere/*.*");
    list.AddDirectories("nofolderpart");
    EXPECT_TRUE(list.Empty());
}

TEST_F(FileListTest, FileExistsInEitherRootButNotForFolders)
{
    resources.Write("data/config.muf", "x");
    work.Write("local.txt", "x");
    EXPECT_TRUE(GFile::FileExists("data\\config.muf"));
    EXPECT_TRUE(GFile::FileExists("local.txt"));
    EXPECT_FALSE(GFile::FileExists("data\\missing.muf"));
    EXPECT_FALSE(GFile::FileExists("data"));
}
