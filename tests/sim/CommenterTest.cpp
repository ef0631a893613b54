// The comment rules: scores per type, damping, ties, band-wide knock-back, texts.
#include "engine/GProfileStore.h"
#include "engine/GTranslation.h"
#include "sim/RecordingScreens.h"
#include "sim/SIM_Commenter.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Musician.h"
#include "support/TestSupport.h"

#include <cstdlib>

namespace {

// The musician a fake commenter speaks for (made before the commenter, gone after it).
struct Speaker {
    SIM_Musician speaker;
};

// A commenter whose world is a fixed situation and whose remarks are recorded.
class FakeCommenter : private Speaker, public SIM_Commenter {
public:
    explicit FakeCommenter(const Situation& s) : SIM_Commenter(&speaker), situation(s) {}
    Situation situation;
    std::vector<std::string> said;

protected:
    Situation Observe(SIM_RehearsalVenue* venue) const override
    {
        Situation s = situation;
        s.rehearsal = venue != nullptr;
        return s;
    }
    void Say(const std::string& text) override { said.push_back(text); }
    std::string RandomSongTitle() const override { return "Kettle Song"; }
    std::string BandName() const override { return "Tin Crown"; }
};

class CommenterTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        GetProfileStore()->Forget();
        GTranslation::Close();
        std::srand(5);
        resources.Write("data/config.txt", "[config]\n"
                        "RS_COMMENT_REPETITION_DECAY = 0.25\nRS_COMMENT_REPETITION_KNOCKBACK = 0.5\n"
                        "RS_STRESS_RESENT_COMMENT_MIN = 0.5\nRS_BOREDOM_THRESHOLD = 0.6\n"
                        "RS_POSSESION_RESENT_COMMENT_MIN = 0.2\nRS_REHEARSAL_NOTENOUGH = 0.3\n"
                        "RS_REHEARSAL_TOOMUCH = 0.9\nREHEARSE_MINSONGS = 4\nRS_LOW_MOTIVE_COMMENT = 0.3\n"
                        "RS_HIGH_MOTIVE_COMMENT = 0.8\nRS_RELATE_LOW_COMMENT = -0.5\nRS_RELATE_HIGH_COMMENT = 0.5\n"
                        "COMMENT_SONG_BOREDOM = 0.3\nHYPE_LOW_COMMENT = 0.4\nRS_COMMENT_INSPIRE_HIGH = 0.75\n");
        resources.Write("data/strings.ini", "[strings]\nHE = he\nSHE = she\n"
                        "[COMMENT_STRESS]\n0 = Tired of <BANDNAME> and <RANDOM_SONG_TITLE>\n"
                        "[COMMENT_BOREDOM]\n0 = one\n2 = gap\n"
                        "[COMMENT_LOW_RELATIONSHIP]\n0 = <NEMESIS> again, <HE_SHE> is trouble\n"
                        "[COMMENT_SONGS_BORED]\n0 = Not <SONGNAME>, not <BANDNAME>\n"
                        "[COMMENT_SHOULD_REHEARSE]\n0 = Rehearse\n"
                        "[COMMENT_DEFAULT_REHEARSAL]\n0 = Fine\n"
                        "[COMMENT_STAGESHOWLOW]\n0 = Dull show\n"
                        "[COMMENT_POSSESION_DEMAND_STAGE PIANO]\n0 = <BANDNAME> needs a piano for <RANDOM_SONG_TITLE>\n");
        SIM_GetGlobalVariables()->Load();
    }
    void TearDown() override
    {
        GTranslation::Close();
        SandboxTest::TearDown();
    }
    RecordingScreens screens;
    RecordingScreens::Scope scope {screens};
};

using S = SIM_Commenter::Situation;
using C = SIM_Commenter;

// A musician with nothing on the mind: middling motivation, nothing else.
S Calm()
{
    S s;
    s.motivation = 0.5f;
    return s;
}

} // namespace

TEST_F(CommenterTest, RawScoresByType)
{
    struct Case {
        const char* what;
        C::TYPE type;
        S s;
        float expected;
    };
    auto with = [](auto f) { S s; f(s); return s; };
    const Case cases[] = {
        {"stress above the minimum", C::STRESS, with([](S& s) { s.stress = 0.8f; }), 0.3f},
        {"stress at the minimum", C::STRESS, with([](S& s) { s.stress = 0.5f; }), 0.0f},
        {"resentment", C::POSSESION_DEMAND, with([](S& s) { s.resentment = 1.4f; }), 1.0f},
        {"boredom", C::BOREDOM, with([](S& s) { s.boredom = 0.9f; }), 0.3f},
        {"bad room", C::STUDIOTOOBAD, with([](S& s) { s.rehearsal = true; s.venueMotivation = -0.1f; }), 0.4f},
        {"good room", C::STUDIOTOOGOOD, with([](S& s) { s.rehearsal = true; s.venueMotivation = 0.1f; }), 0.4f},
        {"unrehearsed", C::UNREHEARSED, with([](S& s) { s.bandRehearsal = 0.1f; }), 0.2f},
        {"over-rehearsed", C::OVERREHEARSED, with([](S& s) { s.bandRehearsal = 0.92f; }), 0.2f},
        {"few songs", C::NEEDNEWSONGS, with([](S& s) { s.songCount = 1; }), 0.75f},
        {"practice", C::NEEDPRACTICE, with([](S& s) { s.expectation = 250; s.ability = 0.2f; }), 0.3f},
        {"ambitious practice", C::NEEDPRACTICE, with([](S& s) { s.expectation = 200; s.ambitious = true; }), 0.5f},
        {"low motivation", C::LOW_MOTIVATION, with([](S& s) { s.motivation = 0.15f; }), 0.5f},
        {"high motivation", C::HIGH_MOTIVATION, with([](S& s) { s.motivation = 0.9f; }), 0.5f},
        {"motivation at the high mark", C::HIGH_MOTIVATION, with([](S& s) { s.motivation = 0.8f; }), 0.0f},
        {"low relationship", C::LOW_RELATIONSHIP, with([](S& s) { s.hasWorst = true; s.worstValue = -0.7f; }), 0.7f},
        {"no worst relationship", C::LOW_RELATIONSHIP, with([](S& s) { s.worstValue = -0.7f; }), 0.0f},
        {"high relationship", C::HIGH_RELATIONSHIP, with([](S& s) { s.hasBest = true; s.bestValue = 0.5f; }), 0.5f},
        {"bored of a song", C::SONGS_BORED, with([](S& s) { s.hasBoringSong = true; s.boringSongBoredom = 0.4f; }), 0.8f},
        {"need hype", C::NEED_HYPE, with([](S& s) { s.gigBooked = true; s.bandHype = 0.1f; }), 0.9f},
        {"no hype talk on gig night", C::NEED_HYPE, with([](S& s) { s.gigBooked = s.gigTonight = true; }), 0.0f},
        {"inspired", C::INSPIRATION_HIGH, with([](S& s) { s.inspiration = 0.875f; }), 0.5f},
        {"resigning", C::CONSIDERING_RESIGNATION, with([](S& s) { s.intentionToQuit = 2; }), 0.5f},
        {"resigning for long", C::CONSIDERING_RESIGNATION, with([](S& s) { s.intentionToQuit = 9; }), 1.0f},
        {"no van talk with a van", C::NEEDVAN, with([](S& s) { s.fame = 60; s.cheapVan = true; }), 0.0f},
        {"never checked", C::POOR_ATTENDENCE, with([](S& s) { s.stress = 1; }), 0.0f},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(C::RawScore(c.type, c.s), c.expected, 1e-5f) << c.what;
    S r = with([](S& s) { s.bandRehearsal = 0.5f; });
    float right = C::RawScore(C::ABOUTRIGHT, r);
    EXPECT_TRUE(right >= 0.5f && right <= 0.8f);
}

TEST_F(CommenterTest, DampingSilencesATypeUntilItDecays)
{
    FakeCommenter c(Calm());
    c.situation.stress = 1.0f; // raw 0.5
    c.SetDamping(C::STRESS, 1.0f);
    c.GenerateDailyComments(); // decays to 0.75: still silent
    c.GenerateDailyComments(); // 0.5: the raw score does not exceed it
    EXPECT_TRUE(c.said.empty());
    c.GenerateDailyComments(); // 0.25
    ASSERT_EQ(c.said.size(), 1u);
    EXPECT_EQ(c.said[0], "Tired of Tin Crown and Kettle Song");
    EXPECT_EQ(c.GetDamping(C::STRESS), 0.75f); // knocked back
    c.SetDamping(C::STRESS, 3.0f);             // not clamped until the next decay
    c.DecayPreventers();
    EXPECT_EQ(c.GetDamping(C::STRESS), 1.0f);
}

TEST_F(CommenterTest, BandWideCommentsDampEveryMusician)
{
    S s = Calm();
    s.gigBooked = true;
    s.bandRehearsal = 0.1f;
    s.bandHype = 0.9f;
    FakeCommenter a(s), b(s);
    b.situation.gigBooked = false;
    a.GenerateDailyComments();
    ASSERT_EQ(a.said, (std::vector<std::string> {"Rehearse"}));
    EXPECT_NEAR(a.GetDamping(C::SHOULD_REHEARSE), 0.5f, 1e-5f);
    EXPECT_NEAR(b.GetDamping(C::SHOULD_REHEARSE), 0.5f, 1e-5f);
}

TEST_F(CommenterTest, TimedCommentsCompeteAndTiesGoToTheDailyCandidate)
{
    FakeCommenter c(Calm());
    c.AddTimedComment(C::OWN_TEXT, 1.0f, "");
    EXPECT_TRUE(c.GetTimedComments().empty());
    c.AddTimedComment(C::STAGESHOWLOW, 1.0f, "ignored text");
    c.situation.intentionToQuit = 9; // scores 1.0 as well
    resources.Write("data/strings.ini", ReadWholeFile(resources.Str() + "/data/strings.ini") +
                    "[COMMENT_CONSIDERING_RESIGNATION]\n0 = I quit\n");
    GTranslation::Close();
    c.GenerateDailyComments();
    EXPECT_EQ(c.said, (std::vector<std::string> {"I quit"}));
    EXPECT_TRUE(c.GetTimedComments().empty());

    c.situation.intentionToQuit = 0;
    c.AddTimedComment(C::STAGESHOWLOW, 1.0f);
    c.GenerateDailyComments();
    EXPECT_EQ(c.said.back(), "Dull show");
}

TEST_F(CommenterTest, RehearsalRoundsSayAPlainRemarkAndKeepTimedComments)
{
    FakeCommenter c(Calm());
    c.situation.bandRehearsal = 0.5f; // about right: 0.5..0.8
    c.situation.songCount = 10;
    c.SetDamping(C::ABOUTRIGHT, 1.0f);
    int venue = 0;
    c.GenerateRehearsalComments(reinterpret_cast<SIM_RehearsalVenue*>(&venue));
    EXPECT_EQ(c.said, (std::vector<std::string> {"Fine"}));
    c.AddTimedComment(C::OWN_TEXT, 0.9f, "Thanks for the amp");
    c.GenerateRehearsalComments(reinterpret_cast<SIM_RehearsalVenue*>(&venue));
    EXPECT_EQ(c.said.back(), "Thanks for the amp");
    EXPECT_EQ(c.GetTimedComments().size(), 1u);
    EXPECT_EQ(c.GetDamping(C::OWN_TEXT), 0.5f);
    c.GenerateDailyComments();
    EXPECT_EQ(c.said.back(), "Thanks for the amp");
}

TEST_F(CommenterTest, MissingOrBrokenTextsAndNoDesiredAssetSayNothing)
{
    FakeCommenter c(Calm());
    c.situation.boredom = 1.0f;            // section with a gap
    c.GenerateDailyComments();
    c.situation.boredom = 0;
    c.situation.resentment = 0.9f;         // no desired asset
    c.GenerateDailyComments();
    c.situation.desiredAsset = "tour bus"; // no section for it
    c.GenerateDailyComments();
    EXPECT_TRUE(c.said.empty());
    EXPECT_EQ(c.GetDamping(C::BOREDOM), 0.0f);
    EXPECT_EQ(c.GetDamping(C::POSSESION_DEMAND), 0.0f);
}

TEST_F(CommenterTest, RelationshipAndSongTextsNameWhoAndWhat)
{
    FakeCommenter c(Calm());
    c.situation.hasWorst = true;
    c.situation.worstValue = -0.9f;
    c.situation.worstName = "Cora";
    c.situation.worstFemale = true;
    c.GenerateDailyComments();
    c.situation = Calm();
    c.situation.hasBoringSong = true;
    c.situation.boringSongBoredom = 0.5f;
    c.situation.boringSongName = "Paper Cuts";
    c.GenerateDailyComments();
    EXPECT_EQ(c.said, (std::vector<std::string> {"Cora again, she is trouble", "Not Paper Cuts, not <BANDNAME>"}));
}

TEST_F(CommenterTest, ADemandIsForTheDesiredAssetInTheBandsWords)
{
    FakeCommenter c(Calm());
    c.situation.resentment = 0.9f;
    c.situation.desiredAsset = "stage piano";
    c.GenerateDailyComments();
    EXPECT_EQ(c.said, (std::vector<std::string> {"Tin Crown needs a piano for Kettle Song"}));
    EXPECT_EQ(c.GetDamping(C::POSSESION_DEMAND), 0.5f);
}
