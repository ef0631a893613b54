// Publicity: the table and its faults, the daily trigger of each class, each person's
// contribution, the event's effect and reach, and the daily round of events.
#include "career/CareerFixture.h"

#include "career/SIM_Publicity.h"
#include "sim/SIM_Commenter.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_NamedValue.h"

#include <functional>

namespace {
class PublicityTest : public CareerTest {
protected:
    void SetUp() override
    {
        CareerTest::SetUp();
        QuietMotivation();
        Set("RS_PUBLICITY_TOOSTRESSED", 0.8f);
    }
    void TearDown() override
    {
        SIM_PublicityEventType::HasRecordDeal = savedDeal;
        SIM_PublicityEventType::HasBookedGig = savedGig;
        SIM_PublicityEvent::ClearEvents();
        CareerTest::TearDown();
    }
    // Replaces the table with these rows (each without its marker) and reads it.
    void UseTypes(std::initializer_list<const char*> rows)
    {
        WriteTable(SIM_PublicityEventType::File, rows);
        SIM_PublicityEventType::Open();
    }
    static SIM_PublicityEventType* Type(size_t i) { return SIM_PublicityEventType::All.at(i); }
    static std::vector<const SIM_Effect*> HypeEffects(const std::string& name)
    {
        std::vector<const SIM_Effect*> out;
        auto* hype = dynamic_cast<SIM_Attribute*>(SIM_GetBand()->GetAttributes().GetNamedValue("band_hype"));
        for (const SIM_Effect* e : hype->GetEffects())
            if (e->GetDebugName() == name)
                out.push_back(e);
        return out;
    }
    static size_t PoorReachComments(SIM_Musician* m)
    {
        size_t n = 0;
        for (const auto& c : m->GetCommenter()->GetTimedComments())
            n += c->type == SIM_Commenter::PUBLICITY_POOR_REACH;
        return n;
    }

    std::function<bool()> savedDeal = SIM_PublicityEventType::HasRecordDeal;
    std::function<bool()> savedGig = SIM_PublicityEventType::HasBookedGig;
};

// A row of an ordinary type with no inputs: the name, the numbers, then the inputs.
const char* kPlain = "talk,,Title,pic.jpg,Text,snd.ogg,Desc,0,100,0,0,0.4,0.9,,#";
}

TEST_F(PublicityTest, RowsReadEveryColumnAndBadRowsAreReportedWithTheirLineAndSkipped)
{
    UseTypes({"print interview,flyers,Paper,paper.jpg,\"Talk, then print\",ding.ogg,Printed,5,600,0.1,0.3,0.2,0.97,spare,"
              "\"charismatic,0.4\",\"random,0.1,0.5\",,\"riza_live_experience,0.5\",#,\"band_stress,0.03,0.9\"",
              "no end,,T,p,x,s,d,0,1,0,0,0,0,,\"shy,0.1\"",                 // line 3: no "#" cell
              "bad input,,T,p,x,s,d,0,1,0,0,0,0,,\"charismatic\",#",        // line 4: no number
              "bad number,,T,p,x,s,d,0,1,0,0,0,0,,\"random,0.1,lots\",#",   // line 5
              "no such person,,T,p,x,s,d,0,1,0,0,0,0,,\"juggler,0.3\",#",   // line 6
              "open quote,,T,p,x,s,d,0,1,0,0,0,0,,\"random,0.1,#",          // line 7
              "short,,T,p,x,s,d,0,1",                                       // line 8
              "bad reach,,T,p,x,s,d,0,far,0,0,0,0,,#",                      // line 9
              "signed one,signed,T,p,x,s,d,0,1,0,0,0,0,,,#"});
    ASSERT_EQ(SIM_PublicityEventType::All.size(), 2u);
    const SIM_PublicityEventType* t = Type(0);
    EXPECT_EQ(t->GetName(), "print interview");
    EXPECT_EQ(t->GetClass(), SIM_PublicityEventType::FLYERS);
    EXPECT_EQ(t->GetTitle(), "Paper");
    EXPECT_EQ(t->GetImage(), "paper.jpg");
    EXPECT_EQ(t->GetText(), "Talk, then print");
    EXPECT_EQ(t->GetSound(), "ding.ogg");
    EXPECT_EQ(t->GetDescription(), "Printed");
    EXPECT_FLOAT_EQ(t->GetMinimumFame(), 5.0f);
    EXPECT_FLOAT_EQ(t->GetReach(), 600.0f);
    EXPECT_FLOAT_EQ(t->GetMinimumChance(), 0.1f);
    EXPECT_FLOAT_EQ(t->GetMaximumChance(), 0.3f);
    EXPECT_FLOAT_EQ(t->GetHypeEffect(), 0.2f);
    EXPECT_FLOAT_EQ(t->GetHypeDegrade(), 0.97f);
    ASSERT_EQ(t->GetInputs().size(), 3u) << "the empty input cell adds nothing";
    EXPECT_EQ(t->GetInputs()[0].name, "charismatic");
    EXPECT_FLOAT_EQ(t->GetInputs()[0].b, 0.0f);
    EXPECT_FLOAT_EQ(t->GetInputs()[1].b, 0.5f);
    EXPECT_EQ(t->GetInputs()[2].name, "riza_live_experience");
    ASSERT_EQ(t->GetModifiers().size(), 1u);
    EXPECT_EQ(t->GetModifiers()[0].GetDebugName(), "print interview");
    EXPECT_EQ(Type(1)->GetClass(), SIM_PublicityEventType::SIGNED);

    std::vector<std::string> lines;
    for (const std::string& r : screens.reports)
        lines.push_back(r.substr(r.find(" line ") + 6, 1));
    EXPECT_EQ(lines, (std::vector<std::string> {"3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_TRUE(screens.Alerts().empty()) << "a bad row never stops the game";
}

TEST_F(PublicityTest, TheClassesDecideWhenATypeIsOffered)
{
    UseTypes({kPlain});
    SIM_PublicityEventType* t = Type(0);
    struct Case {
        const char* what;
        const char* cls;
        float minFame, fame, minChance, maxChance;
        bool deal, booked;
        int weekday;
        bool publicist, expected;
    };
    const Case cases[] = {
        {"too little fame", "", 50, 10, 1, 1, false, false, 1, false, false},
        {"ordinary, sure chance", "", 0, 10, 1, 1, false, false, 1, false, true},
        {"ordinary, no chance", "", 0, 10, 0, 0, false, false, 1, false, false},
        {"publicist: 0.8 becomes 1", "", 0, 0, 0.8f, 0.8f, false, false, 1, true, true},
        {"signed without a deal", "signed", 0, 10, 1, 1, false, false, 1, false, false},
        {"signed with a deal", "signed", 0, 10, 1, 1, true, false, 1, false, true},
        {"booked without a gig", "booked", 0, 10, 1, 1, false, false, 1, false, false},
        {"booked: no chance drawn", "booked", 0, 10, 0, 0, false, true, 1, false, true},
        {"flyers without a gig", "flyers", 0, 10, 1, 1, false, false, 5, false, false},
        {"flyers on day 4", "flyers", 0, 10, 0, 0, false, true, 4, false, true},
        {"flyers on day 6", "flyers", 0, 10, 0, 0, false, true, 6, false, true},
        {"flyers on day 2, no chance", "flyers", 0, 10, 0, 0, false, true, 2, false, false},
        {"flyers on day 0, sure chance", "flyers", 0, 10, 1, 1, false, true, 0, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        t->SetClass(c.cls);
        t->SetMinimumFame(c.minFame);
        t->SetChances(c.minChance, c.maxChance);
        SetFame(c.fame);
        const bool deal = c.deal, booked = c.booked;
        SIM_PublicityEventType::HasRecordDeal = [deal] { return deal; };
        SIM_PublicityEventType::HasBookedGig = [booked] { return booked; };
        SIM_Date::PPresentDay->SetDayOfWeek(c.weekday);
        SIM_NamedValueList::ForceGlobal("publicist", c.publicist ? 1.0f : 0.0f);
        for (int i = 0; i < 20; ++i)
            ASSERT_EQ(t->IsTriggered(), c.expected);
    }
    // The chance grows with fame from the minimum towards the maximum.
    t->SetClass("");
    t->SetMinimumFame(0);
    t->SetChances(0.0f, 1.0f);
    SIM_NamedValueList::ForceGlobal("publicist", 0.0f);
    SetFame(0.0f);
    EXPECT_FALSE(t->IsTriggered());
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(PublicityTest, AMembersContributionCountsPersonalitiesMotivationAndStress)
{
    UseTypes({"talk,,T,p,x,s,d,0,100,0,0,0.4,0.9,,\"charismatic,0.4\",\"shy,-0.3\",\"optimistic,0.3\",#"});
    SIM_PublicityEventType* t = Type(0);
    SIM_Musician* star = Hire(INSTRUMENT_GUITAR, 0.5f, {"charismatic", "optimistic"});
    SIM_Musician* shy = Hire(INSTRUMENT_BASS, 0.5f, {"shy"});
    SIM_Musician* stressed = Hire(INSTRUMENT_DRUMS, 0.5f, {"charismatic"});
    SetMotivation(star, 0.0f); // 0.5
    SetMotivation(shy, 0.5f);
    SetMotivation(stressed, 0.5f);
    stressed->ChangeStress(0.9f, 1.0f, "test");

    SIM_PublicityEvent event(t);
    EXPECT_NEAR(t->CalculateEffectiveness(star, &event), 0.35f, 1e-6f);
    EXPECT_FLOAT_EQ(t->CalculateEffectiveness(shy, &event), 0.0f) << "clamped at 0";
    EXPECT_FLOAT_EQ(t->CalculateEffectiveness(stressed, &event), 0.0f);
    const auto& c = event.GetContributions();
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[0].member, star);
    EXPECT_EQ(c[0].personalities,
              (std::vector<std::string> {SIM_Personality::GetByName("charismatic")->GetGUIName(),
                                         SIM_Personality::GetByName("optimistic")->GetGUIName()}));
    EXPECT_FALSE(c[0].tooStressed);
    EXPECT_TRUE(c[2].tooStressed) << "too stressed even with a matching personality";
    EXPECT_EQ(c[2].personalities.size(), 1u);
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(PublicityTest, TheEventsEffectIsTheAverageContributionTimesItsReach)
{
    Set("RS_BOREDOM_REDUCT_PR", 0.1f);
    // Each member adds 0.5 at full motivation; the player character adds its vocals.
    UseTypes({"talk,,T,p,x,s,d,0,15,0,0,0.4,0.9,,\"charismatic,0.5\",\"riza_attrib_vocals,1\",#"});
    SIM_PublicityEventType* t = Type(0);
    std::vector<SIM_Musician*> band;
    for (INSTRUMENT i : {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR}) {
        band.push_back(Hire(i, 0.5f, {"charismatic"}));
        SetMotivation(band.back(), 0.5f);
    }
    SIM_GetRiza()->InitAttrib("attrib_vocals", 0.3f);
    SIM_GetRiza()->RecalcAttributes();
    const float riza = t->GetRizaEffect();
    ASSERT_FLOAT_EQ(riza, SIM_GetRiza()->GetValue("attrib_vocals"));

    const float audience = SIM_GetFame()->GetPotentialAudience();
    t->SetReach(audience * 2.0f);
    SIM_PublicityEvent full(t);
    full.Process();
    EXPECT_NEAR(full.GetEffectiveness(), (1.5f + riza) / 4.0f, 1e-5f);
    EXPECT_FLOAT_EQ(full.GetEffectiveReach(), 1.0f);
    EXPECT_NEAR(full.GetEffect(), full.GetEffectiveness() * 0.4f, 1e-6f);
    ASSERT_EQ(HypeEffects("talk").size(), 1u);
    EXPECT_FLOAT_EQ(HypeEffects("talk")[0]->GetEffect(), full.GetEffect());
    EXPECT_FLOAT_EQ(HypeEffects("talk")[0]->GetDegrade(), 0.9f);
    const auto& c = full.GetContributions();
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ(c.back().person, SIM_GetRiza());
    EXPECT_EQ(c.back().member, nullptr) << "the player character is never a member";
    EXPECT_FLOAT_EQ(c.back().effectiveness, riza);
    for (SIM_Musician* m : band)
        EXPECT_EQ(PoorReachComments(m), 0u);

    t->SetReach(audience * 0.4f);
    SIM_PublicityEvent poor(t);
    poor.Process();
    EXPECT_NEAR(poor.GetEffectiveReach(), 0.4f, 1e-6f);
    size_t comments = 0;
    for (SIM_Musician* m : band)
        comments += PoorReachComments(m);
    EXPECT_EQ(comments, 1u) << "one member complains about the poor reach";
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(PublicityTest, ThreeMembersAndThePlayerAddingUpToTwoMakeAnEffectivenessOfAHalf)
{
    UseTypes({"talk,,T,p,x,s,d,0,100000,0,0,1,0.9,,\"charismatic,0.5\",\"riza_attrib_vocals,1\",#"});
    for (INSTRUMENT i : {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR})
        SetMotivation(Hire(i, 0.5f, {"charismatic"}), 0.5f);
    SIM_GetRiza()->InitAttrib("attrib_vocals", 0.5f);
    SIM_GetRiza()->RecalcAttributes();
    ASSERT_NEAR(Type(0)->GetRizaEffect(), 0.5f, 1e-5f);
    SIM_PublicityEvent event(Type(0));
    event.Process();
    EXPECT_NEAR(event.GetEffectiveness(), 0.5f, 1e-5f);
    EXPECT_NEAR(event.GetEffect(), 0.5f, 1e-5f);
}

TEST_F(PublicityTest, WithNoMembersOnlyThePlayerContributesAndNothingIsGained)
{
    UseTypes({"talk,,T,p,x,s,d,0,1,0,0,0.4,0.9,,\"random,1,1\",#"});
    SIM_PublicityEvent event(Type(0));
    event.Process();
    EXPECT_FLOAT_EQ(event.GetEffectiveness(), 0.0f);
    EXPECT_FLOAT_EQ(event.GetEffect(), 0.0f);
    ASSERT_EQ(event.GetContributions().size(), 1u);
    EXPECT_EQ(event.GetContributions()[0].person, SIM_GetRiza());
    EXPECT_FLOAT_EQ(event.GetContributions()[0].effectiveness, 1.0f);
    EXPECT_TRUE(screens.reports.empty()) << "poor reach and no one to complain";
}

TEST_F(PublicityTest, EachDayPostsTodaysEventsWhichAreCarriedOutOnceAndGoneTheNextDay)
{
    UseTypes({kPlain, "never,,T,p,x,s,d,0,1,0,0,0,0,,#", "again,,T2,p2,x2,s,d,0,1,1,1,0,0,,#"});
    Type(0)->SetChances(1.0f, 1.0f);
    SIM_Publicity::GenerateEvents();
    ASSERT_EQ(SIM_PublicityEvent::All.size(), 2u);
    EXPECT_EQ(SIM_PublicityEvent::All[1]->GetType(), Type(2));
    ASSERT_EQ(SIM_DailyOption::All.size(), 2u);
    SIM_DailyOption* option = SIM_DailyOption::All[1];
    EXPECT_EQ(option->GetType(), SIM_DailyOption::PUBLICITY);
    EXPECT_EQ(option->GetTitle(), "T2");
    EXPECT_EQ(option->GetText(), "x2");
    EXPECT_EQ(option->GetTexture(), "p2");
    EXPECT_TRUE(option->IsDoable());

    screens.Clear();
    option->Activate();
    option->Activate();
    EXPECT_EQ(screens.calls, (std::vector<std::string> {"ShowPublicity"}));
    EXPECT_EQ(SIM_PublicityEvent::All[1]->GetContributions().size(), 1u) << "carried out once";

    SIM_DailyOption::ClearAll();
    SIM_Publicity::GenerateEvents();
    EXPECT_EQ(SIM_PublicityEvent::All.size(), 2u) << "yesterday's events are gone";

    // A new game leaves no event behind.
    SIM_GetSim()->Reset();
    EXPECT_TRUE(SIM_PublicityEvent::All.empty());
    EXPECT_TRUE(screens.reports.empty());
}
