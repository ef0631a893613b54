// The shipped tables and texts that musicians, the band and the player character read.
#include "sim/BandFixture.h"

TEST_F(BandTest, ShippedDataHoldsWhatTheBandAndThePlayerRead)
{
    for (const char* name : {"band_rehearsal", "band_stress", "band_chemistry", "band_musicianship",
                             "band_live_experience", "band_motivation", "band_hype"})
        EXPECT_TRUE(SIM_GetBand()->GetAttributes().HasValue(name)) << name;
    for (const char* name : {"inspiration", "attrib_vocals", "songwriting", "live_experience"})
        EXPECT_NE(SIM_GetRiza()->GetAttribute(name), nullptr) << name;
    for (const char* key : {"INSTRUMENT_KEYBOARD", "INSTRUMENT_DRUMS", "INSTRUMENT_BASS", "INSTRUMENT_GUITAR",
                            "INSTRUMENT_SAXOPHONE", "INSTRUMENT_VOCALS", "HE", "SHE", "nv_music_keyboard",
                            "nv_music_drums", "nv_music_bass", "nv_music_guitar", "nv_music_saxophone",
                            "nv_music_vocals"})
        EXPECT_STRNE(GTranslation::GetString(key), key) << key;
    for (const char* name : {"ambitious", "egotistical", "optimistic", "pessimistic", "lazy", "energetic",
                             "imaginitive", "charismatic", "peacemaker", "disruptor"})
        EXPECT_NE(SIM_Personality::GetByName(name), nullptr) << name;
    for (const char* key : {"RS_STARTING_INNOCENCE", "RS_RESIGN_CONSIDER_THRESHOLD", "RS_MUSICIAN_RESIGN_MINDAYS",
                            "RS_RELATIONSHIP_DEGRADE", "RS_RELATIONSHIP_MULTIPLIER", "MUSICIAN_PRACTICE_PROGRESS"})
        EXPECT_GT(SIM_GetGlobalVariables()->Get(key), 0.0f) << key;
    EXPECT_TRUE(screens.Alerts().empty());
}

// The band-state panel is six bars high: a seventh attribute marked to show would be drawn
// off the panel.
TEST_F(BandTest, NoMoreBandAttributesAreShownThanThePanelHolds)
{
    const int kPanelBars = 6;
    int shown = 0;
    for (const SIM_NamedValue* v : SIM_GetBand()->GetAttributes().GetRawList())
        if (const auto* a = dynamic_cast<const SIM_Attribute*>(v); a && a->IsAlwaysShown())
            ++shown;
    EXPECT_GT(shown, 0);
    EXPECT_LE(shown, kPanelBars);
}
