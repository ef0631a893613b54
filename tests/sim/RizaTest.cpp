// The player character: set-up, values by name, effect routing, skills and singing.
#include "sim/BandFixture.h"

#include "sim/SIM_Effect.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_GameConfig.h"

TEST_F(BandTest, ANewGameSetsThePlayerUpFromTheMenuChoices)
{
    SIM_GetGameConfig()->SetAvatarTexture("m_avatar3.png");
    SIM_GetGameConfig()->SetAvatarName("Sam");
    SIM_GetSim()->Reset();
    SIM_Riza* riza = SIM_GetRiza();
    EXPECT_EQ(riza->GetForeName(), "Sam");
    EXPECT_EQ(riza->GetFullName(), "Sam");
    EXPECT_EQ(riza->GetGender(), SIM_GENDER(0));
    EXPECT_EQ(riza->GetPortraitTexture(), "m_avatar3.png");
    EXPECT_EQ(riza->GetInstrument(), INSTRUMENT_VOCALS);
    for (const char* name : {"inspiration", "attrib_vocals", "songwriting", "live_experience"})
        EXPECT_NE(riza->GetAttribute(name), nullptr) << name;
    EXPECT_TRUE(riza->GetAttribute("attrib_vocals")->IsAlwaysShown());
    EXPECT_EQ(riza->CountSkills(), 0);
}

TEST_F(BandTest, GenderComesFromTheAvatarsFirstLetter)
{
    SIM_Riza* riza = SIM_GetRiza();
    riza->GetGenderFromTexture("f_avatar1.png");
    EXPECT_EQ(riza->GetGender(), SIM_GENDER(1));
    riza->GetGenderFromTexture("m_avatar1.png");
    EXPECT_EQ(riza->GetGender(), SIM_GENDER(0));
    riza->GetGenderFromTexture("avatar.png");
    EXPECT_EQ(riza->GetGender(), SIM_GENDER(0)) << "unchanged";
    riza->GetGenderFromTexture("");
    EXPECT_EQ(riza->GetGender(), SIM_GENDER(0)) << "no avatar chosen: unchanged, unreported";
    EXPECT_EQ(screens.Alerts(), std::vector<std::string> {"GError avatar filename must start with m or f"});
}

TEST_F(BandTest, FameEffectsGoToTheFameStoreAlone)
{
    SIM_Riza* riza = SIM_GetRiza();
    SIM_Attribute* inspiration = riza->GetAttribute("inspiration");
    const size_t effects = inspiration->GetEffects().size();
    const float before = SIM_GetFame()->GetFame();
    riza->ApplyEffect("fame", 50.0f, 1.0f, "gig");
    SIM_GetFame()->ProcessTurn();
    EXPECT_GT(SIM_GetFame()->GetFame(), before);
    EXPECT_EQ(inspiration->GetEffects().size(), effects);
    EXPECT_EQ(riza->GetValue("fame"), SIM_GetFame()->GetFame());
}

TEST_F(BandTest, AttributeEffectsLandAndOtherNamesAreIgnored)
{
    SIM_Riza* riza = SIM_GetRiza();
    riza->InitAttrib("inspiration", 0.25f);
    riza->ApplyEffect("inspiration", 0.5f, 0.9f, "album");
    EXPECT_NEAR(riza->GetValue("inspiration"), 0.75f, 1e-6f);

    riza->GetNamedValue("music_vocals", true)->SetValue(0.3f);
    const int skills = riza->CountSkills();
    riza->ApplyEffect("music_vocals", 0.5f, 0.9f, "lesson");
    riza->ApplyEffect("no_such_value", 0.5f, 0.9f, "nothing");
    EXPECT_FLOAT_EQ(riza->GetValue("music_vocals"), 0.3f) << "a skill takes no effects";
    EXPECT_EQ(riza->GetValue("no_such_value"), 0.0f);
    EXPECT_EQ(riza->CountSkills(), skills) << "nothing was created";
    EXPECT_EQ(riza->GetNamedValue("no_such_value", false), nullptr);
    EXPECT_TRUE(screens.Alerts().empty());
}

TEST_F(BandTest, ApplyEffectRecalculatesEvenForAnUnknownName)
{
    SIM_Riza* riza = SIM_GetRiza();
    SIM_Attribute* songwriting = riza->GetAttribute("songwriting");
    songwriting->SetBaseValue(0.4f); // not yet in the value
    riza->ApplyEffect("no_such_value", 0.1f, 1.0f, "x");
    EXPECT_NEAR(songwriting->GetValue(), 0.4f, 1e-6f);
}

TEST_F(BandTest, AHugeEffectIsReportedAndStillApplied)
{
    SIM_Riza* riza = SIM_GetRiza();
    riza->InitAttrib("inspiration", 0.0f);
    riza->ApplyEffect("inspiration", 1000.0f, 1.0f, "cheat");
    EXPECT_EQ(screens.Alerts().size(), 1u);
    EXPECT_EQ(riza->GetValue("inspiration"), 1.0f);
}

TEST_F(BandTest, TheInstrumentSkillIsTheSkillNotTheAttribute)
{
    SIM_Riza* riza = SIM_GetRiza();
    riza->InitAttrib("attrib_vocals", 0.8f);
    riza->RecalcAttributes();
    EXPECT_EQ(riza->GetInstrumentSkill(), 0.0f);
    riza->GetNamedValue("music_vocals", true)->SetValue(0.35f);
    EXPECT_FLOAT_EQ(riza->GetInstrumentSkill(), 0.35f);
}

TEST_F(BandTest, NewSkillsTakeTheirDisplayNameAndCountInPoints)
{
    SIM_Riza* riza = SIM_GetRiza();
    SIM_NamedValue* drums = riza->GetNamedValue("music_drums", true);
    EXPECT_EQ(drums->GetGUIName(), GTranslation::GetString("nv_music_drums"));
    EXPECT_NE(drums->GetGUIName(), "nv_music_drums") << "the key is in the table";
    drums->SetValue(0.25f);
    riza->GetNamedValue("music_bass", true)->SetValue(0.5f);
    EXPECT_EQ(riza->GetNamedValue("music_drums", true), drums) << "found, not made again";
    EXPECT_EQ(riza->CountSkills(), 2);
    EXPECT_FLOAT_EQ(riza->CountSkillPoints(), 75.0f);
}

TEST_F(BandTest, SingingPracticeClosesTheGapToPerfectVocals)
{
    Set("MUSICIAN_PRACTICE_PROGRESS", 0.2f);
    Set("RS_SINGING_DEGRADE", 0.95f);
    SIM_Riza* riza = SIM_GetRiza();
    SIM_Attribute* vocals = riza->GetAttribute("attrib_vocals");
    riza->InitAttrib("attrib_vocals", 0.5f);
    riza->RecalcAttributes();
    const float before = vocals->GetValue();
    riza->PracticeSinging(1.0f);
    EXPECT_NEAR(vocals->GetValue(), before + 0.2f * (1.0f - before), 1e-6f);
    EXPECT_EQ(vocals->GetEffects().back()->GetDebugName(), "singing");

    riza->InitAttrib("attrib_vocals", 1.0f);
    riza->RecalcAttributes();
    riza->PracticeSinging(1.0f);
    EXPECT_EQ(vocals->GetEffects().back()->GetEffect(), 0.0f) << "nothing left to learn";
}

TEST_F(BandTest, RawEffectsJoinAnAttributeWithoutChangingHands)
{
    SIM_Riza* riza = SIM_GetRiza();
    SIM_Effect effect(0.1f, 1.0f, "kept", true);
    riza->ApplyRawEffect(&effect, "no_such_value");
    EXPECT_EQ(effect.GetList(), nullptr);
    riza->ApplyRawEffect(&effect, "inspiration");
    EXPECT_EQ(effect.GetList(), &riza->GetAttribute("inspiration")->GetEffects());
    effect.RemoveFromList();
}
