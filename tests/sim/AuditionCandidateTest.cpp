// Audition candidates made from rows: names, gender and portrait, the personalities the
// game knows, song element, ability against the band's musicianship, and a possession
// taken from the asset catalogue as it is when the candidate is made.
#include "career/SIM_Asset.h"
#include "career/SIM_SongElement.h"
#include "sim/BandFixture.h"
#include "sim/SIM_Auditionee.h"
#include "sim/SIM_MusicianFactory.h"
#include "sim/SIM_Names.h"
#include "sim/SIM_PortraitDatabase.h"

#include <algorithm>
#include <memory>
#include <set>

namespace {

// An asset of the catalogue with just a name.
struct NamedAsset : SIM_Asset {
    explicit NamedAsset(const std::string& n) { name = n; }
};

class AuditionCandidateTest : public BandTest {
protected:
    void TearDown() override
    {
        for (SIM_Musician* m : made)
            delete m;
        BandTest::TearDown();
    }
    void UseRows(const std::string& rows)
    {
        resources.Write(SIM_Auditionee::File, "Columns: marker, instrument...\n" + rows);
        SIM_Auditionee::Open();
    }
    SIM_Musician* Create(INSTRUMENT instrument)
    {
        SIM_Musician* m = SIM_Auditionee::CreateFromAvailable(instrument);
        if (m)
            made.push_back(m);
        return m;
    }
    static void SetMusicianship(float value)
    {
        SIM_GetBand()->GetAttributes().GetNamedValue("band_musicianship")->SetValue(value);
    }
    static bool Contains(const std::vector<std::string>& list, const std::string& name)
    {
        return std::find(list.begin(), list.end(), name) != list.end();
    }

    std::vector<SIM_Musician*> made;
};

} // namespace

TEST_F(AuditionCandidateTest, ACandidateTakesEverythingFromItsRow)
{
    NamedAsset guitar("red guitar");
    UseRows("#,DRUMS,MALE,uptempo,0.5,red guitar,none\n"
            "#,GUITAR,FEMALE,uptempo,0.8,red guitar,lazy,none,,shy\n");
    const std::string forename = SIM_Auditionee::Available.back()->GetForename();
    const std::string surname = SIM_Auditionee::Available.back()->GetSurname();
    const float potential = SIM_Auditionee::Available.back()->GetPotential();
    SetMusicianship(0.5f);

    SIM_Musician* m = Create(INSTRUMENT_GUITAR);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->GetInstrument(), INSTRUMENT_GUITAR);
    EXPECT_EQ(m->GetGender(), SIM_GENDER_FEMALE);
    EXPECT_EQ(m->GetForeName(), forename);
    EXPECT_EQ(m->GetFullName(), forename + " " + surname);
    const std::string face = m->GetMoodPortrait(SIM_Musician::MOOD_NEUTRAL);
    ASSERT_GT(face.size(), std::string("_neutral.jpg").size());
    const std::string base = face.substr(0, face.size() - std::string("_neutral.jpg").size());
    EXPECT_EQ(face, base + "_neutral.jpg");
    EXPECT_TRUE(Contains(SIM_GetPortraits()->GetAllFemale(), base)) << base;
    EXPECT_FALSE(Contains(SIM_GetPortraits()->GetFreeFemale(), base)) << "the face is taken";

    // "lazy" is a personality although its name is short; "none" and empty cells are not.
    ASSERT_EQ(m->GetPersonalities().size(), 2u);
    EXPECT_TRUE(m->HasPersonality("lazy"));
    EXPECT_TRUE(m->HasPersonality("shy"));
    ASSERT_NE(SIM_SongElement::GetByName("uptempo"), nullptr);
    EXPECT_EQ(m->GetSongElement(), SIM_SongElement::GetByName("uptempo"));
    EXPECT_FLOAT_EQ(m->GetAbility(), 0.8f * 0.5f);
    EXPECT_FLOAT_EQ(m->GetMaxAbility(), potential);
    EXPECT_EQ(m->GetPossesions(), (std::vector<SIM_Asset*> {&guitar}));
    EXPECT_FALSE(SIM_GetBand()->IsMember(m));

    // The row is used up; the drummer's row is still there.
    ASSERT_EQ(SIM_Auditionee::Available.size(), 1u);
    EXPECT_EQ(SIM_Auditionee::Available.front()->GetInstrument(), INSTRUMENT_DRUMS);
    EXPECT_TRUE(screens.reports.empty()) << screens.reports.front();
}

TEST_F(AuditionCandidateTest, AbilityFollowsTheBandsMusicianshipFromAFloorOfATenth)
{
    NamedAsset guitar("red guitar");
    const std::pair<float, float> cases[] = {{0.0f, 0.1f}, {0.05f, 0.1f}, {0.6f, 0.6f}, {1.0f, 1.0f}};
    for (const auto& [musicianship, factor] : cases) {
        UseRows("#,BASS,MALE,uptempo,0.5,red guitar,none\n");
        SetMusicianship(musicianship);
        SIM_Musician* m = Create(INSTRUMENT_BASS);
        ASSERT_NE(m, nullptr);
        EXPECT_FLOAT_EQ(m->GetAbility(), 0.5f * factor) << musicianship;
    }
    // A factor that would lift ability above 1 is clamped.
    UseRows("#,BASS,MALE,uptempo,3.0,red guitar,none\n");
    SetMusicianship(0.9f);
    EXPECT_FLOAT_EQ(Create(INSTRUMENT_BASS)->GetAbility(), 1.0f);
}

TEST_F(AuditionCandidateTest, NamesTheTablesDoNotKnowAreReportedAndLeftOut)
{
    UseRows("#,SAXOPHONE,MALE,no such riff,0.5,no such horn,ambitious,grumpy\n");
    SIM_Musician* m = Create(INSTRUMENT_SAXOPHONE);
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(m->HasPersonality("ambitious"));
    EXPECT_EQ(m->GetPersonalities().size(), 1u);
    EXPECT_EQ(m->GetSongElement(), nullptr);
    EXPECT_TRUE(m->GetPossesions().empty());
    // The unknown personality and the missing possession are assertions; the missing
    // song element is a warning.
    EXPECT_EQ(screens.Alerts().size(), 2u);
    EXPECT_EQ(std::count(screens.reports.begin(), screens.reports.end(), "GWarning Song element not found"), 1);
}

TEST_F(AuditionCandidateTest, APossessionComesFromTheCatalogueAsItIsWhenTheCandidateIsMade)
{
    // A new game reads the rows before it reloads the asset catalogue: the rows keep
    // names only, so a candidate made afterwards holds an asset of the new catalogue.
    UseRows("#,GUITAR,MALE,uptempo,0.5,starter guitar,none\n#,GUITAR,MALE,uptempo,0.5,starter guitar,none\n");
    SIM_Asset::Open();
    SIM_Asset* reloaded = SIM_Asset::GetByName("starter guitar");
    ASSERT_NE(reloaded, nullptr);
    SIM_Musician* m = Create(INSTRUMENT_GUITAR);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->GetPossesions(), (std::vector<SIM_Asset*> {reloaded}));

    // The same through a whole new game, whose catalogue holds the row's asset.
    SIM_GetSim()->Reset();
    made.clear(); // the new game deleted every musician
    SIM_Musician* again = Create(INSTRUMENT_GUITAR);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->GetPossesions(), (std::vector<SIM_Asset*> {SIM_Asset::GetByName("starter guitar")}));
    EXPECT_TRUE(screens.Alerts().empty()) << screens.Alerts().front();
}

TEST_F(AuditionCandidateTest, OneAuditionsThreeCandidatesHaveThreeFaces)
{
    NamedAsset guitar("red guitar");
    UseRows("#,GUITAR,MALE,uptempo,0.5,red guitar,none\n#,GUITAR,MALE,uptempo,0.5,red guitar,none\n"
            "#,GUITAR,MALE,uptempo,0.5,red guitar,none\n");
    std::set<std::string> faces;
    for (int i = 0; i < 3; ++i) {
        SIM_Musician* m = Create(INSTRUMENT_GUITAR);
        ASSERT_NE(m, nullptr);
        faces.insert(m->GetMoodPortrait(SIM_Musician::MOOD_HAPPY));
    }
    EXPECT_EQ(faces.size(), 3u);
}

TEST_F(AuditionCandidateTest, NoRowOfTheInstrumentGivesNoCandidate)
{
    UseRows("#,GUITAR,MALE,uptempo,0.5,red guitar,none\n");
    screens.Clear();
    EXPECT_EQ(Create(INSTRUMENT_DRUMS), nullptr);
    EXPECT_EQ(screens.Alerts().size(), 1u);
}

TEST_F(AuditionCandidateTest, AFactoryMusicianHasTheInstrumentAGenderAFaceAndAName)
{
    for (int i = 0; i < 6; ++i) {
        SIM_Musician* m = SIM_MusicianFactory::CreateMusician(INSTRUMENT_SAXOPHONE);
        ASSERT_NE(m, nullptr);
        made.push_back(m);
        EXPECT_EQ(m->GetInstrument(), INSTRUMENT_SAXOPHONE);
        const bool female = m->GetGender() == SIM_GENDER_FEMALE;
        EXPECT_TRUE(female || m->GetGender() == SIM_GENDER_MALE);
        EXPECT_TRUE(Contains(female ? SIM_GetPortraits()->GetAllFemale() : SIM_GetPortraits()->GetAllMale(),
                             m->SIM_Person::GetPortraitTexture()));
        EXPECT_FALSE(m->GetForeName().empty());
        EXPECT_EQ(m->GetFullName(), m->GetForeName() + " " + m->GetSurName());
    }
    EXPECT_TRUE(screens.reports.empty()) << screens.reports.front();
}
