// Checks every shipped INI and CSV file under data/ against what the engine's readers
// accept, so a data mistake fails here rather than in front of a player. New files and
// tables are picked up automatically; a table whose readers need more than two cells per
// row adds itself to kTableMinimumCells.
#include "engine/GProfileStore.h"
#include "engine/GTranslation.h"
#include "engine/IniLoader.h"
#include "iniparser/iniparser.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

// Cells every row of a table must have (the "#" marker cell included), as its loader
// reads them. Tables not listed need two.
const std::map<std::string, size_t> kTableMinimumCells = {
    // {"simulation/venues.csv", 12},
    {"simulation/personalities.csv", 4},
    {"simulation/song_elements.csv", 6},
    {"simulation/rehearsals.csv", 10},
    {"simulation/relax.csv", 7},
};

const size_t kMaxIniLine = 2047;   // a line, its line end included
const size_t kMaxKey = 255;
const size_t kMaxValue = 2046;
const size_t kMaxCsvLine = 2046;   // a row, its line end included

fs::path DataDir()
{
    return fs::path(SourceDir()) / "data";
}

std::string Relative(const fs::path& p)
{
    return fs::relative(p, DataDir()).generic_string();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string WithoutLineEnd(std::string line)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return line;
}

// A .txt file is an INI file when its first meaningful line is a section line.
bool LooksLikeIni(const fs::path& p)
{
    std::string ext = p.extension().string();
    if (ext == ".ini" || ext == ".muf")
        return true;
    if (ext != ".txt")
        return false;
    for (const std::string& raw : Lines(ReadWholeFile(p.string()))) {
        IniLine line = iniparser_parse_line(raw);
        if (line.kind == INI_LINE_COMMENT)
            continue;
        return line.kind == INI_LINE_SECTION;
    }
    return false;
}

std::vector<fs::path> DataFiles(bool (*accept)(const fs::path&))
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(DataDir()))
        if (entry.is_regular_file() && accept(entry.path()))
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

bool IsCsv(const fs::path& p)
{
    return p.extension() == ".csv";
}

bool IsText(const fs::path& p)
{
    std::string ext = p.extension().string();
    return ext == ".ini" || ext == ".muf" || ext == ".txt" || ext == ".csv";
}

bool IsNumber(const std::string& s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// "3" or "3-1" (an entry of a variation).
bool IsNumberedKey(const std::string& key)
{
    size_t dash = key.find('-');
    if (dash == std::string::npos)
        return IsNumber(key);
    return IsNumber(key.substr(0, dash)) && IsNumber(key.substr(dash + 1));
}

struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys; // in file order
};

// Parses a file line by line, reporting every line the parser would skip or truncate.
std::vector<Section> ReadIni(const fs::path& path, std::vector<std::string>& problems)
{
    std::vector<Section> sections(1); // keys before the first section
    std::string where = Relative(path);
    std::vector<std::string> lines = Lines(ReadWholeFile(path.string()));
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string at = where + ":" + std::to_string(i + 1) + ": ";
        if (lines[i].size() > kMaxIniLine)
            problems.push_back(at + "line longer than " + std::to_string(kMaxIniLine) + " characters");
        IniLine line = iniparser_parse_line(lines[i]);
        if (line.kind == INI_LINE_IGNORED)
            problems.push_back(at + "line is neither comment, section nor key = value: " + WithoutLineEnd(lines[i]));
        if (line.kind == INI_LINE_SECTION) {
            if (line.name != WithoutLineEnd(line.name) || lines[i].find(']') == std::string::npos)
                problems.push_back(at + "section line without \"]\"");
            for (const Section& s : sections)
                if (s.name == line.name)
                    problems.push_back(at + "section [" + line.name + "] appears twice");
            sections.push_back(Section {line.name, {}});
        }
        if (line.kind != INI_LINE_VALUE)
            continue;
        if (line.name.size() > kMaxKey)
            problems.push_back(at + "key longer than " + std::to_string(kMaxKey) + " characters");
        if (line.value.size() > kMaxValue)
            problems.push_back(at + "value longer than " + std::to_string(kMaxValue) + " characters");
        for (const auto& kv : sections.back().keys)
            if (kv.first == line.name)
                problems.push_back(at + "key " + line.name + " appears twice in its section");
        // The section readers drop "=" and double quotes that no "\" keeps.
        if (line.value.find('\\') == std::string::npos && line.value.find_first_of("=\"") != std::string::npos)
            problems.push_back(at + "value holds \"=\" or a double quote without \"\\\": " + line.value);
        sections.back().keys.emplace_back(line.name, line.value);
    }
    return sections;
}

void CheckSectionNames(const std::string& where, const std::vector<Section>& sections, std::vector<std::string>& problems)
{
    for (const Section& a : sections)
        for (const Section& b : sections) {
            if (a.name.empty() || &a == &b || a.name.size() >= b.name.size())
                continue;
            if (b.name.compare(b.name.size() - a.name.size(), a.name.size(), a.name) == 0)
                problems.push_back(where + ": section [" + a.name + "] is a suffix of [" + b.name + "]");
        }
}

void CheckKeys(const std::string& where, const Section& section, std::vector<std::string>& problems)
{
    bool numbered = !section.keys.empty() &&
                    std::all_of(section.keys.begin(), section.keys.end(),
                                [](const auto& kv) { return IsNumberedKey(kv.first); });
    std::string in = where + " [" + section.name + "]: ";
    if (!numbered) {
        // Balance keys named from data rows begin with '_' ("_REHEARSAL_DEGRADE").
        const bool underscoreAllowed = where == "config.txt";
        for (const auto& [key, value] : section.keys)
            if (key[0] != '/' && !std::isalpha(static_cast<unsigned char>(key[0])) &&
                !(underscoreAllowed && key[0] == '_'))
                problems.push_back(in + "key " + key + " does not begin with a letter");
        return;
    }
    std::set<std::string> keys;
    for (const auto& kv : section.keys)
        keys.insert(kv.first);
    size_t entries = 0;
    for (const auto& kv : section.keys)
        entries += IsNumber(kv.first) ? 1 : 0;
    for (size_t i = 0; i < entries; ++i) {
        std::string key = std::to_string(i);
        auto it = std::find_if(section.keys.begin(), section.keys.end(), [&](const auto& kv) { return kv.first == key; });
        if (it == section.keys.end()) {
            problems.push_back(in + "numbered keys have a gap at " + key);
            break;
        }
        if (it->second.size() >= 2 && it->second[0] == '-') {
            int count = std::atoi(it->second.c_str() + 1);
            for (int j = 0; j < count; ++j)
                if (!keys.count(key + "-" + std::to_string(j)))
                    problems.push_back(in + "variation " + key + " lacks key " + key + "-" + std::to_string(j));
        }
    }
}

bool IsUtf8Sequence(const std::string& text, size_t i)
{
    unsigned char c = static_cast<unsigned char>(text[i]);
    int follow = (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : 0;
    if (follow == 0 || i + size_t(follow) >= text.size())
        return false;
    for (int k = 1; k <= follow; ++k)
        if ((static_cast<unsigned char>(text[i + size_t(k)]) & 0xC0) != 0x80)
            return false;
    return true;
}

std::string Report(const std::vector<std::string>& problems)
{
    std::string out;
    for (const std::string& p : problems)
        out += "  " + p + "\n";
    return out;
}

} // namespace

TEST(DataContentTest, IniFilesParseWithinTheEnginesLimits)
{
    std::vector<std::string> problems;
    std::vector<fs::path> files = DataFiles(LooksLikeIni);
    ASSERT_FALSE(files.empty());
    for (const fs::path& path : files) {
        std::vector<Section> sections = ReadIni(path, problems);
        CheckSectionNames(Relative(path), sections, problems);
        for (const Section& s : sections)
            CheckKeys(Relative(path), s, problems);
    }
    EXPECT_TRUE(problems.empty()) << Report(problems);
}

TEST(DataContentTest, TableRowsHaveTheCellsTheirReadersRead)
{
    std::vector<std::string> problems;
    for (const fs::path& path : DataFiles(IsCsv)) {
        std::string where = Relative(path);
        auto listed = kTableMinimumCells.find(where);
        size_t minimum = listed == kTableMinimumCells.end() ? 2 : listed->second;
        std::vector<std::string> lines = Lines(ReadWholeFile(path.string()));
        for (size_t i = 0; i < lines.size(); ++i) {
            const std::string& row = lines[i];
            if (row.empty() || row[0] != '#')
                continue;
            std::string at = where + ":" + std::to_string(i + 1) + ": ";
            if (row.size() > kMaxCsvLine)
                problems.push_back(at + "row longer than " + std::to_string(kMaxCsvLine) + " characters");
            size_t cells = 1;
            bool inQuotes = false;
            for (char c : row) {
                if (c == '"')
                    inQuotes = !inQuotes;
                else if (c == ',' && !inQuotes)
                    ++cells;
            }
            if (inQuotes)
                problems.push_back(at + "quote left open");
            if (cells < minimum)
                problems.push_back(at + std::to_string(cells) + " cells, its reader reads " + std::to_string(minimum));
        }
    }
    for (const auto& [file, cells] : kTableMinimumCells)
        if (!fs::exists(DataDir() / file))
            problems.push_back(file + ": listed table is not shipped");
    EXPECT_TRUE(problems.empty()) << Report(problems);
}

TEST(DataContentTest, TextIsSingleByte)
{
    std::vector<std::string> problems;
    for (const fs::path& path : DataFiles(IsText)) {
        std::string text = ReadWholeFile(path.string());
        for (size_t i = 0; i < text.size(); ++i) {
            if (static_cast<unsigned char>(text[i]) >= 0x80 && IsUtf8Sequence(text, i)) {
                problems.push_back(Relative(path) + ": UTF-8 text at byte " + std::to_string(i) +
                                   " (write single-byte text)");
                break;
            }
        }
    }
    std::string strings = ReadWholeFile((DataDir() / "strings.ini").string());
    for (size_t i = 0; i < strings.size(); ++i)
        if (static_cast<unsigned char>(strings[i]) >= 0x80) {
            problems.push_back("strings.ini: byte " + std::to_string(i) + " is not ASCII");
            break;
        }
    EXPECT_TRUE(problems.empty()) << Report(problems);
}

// The shipped files as the game reads them, through the real readers.
class ShippedDataTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        GetProfileStore()->Forget();
        fs::copy(DataDir(), resources.Path() / "data", fs::copy_options::recursive);
    }
};

TEST_F(ShippedDataTest, DisplayAndBuildSettings)
{
    IniLoader pref;
    pref.LoadSection("pref", "data\\config.muf");
    EXPECT_EQ(pref.GetValueI("SCREEN_WIDTH"), 1024);
    EXPECT_EQ(pref.GetValueI("SCREEN_HEIGHT"), 768);
    EXPECT_EQ(pref.GetValueI("ColorDepth"), 32);
    IniLoader config;
    config.LoadSection("config", "data\\config.muf");
    EXPECT_TRUE(config.HasValue("IsWindowed"));
    EXPECT_TRUE(config.HasValue("SafeMode"));
    EXPECT_FALSE(config.GetValue("build").empty());
}

TEST_F(ShippedDataTest, StringTableAndNumberedSections)
{
    GTranslation::GetString("OK");
    const GHashTable& table = GTranslation::GetHashTable();
    EXPECT_GT(table.GetNumEntries(), 0u);
    IniLoader strings;
    strings.LoadSection("strings", "data/strings.ini");
    for (const auto& kv : strings.GetEntries())
        EXPECT_STREQ(GTranslation::GetString(kv.key), kv.value.c_str()) << kv.key;

    EXPECT_EQ(GTranslation::GetLoader("MonthNames", "data/strings.ini")->GetNumKeys(), 12);
    EXPECT_EQ(GTranslation::GetLoader("days", "data/strings.ini")->GetNumKeys(), 7);
}
