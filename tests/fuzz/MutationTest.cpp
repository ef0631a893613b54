// Thousands of seeded random mutations of valid textures and per-user files through the
// game's own readers: nothing may crash, stop the program, hang, or cost more than a small
// multiple of the file's own size. The sanitizer build runs the same cases.
#include "dds/DDSDecoder.h"
#include "dds/DdsTestFiles.h"
#include "engine/GProfileStore.h"
#include "engine/GTranslation.h"
#include "engine/IniLoader.h"
#include "engine/PrivateProfile.h"
#include "engine/StringManager.h"
#include "fuzz/AllocationTracker.h"
#include "port/Paths.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<uint8_t>;

// Random edits of a file's bytes and lines, from one fixed seed.
class Mutator {
public:
    explicit Mutator(uint32_t seed) : rng_(seed) {}

    size_t Below(size_t n) { return n ? std::uniform_int_distribution<size_t>(0, n - 1)(rng_) : 0; }
    bool OneIn(size_t n) { return Below(n) == 0; }

    // One to six byte edits; header words (the first `headerBytes`) get extra attention.
    Bytes MutateBytes(Bytes b, size_t headerBytes)
    {
        static const uint32_t words[] = {0,          1,          2,          3,          4,     124,
                                         0x1000,     16384,      16385,      65535,      65536, 0x7FFFFFFF,
                                         0x80000000, 0xFFFFFFFF, 0xFFFFFFFE, 0x20534444, 0x31545844};
        static const uint8_t bytes[] = {0, 1, 0x7F, 0x80, 0xFF, '=', '[', ']', '\\', '\n', '\t', '"', '-'};
        for (size_t edits = 1 + Below(6); edits > 0; --edits) {
            switch (Below(7)) {
            case 0:
                if (!b.empty())
                    b[Below(b.size())] ^= uint8_t(1u << Below(8));
                break;
            case 1:
                if (!b.empty())
                    b[Below(b.size())] = bytes[Below(std::size(bytes))];
                break;
            case 2:
            case 3: {
                size_t limit = std::min(b.size(), headerBytes ? headerBytes : b.size());
                if (limit >= 4)
                    PutDdsWord(b, Below(limit / 4) * 4, words[Below(std::size(words))]);
                break;
            }
            case 4:
                b.resize(Below(b.size() + 1));
                break;
            case 5:
                for (size_t n = Below(64); n > 0; --n)
                    b.push_back(uint8_t(Below(256)));
                break;
            default:
                if (!b.empty()) {
                    size_t from = Below(b.size()), len = Below(b.size() - from + 1), to = Below(b.size() + 1);
                    Bytes chunk(b.begin() + long(from), b.begin() + long(from + len));
                    b.insert(b.begin() + long(to), chunk.begin(), chunk.end());
                }
            }
        }
        return b;
    }

    // One to four line edits: lines dropped, doubled, swapped or joined, numbers made
    // absurd, values at and around the readers' 2,047-character limit, zero bytes. A new
    // line starts with `linePrefix`; `backslash` is how the file writes a backslash.
    std::string MutateLines(const std::string& text, const std::string& linePrefix, const std::string& backslash)
    {
        std::vector<std::string> lines;
        for (size_t start = 0; start < text.size();) {
            size_t end = std::min(text.find('\n', start), text.size());
            lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        for (size_t edits = 1 + Below(4); edits > 0; --edits) {
            size_t at = Below(lines.size() + 1);
            switch (Below(8)) {
            case 0:
                if (at < lines.size())
                    lines.erase(lines.begin() + long(at));
                break;
            case 1:
                if (at < lines.size())
                    lines.insert(lines.begin() + long(at), lines[at]);
                break;
            case 2:
                if (lines.size() >= 2)
                    std::swap(lines[Below(lines.size())], lines[Below(lines.size())]);
                break;
            case 3:
                if (at + 1 < lines.size()) {
                    lines[at] += lines[at + 1];
                    lines.erase(lines.begin() + long(at + 1));
                }
                break;
            case 4:
                lines.insert(lines.begin() + long(at), linePrefix + LongValue(backslash));
                break;
            case 5:
                if (at < lines.size())
                    lines[at] += LongValue(backslash);
                break;
            case 6: {
                static const char* const numbers[] = {"-2000000000", "-99999999999999999999", "-1001", "-1000",
                                                      "2147483648",  "-",                     "-0",    "0"};
                if (at < lines.size())
                    lines[at] += numbers[Below(std::size(numbers))];
                break;
            }
            default:
                if (at < lines.size())
                    lines[at].insert(Below(lines[at].size() + 1), 1 + Below(3), '\0');
            }
        }
        std::string out;
        for (const std::string& line : lines)
            out += line + "\n";
        if (!out.empty() && OneIn(4))
            out.pop_back(); // a last line without its line end
        return out;
    }

private:
    // A value whose decoded length is near 2,047 characters, plain or built of "\=" pairs.
    std::string LongValue(const std::string& backslash)
    {
        size_t n = 2040 + Below(16);
        if (OneIn(2))
            return std::string(n, 'v');
        std::string escaped;
        for (size_t i = 0; i < n; ++i)
            escaped += backslash + "=";
        return escaped;
    }

    std::mt19937 rng_;
};

std::string AsText(const Bytes& b)
{
    return std::string(b.begin(), b.end());
}

Bytes AsBytes(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

// Small valid textures of every family the reader knows.
std::vector<Bytes> SeedTextures()
{
    auto withData = [](Bytes header, size_t bytes) {
        for (size_t i = 0; i < bytes; ++i)
            header.push_back(uint8_t(i * 37 + 11));
        return header;
    };
    return {
        withData(DdsHeader(8, 8, 0x4, "DXT1"), 4 * 8),
        withData(DdsHeader(8, 4, 0x4, "DXT3"), 2 * 16),
        withData(DdsHeader(5, 6, 0x4, "DXT5"), 4 * 16),
        withData(DdsHeader(4, 3, 0x41, nullptr, 32, 0xff0000, 0xff00, 0xff, 0xff000000), 4 * 3 * 4),
        withData(DdsHeader(3, 3, 0x41, nullptr, 16, 0x7c00, 0x3e0, 0x1f, 0x8000), 3 * 3 * 2),
        withData(DdsHeader(4, 2, 0x40, nullptr, 16, 0xf800, 0x7e0, 0x1f), 4 * 2 * 2),
        withData(DdsHeader(2, 5, 0x41, nullptr, 16, 0xf00, 0xf0, 0xf, 0xf000), 2 * 5 * 2),
        withData(DdsHeader(3, 4, 0x20, nullptr, 8, 0, 0, 0, 0, 4), 1024 + 4 * 4),
    };
}

// What one call may cost: the decoded picture is at most eight times its data, a crop at
// most as much again, and a stream is first read whole.
constexpr size_t kCostPerByte = 20;
constexpr size_t kCostAllowance = 64 * 1024;
// Far above what any of these small files takes, far below a damaged header's minute.
constexpr auto kSlowestCall = std::chrono::seconds(1);

class MutationTest : public SandboxTest {
protected:
    // Runs one read, measuring its cost against the input's size.
    template <typename Read>
    void Measure(size_t inputBytes, Read read)
    {
        AllocationTracker::Restart();
        size_t before = AllocationTracker::Live();
        auto start = Clock::now();
        read();
        auto took = Clock::now() - start;
        slowest = std::max(slowest, took);
        size_t cost = AllocationTracker::Peak() - before;
        mostPerByte = std::max(mostPerByte, double(cost) / double(inputBytes + 1));
        ASSERT_LE(cost, inputBytes * kCostPerByte + kCostAllowance) << "input of " << inputBytes << " bytes";
        ASSERT_LT(took, kSlowestCall) << "input of " << inputBytes << " bytes";
    }

    void TearDown() override
    {
        std::printf("slowest read %.3f ms, most heap per input byte %.1f\n",
                    std::chrono::duration<double, std::milli>(slowest).count(), mostPerByte);
        SandboxTest::TearDown();
    }

    Clock::duration slowest {};
    double mostPerByte = 0;
};

} // namespace

TEST_F(MutationTest, TexturesNeverCostMoreThanTheirSize)
{
    Mutator m(20240611);
    const std::vector<Bytes> seeds = SeedTextures();
    int accepted = 0;
    for (int i = 0; i < 6000; ++i) {
        const Bytes& seed = seeds[size_t(i) % seeds.size()];
        Bytes file = m.MutateBytes(seed, 128);
        DDSRect crop {int(m.Below(12)) - 2, int(m.Below(12)) - 2, int(m.Below(12)) - 2, int(m.Below(12)) - 2};
        const DDSRect* useCrop = m.OneIn(3) ? &crop : nullptr;
        bool fromStream = m.OneIn(4);
        bool ok = false;
        DDSImage img;
        Measure(file.size(), [&] {
            if (!fromStream) {
                ok = loadDDS(nullptr, file.data(), file.size(), img, useCrop);
                return;
            }
            FILE* f = std::tmpfile();
            std::fwrite(file.data(), 1, file.size(), f);
            std::rewind(f);
            ok = loadDDS(f, nullptr, 0, img, useCrop);
            std::fclose(f);
        });
        if (HasFatalFailure())
            FAIL() << "mutation " << i << " of seed " << i % int(seeds.size());
        if (ok) {
            ++accepted;
            ASSERT_GT(img.width, 0);
            ASSERT_GT(img.height, 0);
            ASSERT_EQ(img.rgba.size(), size_t(img.width) * size_t(img.height) * 4);
        } else {
            ASSERT_TRUE(img.rgba.empty());
        }
    }
    // The mutations must leave many files readable, or they test only the header check.
    EXPECT_GT(accepted, 600);
}

TEST_F(MutationTest, PlayersHintsFileNeverStopsTheGame)
{
    Mutator m(7);
    std::string seed = "[hints]\n";
    for (const char* key : {"intro", "first_gig", "rehearsal", "studio", "money_low", "fans", "album", "tour"})
        seed += std::string(key) + " = " + (m.OneIn(2) ? "1" : "0") + "\n";
    std::string user = GetUserFolder();
    fs::create_directories(user);
    int refused = 0;
    for (int i = 0; i < 1000; ++i) {
        std::string text = m.OneIn(2) ? m.MutateLines(seed, "shown = ", "\\") : AsText(m.MutateBytes(AsBytes(seed), 0));
        // A name of its own each time: the profile calls keep a parse while a file looks
        // unchanged, which a rewrite of the same size within one clock tick would defeat.
        std::string path = user + "/hints" + std::to_string(i) + ".txt";
        std::ofstream(path, std::ios::binary) << text;
        IniLoader shown;
        bool read = true;
        Measure(text.size(), [&] {
            read = shown.LoadUserSection("hints", path);
            for (const auto& entry : shown.GetEntries())
                (void)std::atoi(shown.GetValue(entry.key).c_str());
        });
        if (HasFatalFailure())
            FAIL() << "mutation " << i << ":\n" << text.substr(0, 400);
        if (!read) {
            ++refused;
            ASSERT_TRUE(fs::exists(path + ".bad"));
            ASSERT_EQ(shown.GetNumKeys(), 0);
        }
        fs::remove(path);
        fs::remove(path + ".bad");
    }
    EXPECT_GT(refused, 50);
    EXPECT_LT(refused, 950);
}

TEST_F(MutationTest, PlayersProfileStoreNeverStopsTheGame)
{
    Mutator m(99);
    resources.Write("data/config.muf", "[pref]\nSCREEN_WIDTH = 1024\n[config]\nIsWindowed = 1\nbuild = b7\n");
    resources.Write("data/lists.ini", "[vary]\n0 = plain\n1 = -2\n1-0 = first\n1-1 = second\n");
    resources.Write("data/strings.ini", "[strings]\nHELLO = Hello\n");
    const std::string seed = "# Amplivance profile store 1\n"
                             "data\\\\config.muf\tconfig\tIsWindowed\t0\n"
                             "data\\\\config.muf\tpref\tSCREEN_WIDTH\t800\n"
                             "data\\\\config.muf\tpref\tColour\t1,2,3,4\n"
                             "data/lists.ini\tvary\t1\t-3\n"
                             "data/lists.ini\tvary\t1-2\tthird\n"
                             "data/strings.ini\tstrings\tHELLO\tHi\\tthere\n"
                             "data/strings.ini\tstrings\t9LIVES\tdigit\n";
    const std::string path = GProfileStore::StorePath();
    fs::create_directories(fs::path(path).parent_path());
    struct Read {
        const char* file;
        const char* section;
    };
    const Read sections[] = {{"data\\config.muf", "config"}, {"data\\config.muf", "pref"},
                             {"data/lists.ini", "vary"},     {"data/strings.ini", "strings"}};
    int setAside = 0;
    for (int i = 0; i < 1000; ++i) {
        std::string text = m.OneIn(2) ? m.MutateLines(seed, "data\\\\config.muf\tconfig\tbuild\t", "\\\\") : AsText(m.MutateBytes(AsBytes(seed), 0));
        std::ofstream(path, std::ios::binary) << text;
        GetProfileStore()->Forget();
        Measure(text.size(), [&] {
            for (const Read& r : sections) {
                IniLoader loader;
                loader.LoadSection(r.section, r.file);
            }
            GetPrivateProfileInt("pref", "SCREEN_WIDTH", 0, "data\\config.muf");
            GetPrivateProfileFloat("config", "IsWindowed", 0.5f, "data\\config.muf");
            GetPrivateProfileRGBA("pref", "Colour", "data\\config.muf");
            StringManager lists;
            lists.SetDBFilename("data/lists.ini");
            for (int k = 0; k < 4; ++k)
                lists.GetString("vary", k);
            GTranslation::GetHashTable().LoadSection("strings", GTranslation::StringsFile);
        });
        if (HasFatalFailure())
            FAIL() << "mutation " << i << ":\n" << text.substr(0, 400);
        if (fs::exists(path + ".bad")) {
            ++setAside;
            fs::remove(path + ".bad");
        }
        fs::remove(path);
    }
    EXPECT_GT(setAside, 50);
    EXPECT_LT(setAside, 950);
}
