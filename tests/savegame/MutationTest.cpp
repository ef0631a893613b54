// Random byte and line mutations of a real save, read through the loader and the load
// menu's summary: never a crash, a sanitizer report, a hang or a second report.
#include "savegame/SaveGameFixture.h"
#include "support/TestSupport.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>

namespace {
std::string Mutate(std::string text, std::mt19937& rng)
{
    const auto pick = [&rng](size_t n) { return n ? static_cast<size_t>(rng() % n) : 0; };
    static const char interesting[] = "<>/\n&;#0123456789-.,e";
    const int count = 1 + static_cast<int>(rng() % 4);
    for (int i = 0; i < count && !text.empty(); ++i) {
        const size_t at = pick(text.size());
        switch (rng() % 8) {
        case 0: text[at] = static_cast<char>(rng()); break;
        case 1: text[at] = interesting[pick(sizeof interesting - 1)]; break;
        case 2: text.erase(at, 1 + pick(8)); break;
        case 3: text.insert(at, 1, interesting[pick(sizeof interesting - 1)]); break;
        case 4: text.resize(at); break;
        default: {
            // Whole lines: dropped, repeated or moved.
            const size_t start = text.rfind('\n', at) == std::string::npos ? 0 : text.rfind('\n', at) + 1;
            const size_t end = text.find('\n', at);
            if (end == std::string::npos)
                break;
            const std::string line = text.substr(start, end - start + 1);
            const int op = static_cast<int>(rng() % 3);
            if (op == 0) {
                text.erase(start, line.size());
            } else if (op == 1) {
                text.insert(start, line);
            } else {
                text.erase(start, line.size());
                const size_t to = text.find('\n', pick(text.size()));
                text.insert(to == std::string::npos ? text.size() : to + 1, line);
            }
        }
        }
    }
    return text;
}
}

TEST_F(SaveGameTest, RandomMutationsOfRealSavesNeverHarmTheGame)
{
    BuildCareer(11);
    const std::string good = Compose();
    std::filesystem::create_directories(SaveFormat::SaveGamesDir());
    std::mt19937 rng(20261211);
    // Bounded in time as well, so a sanitizer build stays within the test's limit.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(45);
    int runs = 0;
    int loaded = 0;
    for (; runs < 3000 && std::chrono::steady_clock::now() < deadline; ++runs) {
        const std::string text = Mutate(good, rng);
        std::ofstream(SaveFormat::SavePath("mutant"), std::ios::binary) << text;
        screens.Clear();
        const bool ok = SIM_GetLoadGame()->LoadGame("mutant");
        loaded += ok;
        SIM_GetLoadGame()->GetLoadConfig("mutant");
        ASSERT_LE(screens.Alerts().size(), 1u) << "run " << runs << ": " << screens.Alerts().back();
        if (!ok)
            continue;
        // What was loaded is a game that saves and loads again.
        const std::string again = Compose();
        ASSERT_TRUE(SIM_GetLoadGame()->LoadFromText(again)) << "run " << runs;
    }
    EXPECT_GT(runs, 200);
    EXPECT_GT(loaded, 0);
    EXPECT_LT(loaded, runs);
}
