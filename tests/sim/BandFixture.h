#pragma once
// A new game with the shipped data and recording screens, and helpers that make musicians
// and hire them. Every test closes the simulation again, so balance values set by one test
// never leak into the next.
#include "engine/GTranslation.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Riza.h"
#include "sim/SimFixture.h"

#include <initializer_list>
#include <string>

class BandTest : public SimTest {
protected:
    void SetUp() override
    {
        SimTest::SetUp();
        NewGame(2);
    }
    void TearDown() override
    {
        SIM_GetSim()->Close();
        SimTest::TearDown();
    }

    static void Set(const char* key, float value) { SIM_GetGlobalVariables()->Set(key, value); }

    // A musician who is not (yet) in the band.
    static SIM_Musician* Make(INSTRUMENT instrument, float ability = 0.5f,
                              std::initializer_list<const char*> personalities = {})
    {
        auto* m = new SIM_Musician;
        m->SetInstrument(instrument);
        m->SetAbility(ability, 1.0f);
        m->SetName("Test", std::to_string(SIM_Musician::All.size()));
        for (const char* p : personalities) {
            SIM_Personality* personality = SIM_Personality::GetByName(p);
            EXPECT_NE(personality, nullptr) << p;
            m->AddPersonality(personality);
        }
        return m;
    }
    static SIM_Musician* Hire(INSTRUMENT instrument, float ability = 0.5f,
                              std::initializer_list<const char*> personalities = {})
    {
        SIM_Musician* m = Make(instrument, ability, personalities);
        SIM_GetBand()->AddMusician(m);
        return m;
    }

    // Opens the simulation afresh with the shipped balance values; the shipped career's
    // length in years.
    static float ReopenWithShippedValues()
    {
        SIM_GetSim()->Close();
        SIM_GetSim()->Open();
        return SIM_GetGlobalVariables()->Get("GAME_DURATION_YEARS");
    }
    // Hires drums, bass, guitar, keyboard and saxophone, each of ability 0.6 with one
    // random personality.
    static void HireFullBand()
    {
        for (INSTRUMENT i : {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR, INSTRUMENT_KEYBOARD,
                             INSTRUMENT_SAXOPHONE}) {
            SIM_Musician* m = Make(i, 0.6f);
            m->AddPersonality(SIM_Personality::GetRandom());
            SIM_GetBand()->AddMusician(m);
        }
    }

    // Only the motivation attribute moves motivation: no innocence, cynicism, resentment
    // or relationship share; thresholds at 0.5 and crises at 0.8.
    static void QuietMotivation()
    {
        for (const char* key : {"RS_POSSESION_MULTIPLIER", "RS_INNOCENCE_MULTIPLIER", "RS_CYNICISM_MULTIPLIER",
                                "RS_EGO_POSSESION_RESENTMENT_MULTIPLIER", "RS_MUSICIAN_RESENTMENT_GROWTHRATE",
                                "RS_MUSICIAN_RESENTMENT_LOWERRATE"})
            Set(key, 0.0f);
        Set("RS_RELATIONSHIP_LOW_TRIGGER", -2.0f);
        Set("RS_RELATIONSHIP_HIGH_TRIGGER", 2.0f);
        for (const char* key : {"RS_STRESS_THRESHOLD", "RS_BOREDOM_THRESHOLD", "RS_RESENTMENT_THRESHOLD"})
            Set(key, 0.5f);
        for (const char* key : {"RS_STRESS_CRISIS", "RS_BOREDOM_CRISIS", "RS_RESENTMENT_CRISIS"})
            Set(key, 0.8f);
    }

    // Puts the musician's motivation at 0.5 + change (an effect that never fades).
    static void SetMotivation(SIM_Musician* m, float change)
    {
        m->GetMotivationAttribute()->AddEffect(change, 1.0f, "test");
        m->CalculateMotivation();
    }
};
