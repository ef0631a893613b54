// The change notice beside an indicator: its text, whether it counts as good, where it
// sits and how it fades.
#include "mainscreen/GUI_ChangeNotifier.h"

#include <gtest/gtest.h>

#include <limits>

TEST(ChangeNotifier, TextColourAndBox)
{
    const struct {
        float change;
        bool goodIfPositive;
        const char* text;
        bool good;
    } cases[] = {
        {0.25f, true, "+25", true},
        {-0.25f, true, "-25", false},
        {-0.25f, false, "-25", true},
        {0.004f, true, "0", false}, // 0.4 is not above 0: shown as no gain
        {0.004f, false, "0", true},
        {std::numeric_limits<float>::quiet_NaN(), true, "0", false},
        {1.0e30f, true, "+1000000", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        GUI_ChangeNotifier notifier;
        EXPECT_FALSE(notifier.IsActive());
        notifier.Initialise(c.change, 100.0f, 200.0f, c.goodIfPositive);
        EXPECT_TRUE(notifier.IsActive());
        EXPECT_EQ(notifier.GetText(), c.text);
        EXPECT_EQ(notifier.IsGood(), c.good);
        EXPECT_EQ(notifier.GetBox().left, 55);
        EXPECT_EQ(notifier.GetBox().top, 188);
        EXPECT_EQ(notifier.GetBox().right, 100);
        EXPECT_EQ(notifier.GetBox().bottom, 212);
    }
}

TEST(ChangeNotifier, FadesInHoldsAndFadesOut)
{
    const struct {
        double t;
        float opacity;
    } cases[] = {{0, 0.0f}, {250, 0.5f}, {425, 0.85f}, {500, 0.85f}, {2000, 0.85f},
                 {4000, 0.85f}, {4250, 0.5f}, {4500, 0.0f}};
    for (const auto& c : cases)
        EXPECT_NEAR(GUI_ChangeNotifier::Opacity(c.t), c.opacity, 1e-4) << c.t;
}
