// Modifier texts: parsing (cells, balance keys, clamps, malformed texts) and the three
// routes of applying them.
#include "engine/CSpreadsheet.h"
#include "engine/GProfileStore.h"
#include "engine/GTranslation.h"
#include "sim/RecordingScreens.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_ModifierContainer.h"
#include "sim/SIM_NamedValue.h"
#include "support/TestSupport.h"

#include <cmath>
#include <memory>

namespace {

// A data row with modifiers, named like the rows of the tables.
class Row : public SIM_ModifierContainer {
public:
    explicit Row(const std::string& name = "test row") { debugname = name; }
};

class ModifierTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        GetProfileStore()->Forget();
        resources.Write("data/strings.ini", "[strings]\nnv_glob_van = Tour van\nnv_band_hype = Hype\n");
        GTranslation::GetHashTable().LoadSection("strings", GTranslation::StringsFile);
        SIM_GlobalVariable* vars = SIM_GetGlobalVariables();
        vars->Set("_TEST_VALUE", 0.35f);
        vars->Set("_REHEARSAL_DEGRADE", 0.8f);
        vars->Set("TEST_DEGRADE", 0.6f);
        SIM_NamedValueList::Globals().Clear();
        SIM_GetFame()->Initialise();
    }
    void TearDown() override
    {
        SIM_NamedValueList::Globals().Clear();
        SIM_GetFame()->Initialise();
        SandboxTest::TearDown();
    }
    bool Warned(const std::string& part) const
    {
        for (const std::string& r : screens.reports)
            if (r.find(part) != std::string::npos)
                return true;
        return false;
    }

    RecordingScreens screens;
    RecordingScreens::Scope scope {screens};
};

} // namespace

TEST_F(ModifierTest, ParsesCellsKeysAndClamps)
{
    struct Case {
        const char* text;
        float value;
        float degrade;
        bool warns;
    };
    const Case cases[] = {
        {"inspiration,-0.2,0.9", -0.2f, 0.9f, false},
        {"band_hype,0.3 \r\n,0.9\r\n", 0.3f, 0.9f, false},
        {"band_hype,3,1.5", 1.0f, 1.0f, false},                 // both clamped
        {"band_hype,-3,-0.5", -1.0f, 0.0f, false},
        {"band_hype,_TEST_VALUE,_REHEARSAL_DEGRADE", 0.35f, 0.8f, false},
        {"band_hype,0.1,TEST_DEGRADE", 0.1f, 0.6f, false},      // a letter names a key too
        {"band_hype,_NO_SUCH_KEY,1", 0.0f, 1.0f, false},        // a missing key reads 0
        {"band_hype,0.5", 0.5f, 0.0f, true},                    // degrade cell missing
        {"band_hype", 0.0f, 0.0f, true},
        {"band_hype,nan,0.5", 0.0f, 0.5f, true},
        {"band_hype,0.5,-nan", 0.5f, 0.0f, true},
        {"_custom,0.25,1", 0.25f, 1.0f, false},
        {"9lives,0.25,1", 0.25f, 1.0f, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        screens.Clear();
        Row row("asset");
        row.AddModifier(c.text);
        ASSERT_EQ(row.GetModifiers().size(), 1u);
        const SIM_Modifier& m = row.GetModifiers()[0];
        EXPECT_FLOAT_EQ(m.GetValue(), c.value);
        EXPECT_FLOAT_EQ(m.GetDegrade(), c.degrade);
        EXPECT_EQ(m.GetDebugName(), "asset");
        EXPECT_EQ(Warned(c.text), c.warns);
    }
}

TEST_F(ModifierTest, IgnoresTextsThatAreNoModifier)
{
    Row row;
    for (const char* text : {"", "x", "#band_hype,1,1", " band_hype,1,1", "-band_hype,1,1"})
        row.AddModifier(text);
    row.AddModifier(nullptr);
    EXPECT_TRUE(row.GetModifiers().empty());
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(ModifierTest, NamesAndDisplayNames)
{
    Row row("van");
    row.AddModifier("glob_van,1,1");
    row.AddModifier("glob_van,0.5,1");
    row.AddModifier("glob_amp,0.5,1");
    EXPECT_EQ(row.GetModifiers()[0].GetName(), "glob_van");
    EXPECT_EQ(row.GetModifiers()[0].GetGUIName(), "Tour van");
    EXPECT_EQ(row.GetModifiers()[2].GetGUIName(), "nv_glob_amp"); // no text: the key shows
    EXPECT_FLOAT_EQ(row.GetModifierValue("glob_van"), 1.0f);     // the first of that name
    EXPECT_FLOAT_EQ(row.GetModifierValue("glob_amp"), 0.5f);
    EXPECT_TRUE(screens.reports.empty());
    EXPECT_FLOAT_EQ(row.GetModifierValue("glob_none"), 0.0f);
    EXPECT_TRUE(Warned("Failed to get modifier value"));
}

TEST_F(ModifierTest, GlobalRouteAddsClampsAndCreatesUnclamped)
{
    Row van("van");
    van.AddModifier("glob_van,1,0.5");
    van.ApplyModifiers(1.0f);
    van.ApplyModifiers(1.0f);
    SIM_NamedValue* global = SIM_NamedValueList::Globals().GetNamedValue("glob_van");
    ASSERT_NE(global, nullptr);
    EXPECT_FLOAT_EQ(global->GetValue(), 1.0f); // created at 1, then 1 + 1 clamped
    EXPECT_EQ(global->GetGUIName(), "Tour van");

    Row debt("debt");
    debt.AddModifier("glob_debt,-0.5,1");
    debt.ApplyModifiers(1.0f);
    EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals().GetValue("glob_debt"), -0.5f); // no clamp
    debt.ApplyModifiers(1.0f);
    EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals().GetValue("glob_debt"), 0.0f);  // += clamps

    Row scaled("scaled");
    scaled.AddModifier("glob_scaled,0.25,1");
    scaled.ApplyModifiers(2.0f);
    EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals().GetValue("glob_scaled"), 0.5f);
}

TEST_F(ModifierTest, GlobalRouteWinsOverBandRoute)
{
    Row row("both");
    row.AddModifier("band_glob_x,0.4,1");
    row.ApplyModifiers(1.0f);
    EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals().GetValue("band_glob_x"), 0.4f);
}

TEST_F(ModifierTest, PlayerRouteCarriesDegradeAndDebugName)
{
    Row row("press night");
    row.AddModifier("fame,0.5,0.9");
    row.ApplyModifiers(4.0f); // fame effects are not clamped
    EXPECT_FLOAT_EQ(SIM_GetFame()->GetFame(), 2.0f);
    ASSERT_EQ(SIM_GetFame()->GetEffects().size(), 1u);
    const SIM_Effect* effect = SIM_GetFame()->GetEffects()[0];
    EXPECT_FLOAT_EQ(effect->GetDegrade(), 0.9f);
    EXPECT_EQ(effect->GetDebugName(), "press night");
    EXPECT_TRUE(SIM_NamedValueList::Globals().GetRawList().empty());
}

TEST_F(ModifierTest, UnknownPlayerTargetIsLoggedOnce)
{
    // Logged once per run, so each run of this test needs a name of its own.
    static int run = 0;
    std::string name = "no_such_value_" + std::to_string(++run);
    Row row("odd row");
    row.AddModifier((name + ",0.1,1").c_str());
    row.ApplyModifiers(1.0f);
    row.ApplyModifiers(1.0f);
    int mentions = 0;
    for (const std::string& r : screens.reports)
        mentions += r.find(name) != std::string::npos;
    EXPECT_EQ(mentions, 1);
}

TEST_F(ModifierTest, ShippedDisplayNamesCoverEveryAttribute)
{
    CopyShippedData();
    GetProfileStore()->Forget();
    GTranslation::GetHashTable().LoadSection("strings", GTranslation::StringsFile);
    std::vector<std::string> names = {"fame", "band_boredom"};
    for (const char* table : {"data/simulation/attributes.csv", "data/simulation/band.csv"}) {
        std::unique_ptr<CSpreadsheet> sheet = CSpreadsheet::Create(table);
        ASSERT_FALSE(sheet->empty()) << table;
        for (const std::string& row : *sheet) {
            CSV csv;
            csv.Initialise(row, ',');
            csv.GetNextToken();
            names.push_back(csv.GetNextString());
        }
    }
    for (const std::string& name : names) {
        std::string key = "nv_" + name;
        EXPECT_STRNE(GTranslation::GetString(key), key.c_str()) << "no display name for " << name;
    }
}
