#include "port/AtomicFile.h"
#include "port/MacFile.h"
#include "port/Paths.h"
#include "support/TestSupport.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

class PortCoreTest : public SandboxTest {};

TEST_F(PortCoreTest, MacFopenTriesWorkingFolderThenResourcesWithSlashes)
{
    resources.Write("data/config.muf", "resources");
    FILE* f = Mac_fopen("data\\config.muf", "rb");
    ASSERT_NE(f, nullptr);
    char buf[32] = {};
    std::fread(buf, 1, sizeof buf - 1, f);
    std::fclose(f);
    EXPECT_STREQ(buf, "resources");

    // A file of the same spelling in the working folder wins.
    work.Write("data/config.muf", "working");
    f = Mac_fopen("data/config.muf", "rb");
    ASSERT_NE(f, nullptr);
    std::fread(buf, 1, sizeof buf - 1, f);
    std::fclose(f);
    EXPECT_EQ(std::string(buf, 7), "working");

    EXPECT_EQ(Mac_fopen("data\\missing.txt", "rb"), nullptr);
}

TEST_F(PortCoreTest, DebugLogPathResolvesUnderResources)
{
    std::filesystem::create_directories(resources.Path() / "debugdata");
    FILE* f = Mac_fopen(".\\debugdata\\debug.txt", "wt");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_TRUE(std::filesystem::exists(resources.Path() / "debugdata" / "debug.txt"));
}

TEST_F(PortCoreTest, BuildResourceDirPath)
{
    char buf[512];
    ASSERT_TRUE(BuildMacResourceDirPath(buf, sizeof buf, ".\\data\\bitmaps"));
    EXPECT_EQ(std::string(buf), resources.Str() + "/data/bitmaps/");
    ASSERT_TRUE(BuildMacResourceDirPath(buf, sizeof buf, ""));
    EXPECT_EQ(std::string(buf), resources.Str() + "/");
    char tiny[4];
    EXPECT_FALSE(BuildMacResourceDirPath(tiny, sizeof tiny, "data"));
}

TEST_F(PortCoreTest, UserFolderFollowsXdgConfigHome)
{
    EXPECT_EQ(GetUserFolder(), config.Str() + "/zelvaamplivance");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/player", 1);
    EXPECT_EQ(GetUserFolder(), "/home/player/.config/zelvaamplivance");
}

TEST_F(PortCoreTest, AtomicWriteReplacesWholeFileAndLeavesNoTemporary)
{
    std::string path = config.Str() + "/zelvaamplivance/savegames/a.xml";
    ASSERT_TRUE(WriteFileAtomically(path, "first"));
    ASSERT_TRUE(WriteFileAtomically(path, "second"));
    EXPECT_EQ(ReadWholeFile(path), "second");
    int entries = 0;
    for (auto& e : std::filesystem::directory_iterator(config.Path() / "zelvaamplivance/savegames")) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 1);
    EXPECT_FALSE(WriteFileAtomically("/proc/nonexistent/x", "data"));
}

TEST_F(PortCoreTest, AlertsGoToTheInstalledSinkAndNeverBlock)
{
    reports.answer = 1;
    EXPECT_EQ(ShowAlert({"Error", "text", {"A", "B"}, 0}), 1);
    ASSERT_EQ(reports.alerts.size(), 1u);
    EXPECT_EQ(reports.alerts[0].title, "Error");

    // An interactive sink is bypassed in non-interactive mode: the default button answers.
    setenv("AMP_NONINTERACTIVE", "1", 1);
    SetReportSink(&reports, true);
    EXPECT_EQ(ShowAlert({"Error", "text", {"A", "B"}, 1}), 1);
    EXPECT_EQ(reports.alerts.size(), 1u);
    unsetenv("AMP_NONINTERACTIVE");
}

TEST(ClockTest, ManualClockReplacesSystemClock)
{
    GManualClock manual(5);
    SetClockSource(&manual);
    EXPECT_EQ(timeGetTime(), 5u);
    manual.Advance(10);
    EXPECT_EQ(timeGetTime(), 15u);
    // Without a source the system clock answers again: it moves on by itself.
    SetClockSource(nullptr);
    const uint32_t a = timeGetTime();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const uint32_t elapsed = timeGetTime() - a;
    EXPECT_GE(elapsed, 25u);
    EXPECT_LT(elapsed, 10000u);
}
