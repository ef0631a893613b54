// Activity types and instances: conditions, quality, affordability, and carrying an
// activity out (its action, cost, modifiers and the end of the day).
#include "sim/BandFixture.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SoloActivityInstance.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> gHooks;
void RecordHook(const std::string& name) { gHooks.push_back(name); }

class ActivityTest : public BandTest {
protected:
    void SetUp() override
    {
        BandTest::SetUp();
        gHooks.clear();
        SIM_SoloActivityInstance::SetHookTrigger(RecordHook);
        difficultyWas = SIM_GetPlayerOptions()->Get(SIM_PlayerOptions::OPTION_DIFFICULTY);
    }
    void TearDown() override
    {
        SIM_SoloActivityInstance::Close();
        SIM_SoloActivityInstance::SetHookTrigger(nullptr);
        SIM_SoloActivityType::All.clear();
        SIM_GetPlayerOptions()->Set(SIM_PlayerOptions::OPTION_DIFFICULTY, difficultyWas);
        BandTest::TearDown();
    }
    static void SetFame(float fame)
    {
        SIM_GetFame()->Clear();
        SIM_GetFame()->AddEffect(fame, 1.0f, "test");
        SIM_GetFame()->CalculateValue();
    }
    // A type with one condition.
    static bool Met(const char* condition, bool atMost = false)
    {
        SIM_SoloActivityType type;
        type.AddPreRequisite(condition, false, atMost);
        return type.IsAvailable();
    }

    float difficultyWas = 0.5f;
};

} // namespace

TEST_F(ActivityTest, ConditionsReadThePlayerCharactersValueFirstThenTheGlobalsAndFame)
{
    SIM_NamedValueList::ForceGlobal("glob_cool", 0.4f);
    SIM_NamedValueList::ForceGlobal("shared", 0.9f);
    SIM_GetRiza()->GetNamedValue("shared", true)->SetValue(0.2f); // hides the global
    SetFame(30.0f);

    struct Case {
        const char* condition;
        bool atMost;
        bool met;
    };
    const Case cases[] = {
        {"glob_cool,0.4", false, true},  {"glob_cool,0.5", false, false}, {"glob_cool,0.4", true, true},
        {"glob_cool,0.3", true, false},  {"shared,0.5", false, false},    {"shared,0.5", true, true},
        {"fame,30", false, true},        {"fame,31", false, false},       {"fame,31", true, false},
        {"nothing_like_it,0", false, false}, {"nothing_like_it,1", true, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Met(c.condition, c.atMost), c.met) << c.condition << (c.atMost ? " at most" : "");

    // Texts too short for a condition add none: the type stays available.
    for (const char* text : {"", "ab", "x,1", ",5"})
        EXPECT_TRUE(Met(text)) << text;

    // All conditions must hold; the stored condition keeps its flags and translated name.
    SIM_SoloActivityType type;
    EXPECT_TRUE(type.IsAvailable());
    type.AddPreRequisite("glob_cool,0.1", true, false);
    type.AddPreRequisite("fame,50", false, false);
    EXPECT_FALSE(type.MeetsPrerequisites());
    SetFame(60.0f);
    EXPECT_TRUE(type.MeetsPrerequisites());
    ASSERT_EQ(type.GetPreRequisites().size(), 2u);
    const auto& first = *type.GetPreRequisites()[0];
    EXPECT_TRUE(first.first);
    EXPECT_FALSE(first.atMost);
    EXPECT_FLOAT_EQ(first.value, 0.1f);
    EXPECT_EQ(first.guiname, GTranslation::GetString("nv_glob_cool"));

    // A name longer than 63 characters is cut.
    SIM_SoloActivityType longName;
    longName.AddPreRequisite((std::string(80, 'n') + ",1").c_str(), false, false);
    ASSERT_EQ(longName.GetPreRequisites().size(), 1u);
    EXPECT_EQ(longName.GetPreRequisites()[0]->name.size(), 63u);
    EXPECT_TRUE(screens.Alerts().empty());
}

TEST_F(ActivityTest, QualityAddsNamedValuesTimesTheirWeightsAndALuckTermHeldWithinOne)
{
    SIM_NamedValueList::ForceGlobal("glob_cool", 0.5f);
    SIM_SoloActivityType type;
    type.ParseQuality("glob_cool,2,unknown_value,5,glob_cool");
    ASSERT_EQ(type.GetQualityTerms().size(), 3u);
    EXPECT_FLOAT_EQ(type.GetQualityTerms()[2]->value, 0.0f); // the missing last weight
    EXPECT_FLOAT_EQ(type.GetEventQuality(), 1.0f);

    // A name too short is reported and left out.
    SIM_SoloActivityType shortName;
    shortName.ParseQuality("x,1,glob_cool,1");
    EXPECT_EQ(shortName.GetQualityTerms().size(), 1u);
    EXPECT_EQ(screens.Alerts().size(), 1u);
    SIM_SoloActivityType empty;
    empty.ParseQuality("a");
    EXPECT_TRUE(empty.GetQualityTerms().empty());
    EXPECT_FLOAT_EQ(empty.GetEventQuality(), 0.0f);

    // Luck: a random 0..1 x weight x (1.5 - difficulty), each draw held within 0..1.
    struct Case {
        float difficulty;
        float weight;
        float most;
    };
    const Case cases[] = {{0.0f, 0.5f, 0.75f}, {1.0f, 1.0f, 0.5f}, {0.0f, 4.0f, 1.0f}, {0.5f, -1.0f, 0.0f}};
    for (const Case& c : cases) {
        SIM_GetPlayerOptions()->Set(SIM_PlayerOptions::OPTION_DIFFICULTY, c.difficulty);
        SIM_SoloActivityType luck;
        luck.ParseQuality(("_random," + std::to_string(c.weight)).c_str());
        float highest = 0.0f;
        for (int i = 0; i < 400; ++i) {
            const float q = luck.GetEventQuality();
            ASSERT_GE(q, 0.0f);
            ASSERT_LE(q, c.most + 1e-6f) << c.difficulty << " " << c.weight;
            highest = std::max(highest, q);
        }
        EXPECT_GE(highest, 0.9f * c.most) << c.difficulty << " " << c.weight;
    }
}

TEST_F(ActivityTest, ATypeIsAffordableWhenFreeOrNoDearerThanTheCash)
{
    struct Case {
        float cost;
        float cash;
        bool affordable;
    };
    const Case cases[] = {{0, -500, true}, {-10, -500, true}, {100, 100, true}, {100, 99.5f, false}, {1, -1, false}};
    for (const Case& c : cases) {
        SIM_GetFinances()->SetCash(c.cash);
        SIM_SoloActivityType type;
        type.SetCost(c.cost);
        EXPECT_EQ(type.IsAffordable(), c.affordable) << c.cost << " with " << c.cash;
    }
}

TEST_F(ActivityTest, TypesAreFoundByNameAndAMissingOneIsReported)
{
    SIM_SoloActivityType jog;
    jog.SetName("jog");
    SIM_SoloActivityType::All.push_back(&jog);
    EXPECT_EQ(SIM_SoloActivityType::GetByName("jog"), &jog);
    EXPECT_TRUE(screens.Alerts().empty());
    EXPECT_EQ(SIM_SoloActivityType::GetByName("swim"), nullptr);
    EXPECT_EQ(screens.Alerts(), (std::vector<std::string> {"GError SIM_SoloActivityType not found"}));
}

TEST_F(ActivityTest, ChoosingAnActivityRunsItsActionPaysAppliesItsModifiersAndEndsTheDay)
{
    SIM_GetFinances()->SetCash(100.0f);
    SIM_SoloActivityType busk;
    busk.SetGUIName("Busking");
    busk.SetAction("play crowd.ogg");
    busk.SetCost(30.0f);
    busk.AddModifier("glob_busked,0.25,0");
    const int turn = SIM_GetSim()->GetTurnCount();
    screens.Clear();

    busk.ProcessChunk();
    EXPECT_EQ(screens.Count("PlaySound data/sounds/crowd.ogg"), 1);
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 70.0f + SIM_GetGlobalVariables()->Get("GV_UNEMPLOYMENT_BENEFIT"));
    EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals().GetValue("glob_busked"), 0.25f);
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), turn + 1);
    ASSERT_EQ(SIM_SoloActivityInstance::All.size(), 1u);
    EXPECT_EQ(SIM_SoloActivityInstance::All[0]->GetType(), &busk);
    EXPECT_TRUE(gHooks.empty());

    // A hook ends the day itself; the cost is still paid.
    SIM_SoloActivityType practice;
    practice.SetAction("call practice");
    practice.SetCost(10.0f);
    const float cash = SIM_GetFinances()->GetCash();
    practice.ProcessChunk();
    EXPECT_EQ(gHooks, (std::vector<std::string> {"practice"}));
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), turn + 1);
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), cash - 10.0f);

    // Another verb, or none, does nothing but end the day.
    SIM_SoloActivityType odd;
    odd.SetAction("dance wildly");
    odd.ProcessChunk();
    SIM_SoloActivityType plain;
    plain.ProcessChunk();
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), turn + 3);
    EXPECT_EQ(gHooks.size(), 1u);
    EXPECT_EQ(SIM_SoloActivityInstance::All.size(), 4u);
    EXPECT_TRUE(screens.Alerts().empty());

    // A new game deletes every instance.
    SIM_GetSim()->Reset();
    EXPECT_TRUE(SIM_SoloActivityInstance::All.empty());
}
