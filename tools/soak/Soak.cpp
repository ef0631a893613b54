// Plays many whole careers headless with the scripted player and prints a line per career
// and the totals: reports, invariant breaks, crashes, stages reached, deals signed, the
// highest cash and fame.
//   amp_soak [careers=100] [years=20] [strategy=sensible|reckless|idle|all] [first seed=1] [trace]
// With "trace", one career (the first seed) is played and its yearly figures printed.
#include "player/ScriptedPlayer.h"

#include "port/Paths.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Totals {
    int careers = 0;
    int crashes = 0;
    int reports = 0;
    int breaks = 0;
    int stages[4] = {};
    int signedCount = 0;
    float maxCash = 0.0f;
    float maxFame = 0.0f;
    float minCash = 0.0f;
    double stageDays[4] = {};
    long gigs = 0;
    long albums = 0;
};

// One career in a child process, so that a crash is counted rather than ending the soak;
// the summary comes back through a pipe.
bool RunIsolated(const CareerOptions& options, CareerSummary& out, std::string& firstProblem)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        const CareerSummary s = PlayCareer(options);
        std::string text = s.Line() + "\n";
        char nums[256];
        std::snprintf(nums, sizeof nums, "%d %d %d %d %d %d %d %g %g %g %g %g %d %d %zu %d\n", s.days, s.stage,
                      s.stageDay[1], s.stageDay[2], s.stageDay[3], s.isSigned ? 1 : 0, s.gigs, s.cash, s.maxCash, s.minCash,
                      s.fame, s.maxFame, s.albums, s.invariantBreakCount, s.reports.size(), s.resignations);
        text += nums;
        text += s.reports.empty() ? "" : s.reports.front();
        text += "\n";
        text += s.invariantBreaks.empty() ? "" : s.invariantBreaks.front();
        text += "\n";
        for (size_t off = 0; off < text.size();) {
            const ssize_t n = write(fds[1], text.data() + off, text.size() - off);
            if (n <= 0)
                break;
            off += static_cast<size_t>(n);
        }
        close(fds[1]);
        _exit(0);
    }
    close(fds[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    if (lines.size() < 4)
        return false;
    out.seed = options.seed;
    out.strategy = options.strategy;
    int isSigned = 0;
    size_t reports = 0;
    std::sscanf(lines[1].c_str(), "%d %d %d %d %d %d %d %g %g %g %g %g %d %d %zu %d", &out.days, &out.stage,
                &out.stageDay[1], &out.stageDay[2], &out.stageDay[3], &isSigned, &out.gigs, &out.cash, &out.maxCash,
                &out.minCash, &out.fame, &out.maxFame, &out.albums, &out.invariantBreakCount, &reports, &out.resignations);
    out.isSigned = isSigned != 0;
    out.reports.assign(reports, "");
    if (reports)
        out.reports.front() = lines[2];
    if (out.invariantBreakCount)
        out.invariantBreaks.push_back(lines[3]);
    std::printf("%s\n", lines[0].c_str());
    if (firstProblem.empty() && !lines[2].empty())
        firstProblem = "seed " + std::to_string(options.seed) + " " + lines[2];
    if (firstProblem.empty() && !lines[3].empty())
        firstProblem = "seed " + std::to_string(options.seed) + " " + lines[3];
    return true;
}

PlayerStrategy ParseStrategy(const std::string& word)
{
    if (word == "reckless")
        return PlayerStrategy::Reckless;
    if (word == "idle")
        return PlayerStrategy::Idle;
    return PlayerStrategy::Sensible;
}

void PrintTotals(const char* name, const Totals& t)
{
    if (!t.careers)
        return;
    std::printf("%-8s careers %d crashes %d reports %d invariant breaks %d | stage reached: dreamer %d amateur %d gigging %d "
                "signed %d | signed %d/%d | mean day reached: gigging %.0f signed %.0f | max cash %.0f min cash %.0f max fame %.1f | "
                "gigs/career %.0f albums/career %.1f\n",
                name, t.careers, t.crashes, t.reports, t.breaks, t.stages[0], t.stages[1], t.stages[2], t.stages[3],
                t.signedCount, t.careers, t.stages[2] + t.stages[3] ? t.stageDays[2] / (t.stages[2] + t.stages[3]) : 0.0,
                t.stages[3] ? t.stageDays[3] / t.stages[3] : 0.0, t.maxCash, t.minCash, t.maxFame,
                static_cast<double>(t.gigs) / t.careers, static_cast<double>(t.albums) / t.careers);
}

} // namespace

int main(int argc, char** argv)
{
    const int careers = argc > 1 ? std::atoi(argv[1]) : 100;
    const float years = argc > 2 ? static_cast<float>(std::atof(argv[2])) : 20.0f;
    const std::string which = argc > 3 ? argv[3] : "sensible";
    const unsigned firstSeed = argc > 4 ? static_cast<unsigned>(std::atoi(argv[4])) : 1u;

    // The game's data from the build tree; user files in a throw-away folder.
    const std::filesystem::path userHome = std::filesystem::temp_directory_path() / "amp-soak-config";
    std::filesystem::create_directories(userHome);
    setenv("XDG_CONFIG_HOME", userHome.c_str(), 1);
    SetResourcesFolder(AMP_GAME_DIR);

    // "trace": one career in this process, with its yearly lines.
    if (argc > 5 && std::string(argv[5]) == "trace") {
        const CareerSummary s = PlayCareer({firstSeed, ParseStrategy(which), years});
        for (const std::string& line : s.yearly)
            std::printf("%s\n", line.c_str());
        std::printf("%s\n", s.Line().c_str());
        for (const std::string& r : s.reports)
            std::printf("  %s\n", r.c_str());
        for (const std::string& b : s.invariantBreaks)
            std::printf("  %s\n", b.c_str());
        return s.Clean() ? 0 : 1;
    }

    std::vector<PlayerStrategy> strategies;
    if (which == "all")
        strategies = {PlayerStrategy::Sensible, PlayerStrategy::Reckless, PlayerStrategy::Idle};
    else
        strategies = {ParseStrategy(which)};

    const auto start = std::chrono::steady_clock::now();
    bool clean = true;
    for (PlayerStrategy strategy : strategies) {
        Totals t;
        std::string firstProblem;
        for (int i = 0; i < careers; ++i) {
            const CareerOptions options {firstSeed + static_cast<unsigned>(i), strategy, years};
            CareerSummary s;
            ++t.careers;
            if (!RunIsolated(options, s, firstProblem)) {
                ++t.crashes;
                std::printf("seed %5u %-8s CRASHED\n", options.seed, StrategyName(strategy));
                continue;
            }
            t.reports += static_cast<int>(s.reports.size());
            t.breaks += s.invariantBreakCount;
            ++t.stages[std::clamp(s.stage, 0, 3)];
            for (int st = 2; st < 4; ++st)
                if (s.stageDay[st] >= 0)
                    t.stageDays[st] += s.stageDay[st];
            t.signedCount += s.isSigned;
            t.maxCash = std::max(t.maxCash, s.maxCash);
            t.minCash = std::min(t.minCash, s.minCash);
            t.maxFame = std::max(t.maxFame, s.maxFame);
            t.gigs += s.gigs;
            t.albums += s.albums;
            std::fflush(stdout);
        }
        PrintTotals(StrategyName(strategy), t);
        if (!firstProblem.empty())
            std::printf("  first problem: %s\n", firstProblem.c_str());
        clean = clean && t.crashes == 0 && t.reports == 0 && t.breaks == 0;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%d careers of %.0f years per strategy in %.1f s\n", careers, years, seconds);
    return clean ? 0 : 1;
}
