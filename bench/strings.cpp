// The string table's load (with the balance values' section beside it) and its lookup,
// over a generated strings.ini of 1,000 texts.
#include "engine/GTranslation.h"
#include "engine/IniLoader.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const int kTexts = 1000;

std::string KeyOf(int i)
{
    return std::string(1, char('A' + i % 26)) + "TEXT_KEY_" + std::to_string(i);
}

// A scratch folder with data/strings.ini and data/config.txt, made the working folder.
class Fixture {
public:
    Fixture()
    {
        folder_ = fs::temp_directory_path() / ("amp-bench-" + std::to_string(getpid()));
        fs::create_directories(folder_ / "data");
        fs::create_directories(folder_ / "config");
        setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
        fs::current_path(folder_);
        std::string strings = "[strings]\n";
        for (int i = 0; i < kTexts; ++i)
            strings += KeyOf(i) + " = The band plays <VENUE> tonight for <AMOUNT> fans, text " + std::to_string(i) + "\n";
        strings += "[MonthNames]\n";
        for (int i = 0; i < 12; ++i)
            strings += std::to_string(i) + " = Month " + std::to_string(i) + "\n";
        strings_ = strings;
        std::string config = "[config]\n";
        for (int i = 0; i < 400; ++i)
            config += "GV_VALUE_" + std::to_string(i) + " = " + std::to_string(i * 0.25) + "\n";
        config_ = config;
        Rewrite();
    }
    ~Fixture()
    {
        std::error_code ec;
        fs::current_path(fs::temp_directory_path(), ec);
        fs::remove_all(folder_, ec);
    }
    // New files (new inodes), so the profile calls parse them again.
    void Rewrite() const
    {
        Replace("data/strings.ini", strings_);
        Replace("data/config.txt", config_);
    }

private:
    void Replace(const std::string& name, const std::string& text) const
    {
        fs::path temp = folder_ / (name + ".new");
        std::ofstream(temp, std::ios::binary) << text;
        fs::rename(temp, folder_ / name);
    }
    fs::path folder_;
    std::string strings_, config_;
};

Fixture& GetFixture()
{
    static Fixture fixture;
    return fixture;
}

void BM_LoadStringTableAndConfig(benchmark::State& state)
{
    Fixture& fixture = GetFixture();
    for (auto _ : state) {
        state.PauseTiming();
        fixture.Rewrite();
        state.ResumeTiming();
        GHashTable table;
        table.LoadSection("strings", "data/strings.ini");
        IniLoader config;
        config.LoadSection("config", "data\\config.txt");
        benchmark::DoNotOptimize(table.GetNumEntries() + size_t(config.GetNumKeys()));
    }
}
BENCHMARK(BM_LoadStringTableAndConfig)->Unit(benchmark::kMillisecond);

void BM_GetString(benchmark::State& state)
{
    GetFixture();
    std::vector<std::string> keys;
    for (int i = 0; i < kTexts; i += 7)
        keys.push_back(KeyOf(i));
    keys.push_back("MISSING_KEY");
    GTranslation::GetString("warm up");
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GTranslation::GetString(keys[i]));
        i = (i + 1) % keys.size();
    }
}
BENCHMARK(BM_GetString);

void BM_GetValueName(benchmark::State& state)
{
    GetFixture();
    float v = 0.0f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GTranslation::GetValueName(v, "MonthNames"));
        v = v >= 1.0f ? 0.0f : v + 0.01f;
    }
}
BENCHMARK(BM_GetValueName);

} // namespace
