// Musicians' comments in a real band with the shipped data: what they see of the musician,
// the band and the player character, and the messages they leave; and a whole career in
// which every member speaks his mind.
#include "career/SIM_Gig.h"
#include "engine/GTranslation.h"
#include "engine/IniLoader.h"
#include "sim/BandFixture.h"
#include "sim/SIM_Commenter.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Message.h"

#include <map>
#include <set>

namespace {

class CommenterWorldTest : public BandTest {
protected:
    // The texts of a comment section, as the messages show them (in double quotes).
    static std::set<std::string> Texts(const std::string& section)
    {
        std::set<std::string> texts;
        IniLoader* loader = GTranslation::GetLoader(section, GTranslation::StringsFile);
        for (int i = 0; loader && i < loader->GetNumKeys(); ++i)
            texts.insert("\"" + loader->GetValue(std::to_string(i)) + "\"");
        return texts;
    }
    static std::vector<std::string> MessagesOf(const SIM_Musician* m)
    {
        std::vector<std::string> said;
        for (const SIM_Message* message : SIM_Message::All)
            if (message->GetMusician() == m)
                said.push_back(message->GetMessageText());
        return said;
    }
};

} // namespace

TEST_F(CommenterWorldTest, AStressedMusicianSaysSoInAMessage)
{
    QuietMotivation();
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* b = Hire(INSTRUMENT_BASS);
    SIM_Message::ClearMessages();
    a->GetStress()->AddEffect(0.95f, 1.0f, "test");
    a->GetStress()->CalculateValue();
    a->GetCommenter()->GenerateDailyComments();
    b->GetCommenter()->GenerateDailyComments();
    const auto said = MessagesOf(a);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(Texts("COMMENT_STRESS").count(said[0]), 1u) << said[0];
    EXPECT_TRUE(MessagesOf(b).empty()) << "a calm musician has nothing to say";
    EXPECT_GT(a->GetCommenter()->GetDamping(SIM_Commenter::STRESS), 0.0f);
    EXPECT_TRUE(screens.Alerts().empty());
}

TEST_F(CommenterWorldTest, ARelationshipCommentNamesTheOtherMember)
{
    QuietMotivation();
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* b = Hire(INSTRUMENT_BASS);
    b->SetName("Marguerite", "Oake");
    SIM_Relationship::GetRelationship(a, b)->ChangeValue(-0.9f);
    SIM_Message::ClearMessages();
    a->GetCommenter()->GenerateDailyComments();
    const auto said = MessagesOf(a);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].find('<'), std::string::npos) << said[0];
    std::set<std::string> expected;
    for (std::string text : Texts("COMMENT_LOW_RELATIONSHIP")) {
        GTranslation::ReplaceToken(text, "<NEMESIS>", "Marguerite");
        GTranslation::ReplaceToken(text, "<HE_SHE>", GTranslation::GetString(b->GetGender() ? "SHE" : "HE"));
        expected.insert(text);
    }
    EXPECT_EQ(expected.count(said[0]), 1u) << said[0];
}

TEST_F(CommenterWorldTest, TheInspiredPlayerIsPraisedByOneMemberAndTheOthersHoldBack)
{
    QuietMotivation();
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    SIM_Musician* b = Hire(INSTRUMENT_BASS);
    // One knock-back silences a remark, and nothing wears off between two rounds.
    Set("RS_COMMENT_REPETITION_KNOCKBACK", 1.0f);
    Set("RS_COMMENT_REPETITION_DECAY", 0.0f);
    SIM_GetRiza()->InitAttrib("inspiration", 1.0f);
    SIM_GetRiza()->RecalcAttributes();
    SIM_Message::ClearMessages();
    a->GetCommenter()->GenerateDailyComments();
    b->GetCommenter()->GenerateDailyComments();
    ASSERT_EQ(MessagesOf(a).size(), 1u);
    EXPECT_EQ(Texts("COMMENT_INSPIRATION_HIGH").count(MessagesOf(a)[0]), 1u) << MessagesOf(a)[0];
    EXPECT_TRUE(MessagesOf(b).empty()) << "band-wide: said once for the whole band";
    EXPECT_EQ(b->GetCommenter()->GetDamping(SIM_Commenter::INSPIRATION_HIGH), 1.0f);
}

// No gig is booked (the gig list answers "100 days" then): an unrehearsed, unknown band
// is not nagged to rehearse or drum up hype for a gig that does not exist.
TEST_F(CommenterWorldTest, WithNoGigBookedNobodyTalksOfTheNextGig)
{
    ASSERT_EQ(SIM_Gig::DaysTillNextGig(), SIM_Gig::NoGigBooked);
    EXPECT_EQ(SIM_Gig::NoGigBooked, 100);
    EXPECT_FALSE(SIM_Gig::GigTonight());
    QuietMotivation();
    SIM_Musician* a = Hire(INSTRUMENT_DRUMS);
    Hire(INSTRUMENT_BASS);
    ASSERT_LT(SIM_GetBand()->GetValue("band_rehearsal"), SIM_GetGlobalVariables()->Get("RS_REHEARSAL_NOTENOUGH"));
    ASSERT_LT(SIM_GetBand()->GetValue("band_hype"), SIM_GetGlobalVariables()->Get("HYPE_LOW_COMMENT"));
    a->GetCommenter()->GenerateDailyComments();
    for (const auto& c : a->GetCommenter()->GetDailyComments()) {
        EXPECT_NE(c->type, SIM_Commenter::SHOULD_REHEARSE);
        EXPECT_NE(c->type, SIM_Commenter::NEED_HYPE);
    }
}

// A career left to run by itself: the band drifts, gets bored and falls apart, and the
// members say so. A content musician has nothing on his mind and stays quiet, so the
// check is: every day each member runs his round, and whenever he has something to say
// (a remark beats its damping) he says it, once, in a text of the shipped data.
TEST_F(CommenterWorldTest, EveryMemberSpeaksHisMindEveryDayOfACareer)
{
    const float years = ReopenWithShippedValues();
    ASSERT_GT(years, 0.0f);
    SIM_GetSim()->Reset();
    HireFullBand();
    screens.Clear();

    std::map<const SIM_Musician*, int> daysSpoken;
    int memberDays = 0;
    const int days = static_cast<int>(years * static_cast<float>(SIM_Date::DaysPerYear));
    for (int day = 0; day < days + 1 && !SIM_GetSim()->IsTenYearsUp(); ++day) {
        SIM_GetSim()->EndDay();
        for (const SIM_Message* message : SIM_Message::All) {
            const std::string& text = message->GetMessageText();
            EXPECT_TRUE(text.size() > 2 && text.find('<') == std::string::npos && text.find("COMMENT_") == std::string::npos)
                << "day " << day << ": " << text;
        }
        for (SIM_Musician* m : SIM_GetBand()->GetMembers()) {
            const SIM_Commenter* c = m->GetCommenter();
            EXPECT_TRUE(c->GetTimedComments().empty()) << "day " << day << ": the round ran";
            const size_t said = MessagesOf(m).size();
            EXPECT_LE(said, 1u) << "day " << day;
            // The best candidate of the round, the first of equals.
            const SIM_Commenter::SIM_Comment* best = nullptr;
            for (const auto& candidate : c->GetDailyComments())
                if (!best || candidate->score > best->score)
                    best = candidate.get();
            const bool hasSomethingToSay = best && !(best->type == SIM_Commenter::POSSESION_DEMAND && !m->GetDesiredAsset());
            EXPECT_EQ(said, hasSomethingToSay ? 1u : 0u) << "day " << day << " " << m->GetFullName();
            ++memberDays;
            if (said)
                ++daysSpoken[m];
        }
    }
    EXPECT_TRUE(SIM_GetSim()->IsTenYearsUp());
    EXPECT_TRUE(screens.Alerts().empty()) << screens.Alerts().front();
    EXPECT_GT(memberDays, 0);
    for (SIM_Musician* m : SIM_Musician::All)
        EXPECT_GT(daysSpoken[m], 0) << m->GetFullName() << " never spoke";
}
