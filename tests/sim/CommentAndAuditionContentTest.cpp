// The shipped texts the musicians speak and the audition candidates, checked as the game
// reads them, so a gap or a misspelt name fails here rather than in front of a player.
#include "engine/CSpreadsheet.h"
#include "engine/GProfileStore.h"
#include "engine/IniLoader.h"
#include "port/MacFile.h"
#include "sim/SIM_Auditionee.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <vector>

namespace {

// Each comment's text section and the tokens its texts may hold.
const std::map<std::string, std::set<std::string>> kCommentSections = {
    {"COMMENT_STRESS", {}}, {"COMMENT_BOREDOM", {}},
    {"REHEARSAL_COMMENT_STUDIOTOOBAD", {}}, {"REHEARSAL_COMMENT_STUDIOTOOGOOD", {}},
    {"REHEARSAL_COMMENT_UNREHEARSED", {}}, {"REHEARSAL_COMMENT_ABOUTRIGHT", {}},
    {"REHEARSAL_COMMENT_OVERREHEARSED", {}}, {"REHEARSAL_COMMENT_NEEDNEWSONGS", {}},
    {"COMMENT_NEEDPRACTICE", {}}, {"COMMENT_REACHEDINSTRUMENTLIMIT", {}},
    {"COMMENT_POOR_ATTENDENCE", {}}, {"COMMENT_GOOD_ATTENDENCE", {}},
    {"COMMENT_DESTROYED_INSTRUMENT", {}}, {"COMMENT_PUBLICITY_POOR_REACH", {}},
    {"COMMENT_STAGESHOWLOW", {}}, {"COMMENT_SONGSBAD", {}},
    {"COMMENT_LOW_MOTIVATION", {}}, {"COMMENT_HIGH_MOTIVATION", {}},
    {"COMMENT_LOW_RELATIONSHIP", {"<NEMESIS>", "<HE_SHE>"}},
    {"COMMENT_HIGH_RELATIONSHIP", {"<FRIEND>", "<HE_SHE>"}},
    {"COMMENT_SHOULD_REHEARSE", {}}, {"COMMENT_SONGS_BORED", {"<SONGNAME>"}},
    {"COMMENT_NEED_HYPE", {}}, {"COMMENT_INSPIRATION_HIGH", {}}, {"COMMENT_NEEDVAN", {}},
    {"COMMENT_CONSIDERING_RESIGNATION", {}}, {"COMMENT_DEFAULT_REHEARSAL", {}},
};
// The least ability a musician must bring to be worth a place in the band.
const float kWorthHiring = 0.15f;
// The keyed comments have these two filled in.
const std::set<std::string> kKeyedTokens = {"<RANDOM_SONG_TITLE>", "<BANDNAME>"};

class ShippedContentTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        GetProfileStore()->Forget();
        CopyShippedData();
    }
    static bool Shipped(const std::string& path) { return std::filesystem::exists(std::string(AMP_GAME_DIR) + "/" + path); }
    // The names of every row of a shipped table, in the given cell (1 is the one after
    // the marker).
    static std::set<std::string> Names(const std::string& path, int cell = 1)
    {
        std::set<std::string> names;
        CSpreadsheet sheet(path);
        for (const std::string& row : sheet) {
            CSV csv;
            csv.Initialise(row, ',');
            for (int i = 0; i < cell; ++i)
                csv.GetNextToken();
            names.insert(csv.GetNextString());
        }
        return names;
    }
};

// Every "<NAME>" token of a text (capitals and underscores between angle brackets).
std::vector<std::string> Tokens(const std::string& text)
{
    std::vector<std::string> tokens;
    for (size_t open = text.find('<'); open != std::string::npos; open = text.find('<', open + 1)) {
        size_t close = open + 1;
        while (close < text.size() && (std::isupper(static_cast<unsigned char>(text[close])) || text[close] == '_'))
            ++close;
        if (close < text.size() && close > open + 1 && text[close] == '>')
            tokens.push_back(text.substr(open, close - open + 1));
    }
    return tokens;
}

} // namespace

TEST_F(ShippedContentTest, EveryCommentHasThreeToSixTextsNumberedWithoutGaps)
{
    for (const auto& [section, tokens] : kCommentSections) {
        IniLoader loader;
        loader.LoadSection(section, "data/strings.ini");
        const int n = loader.GetNumKeys();
        EXPECT_TRUE(n >= 3 && n <= 6) << section << " has " << n << " texts";
        for (int i = 0; i < n; ++i) {
            const std::string& text = loader.GetValue(std::to_string(i));
            EXPECT_FALSE(text.empty()) << section << " lacks text " << i;
            bool special = !tokens.empty() || section == "COMMENT_SONGS_BORED";
            for (const std::string& t : Tokens(text)) {
                EXPECT_TRUE(tokens.count(t) || (!special && kKeyedTokens.count(t)))
                    << section << " " << i << ": " << t << " is never filled in";
            }
        }
    }
}

TEST_F(ShippedContentTest, AuditionCandidatesCoverEveryInstrumentWithKnownNames)
{
    const std::set<std::string> instruments = {"KEYBOARD", "DRUMS", "BASS", "GUITAR", "SAXOPHONE", "VOCALS"};
    // The tables the names must exist in; a table not shipped yet is not checked.
    const bool havePersonalities = Shipped("data/simulation/personalities.csv");
    const bool haveElements = Shipped("data/simulation/song_elements.csv");
    const bool haveAssets = Shipped("data/simulation/assets.csv");
    const auto personalities = Names("data/simulation/personalities.csv");
    const auto elements = Names("data/simulation/song_elements.csv");
    const auto assets = Names("data/simulation/assets.csv", 2); // after the kind

    std::map<std::string, std::set<std::string>> gendersByInstrument;
    std::map<std::string, std::vector<float>> factorsByInstrument;
    CSpreadsheet sheet("data/simulation/auditionees.csv");
    EXPECT_GE(sheet.size(), 30u);
    EXPECT_LE(sheet.size(), 40u);
    for (size_t r = 0; r < sheet.size(); ++r) {
        const std::string at = "row at line " + std::to_string(sheet.GetLineNumber(r));
        CSV csv;
        csv.Initialise(sheet[r], ',');
        csv.GetNextToken();
        const std::string instrument = csv.GetNextString();
        const std::string gender = csv.GetNextString();
        const std::string element = csv.GetNextString();
        const float ability = csv.GetNextFloat();
        const std::string possession = csv.GetNextString();
        EXPECT_TRUE(instruments.count(instrument)) << at << ": " << instrument;
        EXPECT_TRUE(gender == "MALE" || gender == "FEMALE") << at << ": " << gender;
        gendersByInstrument[instrument].insert(gender);
        // What the candidate brings to a band without members: enough to be worth hiring,
        // and short of what practice and a better band will later offer.
        const float firstMember = ability * SIM_Auditionee::MinMusicianship;
        EXPECT_TRUE(firstMember >= kWorthHiring && firstMember <= 0.5f) << at << ": factor " << ability;
        factorsByInstrument[instrument].push_back(ability);
        EXPECT_TRUE(!haveElements || elements.count(element)) << at << ": no song element " << element;
        EXPECT_TRUE(!haveAssets || assets.count(possession)) << at << ": no asset " << possession;
        EXPECT_FALSE(csv.Finished()) << at << ": no personality cell";
        while (!csv.Finished()) {
            const std::string p = csv.GetNextString();
            EXPECT_TRUE(p == "none" || !havePersonalities || personalities.count(p)) << at << ": no personality " << p;
        }
    }
    for (const auto& instrument : instruments) {
        EXPECT_EQ(gendersByInstrument[instrument].size(), 2u) << instrument << " lacks a gender";
        // The three candidates of an audition differ enough for the choice to matter.
        const auto& f = factorsByInstrument[instrument];
        ASSERT_GE(f.size(), 3u) << instrument;
        EXPECT_GE(*std::max_element(f.begin(), f.end()) - *std::min_element(f.begin(), f.end()), 1.5f) << instrument;
    }
}
