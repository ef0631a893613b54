// The shipped asset catalogue, checked row by row as the game reads it, and against the
// rules other parts of the game rely on: the names they test, what the shop can sell and
// what can be sold back without leaving an effect behind.
#include "career/SIM_Asset.h"
#include "engine/CSpreadsheet.h"
#include "engine/IniLoader.h"
#include "sim/SimFixture.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <vector>

namespace {

// One catalogue row cut into its parts.
struct AssetRow {
    std::string at; // where it is, for messages
    std::vector<std::string> cells; // from the kind on, the marker dropped
    std::string kind, name, store, texture, sound, group, assignee;
    std::set<std::string> flags;
    std::vector<std::string> own, modifiers;
    bool ended = false;
    bool Has(const char* flag) const { return flags.count(flag) > 0; }
};

const std::map<std::string, size_t> kOwnCells = {
    {"instrument", 1}, {"stage_equipment", 2}, {"merchandise", 3}, {"video", 2}, {"recorded_music", 2}, {"general", 0},
};
const std::set<std::string> kStores = {"instruments", "lighting", "effects", "music", "merchandise", "staff", "general"};
const std::set<std::string> kFlags = {"DESIRABLE", "STEALABLE", "SELLABLE", "SERVICE", "REBUYABLE", "EMPLOYEE"};
const std::set<std::string> kAssignees = {"", "BAND", "KEYBOARD", "DRUMS", "BASS", "GUITAR", "SAXOPHONE", "VOCALS"};

std::vector<std::string> Pieces(const std::string& text)
{
    return SIM_Asset::SplitAtCommas(text);
}

class AssetContentTest : public SimTest {
protected:
    void SetUp() override
    {
        SimTest::SetUp();
        CSpreadsheet sheet(SIM_Asset::File);
        for (size_t r = 0; r < sheet.size(); ++r)
            rows.push_back(Cut(sheet[r], "row at line " + std::to_string(sheet.GetLineNumber(r))));
    }

    static AssetRow Cut(const std::string& text, const std::string& at)
    {
        AssetRow row;
        row.at = at;
        CSV csv;
        csv.Initialise(text, ',');
        csv.GetNextToken();
        while (!csv.Finished())
            row.cells.push_back(csv.GetNextString());
        if (row.cells.size() < 16)
            return row;
        row.kind = row.cells[0];
        row.name = row.cells[1];
        row.store = row.cells[3];
        row.texture = row.cells[5];
        row.sound = row.cells[6];
        row.group = row.cells[11];
        row.assignee = row.cells[12];
        for (const std::string& f : Pieces(row.cells[13]))
            row.flags.insert(f);
        const auto own = kOwnCells.find(row.kind);
        const size_t first = 15, spare = first + (own == kOwnCells.end() ? 0 : own->second);
        for (size_t i = first; i < spare && i < row.cells.size(); ++i)
            row.own.push_back(row.cells[i]);
        for (size_t i = spare + 1; i < row.cells.size(); ++i) {
            if (row.cells[i].rfind('#', 0) == 0) {
                row.ended = i + 1 == row.cells.size();
                break;
            }
            row.modifiers.push_back(row.cells[i]);
        }
        return row;
    }
    const AssetRow* Find(const std::string& name) const
    {
        for (const AssetRow& r : rows)
            if (r.name == name)
                return &r;
        return nullptr;
    }
    static bool InBuiltData(const std::string& relative) { return std::filesystem::exists(std::string(AMP_GAME_DIR) + "/" + relative); }
    static bool TextureBuilt(std::string name)
    {
        const size_t dds = name.find(".dds");
        if (dds != std::string::npos)
            name.replace(dds, 4, ".png");
        for (const auto& entry : std::filesystem::recursive_directory_iterator(std::string(AMP_GAME_DIR) + "/data/bitmaps"))
            if (entry.path().filename() == name)
                return true;
        return false;
    }
    static int TextCount(const std::string& section)
    {
        IniLoader loader;
        loader.LoadSection(section, "data/strings.ini");
        return loader.GetNumKeys();
    }

    std::vector<AssetRow> rows;
};

} // namespace

TEST_F(AssetContentTest, EveryRowIsWellFormed)
{
    ASSERT_GE(rows.size(), 40u);
    IniLoader strings;
    strings.LoadSection("strings", "data/strings.ini");
    std::set<std::string> names;
    for (const AssetRow& r : rows) {
        SCOPED_TRACE(r.at + " (" + r.name + ")");
        ASSERT_GE(r.cells.size(), 17u);
        EXPECT_TRUE(kOwnCells.count(r.kind)) << r.kind;
        EXPECT_TRUE(names.insert(r.name).second) << "named twice";
        EXPECT_TRUE(kStores.count(r.store)) << r.store;
        EXPECT_TRUE(kAssignees.count(r.assignee)) << r.assignee;
        for (const std::string& f : r.flags)
            EXPECT_TRUE(kFlags.count(f)) << "flag word '" << f << "'";
        EXPECT_FALSE(r.cells[2].empty()) << "no display name";
        EXPECT_FALSE(r.cells[4].empty()) << "no description";
        EXPECT_FALSE(r.group.empty()) << "no group";
        for (size_t i = 7; i <= 10; ++i) {
            char* end = nullptr;
            const double v = std::strtod(r.cells[i].c_str(), &end);
            EXPECT_TRUE(!r.cells[i].empty() && *end == '\0' && v >= 0.0) << "cell " << i + 2 << ": " << r.cells[i];
        }
        EXPECT_TRUE(r.ended) << "the row must end with its \"#\" cell";
        for (const std::string& m : r.modifiers) {
            const auto parts = Pieces(m);
            EXPECT_EQ(parts.size(), 3u) << m;
            EXPECT_FALSE(std::string(strings.GetValue("nv_" + parts[0])).empty()) << "no nv_ name for " << parts[0];
        }
        EXPECT_TRUE(TextureBuilt(r.texture)) << r.texture;
        EXPECT_TRUE(r.sound.empty() || InBuiltData(r.sound)) << r.sound;
        if (r.kind == "recorded_music") {
            EXPECT_FALSE(r.own[0].empty()) << "unlocks nothing";
            EXPECT_GE(Pieces(r.own[1]).size(), 3u) << "too few tracks";
        }
    }
    EXPECT_FALSE(std::string(strings.GetValue("ASSET_INSUFFICIENTUPKEEP_TITLE")).empty());
    EXPECT_NE(std::string(strings.GetValue("ASSET_INSUFFICIENTUPKEEP_TEXT")).find("<ASSETNAME>"), std::string::npos);
}

TEST_F(AssetContentTest, TheNamesOtherRulesTestAreThereAsTheRightKind)
{
    const std::map<std::string, std::string> wanted = {
        {"roadie", ""}, {"manager", ""}, {"publicist", ""}, {"cheap van", ""}, {"tour bus", ""}, {"masseuse", ""},
        {"sound engineer", ""}, {"lighting engineer", ""},
        {"tshirts(20)", "merchandise"}, {"sweatshirts(20)", "merchandise"}, {"posters(100)", "merchandise"},
        {"smokemachine", "stage_equipment"}, {"laser", "stage_equipment"}, {"videoscreen", "stage_equipment"},
        {"stonehenge", "stage_equipment"}, {"skull", "stage_equipment"}, {"small pyro", "stage_equipment"},
        {"large pyro", "stage_equipment"}, {"computerised lighting", "stage_equipment"},
        {"2spotlightrig", "stage_equipment"}, {"4spotlightrig", "stage_equipment"}, {"8spotlightrig", "stage_equipment"},
    };
    for (const auto& [name, kind] : wanted) {
        const AssetRow* r = Find(name);
        ASSERT_NE(r, nullptr) << name;
        EXPECT_TRUE(kind.empty() || r->kind == kind) << name << " is " << r->kind;
        EXPECT_TRUE(r->Has("REBUYABLE")) << name << " would never be in the shop";
    }

    // A desirable instrument for every instrument auditions offer, cheap enough to give.
    std::set<std::string> desirable;
    for (const AssetRow& r : rows)
        if (r.kind == "instrument" && r.Has("DESIRABLE") && std::atof(r.cells[7].c_str()) < 99999.0)
            desirable.insert(r.assignee);
    for (const char* instrument : {"KEYBOARD", "DRUMS", "BASS", "GUITAR", "SAXOPHONE"})
        EXPECT_TRUE(desirable.count(instrument)) << instrument;
}

TEST_F(AssetContentTest, WhatCanBeSoldBackLeavesNothingBehindAndMerchandiseIsNeverSold)
{
    for (const AssetRow& r : rows) {
        SCOPED_TRACE(r.at + " (" + r.name + ")");
        const bool letGo = r.Has("SELLABLE") || r.Has("SERVICE") || r.Has("EMPLOYEE");
        if (r.kind == "merchandise") {
            EXPECT_FALSE(letGo) << "a batch of stock cannot be sold back";
        }
        if (r.kind == "video") {
            EXPECT_FALSE(letGo) << "the hype of a video cannot be taken back";
        }
        if (!letGo)
            continue;
        for (const std::string& m : r.modifiers) {
            const auto parts = Pieces(m);
            ASSERT_EQ(parts.size(), 3u);
            EXPECT_EQ(parts[0].find("glob_"), std::string::npos) << m;
            const bool band = parts[0].find("band_") != std::string::npos;
            EXPECT_TRUE(band || std::atof(parts[2].c_str()) < 1.0) << "a permanent effect on the player: " << m;
        }
    }
}

TEST_F(AssetContentTest, EveryAssetAMusicianReceivesOrWantsHasWords)
{
    for (const AssetRow& r : rows) {
        SCOPED_TRACE(r.name);
        const bool toAMusician = r.assignee != "" && r.assignee != "BAND" && r.assignee != "VOCALS";
        if (toAMusician && r.Has("REBUYABLE")) {
            const int n = TextCount(r.name + "_THANKS");
            EXPECT_TRUE(n >= 3 && n <= 6) << n << " thanks";
        }
        if (r.Has("DESIRABLE")) {
            std::string upper = r.name;
            for (char& c : upper)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            const int n = TextCount("COMMENT_POSSESION_DEMAND_" + upper);
            EXPECT_TRUE(n >= 3 && n <= 6) << n << " demands";
        }
    }
}

TEST_F(AssetContentTest, RecordsUnlockElementsTheGameKnows)
{
    // Until the element table ships, the elements the audition candidates bring stand
    // for the ones the game knows.
    const std::string table = std::filesystem::exists(std::string(AMP_GAME_DIR) + "/data/simulation/song_elements.csv")
        ? "data/simulation/song_elements.csv"
        : "data/simulation/auditionees.csv";
    const int column = table.find("song_elements") != std::string::npos ? 1 : 3;
    std::set<std::string> elements;
    CSpreadsheet sheet(table);
    for (const std::string& text : sheet) {
        CSV csv;
        csv.Initialise(text, ',');
        for (int i = 0; i < column; ++i)
            csv.GetNextToken();
        elements.insert(csv.GetNextString());
    }
    int records = 0;
    for (const AssetRow& r : rows)
        if (r.kind == "recorded_music") {
            ++records;
            EXPECT_TRUE(elements.count(r.own[0])) << r.name << " unlocks " << r.own[0];
        }
    EXPECT_GE(records, 3);
}

TEST_F(AssetContentTest, TheGameReadsTheWholeCatalogue)
{
    NewGame(1);
    SIM_Asset::Open();
    EXPECT_EQ(SIM_Asset::All.size(), rows.size());
    EXPECT_TRUE(screens.Alerts().empty()) << screens.Alerts().front();
    for (const AssetRow& r : rows) {
        const SIM_Asset* a = SIM_Asset::GetByName(r.name);
        ASSERT_NE(a, nullptr) << r.name;
        EXPECT_EQ(a->GetModifiers().size(), r.modifiers.size()) << r.name;
    }
    SIM_GetSim()->Close();
}
