// The plain setters a saved game is read back through: they restore what the file holds
// and nothing more - no join effects, no clamping of a practised ability, no portrait
// drawn, no screen told.
#include "career/SIM_Asset.h"
#include "sim/BandFixture.h"
#include "sim/SIM_PortraitDatabase.h"

#include <cmath>

namespace {
struct NamedAsset : SIM_Asset {
    explicit NamedAsset(const std::string& n) { name = n; }
};
}

TEST_F(BandTest, LoadedMembersJoinWithoutTheEffectsOfJoining)
{
    SIM_Attribute* inspiration = SIM_GetRiza()->GetAttribute("inspiration");
    ASSERT_NE(inspiration, nullptr);
    const size_t effectsBefore = inspiration->GetEffects().size();
    const float musicianshipBefore = SIM_GetBand()->GetValue("band_musicianship");
    SIM_Musician* a = Make(INSTRUMENT_DRUMS, 0.9f, {"imaginitive"});
    SIM_Musician* b = Make(INSTRUMENT_BASS, 0.9f);
    SIM_Musician* c = Make(INSTRUMENT_GUITAR, 0.9f);
    screens.Clear();
    for (SIM_Musician* m : {a, b, c})
        SIM_GetBand()->AddLoadedMember(m);

    EXPECT_EQ(SIM_GetBand()->GetMembers(), (std::vector<SIM_Musician*> {a, b, c}));
    EXPECT_EQ(inspiration->GetEffects().size(), effectsBefore) << "no new-member or personality effect";
    EXPECT_TRUE(a->GetPermanentEffects().empty());
    EXPECT_FLOAT_EQ(SIM_GetBand()->GetValue("band_musicianship"), musicianshipBefore) << "not recalculated";
    EXPECT_FALSE(screens.Has("UpdateBookGigButton"));
    // Each pair once, the later member first, as joining pairs them.
    ASSERT_EQ(SIM_Relationship::All.size(), 3u);
    for (SIM_Musician* m : {a, b, c})
        EXPECT_EQ(m->GetRelationships().size(), 2u);
    EXPECT_EQ(SIM_Relationship::GetRelationship(a, c)->GetP1(), c);

    // A member read twice is reported and not paired with itself.
    SIM_GetBand()->AddLoadedMember(b);
    EXPECT_EQ(SIM_GetBand()->GetMembers().size(), 3u);
    EXPECT_EQ(SIM_Relationship::All.size(), 3u);
    EXPECT_EQ(screens.Alerts().size(), 1u);
}

TEST_F(BandTest, AMusicianIsRestoredAsTheFileHoldsIt)
{
    SIM_Musician* m = Make(INSTRUMENT_SAXOPHONE);
    // Practice may carry ability past 1; the saved value comes back as it was.
    m->SetLoadedAbility(1.25f, 0.9f);
    EXPECT_FLOAT_EQ(m->GetAbility(), 1.25f);
    EXPECT_FLOAT_EQ(m->GetMaxAbility(), 0.9f);
    m->SetLoadedAbility(std::nanf(""), INFINITY);
    EXPECT_EQ(m->GetAbility(), 0.0f);
    EXPECT_EQ(m->GetMaxAbility(), 0.0f);

    const size_t freeFaces = SIM_GetPortraits()->GetFreeFemale().size();
    m->SetLoadedGender(SIM_GENDER_FEMALE);
    EXPECT_EQ(m->GetGender(), SIM_GENDER_FEMALE);
    EXPECT_EQ(SIM_GetPortraits()->GetFreeFemale().size(), freeFaces) << "no portrait drawn";

    NamedAsset horn("brass horn");
    screens.Clear();
    m->AddLoadedPossesion(&horn);
    EXPECT_EQ(m->GetPossesions(), (std::vector<SIM_Asset*> {&horn}));
    EXPECT_TRUE(screens.calls.empty());
    m->AddLoadedPossesion(nullptr);
    EXPECT_EQ(m->GetPossesions().size(), 1u);
    EXPECT_EQ(screens.Alerts().size(), 1u);

    SIM_Musician* other = Make(INSTRUMENT_DRUMS);
    SIM_Relationship r(m, other);
    for (const auto& [saved, restored] : {std::pair {0.4f, 0.4f}, {-1.5f, -1.0f}, {3.0f, 1.0f}}) {
        r.SetValue(saved);
        EXPECT_FLOAT_EQ(r.GetValue(), restored) << saved;
    }
}

TEST_F(BandTest, EveryFieldOfAnAttributeBlockCanBeSet)
{
    SIM_Attribute a("grit", "Grit", 0.2f);
    a.SetDescription("How much the band can take.");
    a.SetAlwaysShown(true);
    a.SetHighGood(true);
    a.SetWarning(SIM_Attribute::WARN_BELOW, 0.3f);
    EXPECT_EQ(a.GetName(), "grit");
    EXPECT_EQ(a.GetGUIName(), "Grit");
    EXPECT_FLOAT_EQ(a.GetBaseValue(), 0.2f);
    EXPECT_EQ(a.GetDescription(), "How much the band can take.");
    EXPECT_TRUE(a.IsAlwaysShown());
    EXPECT_TRUE(a.IsHighGood());
    EXPECT_EQ(a.GetWarnDirection(), SIM_Attribute::WARN_BELOW);
    EXPECT_FLOAT_EQ(a.GetWarnLimit(), 0.3f);
    EXPECT_TRUE(a.WarnPlayer());
    // A direction the game does not know (a damaged file) never warns.
    for (int direction : {2, 7, -1}) {
        a.SetWarning(direction, 0.3f);
        EXPECT_EQ(a.GetWarnDirection(), SIM_Attribute::WARN_NONE) << direction;
    }
    a.SetWarning(SIM_Attribute::WARN_ABOVE, 0.1f);
    EXPECT_TRUE(a.WarnPlayer());

    SIM_GetRiza()->SetForename("Juno");
    SIM_GetRiza()->SetAvatarTexture("f_avatar_3.png");
    EXPECT_EQ(SIM_GetRiza()->GetForeName(), "Juno");
    EXPECT_EQ(SIM_GetRiza()->GetFullName(), "Juno");
    EXPECT_EQ(SIM_GetRiza()->GetPortraitTexture(), "f_avatar_3.png");
}
