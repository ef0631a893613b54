#include "sim/RecordingScreens.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Screens.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {
// An indicator that records the change notices it is asked to show.
struct FakeIndicator : SIM_IndicatorView {
    float x = 100, y = 50;
    std::vector<float> changes;
    float GetX() const override { return x; }
    float GetCenterY() const override { return y; }
    void ShowChange(float change, float nx, float ny, bool) override
    {
        changes.push_back(change);
        lastX = nx;
        lastY = ny;
    }
    float lastX = 0, lastY = 0;
};

class EffectTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        while (!SIM_Effect::All.empty())
            delete SIM_Effect::All.front();
    }
    RecordingScreens screens;
    RecordingScreens::Scope scope {screens};
};
}

TEST_F(EffectTest, DecayByDegradeAndDropOnceNegligible)
{
    struct Case {
        float value, degrade;
        bool clamp;
        int days;
        float expect; // NAN: deleted by then
    };
    const Case cases[] = {
        {0.0015f, 0.5f, true, 1, NAN},       // 0.00075 is negligible: gone the same day
        {0.5f, 0.5f, true, 1, 0.25f},
        {0.5f, 1.0f, true, 30, 0.5f},        // permanent
        {0.5f, 0.0f, true, 1, NAN},          // gone after the first day
        {-0.4f, 0.5f, true, 2, -0.1f},
        {0.3f, 7.0f, false, 3, 0.3f},        // a growing factor is clamped to 1
        {0.3f, NAN, false, 1, NAN},          // NaN factor reads 0
        {NAN, 0.9f, true, 1, NAN},           // NaN value reads 0: negligible
        {3.0f, 1.0f, true, 1, 1.0f},         // clamped effects stay within -1..1
        {3.0f, 1.0f, false, 1, 3.0f},        // unclamped (fame) ones do not
        {0.001f, 1.0f, false, 5, 0.001f},    // exactly 0.001 is not negligible
    };
    for (const Case& c : cases) {
        auto* e = new SIM_Effect(c.value, c.degrade, "test", c.clamp);
        for (int d = 0; d < c.days; ++d)
            SIM_Effect::ProcessAllEffects();
        const bool alive = std::find(SIM_Effect::All.begin(), SIM_Effect::All.end(), e) !=
                           SIM_Effect::All.end();
        if (std::isnan(c.expect)) {
            EXPECT_FALSE(alive) << c.value << " x " << c.degrade;
        } else {
            ASSERT_TRUE(alive) << c.value << " x " << c.degrade;
            EXPECT_FLOAT_EQ(e->GetEffect(), c.expect) << c.value << " x " << c.degrade;
            delete e;
        }
    }
    EXPECT_TRUE(SIM_Effect::All.empty());
}

TEST_F(EffectTest, DecayDeletesTheEffectFromItsAttribute)
{
    SIM_Attribute a("stress", "Stress", 0.2f);
    a.AddEffect(0.1f, 0.5f, "gig");
    a.AddEffect(0.002f, 0.1f, "tiny");
    EXPECT_FLOAT_EQ(a.GetValue(), 0.302f);
    SIM_Effect::ProcessAllEffects();
    ASSERT_EQ(a.GetEffects().size(), 1u);
    EXPECT_EQ(a.GetEffects()[0]->GetDebugName(), "gig");
    a.CalculateValue();
    EXPECT_FLOAT_EQ(a.GetValue(), 0.25f);
}

TEST_F(EffectTest, AttributeValueIsBasePlusEffectsClamped)
{
    SIM_Attribute a("x", "X", 0.8f);
    a.AddEffect(0.3f, 1.0f, "up");
    a.AddEffect(-0.05f, 1.0f, "down");
    EXPECT_FLOAT_EQ(a.GetValue(), 1.0f);
    SIM_Attribute b("y", "Y", 0.1f);
    b.AddEffect(-0.5f, 1.0f, "down");
    EXPECT_FLOAT_EQ(b.GetValue(), 0.0f);
}

TEST_F(EffectTest, RemoveModifiersDropsOnlyThatName)
{
    SIM_Attribute a("x", "X", 0.2f);
    a.AddEffect(0.1f, 1.0f, "van");
    a.AddEffect(0.2f, 1.0f, "amp");
    a.AddEffect(0.1f, 1.0f, "van");
    a.RemoveModifiers("van");
    ASSERT_EQ(a.GetEffects().size(), 1u);
    EXPECT_FLOAT_EQ(a.GetValue(), 0.4f);
    a.RemoveModifiers("nothing");
    EXPECT_FLOAT_EQ(a.GetValue(), 0.4f);
    EXPECT_EQ(SIM_Effect::All.size(), 1u); // the dropped ones are gone, not orphaned
}

TEST_F(EffectTest, AnEffectMovedToAnotherAttributeLeavesTheFirst)
{
    SIM_Attribute a("a", "A", 0.0f), b("b", "B", 0.0f);
    auto* e = new SIM_Effect(0.3f, 1.0f, "moving", true);
    a.AddEffect(e);
    b.AddEffect(e);
    a.CalculateValue();
    EXPECT_TRUE(a.GetEffects().empty());
    EXPECT_FLOAT_EQ(a.GetValue(), 0.0f);
    EXPECT_FLOAT_EQ(b.GetValue(), 0.3f);
    delete e;
    EXPECT_TRUE(b.GetEffects().empty());
}

TEST_F(EffectTest, ChangesShowOnTheIndicatorBesideTheBar)
{
    SIM_Attribute a("motivation", "Motivation", 0.5f);
    FakeIndicator bar;
    a.SetIndicator(&bar);
    a.AddEffect(0.2f, 1.0f, "gig");
    ASSERT_EQ(bar.changes.size(), 1u);
    EXPECT_FLOAT_EQ(bar.changes[0], 0.2f);
    EXPECT_FLOAT_EQ(bar.lastX, 95.0f);
    EXPECT_FLOAT_EQ(bar.lastY, 55.0f);
    a.RemoveEffect(a.GetEffects()[0]);
    EXPECT_FLOAT_EQ(bar.changes.back(), -0.2f);
}

TEST_F(EffectTest, IndicatorAndAttributeUnhookWhicheverDiesFirst)
{
    auto a = std::make_unique<SIM_Attribute>("x", "X", 0.5f);
    {
        FakeIndicator bar;
        a->SetIndicator(&bar);
        EXPECT_EQ(bar.GetAttribute(), a.get());
    }
    EXPECT_EQ(a->GetIndicator(), nullptr);
    a->AddEffect(0.1f, 1.0f, "safe"); // no notice to a dead bar

    FakeIndicator bar;
    a->SetIndicator(&bar);
    a.reset();
    EXPECT_EQ(bar.GetAttribute(), nullptr);
}

TEST(NamedValue, ProcOperatorAppliesThenClamps)
{
    struct Case {
        const char* op;
        float start, x, expect;
    };
    const Case cases[] = {
        {"+=", 0.5f, 0.2f, 0.7f}, {"-=", 0.5f, 0.7f, 0.0f}, {"*=", 0.5f, 3.0f, 1.0f},
        {"/=", 0.5f, 0.0f, 1.0f}, // +infinity clamps to 1
        {"/=", 0.0f, 0.0f, 0.0f}, // NaN reads 0
        {"=", 0.5f, 0.9f, 0.5f},  {"+ =", 1.5f, 0.1f, 1.0f}, // unknown: only the clamp
    };
    for (const Case& c : cases) {
        SIM_NamedValue v("v", "V", c.start);
        v.ProcOperator(c.op, c.x);
        EXPECT_FLOAT_EQ(v.GetValue(), c.expect) << c.op << " " << c.start << " " << c.x;
    }
}

TEST(NamedValue, ListsFindByNameAndReportMissingOnes)
{
    RecordingScreens screens;
    RecordingScreens::Scope scope(screens);
    SIM_NamedValueList list;
    list.SetName("test list");
    list.AddValue(new SIM_NamedValue("van", "Van", 1.0f));
    list.AddValue(new SIM_NamedValue("amp", "Amp", 0.0f));
    EXPECT_TRUE(list.IsTrue("van"));
    EXPECT_FALSE(list.IsTrue("amp"));
    EXPECT_TRUE(list.HasValue("amp"));
    EXPECT_FALSE(list.IsTrue("bus"));
    EXPECT_TRUE(screens.reports.empty());
    EXPECT_FLOAT_EQ(list.GetValue("bus"), -1.0f);
    EXPECT_EQ(SIM_NamedValueList::GetList("test list"), &list);
    EXPECT_EQ(SIM_NamedValueList::GetList("no list"), nullptr);
    EXPECT_EQ(screens.reports, (std::vector<std::string> {"GError Value not found",
                                                          "GError Failed to find named value list"}));

    SIM_NamedValueList::ForceGlobal("glob_van", 2.0f); // no clamp
    SIM_NamedValueList::ForceGlobal("glob_van", 3.0f);
    EXPECT_FLOAT_EQ(SIM_NamedValueList::Globals().GetValue("glob_van"), 3.0f);
    EXPECT_EQ(SIM_NamedValueList::Globals().GetRawList().size(), 1u);
    SIM_NamedValueList::Globals().Clear();
}
