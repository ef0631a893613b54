#pragma once
// Shared helpers for the tests: a temporary folder that is removed afterwards, a fixture
// that points the Resources and per-user folders at temporary copies, a recording report
// sink and the manual clock.
#include "port/Clock.h"
#include "port/Report.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, deleted on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::string Str() const { return path_.string(); }
    // Writes a file below the folder (creating sub-folders) and returns its full path.
    std::string Write(const std::string& relative, const std::string& contents) const;

private:
    std::filesystem::path path_;
};

std::string ReadWholeFile(const std::string& path);

// Records alerts instead of showing them and answers with a chosen button.
class RecordingReportSink : public ReportSink {
public:
    int ShowAlert(const AlertRequest& alert) override
    {
        alerts.push_back(alert);
        return answer;
    }
    std::vector<AlertRequest> alerts;
    int answer = 0;
};

// Runs each test with the working folder, the Resources folder and XDG_CONFIG_HOME in
// temporary folders, a manual clock, and alerts recorded rather than shown.
class SandboxTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Copies the shipped data tree of the build into the sandbox's Resources folder.
    void CopyShippedData() const;

    TempDir work;       // working folder
    TempDir resources;  // Resources folder (holds data/)
    TempDir config;     // XDG_CONFIG_HOME
    GManualClock clock {1000};
    RecordingReportSink reports;

private:
    std::filesystem::path oldCwd_;
};

// The build's runnable tree (executable, data/, debugdata/).
inline std::string GameDir() { return AMP_GAME_DIR; }
inline std::string SourceDir() { return AMP_SOURCE_DIR; }
