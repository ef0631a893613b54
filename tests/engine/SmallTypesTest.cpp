#include "engine/GNgon.h"
#include "engine/LibColor.h"
#include "engine/ProcessBase.h"
#include "engine/SIM_DegradingValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

TEST(DegradingValueTest, HalvingValueDropsOutAfterSevenSteps)
{
    SIM_DegradingValueList list;
    list.AddValue(1.0f, 0.5f);
    float expected = 1.0f;
    for (int step = 1; step <= 6; ++step) {
        list.Process();
        expected *= 0.5f;
        EXPECT_FLOAT_EQ(list.GetTotal(), expected) << "step " << step;
        EXPECT_EQ(list.Count(), 1u);
    }
    list.Process(); // 0.0078 is below 0.01
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_FLOAT_EQ(list.GetTotal(), 0.0f);
    // With no values left, the total keeps its last reading.
    list.Process();
    EXPECT_FLOAT_EQ(list.GetTotal(), 0.0f);
}

TEST(DegradingValueTest, AverageOrSum)
{
    SIM_DegradingValueList average, sum;
    sum.SetSumMode(true);
    for (auto* list : {&average, &sum}) {
        list->AddValue(1.0f, 1.0f);
        list->AddValue(0.5f, 1.0f);
        list->AddValue(-0.005f, 1.0f); // negligible, whatever its sign
        list->Process();
        EXPECT_EQ(list->Count(), 2u);
    }
    EXPECT_FLOAT_EQ(average.GetTotal(), 0.75f);
    EXPECT_FLOAT_EQ(sum.GetTotal(), 1.5f);
}

TEST(DegradingValueTest, EmptyListKeepsItsTotal)
{
    SIM_DegradingValueList list;
    list.Process();
    EXPECT_FLOAT_EQ(list.GetTotal(), 0.0f);
}

namespace {

// Records every step into a shared log; can delete another object (or itself) when run.
class Recorder : public ProcessBase {
public:
    Recorder(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) {}
    ~Recorder() override { log_.push_back("~" + name_); }
    void Process() override
    {
        log_.push_back(name_);
        ProcessBase* victim = victim_;
        victim_ = nullptr;
        if (victim)
            delete victim;
    }
    ProcessBase* victim_ = nullptr;

private:
    std::vector<std::string>& log_;
    std::string name_;
};

} // namespace

class ProcessBaseTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        while (!ProcessBase::All.empty())
            delete ProcessBase::All.front();
    }
    std::vector<std::string> log;
};

TEST_F(ProcessBaseTest, InactiveObjectsGoBeforeAnyStepThenAllStepInOrder)
{
    auto* a = new Recorder(log, "a");
    auto* b = new Recorder(log, "b");
    new Recorder(log, "c");
    EXPECT_EQ(ProcessBase::All.size(), 3u);
    b->SetActive(false);
    a->SetActive(false);
    ProcessBase::ProcessAll();
    EXPECT_EQ(log, (std::vector<std::string> {"~a", "~b", "c"}));
    EXPECT_EQ(ProcessBase::All.size(), 1u);
    EXPECT_FALSE(ProcessBase::CleanupObject());
}

TEST_F(ProcessBaseTest, StepThatDeletesObjectsIsSafe)
{
    auto* a = new Recorder(log, "a");
    auto* b = new Recorder(log, "b");
    auto* c = new Recorder(log, "c");
    a->victim_ = b; // a later object
    c->victim_ = c; // itself
    ProcessBase::ProcessAll();
    EXPECT_EQ(log, (std::vector<std::string> {"a", "~b", "c", "~c"}));
    EXPECT_EQ(ProcessBase::All, (std::list<ProcessBase*> {a}));
}

TEST(LibColorTest, ConstructionAndDarken)
{
    LibColor white;
    EXPECT_EQ(white.r + white.g + white.b + white.a, 4 * 255);

    LibColor c("10,20,30");
    EXPECT_EQ(c.r, 10);
    EXPECT_EQ(c.g, 20);
    EXPECT_EQ(c.b, 30);
    EXPECT_EQ(c.a, 255);
    c.Darken(15);
    EXPECT_EQ(c.r, 0);
    EXPECT_EQ(c.g, 5);
    EXPECT_EQ(c.b, 15);
    EXPECT_EQ(c.a, 255);

    // A short or empty text leaves the missing channels at 0 instead of failing.
    LibColor partial("200, 100");
    EXPECT_EQ(partial.r, 200);
    EXPECT_EQ(partial.g, 100);
    EXPECT_EQ(partial.b, 0);
    LibColor empty("");
    EXPECT_EQ(empty.r + empty.g + empty.b, 0);
    EXPECT_EQ(empty.a, 255);
}

namespace {

GNgon Square()
{
    GNgon square;
    for (V2 p : {V2(0, 0), V2(10, 0), V2(10, 10), V2(0, 10)})
        square.AddPoint(p);
    return square;
}

} // namespace

TEST(GNgonTest, InsideSquare)
{
    GNgon square = Square();
    struct Case {
        V2 point;
        bool inside;
    };
    const Case cases[] = {
        {{5, 5}, true}, {{10, 5}, false}, {{0, 5}, true}, {{5, 0}, true}, {{5, 10}, false},
        {{-1, 5}, false}, {{5, -1}, false}, {{11, 11}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(square.Inside(c.point), c.inside) << c.point.x << "," << c.point.y;
    EXPECT_FALSE(GNgon().Inside(V2(0, 0)));
}

TEST(GNgonTest, InsideConcavePolygon)
{
    // A "U": the notch between the arms is outside.
    GNgon u;
    for (V2 p : {V2(0, 0), V2(3, 0), V2(3, 6), V2(6, 6), V2(6, 0), V2(9, 0), V2(9, 9), V2(0, 9)})
        u.AddPoint(p);
    EXPECT_TRUE(u.Inside(V2(1, 1)));
    EXPECT_FALSE(u.Inside(V2(4.5f, 3)));
    EXPECT_TRUE(u.Inside(V2(4.5f, 7)));
    EXPECT_TRUE(u.Inside(V2(8, 1)));
}

TEST(GNgonTest, CenterTesselateAndPrune)
{
    GNgon square = Square();
    square.CalculateCenter();
    EXPECT_FLOAT_EQ(square.GetCenter().x, 5.0f);
    EXPECT_FLOAT_EQ(square.GetCenter().y, 5.0f);

    GNgon none;
    none.CalculateCenter();
    EXPECT_FALSE(std::isnan(none.GetCenter().x));
    EXPECT_FLOAT_EQ(none.GetCenter().x, 0.0f);

    GNgon triangle;
    for (V2 p : {V2(0, 0), V2(4, 0), V2(0, 2)})
        triangle.AddPoint(p);
    triangle.Tesselate();
    const std::vector<std::pair<float, float>> expected {{0, 0}, {2, 0}, {4, 0}, {2, 1}, {0, 2}, {0, 1}};
    ASSERT_EQ(triangle.GetPoints().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_FLOAT_EQ(triangle.GetPoints()[i].x, expected[i].first) << i;
        EXPECT_FLOAT_EQ(triangle.GetPoints()[i].y, expected[i].second) << i;
    }

    GNgon repeats;
    for (V2 p : {V2(1, 1), V2(2, 2), V2(1, 1), V2(3, 3), V2(1, 2)})
        repeats.AddPoint(p);
    repeats.PruneDuplicatePoints();
    ASSERT_EQ(repeats.GetPoints().size(), 4u);
    EXPECT_FLOAT_EQ(repeats.GetPoints()[2].x, 3.0f);
    EXPECT_FLOAT_EQ(repeats.GetPoints()[3].y, 2.0f);
}
