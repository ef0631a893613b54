#include "support/TestSupport.h"

#include "port/Paths.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

TempDir::TempDir()
{
    static std::mt19937_64 gen {std::random_device {}()};
    for (;;) {
        path_ = fs::temp_directory_path() / ("amp-test-" + std::to_string(gen()));
        std::error_code ec;
        if (fs::create_directory(path_, ec))
            break;
    }
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string TempDir::Write(const std::string& relative, const std::string& contents) const
{
    fs::path p = path_ / relative;
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out << contents;
    return p.string();
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void SandboxTest::SetUp()
{
    oldCwd_ = fs::current_path();
    fs::current_path(work.Path());
    SetResourcesFolder(resources.Str());
    setenv("XDG_CONFIG_HOME", config.Str().c_str(), 1);
    SetClockSource(&clock);
    SetReportSink(&reports);
}

void SandboxTest::TearDown()
{
    SetReportSink(nullptr);
    SetClockSource(nullptr);
    SetResourcesFolder("");
    fs::current_path(oldCwd_);
}

void SandboxTest::CopyShippedData() const
{
    fs::copy(fs::path(GameDir()) / "data", resources.Path() / "data",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}
