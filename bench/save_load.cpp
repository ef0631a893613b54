// Saving and loading a game ten years into a busy career.
#include "BenchBand.h"
#include "career/SIM_Album.h"
#include "career/SIM_Song.h"
#include "port/Paths.h"
#include "savegame/SIM_LoadGame.h"
#include "savegame/SIM_SaveGame.h"
#include "savegame/SaveFormat.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_SIM.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {
// Data from the build's runnable tree; saves in a throw-away folder.
void Year10Career()
{
    static bool built = false;
    if (built)
        return;
    built = true;
    const std::string userHome = (std::filesystem::temp_directory_path() / "amp-bench-config").string();
    std::filesystem::create_directories(userHome);
    setenv("XDG_CONFIG_HOME", userHome.c_str(), 1);
    SetResourcesFolder(AMP_GAME_DIR);
    SIM_SIM::SetSeed(7);
    SIM_GetSim()->Open();
    SIM_GetGlobalVariables()->Set("GAME_DURATION_YEARS", 1000000.0f);
    SIM_GetSim()->Reset();
    HireBenchBand();
    // Ten years: a song a week, an album of eight a year.
    for (int day = 0; day < 10 * 84; ++day) {
        SIM_GetFinances()->AddCash(100.0f);
        if (day % 7 == 0)
            SIM_Song::CreateNew(0.6f)->SetName("Song " + std::to_string(day));
        if (day % 84 == 0 && SIM_Song::All.size() >= 8) {
            SIM_Album* album = SIM_Album::Create();
            album->SetTitle("Album " + std::to_string(day / 84));
            size_t added = 0;
            for (SIM_Song* s : SIM_Song::All)
                if (!s->GetAlbum() && added < 8) {
                    album->AddTrack(s);
                    ++added;
                }
            album->Release();
        }
        SIM_GetSim()->EndDay();
    }
    SIM_GetSaveGame()->SaveGame("bench");
    std::printf("year-10 save: %zu bytes\n", SIM_GetSaveGame()->Compose().size());
}

void BM_ComposeYear10(benchmark::State& state)
{
    Year10Career();
    for (auto _ : state)
        benchmark::DoNotOptimize(SIM_GetSaveGame()->Compose());
}
BENCHMARK(BM_ComposeYear10)->Unit(benchmark::kMillisecond);

void BM_SaveGameYear10(benchmark::State& state)
{
    Year10Career();
    for (auto _ : state)
        benchmark::DoNotOptimize(SIM_GetSaveGame()->SaveGame("bench"));
}
BENCHMARK(BM_SaveGameYear10)->Unit(benchmark::kMillisecond);

void BM_ParseYear10(benchmark::State& state)
{
    Year10Career();
    const std::string text = SIM_GetSaveGame()->Compose();
    for (auto _ : state) {
        SaveFormat::Document doc;
        benchmark::DoNotOptimize(doc.Parse(text));
    }
}
BENCHMARK(BM_ParseYear10)->Unit(benchmark::kMillisecond);

void BM_LoadGameYear10(benchmark::State& state)
{
    Year10Career();
    for (auto _ : state)
        benchmark::DoNotOptimize(SIM_GetLoadGame()->LoadGame("bench"));
}
BENCHMARK(BM_LoadGameYear10)->Unit(benchmark::kMillisecond);
}
