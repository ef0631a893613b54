// The end-of-day pass over a new game, and opening the simulation with the shipped data.
#include "port/Paths.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_SIM.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {
// Data from the build's runnable tree; user files (options written at Close) in a
// throw-away folder, never the player's own.
void UseBuildTree()
{
    static const std::string userHome =
        (std::filesystem::temp_directory_path() / "amp-bench-config").string();
    std::filesystem::create_directories(userHome);
    setenv("XDG_CONFIG_HOME", userHome.c_str(), 1);
    SetResourcesFolder(AMP_GAME_DIR);
}

void OpenWithShippedData()
{
    UseBuildTree();
    SIM_SIM::SetSeed(7);
    SIM_GetSim()->Open();
}

void BM_DayPass(benchmark::State& state)
{
    OpenWithShippedData();
    // A game long enough that the benchmark never reaches its end.
    SIM_GetGlobalVariables()->Set("GAME_DURATION_YEARS", 1000000.0f);
    SIM_GetSim()->Reset();
    for (auto _ : state)
        SIM_GetSim()->Process();
}
BENCHMARK(BM_DayPass);

void BM_Open(benchmark::State& state)
{
    UseBuildTree();
    for (auto _ : state) {
        SIM_GetSim()->Close();
        SIM_GetSim()->Open();
    }
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond);
}
