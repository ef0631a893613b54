// Relationships: meeting, fading, averages and clamps.
#include "sim/BandFixture.h"

namespace {
struct MeetingCase {
    const char* what;
    float chemistryA;
    float chemistryB;
    std::initializer_list<const char*> personalitiesA;
    float lowMotivation; // RS_LOW_MOTIV_RELATIONSHIP; members sit at 0.5
    float expected;
};
}

TEST_F(BandTest, ResolveMeetingMovesEachPairByTheirChemistry)
{
    QuietMotivation();
    Set("RS_RELATIONSHIP_MULTIPLIER", 0.5f);
    Set("RS_PEACEMAKER_EFFECT", 0.5f);
    Set("RS_DISRUPTOR_EFFECT", 1.0f);
    Set("RS_JEALOUSY_LIMIT", 0.1f);
    const float weight = 2.0f; // with the multiplier, changes come out unscaled
    const MeetingCase cases[] = {
        {"alike", 0.25f, 0.25f, {}, 0.0f, 0.5f},
        {"half apart is neutral", 0.25f, 0.75f, {}, 0.0f, 0.0f},
        {"close", 0.5f, 0.75f, {}, 0.0f, 0.25f},
        {"far apart", 0.0f, 0.75f, {}, 0.0f, -0.75f},
        {"peacemaker", 0.25f, 0.25f, {"peacemaker"}, 0.0f, 0.75f},
        {"disruptor", 0.0f, 0.75f, {"disruptor"}, 0.0f, -1.0f},
        {"low motivation halves a gain", 0.25f, 0.25f, {}, 0.6f, 0.25f},
        {"low motivation doubles a loss", 0.0f, 0.625f, {}, 0.6f, -1.0f},
    };
    for (const MeetingCase& c : cases) {
        Set("RS_LOW_MOTIV_RELATIONSHIP", c.lowMotivation);
        SIM_Musician* a = Hire(INSTRUMENT_DRUMS, 0.5f, c.personalitiesA);
        SIM_Musician* b = Hire(INSTRUMENT_BASS);
        a->SetChemistry(c.chemistryA);
        b->SetChemistry(c.chemistryB);
        SIM_Relationship::ResolveMeeting(weight);
        ASSERT_EQ(SIM_Relationship::All.size(), 1u);
        EXPECT_NEAR(SIM_Relationship::All[0]->GetValue(), c.expected, 1e-6f) << c.what;
        SIM_GetBand()->RemoveMusician(a);
        SIM_GetBand()->RemoveMusician(b);
    }
}

TEST_F(BandTest, JealousyAddsToTheClashOfAPairFarApart)
{
    Set("RS_RELATIONSHIP_MULTIPLIER", 1.0f);
    Set("RS_DISRUPTOR_EFFECT", 0.0f);
    Set("RS_LOW_MOTIV_RELATIONSHIP", 0.0f);
    Set("RS_JEALOUSY_LIMIT", 0.1f);
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* b = Hire(INSTRUMENT_BASS);
    a->SetChemistry(0.0f);
    b->SetChemistry(0.51f);
    SIM_Relationship* r = SIM_Relationship::GetRelationship(a, b);
    EXPECT_EQ(r->GetJealousy(), 0.0f) << "equal satisfaction";
    SIM_Relationship::ResolveMeeting(0.1f);
    EXPECT_NEAR(r->GetValue(), -0.051f, 1e-6f);
}

TEST_F(BandTest, RelationshipValuesStayWithinMinusOneAndOne)
{
    Set("RS_RELATIONSHIP_MULTIPLIER", 1.0f);
    Set("RS_LOW_MOTIV_RELATIONSHIP", 0.0f);
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* b = Hire(INSTRUMENT_BASS);
    a->SetChemistry(0.5f);
    b->SetChemistry(0.5f);
    SIM_Relationship::ResolveMeeting(1000.0f);
    SIM_Relationship* r = SIM_Relationship::GetRelationship(a, b);
    EXPECT_EQ(r->GetValue(), 1.0f);
    r->ChangeValue(-50.0f);
    EXPECT_EQ(r->GetValue(), -1.0f);
    EXPECT_EQ(SIM_Relationship::GetAverageRelationship(), -1.0f);
}

TEST_F(BandTest, RelationshipsFadeDailyAndAverageOverThemAll)
{
    Set("RS_RELATIONSHIP_DEGRADE", 0.5f);
    EXPECT_EQ(SIM_Relationship::GetAverageRelationship(), 0.0f);
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* b = Hire(INSTRUMENT_BASS);
    SIM_Musician* c = Hire(INSTRUMENT_GUITAR);
    SIM_Relationship::GetRelationship(a, b)->ChangeValue(0.8f);
    SIM_Relationship::GetRelationship(a, c)->ChangeValue(-0.2f);
    SIM_Relationship::NextDayAll();
    EXPECT_NEAR(SIM_Relationship::GetRelationship(b, a)->GetValue(), 0.4f, 1e-6f);
    EXPECT_NEAR(SIM_Relationship::GetAverageRelationship(), (0.4f - 0.1f) / 3.0f, 1e-6f);
    SIM_Relationship* bc = SIM_Relationship::GetRelationship(b, c);
    EXPECT_EQ(bc->GetOther(b), c);
    EXPECT_EQ(bc->GetOther(c), b);
    EXPECT_TRUE(bc->Has(c, b));
    EXPECT_FALSE(bc->Has(a, b));
}

TEST_F(BandTest, ClearingRelationshipsLeavesNoMusicianPointingAtThem)
{
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    Hire(INSTRUMENT_BASS);
    SIM_Relationship::Clear();
    EXPECT_TRUE(SIM_Relationship::All.empty());
    EXPECT_TRUE(a->GetRelationships().empty());
}

namespace {
// A relationship line that records its own deletion.
class Line : public SIM_RelationshipView {
public:
    explicit Line(int& deleted) : deleted_(deleted) {}
    ~Line() override { ++deleted_; }

private:
    int& deleted_;
};

class LineScreens : public RecordingScreens {
public:
    SIM_RelationshipView* CreateRelationshipLine(SIM_Relationship*) override
    {
        ++created;
        return new Line(deleted);
    }
    int created = 0;
    int deleted = 0;
};
}

TEST_F(BandTest, ARelationshipOwnsItsLine)
{
    LineScreens lines;
    RecordingScreens::Scope scope {lines};
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    Hire(INSTRUMENT_BASS);
    Hire(INSTRUMENT_GUITAR);
    EXPECT_EQ(lines.created, 3);
    SIM_GetBand()->RemoveMusician(a);
    EXPECT_EQ(lines.deleted, 2);
    SIM_Relationship::Clear();
    EXPECT_EQ(lines.deleted, 3);
}
