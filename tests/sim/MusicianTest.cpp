// A musician's motivation, mood, personality scaling, daily step and resignation.
#include "sim/BandFixture.h"

#include "sim/SIM_Effect.h"
#include "sim/SIM_NamedValue.h"

#include <cmath>
#include <limits>

namespace {
struct MotivationCase {
    const char* what;
    float stress;
    float boredom;
    float resentment;
    float expected;
};
}

TEST_F(BandTest, MotivationPaysEveryThresholdAndCrisisItPasses)
{
    QuietMotivation();
    const MotivationCase cases[] = {
        {"nothing wrong", 0.0f, 0.0f, 0.0f, 1.0f},
        {"stress at the threshold", 0.5f, 0.0f, 0.0f, 1.0f},
        {"stress over the threshold", 0.7f, 0.0f, 0.0f, 0.9f},
        {"stress over threshold and crisis", 0.9f, 0.0f, 0.0f, 0.6f},
        {"boredom over threshold and crisis", 0.0f, 0.9f, 0.0f, 0.6f},
        {"resentment over threshold and crisis", 0.0f, 0.0f, 0.9f, 0.6f},
        {"two thresholds add up", 0.6f, 0.6f, 0.0f, 0.9f},
        {"boredom past 1 costs two points a point", 0.0f, 1.5f, 0.0f, 0.0f},
        {"everything at once", 0.9f, 0.9f, 0.9f, 0.0f},
    };
    for (const MotivationCase& c : cases) {
        SIM_Musician* m = Make(INSTRUMENT_DRUMS);
        m->GetMotivationAttribute()->AddEffect(0.5f, 1.0f, "test"); // attribute at 1
        if (c.stress > 0.0f)
            m->GetStress()->AddEffect(c.stress, 1.0f, "test");
        m->SetBoredom(c.boredom);
        m->SetResentment(c.resentment);
        m->CalculateMotivation();
        EXPECT_NEAR(m->GetMotivation(), c.expected, 1e-5f) << c.what;
    }
}

TEST_F(BandTest, InnocenceAndCynicismMoveMotivationByTheirMultipliers)
{
    QuietMotivation();
    Set("RS_INNOCENCE_MULTIPLIER", 0.2f);
    Set("RS_CYNICISM_MULTIPLIER", 0.4f);
    SIM_Musician* m = Make(INSTRUMENT_BASS);
    m->SetInnocence(1.0f);
    m->SetCynicism(0.5f);
    m->CalculateMotivation();
    EXPECT_NEAR(m->GetMotivation(), 0.5f + 0.2f - 0.2f, 1e-6f);
}

TEST_F(BandTest, MoodFollowsMotivationBands)
{
    QuietMotivation();
    const struct {
        float change; // motivation = 0.5 + change
        int mood;
    } cases[] = {{-0.5f, 0}, {-0.31f, 0}, {-0.29f, 1}, {-0.11f, 1}, {-0.09f, 2},
                 {0.14f, 2}, {0.16f, 3}, {0.5f, 3}};
    for (const auto& c : cases) {
        SIM_Musician* m = Make(INSTRUMENT_GUITAR);
        m->SetGender(SIM_GENDER(0), "m_face");
        SetMotivation(m, c.change);
        EXPECT_EQ(m->GetMood(), c.mood) << c.change;
        static const char* const suffix[] = {"_vsad.jpg", "_sad.jpg", "_neutral.jpg", "_happy.jpg"};
        EXPECT_EQ(m->GetPortraitTexture(), std::string("m_face") + suffix[c.mood]);
    }
}

namespace {
// A band icon that counts how often it was asked to redraw.
class CountingIcon : public SIM_BandIconView {
public:
    void UpdateTexture() override { ++updates; }
    int updates = 0;
};
}

TEST_F(BandTest, OnlyAChangeOfMoodRedrawsTheIcon)
{
    QuietMotivation();
    SIM_Musician* m = Make(INSTRUMENT_GUITAR);
    CountingIcon icon;
    m->SetIcon(&icon);
    m->CalculateMotivation(); // still neutral
    EXPECT_EQ(icon.updates, 0);
    SetMotivation(m, 0.4f);
    EXPECT_EQ(icon.updates, 1);
    m->SetIcon(nullptr);
}

TEST_F(BandTest, RelationshipShareCountsOnlyValuesBeyondTheTriggersAndIsCapped)
{
    QuietMotivation();
    Set("RS_RELATIONSHIP_LOW_TRIGGER", -0.5f);
    Set("RS_RELATIONSHIP_HIGH_TRIGGER", 0.5f);
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* b = Hire(INSTRUMENT_BASS);
    SIM_Musician* c = Hire(INSTRUMENT_GUITAR);
    SIM_Musician* d = Hire(INSTRUMENT_KEYBOARD);
    for (SIM_Relationship* r : a->GetRelationships())
        r->ChangeValue(1.0f);
    EXPECT_FLOAT_EQ(a->GetRelationshipEffect(), 0.5f); // 3 clamped to 1, halved

    SIM_Relationship::GetRelationship(a, b)->ChangeValue(-0.5f); // exactly at the trigger
    EXPECT_FLOAT_EQ(b->GetRelationshipEffect(), 0.0f);
    SIM_Relationship::GetRelationship(c, d)->ChangeValue(-0.6f);
    EXPECT_FLOAT_EQ(d->GetRelationshipEffect(), (1.0f - 0.6f) / 2.0f);
}

TEST_F(BandTest, BestAndWorstRelationshipsPreferTheFirstOfEquals)
{
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    EXPECT_EQ(a->GetBestRelationship(), nullptr);
    EXPECT_EQ(a->GetWorstRelationship(), nullptr);
    SIM_Musician* b = Hire(INSTRUMENT_BASS);
    SIM_Musician* c = Hire(INSTRUMENT_GUITAR);
    SIM_Relationship* ab = SIM_Relationship::GetRelationship(a, b);
    SIM_Relationship* ac = SIM_Relationship::GetRelationship(a, c);
    EXPECT_EQ(a->GetBestRelationship(), ab);
    EXPECT_EQ(a->GetWorstRelationship(), ab);
    ac->ChangeValue(0.3f);
    EXPECT_EQ(a->GetBestRelationship(), ac);
    EXPECT_EQ(a->GetWorstRelationship(), ab);
    ab->ChangeValue(-1.0f);
    ac->ChangeValue(1.0f);
    EXPECT_EQ(a->GetBestRelationship(), ac) << "a hatred is never the best";
    EXPECT_EQ(a->GetWorstRelationship(), ab);
    (void)c;
}

namespace {
struct ScalingCase {
    std::initializer_list<const char*> personalities;
    float value;
    float expected;
};
}

TEST_F(BandTest, ChangeMotivationScalesByOptimismAndPessimism)
{
    Set("RS_OPTIMISTIC_MOTIVATION_MULTIPLIER", 0.5f);
    Set("RS_PESSIMISTIC_MOTIVATION_MULTIPLIER", 0.5f);
    const ScalingCase cases[] = {
        {{}, 0.1f, 0.1f},
        {{}, -0.1f, -0.1f},
        {{"optimistic"}, 0.1f, 0.15f},
        {{"optimistic"}, -0.1f, -0.05f},
        {{"pessimistic"}, 0.1f, 0.05f},
        {{"pessimistic"}, -0.1f, -0.15f},
        {{"optimistic", "pessimistic"}, 0.1f, 0.075f},
        {{"optimistic", "pessimistic"}, -0.1f, -0.075f},
    };
    for (const ScalingCase& c : cases) {
        SIM_Musician* m = Make(INSTRUMENT_DRUMS, 0.5f, c.personalities);
        EXPECT_NEAR(m->ChangeMotivation(c.value, 0.9f, "why"), c.expected, 1e-6f) << c.value;
        const SIM_EffectList& effects = m->GetMotivationAttribute()->GetEffects();
        ASSERT_EQ(effects.size(), 1u);
        EXPECT_NEAR(effects[0]->GetEffect(), c.expected, 1e-6f);
        EXPECT_FLOAT_EQ(effects[0]->GetDegrade(), 0.9f);
        EXPECT_EQ(effects[0]->GetDebugName(), "why");
    }
}

TEST_F(BandTest, ChangeStressScalesByLazinessEnergyAndTheMasseuse)
{
    Set("RS_LAZY_STRESS_MULTIPLIER", 0.5f);
    Set("RS_ENERGETIC_STRESS_MULTIPLIER", 0.5f);
    Set("RS_MASSEUSE_STRESS_REDUCTION", 0.5f);
    const ScalingCase cases[] = {
        {{}, 0.2f, 0.2f},
        {{"lazy"}, 0.2f, 0.3f},
        {{"lazy"}, -0.2f, -0.3f},
        {{"energetic"}, 0.2f, 0.1f},
        {{"energetic"}, -0.2f, -0.1f},
    };
    for (const ScalingCase& c : cases) {
        SIM_Musician* m = Make(INSTRUMENT_DRUMS, 0.5f, c.personalities);
        EXPECT_NEAR(m->ChangeStress(c.value, 0.9f, "gig"), c.expected, 1e-6f) << c.value;
    }
    SIM_NamedValueList::ForceGlobal("masseuse", 1.0f);
    SIM_Musician* relaxed = Make(INSTRUMENT_BASS);
    EXPECT_NEAR(relaxed->ChangeStress(0.2f, 0.9f, "gig"), 0.1f, 1e-6f);
    EXPECT_NEAR(relaxed->ChangeStress(-0.2f, 0.9f, "rest"), -0.2f, 1e-6f) << "relief is not reduced";
}

TEST_F(BandTest, ChangeStressUpdatesTheBandsStressAtOnce)
{
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    Hire(INSTRUMENT_BASS);
    a->ChangeStress(0.4f, 1.0f, "gig");
    EXPECT_NEAR(SIM_GetBand()->GetValue("band_stress"), 0.2f, 1e-6f);
}

TEST_F(BandTest, MotivationAndStressChangesStayFiniteAndInRange)
{
    Set("RS_OPTIMISTIC_MOTIVATION_MULTIPLIER", 3.0f); // would turn a loss into a gain
    SIM_Musician* m = Make(INSTRUMENT_DRUMS, 0.5f, {"optimistic"});
    EXPECT_EQ(m->ChangeMotivation(std::numeric_limits<float>::quiet_NaN(), 0.9f, "nan"), 0.0f);
    EXPECT_EQ(m->ChangeMotivation(-0.1f, 0.9f, "loss"), 0.0f);
    EXPECT_EQ(m->ChangeMotivation(5.0f, 0.9f, "huge"), 1.0f);
    EXPECT_EQ(m->ChangeStress(std::numeric_limits<float>::infinity(), 0.9f, "inf"), 0.0f);
    EXPECT_EQ(m->ChangeStress(-7.0f, 0.9f, "huge"), -1.0f);
    m->Recalculate();
    for (float v : {m->GetMotivation(), m->GetMotivationAttribute()->GetValue(), m->GetStress()->GetValue()}) {
        EXPECT_FALSE(std::isnan(v));
        EXPECT_GE(v, 0.0f);
        EXPECT_LE(v, 1.0f);
    }
}

TEST_F(BandTest, DailyStepGrowsBoredomAndCynicismAndWearsOffInnocenceAndAbility)
{
    Set("RS_BOREDOM_PER_DAY", 0.1f);
    Set("RS_CYNICISM_START", 1.0f);
    Set("RS_CYNICISM_INCREMENT", 0.25f);
    Set("RS_INNOCENCE_DEGRADE", 0.3f);
    Set("RS_ABILITY_DEGRADE", 0.5f);
    Set("RS_RESIGN_CONSIDER_THRESHOLD", -1.0f); // nobody thinks of leaving
    SIM_Musician* plain = Hire(INSTRUMENT_DRUMS, 0.8f);
    SIM_Musician* keen = Hire(INSTRUMENT_BASS, 0.8f, {"ambitious"});
    plain->SetInnocence(0.5f);
    for (int day = 0; day < 2; ++day)
        SIM_GetBand()->NextDay();
    EXPECT_NEAR(plain->GetBoredom(), 0.2f, 1e-6f);
    EXPECT_NEAR(keen->GetBoredom(), 0.25f, 1e-6f);
    EXPECT_EQ(plain->GetDaysInBand(), 2);
    EXPECT_NEAR(plain->GetCynicism(), 0.25f, 1e-6f) << "only the day past the start counts";
    EXPECT_NEAR(plain->GetInnocence(), 0.0f, 1e-6f) << "clamped at 0";
    EXPECT_NEAR(plain->GetAbility(), 0.2f, 1e-6f);
}

TEST_F(BandTest, PracticeMovesAbilityTowardsOneAndAHalfTimesTheTalent)
{
    Set("MUSICIAN_PRACTICE_PROGRESS", 0.1f);
    Set("MUSICIAN_PRACTICE_PROGRESS_AMBITIOUS", 0.2f);
    SIM_Musician* m = Make(INSTRUMENT_DRUMS);
    m->SetAbility(0.5f, 0.6f);
    m->PracticeInstrument(2.0f);
    EXPECT_NEAR(m->GetAbility(), 0.5f + (0.9f - 0.5f) * 0.1f * 2.0f, 1e-6f);

    SIM_Musician* keen = Make(INSTRUMENT_BASS, 0.5f, {"ambitious"});
    keen->SetAbility(0.5f, 0.6f);
    keen->PracticeInstrument(1.0f);
    EXPECT_NEAR(keen->GetAbility(), 0.5f + 0.4f * 0.2f, 1e-6f);

    SIM_Musician* peaked = Make(INSTRUMENT_GUITAR);
    peaked->SetAbility(1.0f, 0.1f);
    peaked->PracticeInstrument(3.0f);
    EXPECT_NEAR(peaked->GetAbility(), 1.0f + 0.01f * 3.0f, 1e-6f) << "at least 0.01 per unit, unclamped";
    EXPECT_FALSE(peaked->ReachedInstrumentAbility()) << "no instrument, no ceiling";
    EXPECT_EQ(peaked->GetBestInstrument(), nullptr);
}

TEST_F(BandTest, PersonalitiesAreFoundByExactName)
{
    SIM_Musician* m = Make(INSTRUMENT_DRUMS, 0.5f, {"lazy"});
    EXPECT_TRUE(m->HasPersonality("lazy"));
    EXPECT_FALSE(m->HasPersonality("Lazy"));
    EXPECT_EQ(m->GetRandomPersonality(), SIM_Personality::GetByName("lazy"));
    SIM_Musician* egotist = Make(INSTRUMENT_BASS, 0.5f, {"egotistical"});
    EXPECT_GE(egotist->GetEgo(), 1.25f);
    EXPECT_LE(egotist->GetEgo(), 1.45f);
}

TEST_F(BandTest, RandomPersonalityOfNoneIsNoneAfterAnAssertion)
{
    SIM_Musician* m = Make(INSTRUMENT_DRUMS);
    EXPECT_EQ(m->GetRandomPersonality(), nullptr);
    EXPECT_EQ(screens.Alerts().size(), 1u);
}

TEST_F(BandTest, NewMusicianStartsFromItsRules)
{
    QuietMotivation();
    Set("RS_STARTING_INNOCENCE", 0.7f);
    SIM_Musician* m = Make(INSTRUMENT_SAXOPHONE);
    EXPECT_TRUE(m->IsActive());
    EXPECT_EQ(m->GetMood(), SIM_Musician::MOOD_NEUTRAL);
    EXPECT_FLOAT_EQ(m->GetMotivation(), 0.5f) << "worked out on construction";
    EXPECT_FLOAT_EQ(m->GetInnocence(), 0.7f);
    EXPECT_FLOAT_EQ(m->GetMotivationAttribute()->GetValue(), 0.5f);
    EXPECT_FLOAT_EQ(m->GetStress()->GetValue(), 0.0f);
    EXPECT_GE(m->GetEgo(), 0.75f);
    EXPECT_LE(m->GetEgo(), 1.25f);
    EXPECT_GE(m->GetChemistry(), 0.0f);
    EXPECT_LT(m->GetChemistry(), 1.0f);
    EXPECT_NE(m->GetCommenter(), nullptr);
    EXPECT_NE(m->GetRehearsalData(), nullptr);
    EXPECT_EQ(SIM_Musician::All.back(), m);
}

TEST_F(BandTest, InstrumentNamesComeFromTheStringTable)
{
    EXPECT_STREQ(GetInstrumentName(INSTRUMENT_KEYBOARD).c_str(), GTranslation::GetString("INSTRUMENT_KEYBOARD"));
    EXPECT_EQ(GetInstrumentName(INSTRUMENT_GUITAR), GetInstrumentName(INSTRUMENT(7)));
    EXPECT_EQ(GetInstrumentName(INSTRUMENT_GUITAR), GetInstrumentName(INSTRUMENT_NONE));
    EXPECT_NE(GetInstrumentName(INSTRUMENT_VOCALS), "INSTRUMENT_VOCALS") << "the key is in the table";
}

TEST_F(BandTest, ReduceBoredomClampsAtZero)
{
    SIM_Musician* m = Make(INSTRUMENT_DRUMS);
    m->SetBoredom(0.2f);
    m->ReduceBoredom(0.3f);
    EXPECT_EQ(m->GetBoredom(), 0.0f);
}

TEST_F(BandTest, DeletingAMusicianTellsTheScreensAndLeavesNothingPointingAtIt)
{
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* b = Hire(INSTRUMENT_BASS);
    screens.Clear();
    delete a;
    EXPECT_TRUE(screens.Has("MusicianDeleted"));
    EXPECT_EQ(SIM_GetBand()->GetMembers(), std::vector<SIM_Musician*> {b});
    EXPECT_TRUE(SIM_Relationship::All.empty());
    EXPECT_TRUE(b->GetRelationships().empty());
}
