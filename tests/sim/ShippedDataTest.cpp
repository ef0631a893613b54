#include "sim/SimFixture.h"

#include "engine/CSpreadsheet.h"
#include "engine/IniLoader.h"
#include "port/MacFile.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_Practice.h"

#include <ctime>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

namespace {
// Every key the rules read, by name.
std::vector<std::string> RuleKeys()
{
    std::vector<std::string> keys;
    std::ifstream in(SourceDir() + "/tests/sim/balance_keys.txt");
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            keys.push_back(line);
    return keys;
}

double ThreadCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}
}

TEST_F(SimTest, EveryBalanceKeyIsShippedAndParses)
{
    const auto keys = RuleKeys();
    ASSERT_EQ(keys.size(), 169u);
    IniLoader config;
    config.LoadSection("config", "data\\config.txt");
    std::set<std::string> seen;
    for (const auto& e : config.GetEntries())
        EXPECT_TRUE(seen.insert(e.key).second) << "key twice: " << e.key;
    for (const auto& key : keys) {
        ASSERT_TRUE(config.HasValue(key)) << key;
        const std::string& text = config.GetValue(key);
        char* end = nullptr;
        const float v = std::strtof(text.c_str(), &end);
        EXPECT_TRUE(end && *end == '\0' && !text.empty() && std::isfinite(v)) << key << " = " << text;
        if (key.rfind("CHEAT_", 0) == 0) {
            EXPECT_EQ(v, 0.0f) << key;
        }
        // Daily keep-factors must shrink what they keep.
        if (key.find("DEGRADE") != std::string::npos || key.ends_with("_DEG")) {
            EXPECT_TRUE(v >= 0.0f && v <= 1.0f) << key << " = " << v;
        }
    }
    SIM_GetSim()->Open();
    EXPECT_GE(SIM_GetGlobalVariables()->Get("GAME_DURATION_YEARS"), 3.0f);
    EXPECT_GT(SIM_GetGlobalVariables()->Get("GV_UNEMPLOYMENT_BENEFIT"), 0.0f);
}

TEST_F(SimTest, ChangeAmountsHaveTheSignTheirRulesExpect)
{
    // +1: the rule lowers (or raises) by a positive amount; -1: the amount is added as is
    // and must be negative to do harm.
    struct Signed {
        const char* key;
        int sign;
    };
    const Signed amounts[] = {
        {"RS_BOREDOM_REDUCT_GIG", +1}, // "band_boredom" lowers boredom by a positive value
        {"RS_BOREDOM_REDUCT_PR", +1},
        {"RS_BOREDOM_REDUCT_REHEARSAL", +1},
        {"RS_BOREDOM_REDUCT_DAMAGE", +1},
        {"RS_VENUE_BOREDOM_DECREASE", +1},      // subtracted
        {"RS_INNOCENCE_DEGRADE", +1},           // subtracted
        {"RS_MUSICIAN_RESENTMENT_LOWERRATE", +1}, // subtracted
        {"RS_COMMENT_REPETITION_DECAY", +1},    // subtracted
        {"REHEARSAL_CANCELLED_DEMOTIVATION", -1},
        {"RS_GIG_POOR_DEMOTIVATE_AMOUNT", -1},
        {"RS_GIG_LOWATTENDENCE_DEMOTIVATE_AMOUNT", -1},
        {"RS_GIG_INSPIRE_CUT", -1},
        {"RS_REHEARSAL_NOSHOW_RELATE_DAMAGE", -1},
        {"RS_RELAX_STRESS", -1},
        {"RS_SOCIALISE_STRESS", -1},
        {"RS_SOCIALISE_HYPE", +1},
        {"RS_SOCIALISE_COST_PER_MUSICIAN", +1},
        {"RS_SONG_BOREDOM_INCREASE", +1},
        {"RS_SONG_QUAL_PER_LINK", +1},
        {"RS_SONGWRITING_PER_SONG", +1},
        {"RS_MOTIVE_EFFECT_REHEARSAL", +1}, // per level of the room above the expected one
        {"RS_MOTIVE_EFFECT_REHEARSAL_MIN", -1},
        {"RS_MOTIVE_EFFECT_REHEARSAL_MAX", +1},
    };
    SIM_GetSim()->Open();
    for (const Signed& a : amounts)
        EXPECT_GT(a.sign * SIM_GetGlobalVariables()->Get(a.key), 0.0f) << a.key;
}

TEST_F(SimTest, BalanceValuesReadByExactKeyAndSetInMemoryOnly)
{
    SIM_GetSim()->Open();
    SIM_GlobalVariable* gv = SIM_GetGlobalVariables();
    EXPECT_EQ(gv->Get("CHEAT_LASERS"), 0.0f);
    gv->Set("CHEAT_LASERS", 1.0f);
    EXPECT_EQ(gv->Get("CHEAT_LASERS"), 1.0f);
    EXPECT_EQ(ReadWholeFile(resources.Str() + "/data/config.txt").find("CHEAT_LASERS = 1"),
              std::string::npos);
    EXPECT_EQ(gv->Get("cheat_lasers"), 0.0f); // keys are case-sensitive
    gv->Set("NEW_KEY", 0.123456f);             // added, at full precision
    EXPECT_EQ(gv->Get("NEW_KEY"), 0.123456f);
    screens.reports.clear();
    gv->Get("NOT_A_KEY");
    gv->Get("NOT_A_KEY");
    EXPECT_EQ(screens.reports, (std::vector<std::string> {"GWarning Balance value missing, read as 0: NOT_A_KEY"}));
}

TEST_F(SimTest, AMissingConfigFileReadsEveryKeyAsZero)
{
    std::filesystem::remove(resources.Path() / "data" / "config.txt");
    SIM_GetSim()->Open();
    EXPECT_EQ(SIM_GetGlobalVariables()->Get("GV_UNEMPLOYMENT_BENEFIT"), 0.0f);
    EXPECT_TRUE(screens.Alerts().empty());
}

TEST_F(SimTest, MonthNamesComeFromTheStringTable)
{
    SIM_GetSim()->Open();
    EXPECT_EQ(SIM_Date::GetMonthName(0), "January");
    EXPECT_EQ(SIM_Date::GetMonthName(11), "December");
    EXPECT_EQ(SIM_Date::GetMonthName(12), "");
}

TEST_F(SimTest, ShippedAttributeRowsLoad)
{
    struct Table {
        const char* file;
        std::vector<std::string> names;
    };
    const Table tables[] = {
        {"data/simulation/band.csv",
         {"band_rehearsal", "band_stress", "band_chemistry", "band_musicianship",
          "band_live_experience", "band_motivation", "band_hype"}},
        {"data/simulation/attributes.csv",
         {"inspiration", "songwriting", "attrib_vocals", "live_experience"}},
    };
    for (const Table& t : tables) {
        CSpreadsheet sheet(t.file);
        ASSERT_TRUE(sheet.WasRead()) << t.file;
        std::vector<std::unique_ptr<SIM_Attribute>> loaded;
        for (const std::string& row : sheet) {
            loaded.push_back(std::make_unique<SIM_Attribute>());
            loaded.back()->Load(row.c_str());
        }
        std::vector<std::string> names;
        for (const auto& a : loaded) {
            names.push_back(a->GetName());
            EXPECT_FALSE(a->GetGUIName().empty()) << a->GetName();
            EXPECT_FALSE(a->GetDescription().empty()) << a->GetName();
            EXPECT_TRUE(a->GetBaseValue() >= 0.0f && a->GetBaseValue() <= 1.0f) << a->GetName();
        }
        EXPECT_EQ(names, t.names) << t.file;
    }
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(SimTest, AttributeRowsReadEveryColumnAndTheirParent)
{
    SIM_Attribute parent, child, stranger, self;
    parent.Load("#,band_stress,Stress,0.1,1,0,Nerves.,above,0.7,,1\n");
    EXPECT_EQ(parent.GetName(), "band_stress");
    EXPECT_EQ(parent.GetGUIName(), "Stress");
    EXPECT_FLOAT_EQ(parent.GetBaseValue(), 0.1f);
    EXPECT_TRUE(parent.IsAlwaysShown());
    EXPECT_FALSE(parent.IsHighGood());
    EXPECT_EQ(parent.GetDescription(), "Nerves.");
    EXPECT_EQ(parent.GetWarnDirection(), SIM_Attribute::WARN_ABOVE);
    EXPECT_FLOAT_EQ(parent.GetWarnLimit(), 0.7f);
    EXPECT_EQ(parent.GetParent(), nullptr);

    child.Load("#,stress,Stress,0.2,0,0,Mine.  ,below  ,0.1,band_stress,0.5\n");
    EXPECT_EQ(child.GetDescription(), "Mine.");
    EXPECT_EQ(child.GetWarnDirection(), SIM_Attribute::WARN_BELOW);
    EXPECT_EQ(child.GetParent(), &parent);
    EXPECT_FLOAT_EQ(child.GetParentWeight(), 0.5f);
    EXPECT_TRUE(screens.reports.empty());

    stranger.Load("#,odd,Odd,0.2,0,0,x,sideways,0,nobody,0.5\n");
    EXPECT_EQ(stranger.GetWarnDirection(), SIM_Attribute::WARN_NONE);
    EXPECT_EQ(stranger.GetParent(), nullptr);
    EXPECT_FLOAT_EQ(stranger.GetParentWeight(), 1.0f);
    EXPECT_EQ(screens.reports, (std::vector<std::string> {"GError Error finding parent attribute"}));

    screens.reports.clear();
    self.Load("#,loop,Loop,0.2,0,0,x,none,0,loop,0.5\n");
    EXPECT_EQ(self.GetParent(), nullptr);
    ASSERT_EQ(screens.reports.size(), 1u);
    EXPECT_EQ(screens.reports[0], "GWarning Attribute cannot be its own parent: loop");

    // Numbers that are no number read 0, so no NaN reaches a warning or a parent's notice.
    SIM_Attribute blank;
    blank.Load("#,blank,Blank,nan,0,0,x,above,nan,band_stress,nan\n");
    EXPECT_EQ(blank.GetBaseValue(), 0.0f);
    EXPECT_EQ(blank.GetWarnLimit(), 0.0f);
    EXPECT_EQ(blank.GetParent(), &parent);
    EXPECT_EQ(blank.GetParentWeight(), 0.0f);
}

TEST_F(SimTest, ChangesShowOnTheParentScaledByItsWeight)
{
    struct Bar : SIM_IndicatorView {
        std::vector<float> changes;
        float GetX() const override { return 0; }
        float GetCenterY() const override { return 0; }
        void ShowChange(float change, float, float, bool) override { changes.push_back(change); }
    } parentBar, childBar;
    SIM_Attribute parent, child;
    parent.Load("#,band_motivation,Motivation,0.5,1,1,x,none,0,,1\n");
    child.Load("#,motivation,Motivation,0.5,1,1,x,none,0,band_motivation,0.5\n");
    parent.SetIndicator(&parentBar);
    child.SetIndicator(&childBar);
    child.AddEffect(0.2f, 1.0f, "gig");
    EXPECT_EQ(childBar.changes, (std::vector<float> {0.2f}));
    EXPECT_EQ(parentBar.changes, (std::vector<float> {0.1f}));
}

TEST_F(SimTest, MelodiesFileHasEverySectionInItsFormat)
{
    for (int i = 0; i < SIM_Practice::NumInstruments; ++i) {
        IniLoader tones;
        tones.LoadSection(SIM_Practice::GetInstrumentSection(i), SIM_Practice::MelodiesFile);
        for (int t = 0; t < 5; ++t)
            EXPECT_FALSE(tones.GetValue(std::to_string(t)).empty())
                << SIM_Practice::GetInstrumentSection(i) << " tone " << t;
        IniLoader melodies;
        melodies.LoadSection(SIM_Practice::GetMelodiesSection(i), SIM_Practice::MelodiesFile);
        ASSERT_GT(melodies.GetNumKeys(), 0) << SIM_Practice::GetMelodiesSection(i);
        for (int id = 0; id < melodies.GetNumKeys(); ++id) {
            const std::string value = melodies.GetValue(std::to_string(id));
            ASSERT_FALSE(value.empty()) << "ids run from 0 without gaps: " << id;
            CSV csv;
            csv.Initialise(value, ',');
            while (!csv.Finished()) {
                const int tone = csv.GetNextInt();
                EXPECT_TRUE(tone >= 1 && tone <= 5) << value;
            }
        }
    }
}

TEST_F(SimTest, AFullGameRunsToItsEndWithShippedDataAndNoReport)
{
    SIM_GetGameConfig()->SetAvatarTexture("m_avatar_01.png");
    SIM_GetGameConfig()->SetAvatarName("Sam");
    SIM_GetGameConfig()->SetBandName("The Quiet Storm");
    // Opening reads every table; it is timed on this thread's CPU clock, so a loaded
    // machine running other tests beside it does not fail it, with room for the
    // sanitizer build. The benchmark holds the exact figure.
    const double start = ThreadCpuMilliseconds();
    SIM_GetSim()->Open();
    EXPECT_LT(ThreadCpuMilliseconds() - start, 250.0);
    SIM_GetSim()->Reset();
    const int years = int(SIM_GetGlobalVariables()->Get("GAME_DURATION_YEARS"));
    screens.keepDrawCalls = false;
    screens.Clear();
    int days = 0;
    while (!screens.IsEndGameActive() && days < 100 * SIM_Date::DaysPerYear) {
        SIM_GetSim()->EndDay();
        ++days;
    }
    EXPECT_EQ(days, years * SIM_Date::DaysPerYear);
    EXPECT_EQ(screens.Count("ActivateYearlyReview"), years - 1);
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), days - 1);
    EXPECT_TRUE(screens.Alerts().empty()) << screens.Alerts().front();
    EXPECT_TRUE(reports.alerts.empty());
    SIM_GetSim()->Close();
}
