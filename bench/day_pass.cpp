// The end-of-day pass over a new game, and opening the simulation with the shipped data.
#include "BenchBand.h"
#include "career/SIM_Album.h"
#include "career/SIM_CharityGigManager.h"
#include "career/SIM_Gig.h"
#include "career/SIM_Rehearsal.h"
#include "career/SIM_RehearsalVenue.h"
#include "career/SIM_Song.h"
#include "career/SIM_Venue.h"
#include "player/ScriptedPlayer.h"
#include "port/Paths.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_PlayerOptions.h"
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
    // The daily autosave has its own benchmark (bench_save_load); this one times the rules.
    SIM_GetPlayerOptions()->SetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE, false);
}

// A new game that never ends, with a band of six who never leave and 40 songs every member
// has rehearsed.
void StartBusyGame()
{
    OpenWithShippedData();
    SIM_GetGlobalVariables()->Set("GAME_DURATION_YEARS", 1000000.0f);
    SIM_GetGlobalVariables()->Set("RS_RESIGN_CONSIDER_THRESHOLD", -1.0f);
    SIM_GetSim()->Reset();
    HireBenchBand();
    while (SIM_Song::All.size() < 40)
        SIM_Song::CreateNew(0.5f)->SetName("Song " + std::to_string(SIM_Song::All.size()));
    SIM_GetBand()->ApplyToAttribute("band_rehearsal", 0.5f, 0.0f, "bench");
}

void BM_DayPass(benchmark::State& state)
{
    StartBusyGame();
    for (auto _ : state)
        SIM_GetSim()->Process();
    SIM_GetGlobalVariables()->Load();
}
BENCHMARK(BM_DayPass);

// Year ten of a career: 120 songs, six released albums with years of weekly sales each,
// a gig booked far ahead and a charity offer every day.
void BM_DayPassYearTen(benchmark::State& state)
{
    StartBusyGame();
    while (SIM_Song::All.size() < 120)
        SIM_Song::CreateNew(0.5f)->SetName("Song " + std::to_string(SIM_Song::All.size()));
    for (int a = 0; a < 6; ++a) {
        SIM_Album* album = SIM_Album::Create();
        for (int t = 0; t < 10; ++t)
            album->AddTrack(SIM_Song::All[static_cast<size_t>(a * 10 + t)]);
        album->SetProductionQuality(0.6f);
        album->Release();
        album->SetWeeksSinceRelease(60 * (6 - a));
    }
    if (!SIM_Venue::All.empty()) {
        auto* gig = new SIM_Gig(SIM_Venue::All.front(), SIM_Gig::NORMAL);
        gig->Book();
        SIM_Date far(0, 0, SIM_Date::PPresentDay->GetYear() + 1000);
        gig->GetDate().Set(&far);
    }
    SIM_GetGlobalVariables()->Set("RS_CHARITY_GIG_CHANCE", 1.0f);
    for (int day = 0; day < 7; ++day) // a week round, so the weekly sales are in the average
        SIM_GetSim()->Process();
    for (auto _ : state)
        SIM_GetSim()->Process();
    SIM_GetGlobalVariables()->Load();
}
BENCHMARK(BM_DayPassYearTen)->Unit(benchmark::kMicrosecond);

// Year ten of a twenty-year career played by the sensible scripted player: the state the
// player's own choices built (line-up, songs, albums, assets, booked gigs, deal).
void BM_DayPassPlayedYearTen(benchmark::State& state)
{
    UseBuildTree();
    SIM_GetSim()->Close();
    CareerOptions options;
    options.seed = 7;
    options.strategy = PlayerStrategy::Sensible;
    options.years = 20.0f;
    options.stopAfterDays = 10 * SIM_Date::DaysPerYear;
    ScriptedPlayer player(options);
    player.Play();
    // Later days run on from the same state; the career's end is far enough away.
    for (auto _ : state)
        SIM_GetSim()->Process();
    state.counters["songs"] = static_cast<double>(SIM_Song::All.size());
    state.counters["albums"] = static_cast<double>(SIM_Album::All.size());
    SIM_GetSim()->Close();
}
BENCHMARK(BM_DayPassPlayedYearTen)->Unit(benchmark::kMicrosecond)->Iterations(500);

// A rehearsal day of six members over 40 songs (the list of rehearsals is emptied as it
// goes, as a new game would).
void BM_Rehearsal(benchmark::State& state)
{
    StartBusyGame();
    SIM_GetGlobalVariables()->Set("RS_LAZY_REHEARSAL_CHANCE", 0.0f);
    for (auto _ : state) {
        SIM_Rehearsal::Create(SIM_RehearsalVenue::All.front());
        SIM_Rehearsal::Close();
    }
    SIM_GetGlobalVariables()->Load();
}
BENCHMARK(BM_Rehearsal)->Unit(benchmark::kMicrosecond);

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
    StartBusyGame();
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
