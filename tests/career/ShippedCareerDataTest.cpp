// The shipped song element, rehearsal room and relax place tables read through their own
// readers, and the texts the songs, rehearsals and relax outings fetch.
#include "career/CareerFixture.h"

#include "career/SIM_RehearsalVenue.h"
#include "career/SIM_RelaxVenue.h"
#include "engine/CSpreadsheet.h"
#include "engine/GTranslation.h"
#include "engine/IniLoader.h"
#include "engine/Utilities.h"
#include "sim/SIM_Auditionee.h"

#include <set>

namespace {
// The rows of a shipped table, each read by a fresh object of the table's class.
template <typename Row>
std::vector<std::unique_ptr<Row>> ReadShipped(const char* file)
{
    std::vector<std::unique_ptr<Row>> rows;
    CSpreadsheet sheet(file);
    EXPECT_TRUE(sheet.WasRead()) << file;
    for (const std::string& row : sheet) {
        rows.push_back(std::make_unique<Row>());
        rows.back()->ReadRow(row);
    }
    return rows;
}

int NumKeys(const std::string& section)
{
    IniLoader loader;
    loader.LoadSection(section, "data/strings.ini");
    return loader.GetNumKeys();
}

std::vector<std::string> Entries(const std::string& section)
{
    IniLoader loader;
    loader.LoadSection(section, "data/strings.ini");
    std::vector<std::string> out;
    for (int i = 0; i < loader.GetNumKeys(); ++i)
        out.push_back(loader.GetValue(std::to_string(i)));
    return out;
}

// Each modifier names one of the allowed targets, and its value is a real change.
void CheckModifiers(const std::string& row, const SIM_ModifierContainer& c, const std::set<std::string>& allowed)
{
    EXPECT_FALSE(c.GetModifiers().empty()) << row;
    for (const SIM_Modifier& m : c.GetModifiers()) {
        EXPECT_TRUE(allowed.count(m.GetName())) << row << ": " << m.GetName();
        EXPECT_NE(m.GetValue(), 0.0f) << row << ": " << m.GetName();
    }
}
}

TEST_F(CareerTest, ShippedElementsAreNamedOnceAndCoverEveryNameTheGameUses)
{
    SIM_SongElement::Close();
    auto rows = ReadShipped<SIM_SongElement>(SIM_SongElement::File);
    std::set<std::string> names;
    int available = 0;
    for (const auto& e : rows) {
        const std::string n = e->GetName();
        EXPECT_FALSE(n.empty());
        EXPECT_NE(UpperCase(n), "NULL") << "a saved game writes a missing element as null";
        EXPECT_TRUE(names.insert(n).second) << "twice: " << n;
        EXPECT_FALSE(e->GetGUIName().empty()) << n;
        EXPECT_GT(e->GetBaseQuality(), 0.0f) << n;
        EXPECT_LE(e->GetBaseQuality(), 1.0f) << n;
        available += e->IsAvailable() ? 1 : 0;
        // Every element can be described, and its texts fill a sentence without tokens.
        const auto texts = Entries("SONG_DESCRIPTION_" + UpperCase(n));
        EXPECT_FALSE(texts.empty()) << n;
        for (const std::string& t : texts)
            EXPECT_EQ(t.find('<'), std::string::npos) << n << ": " << t;
    }
    EXPECT_GT(available, 0) << "the jigsaw needs pieces from the first day";
    EXPECT_LT(available, static_cast<int>(rows.size())) << "some elements are there to be unlocked";

    // The type column holds exact words only.
    CSpreadsheet sheet(SIM_SongElement::File);
    for (const std::string& row : sheet) {
        CSV csv;
        csv.Initialise(row, ',');
        for (int i = 0; i < 4; ++i)
            csv.GetNextToken();
        const std::string type = csv.GetNextString();
        EXPECT_TRUE(type == "MUSIC" || type == "LYRICS") << row;
    }

    for (const char* n : {"clichedlyrics", "basicdrums", "basicbass", "basicguitar", "backing vocals", "ambition",
                          "uptempo"})
        EXPECT_TRUE(names.count(n)) << "default element " << n;
    SIM_Auditionee::Open();
    for (const auto& candidate : SIM_Auditionee::Available)
        EXPECT_TRUE(names.count(candidate->GetSongElement())) << "auditionee brings " << candidate->GetSongElement();
}

TEST_F(CareerTest, ShippedRoomsAreFewUseOnlyTheirTwoModifiersAndCoverEveryExpectation)
{
    SIM_RehearsalVenue::Close();
    auto rows = ReadShipped<SIM_RehearsalVenue>(SIM_RehearsalVenue::File);
    ASSERT_FALSE(rows.empty());
    EXPECT_LE(rows.size(), 8u) << "the chooser shows at most eight rooms";
    float covered = 0.0f;
    for (const auto& room : rows) {
        const std::string& n = room->GetName();
        EXPECT_FALSE(room->GetGUIName().empty()) << n;
        EXPECT_FALSE(room->GetDescription().empty()) << n;
        EXPECT_FALSE(room->GetImage().empty()) << n;
        EXPECT_GE(room->GetCost(), 0.0f) << n;
        EXPECT_LE(room->GetMinimum(), room->GetMaximum()) << n;
        EXPECT_LE(room->GetMinimum(), covered + 1.0f) << n << ": expectations between rooms are left uncovered";
        covered = std::max(covered, room->GetMaximum());
        CheckModifiers(n, *room, {"band_rehearsal", "band_stress"});
        EXPECT_GT(room->GetModifierValue("band_rehearsal"), 0.0f) << n;
    }
    EXPECT_GE(covered, 625.0f) << "the highest fame times the highest ego";
    EXPECT_EQ(rows.front()->GetCost(), 0.0f) << "a band with no money can still rehearse";
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(CareerTest, ShippedRelaxPlacesIncludeStayingAtHomeAndShowEveryEffect)
{
    SIM_RelaxVenue::Close();
    auto rows = ReadShipped<SIM_RelaxVenue>(SIM_RelaxVenue::File);
    ASSERT_FALSE(rows.empty());
    EXPECT_LE(rows.size(), 3u) << "the chooser shows at most three places";
    bool home = false;
    for (const auto& place : rows) {
        const std::string& n = place->GetName();
        home = home || n == "donothing";
        EXPECT_FALSE(place->GetGUIName().empty()) << n;
        EXPECT_FALSE(place->GetDescription().empty()) << n;
        EXPECT_FALSE(place->GetTexture().empty()) << n;
        EXPECT_FALSE(place->GetIcon().empty()) << n;
        EXPECT_GE(place->GetCostPerMember(), 0.0f) << n;
        // The result screen labels only these two.
        CheckModifiers(n, *place, {"band_stress", "band_hype"});
    }
    EXPECT_TRUE(home);
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(CareerTest, ShippedTextsForSongsRehearsalsAndRelaxing)
{
    const auto bases = Entries("SONG_DESCRIPTION_KEY");
    ASSERT_FALSE(bases.empty());
    for (const std::string& t : bases) {
        EXPECT_NE(t.find("<A>"), std::string::npos) << t;
        EXPECT_NE(t.find("<B>"), std::string::npos) << t;
    }
    for (const char* section : {"CLASSIC_DESCRIPTIONS", "REHEARSAL_COMMENT_CANCELLED"})
        EXPECT_GT(NumKeys(section), 0) << section;
    for (const char* key : {"RELAX_OPTION_TITLE", "RELAX_OPTION_TEXT", "SOCIALISE_OPTION_TITLE", "SOCIALISE_OPTION_TEXT"})
        EXPECT_STRNE(GTranslation::GetString(key), key) << key;
}

TEST_F(CareerTest, ShippedChancesAndLimitsForSongsAndRehearsals)
{
    struct Range {
        const char* key;
        float low, high;
    };
    const Range ranges[] = {
        {"RS_LAZY_REHEARSAL_CHANCE", 0.01f, 0.99f},
        {"RS_CLASSIC_SONG_CHANCE", 0.01f, 0.99f},
        {"RS_MIN_QUALITY_CLASSIC_SONG", 0.01f, 1.0f},
        {"RS_MAX_CLASSIC_SONGS", 1.0f, 20.0f},
        {"RS_INITIAL_SONGS", 1.0f, 10.0f},
        {"RS_SONGS_REQ_FOR_GIG", 1.0f, 20.0f},
    };
    for (const Range& r : ranges) {
        const float v = SIM_GetGlobalVariables()->Get(r.key);
        EXPECT_GE(v, r.low) << r.key;
        EXPECT_LE(v, r.high) << r.key;
    }
}
