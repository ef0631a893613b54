// The shipped publicity, endorsement and rival band tables, checked row by row, with the
// texts, pictures and sounds their rows and rules name.
#include "career/SIM_Endorsement.h"
#include "career/SIM_OtherBandManager.h"
#include "career/SIM_Publicity.h"
#include "career/SIM_SongElement.h"
#include "engine/CSpreadsheet.h"
#include "engine/GTranslation.h"
#include "engine/IniLoader.h"
#include "sim/SimFixture.h"

#include <filesystem>
#include <set>

namespace {
class PublicityContentTest : public SimTest {
protected:
    void SetUp() override
    {
        SimTest::SetUp();
        strings.LoadSection("strings", "data/strings.ini");
        NewGame(2);
        screens.Clear();
    }
    void TearDown() override
    {
        SIM_GetSim()->Close();
        SimTest::TearDown();
    }
    // Every cell of every row of a table, with where the row is.
    static std::vector<std::pair<std::string, std::vector<std::string>>> Rows(const char* file)
    {
        std::vector<std::pair<std::string, std::vector<std::string>>> rows;
        CSpreadsheet sheet(file);
        EXPECT_TRUE(sheet.WasRead()) << file;
        for (size_t r = 0; r < sheet.size(); ++r) {
            std::vector<std::string> cells;
            CSV csv;
            csv.Initialise(sheet[r], ',');
            while (!csv.Finished())
                cells.push_back(csv.GetNextString());
            rows.emplace_back(std::string(file) + " line " + std::to_string(sheet.GetLineNumber(r)), cells);
        }
        return rows;
    }
    static bool Built(const std::string& relative)
    {
        return std::filesystem::exists(GameDir() + "/" + relative);
    }
    static bool TextureBuilt(const std::string& name)
    {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(GameDir() + "/data/bitmaps"))
            if (entry.path().filename() == name)
                return true;
        return false;
    }
    std::string Text(const char* key) { return strings.GetValue(key); }

    IniLoader strings;
};
}

TEST_F(PublicityContentTest, EveryPublicityRowIsReadWithoutAFault)
{
    std::set<std::string> names;
    for (const auto& [at, cells] : Rows(SIM_PublicityEventType::File)) {
        SCOPED_TRACE(at);
        std::string row = "#";
        for (size_t i = 1; i < cells.size(); ++i)
            row += ",\"" + cells[i] + "\"";
        EXPECT_EQ(SIM_PublicityEventType::CheckRow(row), "");
        ASSERT_GT(cells.size(), 7u);
        EXPECT_TRUE(names.insert(cells[1]).second) << "name twice: " << cells[1];
        EXPECT_FALSE(cells[3].empty() || cells[4].empty() || cells[5].empty() || cells[7].empty());
        EXPECT_TRUE(Built(cells[6])) << cells[6];
    }
    SIM_PublicityEventType::Open();
    EXPECT_EQ(SIM_PublicityEventType::All.size(), names.size());
    EXPECT_TRUE(screens.reports.empty());

    std::set<int> classes;
    for (const SIM_PublicityEventType* t : SIM_PublicityEventType::All) {
        SCOPED_TRACE(t->GetName());
        classes.insert(t->GetClass());
        EXPECT_GE(t->GetReach(), 1.0f);
        EXPECT_TRUE(t->GetMinimumChance() >= 0.0f && t->GetMaximumChance() <= 0.8f);
        EXPECT_TRUE(t->GetHypeEffect() > 0.0f && t->GetHypeEffect() <= 1.0f);
        EXPECT_TRUE(t->GetHypeDegrade() > 0.0f && t->GetHypeDegrade() < 1.0f);
        for (const SIM_Modifier& m : t->GetModifiers())
            EXPECT_FALSE(Text(("nv_" + m.GetName()).c_str()).empty()) << "no nv_ name for " << m.GetName();
    }
    for (const char* name : {"print interview", "radio interview", "web interview", "flyers", "flyposting"})
        EXPECT_EQ(names.count(name), 1u) << "the result window has a background for " << name;
    for (int c : {SIM_PublicityEventType::ORDINARY, SIM_PublicityEventType::SIGNED, SIM_PublicityEventType::BOOKED,
                  SIM_PublicityEventType::FLYERS})
        EXPECT_EQ(classes.count(c), 1u) << "class " << c;
}

TEST_F(PublicityContentTest, EveryEndorsementRowIsASponsorOfOurOwn)
{
    std::set<std::string> names;
    for (const auto& [at, cells] : Rows(SIM_Endorsement::File)) {
        SCOPED_TRACE(at);
        ASSERT_EQ(cells.size(), 5u);
        EXPECT_TRUE(names.insert(cells[1]).second) << "name twice: " << cells[1];
        EXPECT_GT(std::atof(cells[2].c_str()), 0.0);
        EXPECT_FALSE(cells[3].empty());
        const double chance = std::atof(cells[4].c_str());
        EXPECT_TRUE(chance >= 0.0 && chance <= 1.0) << chance;
    }
    EXPECT_GE(names.size(), 3u);
    EXPECT_EQ(SIM_Endorsement::All.size(), names.size());
    EXPECT_NE(Text("SPONSORED_NAME").find("<BANDNAME>"), std::string::npos);
    EXPECT_NE(Text("SPONSORED_NAME").find("<SPONSOR>"), std::string::npos);
    EXPECT_FALSE(Text("ENDORSEMENT_TITLE").empty());
    EXPECT_FALSE(Text("ENDORSEMENT_NOEFFECT").empty());
    EXPECT_NE(Text("ENDORSEMENT_NEGATIVE_EFFECT").find("<AMOUNT>"), std::string::npos);
    EXPECT_TRUE(Built("data/sounds/crowd_small_boo2.ogg"));
    EXPECT_TRUE(Built("data/sounds/cash.ogg"));
}

TEST_F(PublicityContentTest, EveryRivalBandUnlocksALockedElementAndHasItsLogoAndSting)
{
    std::set<std::string> names;
    for (const auto& [at, cells] : Rows(SIM_OtherBandManager::File)) {
        SCOPED_TRACE(at);
        ASSERT_EQ(cells.size(), SIM_OtherBand::Columns);
        EXPECT_TRUE(names.insert(cells[3]).second) << "name twice: " << cells[3];
        EXPECT_FALSE(cells[4].empty() || cells[7].empty());
        const SIM_SongElement* element = SIM_SongElement::GetByName(cells[5]);
        ASSERT_NE(element, nullptr) << cells[5];
        EXPECT_FALSE(element->IsAvailable()) << "watching should unlock something new";
        EXPECT_TRUE(Built(cells[6])) << cells[6];
        EXPECT_TRUE(TextureBuilt(cells[9])) << cells[9];
        EXPECT_GT(std::atof(cells[2].c_str()), 0.0);
        const double inspiration = std::atof(cells[10].c_str());
        EXPECT_TRUE(inspiration > 0.0 && inspiration <= 0.2) << inspiration;
    }
    EXPECT_EQ(SIM_GetOtherBands()->GetBands().size(), names.size());
    EXPECT_GE(names.size(), 3u);
    EXPECT_NE(Text("OTHERGIG_CALENDAR").find("<BAND>"), std::string::npos);
    EXPECT_NE(Text("GIG_REMINDER").find("<VENUE>"), std::string::npos);
    EXPECT_NE(Text("OTHERGIG_CHOICE_INFO").find("<BAND>"), std::string::npos);
    EXPECT_NE(Text("OTHERGIG_CHOICE_INFO").find("<COST>"), std::string::npos);
    EXPECT_TRUE(screens.reports.empty());
}
