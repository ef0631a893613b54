// The band: recalculation, line-up changes, attribute changes, the daily step and the
// resignation rule.
#include "sim/BandFixture.h"

#include "career/SIM_Rehearsal.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_Fame.h"

#include <algorithm>
#include <cmath>

namespace {
bool HasEffectNamed(SIM_Attribute* a, const std::string& name)
{
    const SIM_EffectList& effects = a->GetEffects();
    return std::any_of(effects.begin(), effects.end(),
                       [&](const SIM_Effect* e) { return e->GetDebugName() == name; });
}
}

// ---- Recalculate ----

TEST_F(BandTest, RehearsalIsTheMeanCappedByTheLeastRehearsedMember)
{
    for (float readiness : {0.9f, 0.9f, 0.1f}) {
        SIM_Musician* m = Hire(INSTRUMENT_DRUMS);
        m->GetRehearsalData()->AddSong(nullptr, readiness);
    }
    SIM_GetBand()->Recalculate();
    EXPECT_NEAR(SIM_GetBand()->GetValue("band_rehearsal"), 0.3f, 1e-6f);
}

TEST_F(BandTest, MusicianshipAndLiveExperienceCountThePlayerAsOneMore)
{
    SIM_Musician* m = Hire(INSTRUMENT_DRUMS, 0.6f);
    SIM_GetRiza()->GetNamedValue("music_vocals", true)->SetValue(0.2f);
    m->GetLiveExperience()->AddEffect(0.3f, 1.0f, "gig");
    SIM_GetBand()->Recalculate();
    EXPECT_NEAR(SIM_GetBand()->GetValue("band_musicianship"), 0.4f, 1e-6f);
    const float player = SIM_GetRiza()->GetValue("live_experience");
    EXPECT_NEAR(SIM_GetBand()->GetValue("band_live_experience"), (0.3f + player) / 2.0f, 1e-6f);
}

TEST_F(BandTest, ChemistryIsTheAverageRelationshipMovedToZeroToOne)
{
    SIM_GetBand()->Recalculate();
    EXPECT_FLOAT_EQ(SIM_GetBand()->GetValue("band_chemistry"), 0.5f) << "no relationships";
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* b = Hire(INSTRUMENT_BASS);
    SIM_Musician* c = Hire(INSTRUMENT_GUITAR);
    SIM_Relationship::GetRelationship(a, b)->ChangeValue(0.9f);
    SIM_Relationship::GetRelationship(b, c)->ChangeValue(-0.3f);
    SIM_GetBand()->Recalculate();
    EXPECT_NEAR(SIM_GetBand()->GetValue("band_chemistry"), (0.2f + 1.0f) / 2.0f, 1e-6f);
}

TEST_F(BandTest, AnEmptyBandAveragesToZeroWithoutDividingByZero)
{
    SIM_GetBand()->Recalculate();
    for (const char* name : {"band_rehearsal", "band_stress", "band_motivation"})
        EXPECT_EQ(SIM_GetBand()->GetValue(name), 0.0f) << name;
    EXPECT_FALSE(std::isnan(SIM_GetBand()->GetValue("band_musicianship")));
    EXPECT_TRUE(screens.Alerts().empty());
}

TEST_F(BandTest, BandMotivationIsTheMembersMeanBeforeTheyRecalculate)
{
    QuietMotivation();
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* b = Hire(INSTRUMENT_BASS);
    SetMotivation(a, 0.3f); // 0.8
    SetMotivation(b, -0.3f); // 0.2
    SIM_GetBand()->Recalculate();
    EXPECT_NEAR(SIM_GetBand()->GetValue("band_motivation"), 0.5f, 1e-6f);
}

// ---- line-up ----

TEST_F(BandTest, JoiningPairsTheNewcomerWithEveryMember)
{
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* b = Hire(INSTRUMENT_BASS);
    screens.Clear();
    SIM_Musician* c = Hire(INSTRUMENT_GUITAR);
    EXPECT_EQ(SIM_Relationship::All.size(), 3u);
    SIM_Relationship* ca = SIM_Relationship::GetRelationship(a, c);
    ASSERT_NE(ca, nullptr);
    EXPECT_EQ(ca->GetP1(), c) << "the newcomer comes first";
    EXPECT_EQ(ca, SIM_Relationship::GetRelationship(c, a));
    EXPECT_EQ(c->GetRelationships().size(), 2u);
    EXPECT_EQ(a->GetRelationships().size(), 2u);
    EXPECT_EQ(b->GetRelationships().size(), 2u);
    EXPECT_EQ(screens.Count("CreateRelationshipLine"), 2);
    EXPECT_EQ(screens.Count("UpdateBookGigButton"), 1);
    // The newcomer's portrait goes up on the desktop.
    EXPECT_EQ(screens.Count("AddBandIcon"), 1);
}

TEST_F(BandTest, JoiningTwiceIsRefused)
{
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    SIM_GetBand()->AddMusician(a);
    EXPECT_EQ(SIM_GetBand()->GetMembers().size(), 1u);
    EXPECT_TRUE(a->GetRelationships().empty());
    EXPECT_EQ(screens.Alerts().size(), 1u);
}

TEST_F(BandTest, ANewMemberInspiresThePlayerAndAnImaginativeOneForAsLongAsHeStays)
{
    Set("RS_NEWMEMBER_INSPIRATION", 0.1f);
    Set("RS_NEWMEMBER_INSPIRATION_DEG", 1.0f);
    Set("RS_IMAGINITIVE_INSPIRATION_BOOST", 0.2f);
    SIM_Riza* riza = SIM_GetRiza();
    const float before = riza->GetValue("inspiration");
    SIM_Musician* dreamer = Hire(INSTRUMENT_KEYBOARD, 0.5f, {"imaginitive"});
    SIM_Musician* plain = Hire(INSTRUMENT_DRUMS);
    EXPECT_NEAR(riza->GetValue("inspiration"), std::min(1.0f, before + 0.1f + 0.2f + 0.1f), 1e-6f);
    ASSERT_EQ(dreamer->GetPermanentEffects().size(), 1u);
    EXPECT_TRUE(plain->GetPermanentEffects().empty());
    SIM_Effect* boost = dreamer->GetPermanentEffects()[0];
    EXPECT_EQ(boost->GetDebugName(), "imaginitive");
    EXPECT_EQ(boost->GetDegrade(), 1.0f);

    SIM_GetBand()->RemoveMusician(dreamer);
    EXPECT_NEAR(riza->GetValue("inspiration"), std::min(1.0f, before + 0.2f), 1e-6f);
    ASSERT_EQ(dreamer->GetPermanentEffects().size(), 1u) << "kept with the musician";
    EXPECT_EQ(boost->GetList(), nullptr);
}

TEST_F(BandTest, APermanentEffectDeletedElsewhereIsForgottenByItsMusician)
{
    const struct {
        const char* what;
        float boost;
        bool reloadPlayer;
    } cases[] = {
        {"negligible, cleared out at the day's decay", 0.0005f, false},
        {"the player's attributes are loaded again", 0.2f, true},
    };
    for (const auto& c : cases) {
        Set("RS_IMAGINITIVE_INSPIRATION_BOOST", c.boost);
        SIM_Musician* dreamer = Hire(INSTRUMENT_KEYBOARD, 0.5f, {"imaginitive"});
        SIM_Musician* other = Hire(INSTRUMENT_DRUMS);
        ASSERT_EQ(dreamer->GetPermanentEffects().size(), 1u) << c.what;
        if (c.reloadPlayer)
            SIM_GetRiza()->LoadAttributes();
        else
            SIM_Effect::ProcessAllEffects();
        EXPECT_TRUE(dreamer->GetPermanentEffects().empty()) << c.what;

        // A later effect may take the freed place; leaving must not touch it.
        other->ChangeMotivation(0.3f, 1.0f, "keep");
        SIM_GetBand()->RemoveMusician(dreamer);
        delete dreamer;
        EXPECT_TRUE(HasEffectNamed(other->GetMotivationAttribute(), "keep")) << c.what;
        SIM_GetBand()->RemoveMusician(other);
        SIM_GetRiza()->LoadAttributes();
    }
}

TEST_F(BandTest, LeavingDeletesOnlyTheLeaversRelationships)
{
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* b = Hire(INSTRUMENT_BASS);
    SIM_Musician* c = Hire(INSTRUMENT_GUITAR);
    SIM_Relationship* ab = SIM_Relationship::GetRelationship(a, b);
    screens.Clear();
    SIM_GetBand()->RemoveMusician(c);
    EXPECT_EQ(SIM_GetBand()->GetMembers(), (std::vector<SIM_Musician*> {a, b}));
    EXPECT_EQ(SIM_Relationship::All, std::vector<SIM_Relationship*> {ab});
    EXPECT_TRUE(c->GetRelationships().empty());
    EXPECT_EQ(a->GetRelationships(), std::vector<SIM_Relationship*> {ab});
    EXPECT_EQ(b->GetRelationships(), std::vector<SIM_Relationship*> {ab});
    EXPECT_EQ(screens.Count("UpdateBookGigButton"), 1);
    EXPECT_TRUE(screens.Alerts().empty());
}

TEST_F(BandTest, AValidLineUpNeedsDrumsBassAndOneMore)
{
    SIM_Band* band = SIM_GetBand();
    EXPECT_FALSE(band->Valid());
    Hire(INSTRUMENT_DRUMS);
    EXPECT_FALSE(band->Valid());
    Hire(INSTRUMENT_BASS);
    EXPECT_FALSE(band->Valid()) << "the player's vocals are not enough";
    EXPECT_TRUE(band->HasInstrument(INSTRUMENT_VOCALS));
    EXPECT_EQ(band->GetFirstMember(INSTRUMENT_VOCALS), nullptr);
    SIM_Musician* keys = Hire(INSTRUMENT_KEYBOARD);
    EXPECT_TRUE(band->Valid());
    EXPECT_EQ(band->GetFirstMember(INSTRUMENT_KEYBOARD), keys);
}

TEST_F(BandTest, PicksFromAnEmptyBandAreNone)
{
    EXPECT_EQ(SIM_GetBand()->GetRandomMember(), nullptr);
    EXPECT_EQ(SIM_GetBand()->GetMostTalented(), nullptr);
    EXPECT_EQ(screens.Alerts().size(), 2u);
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS, 0.3f);
    SIM_Musician* b = Hire(INSTRUMENT_BASS, 0.7f);
    Hire(INSTRUMENT_GUITAR, 0.7f);
    EXPECT_EQ(SIM_GetBand()->GetMostTalented(), b) << "the first of equals";
    SIM_Musician* r = SIM_GetBand()->GetRandomMember();
    EXPECT_TRUE(r == a || r == b || r == SIM_GetBand()->GetMembers()[2]);
}

TEST_F(BandTest, PersonalitiesAreCountedOverTheMembers)
{
    Set("RS_CHARISMA_BOOST", 0.4f);
    Hire(INSTRUMENT_DRUMS, 0.5f, {"charismatic"});
    Hire(INSTRUMENT_BASS, 0.5f, {"charismatic", "lazy"});
    Hire(INSTRUMENT_GUITAR, 0.5f, {"charismatic"});
    Make(INSTRUMENT_KEYBOARD, 0.5f, {"charismatic"}); // not in the band
    EXPECT_EQ(SIM_GetBand()->CountPersonalities("charismatic"), 3);
    EXPECT_EQ(SIM_GetBand()->CountPersonalities("lazy"), 1);
    EXPECT_EQ(SIM_GetBand()->CountPersonalities("Lazy"), 0);
    EXPECT_FLOAT_EQ(SIM_GetBand()->GetCharisma(), 1.0f);
}

// ---- ApplyToAttribute ----

TEST_F(BandTest, BoredomChangeLowersEveryMembersBoredom)
{
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* b = Hire(INSTRUMENT_BASS);
    a->SetBoredom(0.5f);
    b->SetBoredom(0.1f);
    SIM_GetBand()->ApplyToAttribute("band_boredom", 0.3f, 0.0f, "rehearsal");
    EXPECT_NEAR(a->GetBoredom(), 0.2f, 1e-6f);
    EXPECT_EQ(b->GetBoredom(), 0.0f);
}

TEST_F(BandTest, BandAttributeChangesReachEachMember)
{
    Set("RS_LAZY_STRESS_MULTIPLIER", 1.0f);
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* b = Hire(INSTRUMENT_BASS, 0.5f, {"lazy"});
    SIM_Band* band = SIM_GetBand();
    band->ApplyToAttribute("band_stress", 0.1f, 0.9f, "gig");
    EXPECT_NEAR(a->GetStress()->GetValue(), 0.1f, 1e-6f);
    EXPECT_NEAR(b->GetStress()->GetValue(), 0.2f, 1e-6f);
    EXPECT_NEAR(band->GetValue("band_stress"), 0.15f, 1e-6f);
    band->ApplyToAttribute("band_motivation", 0.1f, 0.9f, "gig");
    EXPECT_TRUE(HasEffectNamed(a->GetMotivationAttribute(), "gig"));
    band->ApplyToAttribute("band_live_experience", 0.2f, 0.9f, "gig");
    EXPECT_NEAR(b->GetLiveExperience()->GetValue(), 0.2f, 1e-6f);
    EXPECT_TRUE(screens.Alerts().empty());
}

TEST_F(BandTest, HypeGoesToTheBandAloneWithoutARecalculation)
{
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    SIM_Band* band = SIM_GetBand();
    const float hype = band->GetValue("band_hype");
    a->GetMotivationAttribute()->AddEffect(0.3f, 1.0f, "test"); // not yet in a's motivation
    const float motivation = a->GetMotivation();
    band->ApplyToAttribute("band_hype", 0.25f, 0.9f, "video");
    EXPECT_NEAR(band->GetValue("band_hype"), std::min(1.0f, hype + 0.25f), 1e-6f);
    EXPECT_EQ(a->GetMotivation(), motivation);
    EXPECT_FALSE(HasEffectNamed(a->GetMotivationAttribute(), "video"));
}

TEST_F(BandTest, AnUnknownBandAttributeIsReportedOncePerMember)
{
    Hire(INSTRUMENT_DRUMS);
    Hire(INSTRUMENT_BASS);
    SIM_GetBand()->ApplyToAttribute("band_glamour", 0.1f, 0.9f, "x");
    EXPECT_EQ(screens.Alerts(), (std::vector<std::string> {"GError Band attribute not recognised",
                                                           "GError Band attribute not recognised"}));
    screens.Clear();
    EXPECT_EQ(SIM_GetBand()->GetValue("band_glamour"), 0.0f);
    EXPECT_EQ(screens.reports, std::vector<std::string> {"GWarning failed to find band value"});
}

// ---- resignation ----

namespace {
struct ResignCase {
    const char* what;
    float change;      // motivation = 0.5 + change
    int intention;     // days already counted
    bool pending;      // someone resigned earlier today
    bool resigns;
    int intentionAfter;
};
}

TEST_F(BandTest, ResignationRule)
{
    QuietMotivation();
    Set("RS_RESIGN_CONSIDER_THRESHOLD", 0.3f);
    Set("RS_MUSICIAN_RESIGN_MINDAYS", 3.0f);
    Set("RS_RESIGNATION_MORALE_BOOST", 0.0f);
    const ResignCase cases[] = {
        {"content", 0.0f, 2, false, false, 0},
        {"unhappy, first day", -0.5f, 0, false, false, 1},
        {"unhappy long enough, sure to go", -0.5f, 2, false, true, 3},
        {"someone already left today", -0.5f, 2, true, false, 3},
    };
    for (const ResignCase& c : cases) {
        SIM_Musician* m = Hire(INSTRUMENT_DRUMS);
        SetMotivation(m, c.change);
        m->SetIntentionToQuit(c.intention);
        SIM_Musician::BResignationPending = c.pending;
        m->ConsiderResignation();
        EXPECT_EQ(!m->IsActive(), c.resigns) << c.what;
        EXPECT_EQ(m->GetIntentionToQuit(), c.intentionAfter) << c.what;
        SIM_Musician::BResignationPending = false;
        SIM_GetBand()->RemoveMusician(m);
    }
}

TEST_F(BandTest, MotivationExactlyAtTheThresholdResetsTheIntention)
{
    QuietMotivation();
    SIM_Musician* m = Hire(INSTRUMENT_DRUMS);
    SetMotivation(m, -0.2f);
    Set("RS_RESIGN_CONSIDER_THRESHOLD", m->GetMotivation());
    m->SetIntentionToQuit(5);
    m->ConsiderResignation();
    EXPECT_EQ(m->GetIntentionToQuit(), 0);
    EXPECT_TRUE(m->IsActive());
}

TEST_F(BandTest, AtMostOneMusicianResignsADay)
{
    QuietMotivation();
    Set("RS_RESIGN_CONSIDER_THRESHOLD", 0.3f);
    Set("RS_MUSICIAN_RESIGN_MINDAYS", 1.0f);
    Set("RS_RESIGNATION_MORALE_BOOST", 0.0f);
    for (INSTRUMENT i : {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR})
        SetMotivation(Hire(i), -0.5f);
    const std::vector<SIM_Musician*> hired = SIM_GetBand()->GetMembers();

    SIM_GetBand()->NextDay();
    EXPECT_EQ(SIM_GetBand()->GetMembers().size(), 2u);
    EXPECT_FALSE(hired[0]->IsActive());
    EXPECT_FALSE(SIM_Musician::BResignationPending) << "cleared after the band's day";
    SIM_GetBand()->NextDay();
    EXPECT_EQ(SIM_GetBand()->GetMembers().size(), 1u);
    EXPECT_EQ(screens.Count("RemoveBandIcon"), 2);
    EXPECT_EQ(SIM_Musician::All.size(), 3u) << "those who left stay, inactive";
}

TEST_F(BandTest, ResigningLeavesTheBandAndCheersUpTheRest)
{
    QuietMotivation();
    Set("RS_RESIGNATION_MORALE_BOOST", 0.1f);
    Set("RS_MOTIVATION_DEGRADE", 0.9f);
    Set("RS_RESIGN_FAME_REDUCTION_PERCENTAGE", 0.1f);
    Set("RS_RESIGN_FAME_DEGRADE", 1.0f);
    SIM_GetFame()->AddEffect(100.0f, 1.0f, "test");
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* b = Hire(INSTRUMENT_BASS);
    SIM_Musician* c = Hire(INSTRUMENT_GUITAR);
    screens.Clear();
    c->Resign();
    EXPECT_FALSE(c->IsActive());
    EXPECT_EQ(SIM_GetBand()->GetMembers(), (std::vector<SIM_Musician*> {a, b}));
    EXPECT_EQ(SIM_Relationship::All.size(), 1u);
    EXPECT_TRUE(SIM_Musician::BResignationPending);
    EXPECT_TRUE(screens.Has("RemoveBandIcon"));
    EXPECT_TRUE(screens.Has("OpenResignation 10"));
    EXPECT_NEAR(SIM_GetFame()->GetFame(), 90.0f, 1e-4f);
    EXPECT_TRUE(HasEffectNamed(a->GetMotivationAttribute(), "resignation"));
    EXPECT_TRUE(HasEffectNamed(b->GetMotivationAttribute(), "resignation"));
    EXPECT_FALSE(HasEffectNamed(c->GetMotivationAttribute(), "resignation"));
    EXPECT_EQ(c->GetIcon(), nullptr);

    screens.Clear();
    c->Resign(); // already gone: nothing more happens
    EXPECT_TRUE(screens.calls.empty());
}
