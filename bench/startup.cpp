// Start-up time and peak memory of the real game, each run a fresh process.
//
// Runs on a display (SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1280x1024x24"
// build/default/bench/bench_startup).
//   BM_StartToMainMenu   the time from the spawn of a new game process to its first
//                        main-menu frame presented (the program loaded, the window and GL
//                        context made, the data read, the fonts built, the loading screen
//                        drawn, the first menu frame drawn and flipped). The Time column.
// Counters:
//   main_to_menu_ms      the same (mean of the runs), from main's first line (the program's loading left out)
//   rss_menu_MB          peak resident memory (mean) when the first menu frame is on screen
//   rss_game_MB          peak resident memory (highest run) after the new-game menu, a new game and
//                        three seconds of the main screen at the game's own pace
//
// Each run spawns this program again; the child (told by AMP_STARTUP_CHILD) starts the game
// as its entry does, in the runnable tree, with a user folder of its own, and writes its
// figures to the file named there.
#include "engine/gfx/MainWindow.h"
#include "port/Paths.h"
#include "shell/Game.h"
#include "shell/WinMain.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

int64_t NowNs() { return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count(); }

double PeakRssMB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

struct ChildFigures {
    int64_t menuAtNs = 0;  // steady clock when the first menu frame was presented
    double mainToMenuMs = 0.0;
    double rssMenuMB = 0.0;
    double rssGameMB = 0.0;
};

// The child: the game as its entry starts it, then a new game.
int RunChild(const char* resultPath)
{
    const int64_t mainAt = NowNs();
    if (chdir(AMP_GAME_DIR) != 0)
        return 2;
    // This program lives outside the game's folder: point the game at its own data, or
    // every picture in a subfolder goes missing and the start looks cheaper than it is.
    SetResourcesFolder(AMP_GAME_DIR);
    InstallInteractiveAlerts();
    if (!StartApplication())
        return 3;
    Game* game = GetGame();
    if (game->GetCurrentMode() != game->GetModeObject(Game::MODE_MAINMENU))
        return 4;
    TimerLoop(); // the frame loop's first tick, at once: the first menu frame
    ChildFigures f;
    f.menuAtNs = NowNs();
    f.mainToMenuMs = double(f.menuAtNs - mainAt) / 1e6;
    f.rssMenuMB = PeakRssMB();

    // Through the new-game menu into a new game and its main screen, at 30 frames a second.
    auto frames = [](int count) {
        for (int i = 0; i < count; ++i) {
            TimerLoop();
            std::this_thread::sleep_for(std::chrono::milliseconds(33));
        }
    };
    game->SetGameMode(Game::MODE_NEWGAME);
    frames(20);
    game->StartNewGame();
    frames(90);
    if (game->GetCurrentMode() != game->GetModeObject(Game::MODE_GUI))
        return 5;
    f.rssGameMB = PeakRssMB();

    std::ofstream out(resultPath);
    out << f.menuAtNs << ' ' << f.mainToMenuMs << ' ' << f.rssMenuMB << ' ' << f.rssGameMB << '\n';
    out.close();
    std::fflush(nullptr);
    _exit(out ? 0 : 6); // the game's singletons are never freed: no orderly exit needed
}

// The game logs a picture or sound it could not find and carries on: a start that missed
// some would be timed doing less than the game does. False (with the line) when one did.
bool LogIsClean(std::string& error)
{
    std::ifstream log(GetUserFolder() + "/debugdata/debug.txt");
    for (std::string line; std::getline(log, line);)
        if (line.find("Failed") != std::string::npos || line.find("error") != std::string::npos) {
            error = "the game child logged: " + line;
            return false;
        }
    return true;
}

// Spawns one child and reads its figures; false (with the reason) when it failed.
bool SpawnOnce(const std::string& resultPath, int64_t& spawnedAtNs, ChildFigures& f, std::string& error)
{
    std::filesystem::remove(resultPath);
    setenv("AMP_STARTUP_CHILD", resultPath.c_str(), 1);
    char self[] = "/proc/self/exe";
    char* argv[] = {self, nullptr};
    pid_t pid = 0;
    spawnedAtNs = NowNs();
    if (posix_spawn(&pid, "/proc/self/exe", nullptr, nullptr, argv, environ) != 0) {
        error = "posix_spawn failed";
        return false;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    unsetenv("AMP_STARTUP_CHILD");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        error = "the game child failed, status " + std::to_string(status);
        return false;
    }
    if (!LogIsClean(error))
        return false;
    std::ifstream in(resultPath);
    if (!(in >> f.menuAtNs >> f.mainToMenuMs >> f.rssMenuMB >> f.rssGameMB)) {
        error = "no figures from the game child";
        return false;
    }
    return true;
}

void BM_StartToMainMenu(benchmark::State& state)
{
    // A user folder of the runs' own, so that a player's options and saves play no part.
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("amp_bench_startup_" + std::to_string(getpid()));
    std::filesystem::create_directories(home);
    setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    setenv("AMP_NONINTERACTIVE", "1", 1);
    const std::string resultPath = (home / "figures.txt").string();

    // One untimed run first: the user folder made, the files in the system's cache.
    int64_t spawnedAt = 0;
    ChildFigures f;
    std::string error;
    if (!SpawnOnce(resultPath, spawnedAt, f, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    double mainToMenu = 0.0, rssMenu = 0.0, rssGame = 0.0;
    for (auto _ : state) {
        if (!SpawnOnce(resultPath, spawnedAt, f, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
        state.SetIterationTime(double(f.menuAtNs - spawnedAt) / 1e9);
        mainToMenu += f.mainToMenuMs;
        rssMenu += f.rssMenuMB;
        rssGame = std::max(rssGame, f.rssGameMB);
    }
    const double runs = double(state.iterations() ? state.iterations() : 1);
    state.counters["main_to_menu_ms"] = mainToMenu / runs;
    state.counters["rss_menu_MB"] = rssMenu / runs;
    state.counters["rss_game_MB"] = rssGame;
    std::filesystem::remove_all(home);
}

BENCHMARK(BM_StartToMainMenu)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (const char* resultPath = std::getenv("AMP_STARTUP_CHILD"))
        return RunChild(resultPath);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
