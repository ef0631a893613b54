// Songs: the starting songs of a new game, the draws every song makes, quality and links,
// descriptions, classic status, boredom, writing and retiring, and the set-wide queries.
#include "career/CareerFixture.h"

#include "career/SIM_Rehearsal.h"
#include "engine/GRandom.h"
#include "engine/GTranslation.h"
#include "sim/SIM_Names.h"
#include "sim/SIM_Statistics.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace {
// What a song is made of, for comparing two games.
using Snapshot = std::vector<std::tuple<std::string, float, std::string, int, float>>;

Snapshot TakeSnapshot()
{
    Snapshot out;
    for (const SIM_Song* s : SIM_Song::All)
        out.emplace_back(s->GetName(), s->GetQuality(), s->GetDescription(),
                         static_cast<int>(s->GetElementSuitabilities().size()),
                         s->GetElementSuitabilities().empty() ? 0.0f : s->GetElementSuitabilities()[0].suitability);
    return out;
}
}

TEST_F(CareerTest, ANewGameStartsWithCoverSongsOfTheDefaultElements)
{
    const int n = static_cast<int>(SIM_GetGlobalVariables()->Get("RS_INITIAL_SONGS"));
    ASSERT_GT(n, 0);
    ASSERT_EQ(SIM_Song::All.size(), static_cast<size_t>(n));
    EXPECT_TRUE(SIM_Song::Retired.empty());
    const char* defaults[] = {"clichedlyrics", "basicdrums", "basicbass", "basicguitar", "backing vocals", "ambition",
                              "uptempo"};
    const auto& titles = SIM_NamesList::SongNames.GetNames();
    for (const SIM_Song* s : SIM_Song::All) {
        EXPECT_TRUE(s->IsCover());
        EXPECT_FALSE(s->IsClassic());
        EXPECT_FLOAT_EQ(s->GetInitialInspiration(), 0.5f);
        EXPECT_EQ(s->GetBoredom(), 0.0f);
        EXPECT_NE(std::find(titles.begin(), titles.end(), s->GetName()), titles.end()) << s->GetName();
        EXPECT_GT(s->GetQuality(), 0.0f);
        EXPECT_LE(s->GetQuality(), 1.0f);
        EXPECT_FALSE(s->GetDescription().empty());
        EXPECT_EQ(s->GetDescription().find('<'), std::string::npos) << s->GetDescription();
        EXPECT_EQ(s->GetElementSuitabilities().size(), SIM_SongElement::All.size());
        for (int i = 0; i < NUM_SONG_SECTIONS; ++i) {
            ASSERT_NE(s->GetElement(SONG_SECTION(i)), nullptr) << i;
            EXPECT_EQ(s->GetElement(SONG_SECTION(i))->GetName(), defaults[i]);
        }
    }
    // Starting songs are not the player's writing.
    EXPECT_EQ(SIM_GetStatistics()->GetIntCounter(SIM_Statistics::SONGS_WRITTEN), 0);
    EXPECT_FALSE(SIM_Song::BSongsForStudio);
    EXPECT_FALSE(screens.Has("UpdateBookGigButton"));
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(CareerTest, TheSameSeedGivesTheSameStartingSongs)
{
    const Snapshot first = TakeSnapshot();
    SIM_GetSim()->Close();
    SIM_GetSim()->Open();
    SIM_GetGlobalVariables()->Set("GAME_DURATION_YEARS", 2.0f);
    SIM_GetSim()->Reset();
    EXPECT_EQ(TakeSnapshot(), first);

    SIM_GetSim()->Close();
    SIM_SIM::SetSeed(4321);
    SIM_GetSim()->Open();
    SIM_GetSim()->Reset();
    EXPECT_NE(TakeSnapshot(), first);
}

TEST_F(CareerTest, EachElementDrawsItsFitThenItsLeftThenItsRightLink)
{
    UseElements({"a,A,1,MUSIC,0.5", "b,B,1,MUSIC,1", "c,C,1,LYRICS,0.25"});
    SIM_Song* song = new SIM_Song;
    std::srand(77);
    struct Drawn {
        float fit;
        int left, right;
    } expected[3];
    const float base[] = {0.5f, 1.0f, 0.25f};
    for (int i = 0; i < 3; ++i) {
        expected[i].fit = GRandom::RandUnitFloat() * base[i];
        expected[i].left = std::rand() % 3;
        expected[i].right = std::rand() % 3;
    }
    std::srand(77);
    song->GenerateElementValues();
    const auto& fits = song->GetElementSuitabilities();
    ASSERT_EQ(fits.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(fits[i].element, SIM_SongElement::All[i]->GetName());
        EXPECT_FLOAT_EQ(fits[i].suitability, expected[i].fit) << i;
        EXPECT_EQ(fits[i].left, expected[i].left) << i;
        EXPECT_EQ(fits[i].right, expected[i].right) << i;
        EXPECT_LE(fits[i].suitability, base[i]);
    }
    // Drawing again appends a second set; the first entry of a name is the one used.
    song->GenerateElementValues();
    EXPECT_EQ(song->GetElementSuitabilities().size(), 6u);
    EXPECT_FLOAT_EQ(song->GetSuitability(Element("b")), expected[1].fit);
    EXPECT_FLOAT_EQ(song->GetElementQuality(Element("b")), 0.75f * expected[1].fit);
    EXPECT_EQ(song->GetSuitability(nullptr), 0.0f);

    // Two songs rate the same element each in their own way.
    SIM_Song* other = new SIM_Song;
    other->GenerateElementValues();
    EXPECT_NE(other->GetSuitability(Element("b")), song->GetSuitability(Element("b")));
}

TEST_F(CareerTest, QualityIsTheMeanElementQualityPlusLinksWeightedByInspiration)
{
    UseElements({"a,A,1,MUSIC,1", "b,B,1,MUSIC,1", "c,C,1,MUSIC,1", "stranger,S,1,MUSIC,1"});
    Set("RS_SONG_QUAL_PER_LINK", 0.1f);
    // a links into b, b into c and c into a.
    const std::initializer_list<Fit> fits = {{"a", 0.4f, 0, 1}, {"b", 0.8f, 1, 2}, {"c", 0.2f, 2, 0}};
    struct Case {
        const char* what;
        std::vector<const char*> sections; // "" leaves a section empty
        float inspiration;
        float quality;
        size_t asserts;
    };
    const Case cases[] = {
        {"one element", {"a"}, 1.0f, 0.3f, 0},
        {"a linked pair", {"a", "b"}, 1.0f, 0.55f, 0},
        {"no inspiration: a quarter", {"a", "b"}, 0.0f, 0.1375f, 0},
        {"a gap breaks the link", {"a", "", "b"}, 1.0f, 0.45f, 0},
        {"edges that do not match", {"b", "b"}, 1.0f, 0.6f, 0},
        {"six links", {"a", "b", "c", "a", "b", "c", "a"}, 0.5f, 0.625f * (2.4f / 7.0f + 0.6f), 0},
        {"nothing placed is worth nothing", {}, 1.0f, 0.0f, 0},
        {"an element the song has no fit for", {"a", "stranger"}, 1.0f, 0.15f, 1},
    };
    for (const Case& c : cases) {
        screens.Clear();
        SIM_Song* song = SongWith(fits, c.inspiration);
        for (size_t i = 0; i < c.sections.size(); ++i)
            if (*c.sections[i])
                song->AddElement(Element(c.sections[i]), SONG_SECTION(i));
        song->CalculateQuality();
        EXPECT_NEAR(song->GetQuality(), c.quality, 1e-5f) << c.what;
        EXPECT_EQ(screens.Alerts().size(), c.asserts) << c.what;
    }
    Set("RS_SONG_QUAL_PER_LINK", 0.5f);
    SIM_Song* linked = SongWith(fits);
    const char* sections[] = {"b", "c", "a", "b", "c", "a", "b"};
    for (int i = 0; i < NUM_SONG_SECTIONS; ++i)
        linked->AddElement(Element(sections[i]), SONG_SECTION(i));
    linked->CalculateQuality();
    EXPECT_EQ(linked->GetQuality(), 1.0f) << "clamped";
}

TEST_F(CareerTest, ClearingTheSectionsEmptiesThemAll)
{
    SIM_Song* song = SIM_Song::All.front();
    song->ClearElements();
    for (int i = 0; i < NUM_SONG_SECTIONS; ++i)
        EXPECT_EQ(song->GetElement(SONG_SECTION(i)), nullptr);
    song->CalculateQuality();
    EXPECT_EQ(song->GetQuality(), 0.0f);
}

TEST_F(CareerTest, DescriptionsFillTheBaseTextWithTheTwoBestSuitedElements)
{
    UseElements({"riff,R,1,MUSIC,1", "words,W,1,LYRICS,1", "big drums,D,1,MUSIC,1", "plain,P,1,MUSIC,1"});
    resources.Write("data/strings.ini", "[strings]\nOK = OK\n"
                                        "[SONG_DESCRIPTION_KEY]\n0 = Poor: <A> / <B>.\n1 = Fine: <A> / <B>.\n"
                                        "[SONG_DESCRIPTION_RIFF]\n0 = low riff\n1 = high riff\n"
                                        "[SONG_DESCRIPTION_WORDS]\n0 = low words\n1 = high words\n"
                                        "[SONG_DESCRIPTION_BIG DRUMS]\n0 = drums\n"
                                        "[CLASSIC_DESCRIPTIONS]\n0 = Timeless.\n");
    GTranslation::Close();
    struct Case {
        const char* what;
        std::vector<Fit> fits;
        std::vector<const char*> sections;
        float quality;
        const char* description;
    };
    const Case cases[] = {
        {"best first", {{"riff", 0.9f, 0, 0}, {"words", 0.3f, 0, 0}}, {"words", "riff"}, 0.2f,
         "Poor: high riff / low words."},
        {"equals: the earlier section wins", {{"riff", 0.6f, 0, 0}, {"words", 0.6f, 0, 0}}, {"words", "riff"}, 0.7f,
         "Fine: high words / high riff."},
        {"upper-case section names keep their blanks", {{"big drums", 0.7f, 0, 0}, {"riff", 0.2f, 0, 0}},
         {"riff", "big drums"}, 0.0f, "Poor: drums / low riff."},
        {"an element without texts leaves its token", {{"riff", 0.2f, 0, 0}, {"plain", 0.9f, 0, 0}},
         {"plain", "riff"}, 0.0f, "Poor: low riff / <B>."},
        {"a fit of 0 is never chosen", {{"riff", 0.0f, 0, 0}, {"words", 0.0f, 0, 0}}, {"riff", "words"}, 1.0f,
         "Fine: <A> / <B>."},
        {"the same element twice", {{"riff", 0.9f, 0, 0}}, {"riff", "", "riff"}, 0.0f,
         "Poor: high riff / high riff."},
    };
    for (const Case& c : cases) {
        SIM_Song* song = new SIM_Song;
        for (const Fit& f : c.fits)
            song->AddElementSuitability({f.element, f.suitability, f.left, f.right});
        for (size_t i = 0; i < c.sections.size(); ++i)
            if (*c.sections[i])
                song->AddElement(Element(c.sections[i]), SONG_SECTION(i));
        song->SetQuality(c.quality);
        song->GenerateDescription();
        EXPECT_EQ(song->GetDescription(), c.description) << c.what;
    }
    SIM_Song* classic = new SIM_Song;
    classic->SetClassic(true);
    classic->GenerateDescription();
    EXPECT_EQ(classic->GetDescription(), "Timeless.");
}

TEST_F(CareerTest, ClassicStatusNeedsSkillQualityRoomAndLuck)
{
    struct Case {
        const char* what;
        bool skilled;
        float quality;
        int classics;
        float chance;
        bool classic;
    };
    const Case cases[] = {
        {"everything right", true, 0.9f, 0, 1.0f, true},
        {"songwriting below 1", false, 0.9f, 0, 1.0f, false},
        {"quality below the minimum", true, 0.69f, 0, 1.0f, false},
        {"quality at the minimum", true, 0.7f, 0, 1.0f, true},
        {"as many classics as the limit: one more", true, 0.9f, 2, 1.0f, true},
        {"one more than the limit: no more", true, 0.9f, 3, 1.0f, false},
        {"no luck", true, 0.9f, 0, 0.0f, false},
    };
    Set("RS_MIN_QUALITY_CLASSIC_SONG", 0.7f);
    Set("RS_MAX_CLASSIC_SONGS", 2.0f);
    for (const Case& c : cases) {
        SIM_Song::Open();
        SIM_GetRiza()->LoadAttributes();
        if (c.skilled)
            SIM_GetRiza()->ApplyEffect("songwriting", 1.0f, 1.0f, "test");
        ASSERT_EQ(SIM_GetRiza()->GetValue("songwriting") >= 1.0f, c.skilled) << c.what;
        for (int i = 0; i < c.classics; ++i)
            (new SIM_Song)->SetClassic(true);
        Set("RS_CLASSIC_SONG_CHANCE", c.chance);
        SIM_Song* song = new SIM_Song;
        song->SetQuality(c.quality);
        screens.Clear();
        song->CheckForClassicStatus();
        EXPECT_EQ(song->IsClassic(), c.classic) << c.what;
        EXPECT_EQ(screens.Count("LaunchHint classic song"), c.classic ? 1 : 0) << c.what;
    }
}

TEST_F(CareerTest, PlayingMakesSongsBoringUpToOneExceptClassics)
{
    SIM_Song::Open();
    Set("RS_SONG_BOREDOM_INCREASE", 0.3f);
    SIM_Song* plain = new SIM_Song;
    SIM_Song* classic = new SIM_Song;
    classic->SetClassic(true);
    SIM_Song* retired = new SIM_Song;
    retired->Retire();
    const float expected[] = {0.3f, 0.6f, 0.9f, 1.0f, 1.0f};
    for (float boredom : expected) {
        SIM_Song::PerformAll();
        EXPECT_NEAR(plain->GetBoredom(), boredom, 1e-6f);
    }
    EXPECT_EQ(classic->GetBoredom(), 0.0f);
    EXPECT_EQ(retired->GetBoredom(), 0.0f);
    EXPECT_EQ(SIM_Song::GetMostBoringSong(), plain);
}

TEST_F(CareerTest, SetWideQueriesOverTheLiveSongs)
{
    SIM_Song::Open();
    EXPECT_EQ(SIM_Song::GetTotalSongQuality(), 0.0f);
    EXPECT_EQ(SIM_Song::GetMostBoringSong(), nullptr);
    EXPECT_EQ(SIM_Song::GetRandomTitle(), "");
    EXPECT_FALSE(SIM_Song::EnoughSongsToGig());

    SIM_Song* a = new SIM_Song;
    SIM_Song* b = new SIM_Song;
    SIM_Song* c = new SIM_Song;
    EXPECT_EQ(SIM_Song::GetMostBoringSong(), nullptr) << "no song is boring yet";
    a->SetQuality(0.8f);
    b->SetQuality(0.4f);
    b->SetBoredom(0.5f);
    c->SetBoredom(0.5f);
    EXPECT_FLOAT_EQ(SIM_Song::GetTotalSongQuality(), (0.8f + 0.2f + 0.0f) / 3.0f);
    EXPECT_EQ(SIM_Song::GetMostBoringSong(), b) << "the first of equals";
    a->SetName("Only Title");
    b->SetName("Only Title");
    c->SetName("Only Title");
    EXPECT_EQ(SIM_Song::GetRandomTitle(), "Only Title");

    SIM_Song::Cache_RS_SONGS_REQ_FOR_GIG = 3;
    EXPECT_TRUE(SIM_Song::EnoughSongsToGig());
    SIM_Song::Cache_RS_SONGS_REQ_FOR_GIG = 4;
    EXPECT_FALSE(SIM_Song::EnoughSongsToGig());
    Set("RS_SONGS_REQ_FOR_GIG", 0.0f);
    SIM_Song::Open();
    EXPECT_TRUE(SIM_Song::EnoughSongsToGig()) << "a missing value asks for no songs";
}

TEST_F(CareerTest, WritingASongCountsItTeachesTheWriterAndEveryMusicianLearnsIt)
{
    SIM_Musician* member = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* candidate = Make(INSTRUMENT_BASS);
    const float songwriting = SIM_GetRiza()->GetValue("songwriting");
    const size_t before = SIM_Song::All.size();
    screens.Clear();

    SIM_Song* song = SIM_Song::CreateNew(1.7f);
    ASSERT_EQ(SIM_Song::All.size(), before + 1);
    EXPECT_EQ(SIM_Song::All.back(), song);
    EXPECT_EQ(song->GetInitialInspiration(), 1.0f);
    EXPECT_EQ(song->GetName(), "Unknown Song");
    EXPECT_TRUE(song->GetDescription().empty());
    EXPECT_FALSE(song->IsCover());
    EXPECT_GT(song->GetQuality(), 0.0f);
    EXPECT_EQ(song->GetElement(SONG_SECTION_OUTTRO), Element("uptempo"));
    EXPECT_EQ(SIM_GetStatistics()->GetIntCounter(SIM_Statistics::SONGS_WRITTEN), 1);
    EXPECT_EQ(screens.Count("UpdateBookGigButton"), 1);
    for (SIM_Musician* m : {member, candidate}) {
        EXPECT_TRUE(m->GetRehearsalData()->HasSong(song));
        EXPECT_EQ(m->GetRehearsalData()->GetReadiness(song), 0.0f);
    }
    const float gain = SIM_GetGlobalVariables()->Get("RS_SONGWRITING_PER_SONG");
    EXPECT_NEAR(SIM_GetRiza()->GetValue("songwriting"), songwriting + gain, 1e-5f);
    EndDays(5);
    EXPECT_NEAR(SIM_GetRiza()->GetValue("songwriting"), songwriting + gain, 1e-5f) << "writing is never forgotten";

    EXPECT_EQ(SIM_Song::CreateNew(-0.5f)->GetInitialInspiration(), 0.0f);
    EXPECT_TRUE(screens.Alerts().empty());
}

TEST_F(CareerTest, RetiringMovesTheSongOffTheSetAndOutOfEveryRehearsalRecord)
{
    SIM_Song::Open();
    SIM_Musician* member = Hire(INSTRUMENT_DRUMS);
    std::vector<SIM_Song*> songs;
    for (int i = 0; i < 9; ++i)
        songs.push_back(SIM_Song::CreateNew(0.5f));
    EXPECT_TRUE(SIM_Song::BSongsForStudio);
    screens.Clear();

    songs[3]->Retire();
    EXPECT_TRUE(SIM_Song::BSongsForStudio) << "eight songs off albums are still enough";
    EXPECT_FALSE(member->GetRehearsalData()->HasSong(songs[3]));
    EXPECT_EQ(member->GetRehearsalData()->GetSongData().size(), 8u);
    songs[0]->Retire();
    EXPECT_FALSE(SIM_Song::BSongsForStudio);
    EXPECT_EQ(SIM_Song::Retired, (std::vector<SIM_Song*> {songs[3], songs[0]}));
    EXPECT_EQ(SIM_Song::All.size(), 7u);
    EXPECT_EQ(screens.Count("UpdateBookGigButton"), 2);

    songs[0]->Retire(); // already retired: nothing
    EXPECT_EQ(SIM_Song::Retired.size(), 2u);
    EXPECT_EQ(screens.Count("UpdateBookGigButton"), 2);
}

TEST_F(CareerTest, ADeletedSongLeavesNoRehearsalEntryBehind)
{
    SIM_Musician* member = Hire(INSTRUMENT_DRUMS);
    SIM_Song* song = SIM_Song::CreateNew(0.5f);
    member->GetRehearsalData()->AddSong(song, 0.4f); // a second entry of the same song
    delete song;
    EXPECT_FALSE(member->GetRehearsalData()->HasSong(song));
    EXPECT_EQ(std::find(SIM_Song::All.begin(), SIM_Song::All.end(), song), SIM_Song::All.end());
}

TEST_F(CareerTest, ANewGameKeepsNothingOfTheLastGamesSongs)
{
    HireFullBand();
    for (int i = 0; i < 8; ++i)
        SIM_Song::CreateNew(0.5f);
    SIM_Song::All.front()->Retire();
    EXPECT_TRUE(SIM_Song::BSongsForStudio);
    Set("RS_INITIAL_SONGS", 0.0f);
    SIM_GetSim()->Reset();
    EXPECT_TRUE(SIM_Song::All.empty());
    EXPECT_TRUE(SIM_Song::Retired.empty());
    EXPECT_FALSE(SIM_Song::BSongsForStudio);
    EXPECT_TRUE(SIM_RehearsalData::All.empty());
}
