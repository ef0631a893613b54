#include "sim/SIM_Practice.h"

#include <gtest/gtest.h>

TEST(Practice, ClearedModelStartsEveryInstrumentAfresh)
{
    SIM_Practice p;
    p.FinishMelody(0);
    p.RaiseBPM();
    p.GotoNextInstrument();
    p.Clear();
    EXPECT_EQ(p.GetInstrument(), 0);
    for (int i = 0; i < SIM_Practice::NumInstruments; ++i) {
        EXPECT_EQ(p.GetBPM(i), 100);
        EXPECT_TRUE(p.GetBeaten(i).empty());
    }
    EXPECT_EQ(p.GetNextMelodyID(), 0);
}

TEST(Practice, NextMelodyIsTheFirstGapFromZero)
{
    SIM_Practice p;
    p.FinishMelody(0);
    p.FinishMelody(2);
    EXPECT_EQ(p.GetNextMelodyID(), 1);
    EXPECT_TRUE(p.IsMelodyBeaten(2));
    p.FinishMelody(1);
    EXPECT_EQ(p.GetNextMelodyID(), 3);
    p.GotoNextInstrument(); // lists are per instrument
    EXPECT_EQ(p.GetNextMelodyID(), 0);
}

TEST(Practice, TempoRisesByTwoUpTo250)
{
    SIM_Practice p;
    for (int i = 0; i < 75; ++i)
        p.RaiseBPM();
    EXPECT_EQ(p.GetBPM(), 250);
    p.RaiseBPM();
    EXPECT_EQ(p.GetBPM(), 250);
    EXPECT_EQ(p.GetBPM(1), 100);
}

TEST(Practice, InstrumentsCycleThroughTheirSections)
{
    SIM_Practice p;
    const char* expected[][2] = {{"piano", "piano melodies"}, {"bass", "bass melodies"},
                                 {"organ", "organ melodies"}, {"guitar", "guitar melodies"},
                                 {"drums", "drum melodies"},  {"piano", "piano melodies"}};
    for (const auto& e : expected) {
        EXPECT_EQ(p.GetInstrumentSection(), e[0]);
        EXPECT_EQ(p.GetMelodiesSection(), e[1]);
        p.GotoNextInstrument();
    }
    EXPECT_EQ(SIM_Practice::GetInstrumentSection(5), "");
    EXPECT_EQ(SIM_Practice::GetMelodiesSection(-1), "");
}

TEST(Practice, DamagedSavedValuesStayInRange)
{
    SIM_Practice p;
    p.SetInstrument(9);
    EXPECT_EQ(p.GetInstrument(), 0);
    p.SetBPM(2, 999);
    EXPECT_EQ(p.GetBPM(2), 250);
    p.AddBeaten(7, 1); // no such instrument: ignored
    EXPECT_TRUE(p.GetBeaten(7).empty());
}
