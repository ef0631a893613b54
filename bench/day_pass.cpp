// The end-of-day pass over a new game, and opening the simulation with the shipped data.
#include "port/Paths.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Riza.h"
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
// The band's day: a full band of six with every relationship, recalculated and stepped.
void BM_BandStep(benchmark::State& state)
{
    OpenWithShippedData();
    SIM_GetGlobalVariables()->Set("GAME_DURATION_YEARS", 1000000.0f);
    SIM_GetGlobalVariables()->Set("RS_RESIGN_CONSIDER_THRESHOLD", -1.0f); // nobody leaves
    SIM_GetSim()->Reset();
    const INSTRUMENT lineUp[] = {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR,
                                 INSTRUMENT_KEYBOARD, INSTRUMENT_SAXOPHONE, INSTRUMENT_GUITAR};
    for (INSTRUMENT instrument : lineUp) {
        auto* m = new SIM_Musician;
        m->SetInstrument(instrument);
        m->SetAbility(0.5f, 0.8f);
        if (SIM_Personality* p = SIM_Personality::GetRandom())
            m->AddPersonality(p);
        SIM_GetBand()->AddMusician(m);
    }
    for (auto _ : state) {
        SIM_Relationship::NextDayAll();
        SIM_GetRiza()->RecalcAttributes();
        SIM_GetBand()->Recalculate();
        SIM_GetBand()->NextDay();
    }
    SIM_GetGlobalVariables()->Load();
}
BENCHMARK(BM_BandStep)->Unit(benchmark::kMicrosecond);
}
