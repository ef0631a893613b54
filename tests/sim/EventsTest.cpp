// Lucky breaks for a stuck player, and the game functions that data starts by name.
#include "sim/BandFixture.h"

#include "career/SIM_Asset.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Events.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_FunctionTable.h"

#include <cmath>
#include <limits>
#include <string>

namespace {
// The play balancer's judgement and net worth as the test sets them.
class FakeBalance : public SIM_EventsBalance {
public:
    int status = StatusStuck;
    float worth = 0.0f;
    int GetStatus() override { return status; }
    float GetNetWorth() override { return worth; }
};

class EventsTest : public BandTest {
protected:
    void SetUp() override
    {
        BandTest::SetUp();
        SIM_Events::SetBalance(&balance);
        SIM_GetEvents()->Reset();
    }
    void TearDown() override
    {
        SIM_Events::SetBalance(nullptr);
        BandTest::TearDown();
    }
    static SIM_Events* Events() { return SIM_GetEvents(); }
    static void SetFame(float fame)
    {
        SIM_GetFame()->Clear();
        SIM_GetFame()->AddEffect(fame, 1.0f, "test");
    }
    // The story-screen captions shown so far.
    std::vector<std::string> Captions() const
    {
        std::vector<std::string> out;
        for (const auto& c : screens.calls)
            if (c.rfind("ShowCaption ", 0) == 0)
                out.push_back(c.substr(12));
        return out;
    }
    int FiredCount() const
    {
        int n = 0;
        for (int id = 0; id < SIM_Events::NumEvents; ++id)
            n += Events()->GetFired(id);
        return n;
    }

    FakeBalance balance;
};

int practiceCalls = 0;
int otherCalls = 0;
void CountPractice() { ++practiceCalls; }
void CountOther() { ++otherCalls; }
}

TEST(EventAmounts, TheRelativesGiftIsAQuarterOfTheNetWorthAtLeast60InFives)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        float worth;
        float gift;
    } const cases[] = {
        {100, 60}, {1000, 250}, {1010, 250}, {0, 60}, {-5000, 60}, {220, 60}, {236, 60}, {259, 60},
        {260, 65}, {279, 65}, {280, 70}, {1e6f, 250000}, {nan, 60}, {inf, 60}, {-inf, 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.worth);
        const float gift = SIM_Events::WealthyRelativeAmount(c.worth);
        EXPECT_EQ(gift, c.gift);
        EXPECT_EQ(std::fmod(gift, 5.0f), 0.0f);
    }
}

TEST(EventAmounts, AMentionAddsAQuarterOfTheFameAtLeast5)
{
    struct Case {
        float fame;
        float boost;
    } const cases[] = {{4.01f, 5}, {20, 5}, {21, 5.25f}, {100, 25}, {500, 125}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fame);
        EXPECT_FLOAT_EQ(SIM_Events::MentionFame(c.fame), c.boost);
    }
}

TEST_F(EventsTest, NoEventInTheFirstTenDaysNorForAPlayerWhoIsNotStuck)
{
    struct Case {
        const char* name;
        int status;
        int days;
        int fired;
    } const cases[] = {
        {"stuck, ten days", SIM_EventsBalance::StatusStuck, 10, 0},
        {"stuck, eleven days", SIM_EventsBalance::StatusStuck, 11, 1},
        {"normal, a year", 0, SIM_Date::DaysPerYear, 0},
        {"winning, a year", 1, SIM_Date::DaysPerYear, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Events()->Reset();
        balance.status = c.status;
        for (int day = 0; day < c.days; ++day)
            Events()->NextTurn();
        EXPECT_EQ(Events()->GetDaysSinceLastEvent(), c.days);
        EXPECT_EQ(FiredCount(), c.fired);
    }
}

TEST_F(EventsTest, AStuckPlayerGetsEachEventOnceAndThenNothingMore)
{
    Hire(INSTRUMENT_DRUMS, 0.9f);
    SetFame(20);
    Events()->SetDaysSinceLastEvent(10);
    for (int day = 1; day <= 3; ++day) {
        Events()->NextTurn();
        EXPECT_EQ(FiredCount(), day);
    }
    screens.Clear();
    const float cash = SIM_GetFinances()->GetCash();
    for (int day = 0; day < 20; ++day)
        Events()->NextTurn();
    EXPECT_TRUE(Captions().empty());
    EXPECT_EQ(SIM_GetFinances()->GetCash(), cash);
    EXPECT_TRUE(screens.Alerts().empty());
}

TEST_F(EventsTest, WhichEventsAreValid)
{
    struct Case {
        const char* name;
        bool drummer;
        float fame;
        bool instrumentOnSale;
        bool relativeFired;
        bool valid[SIM_Events::NumEvents]; // given instrument, wealthy relative, mention
    } const cases[] = {
        {"nobody in the band, no fame", false, 0, true, false, {false, true, false}},
        {"fame 4 is not enough for a mention", false, 4, true, false, {false, true, false}},
        {"fame just above 4", false, 4.01f, true, false, {false, true, true}},
        {"a drummer with a kit on sale", true, 0, true, false, {true, true, false}},
        {"a drummer with every kit gone", true, 0, false, false, {false, true, false}},
        {"a fired event is not valid again", false, 0, true, true, {false, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewGame(2);
        Events()->Reset();
        if (c.drummer)
            Hire(INSTRUMENT_DRUMS);
        SetFame(c.fame);
        if (!c.instrumentOnSale)
            for (SIM_Asset* a : SIM_Asset::All)
                if (a->GetTypeName() == "instrument" && a->GetAssigneeInstrument() == INSTRUMENT_DRUMS)
                    a->Purchase(false);
        Events()->SetFired(SIM_Events::WEALTHY_RELATIVE, c.relativeFired);
        for (int id = 0; id < SIM_Events::NumEvents; ++id)
            EXPECT_EQ(Events()->IsValid(SIM_Events::EVENTID(id)), c.valid[id]) << "event " << id;
    }
}

TEST_F(EventsTest, AWealthyRelativePaysAndSaysHowMuch)
{
    balance.worth = 1e6f;
    const float cash = SIM_GetFinances()->GetCash();
    Events()->TriggerEvent(SIM_Events::WEALTHY_RELATIVE);
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), cash + 250000.0f);
    ASSERT_EQ(Captions().size(), 1u);
    EXPECT_NE(Captions()[0].find("$ 250,000"), std::string::npos) << Captions()[0];
    EXPECT_EQ(Captions()[0].find('<'), std::string::npos);
    EXPECT_TRUE(screens.Has("PlaySound data/sounds/cash.ogg"));
    EXPECT_TRUE(Events()->GetFired(SIM_Events::WEALTHY_RELATIVE));
}

TEST_F(EventsTest, ARockStarsMentionRaisesTheFameAndNamesTheBand)
{
    SetFame(20);
    SIM_GetBand()->SetName("The Velvet Hinges");
    Events()->TriggerEvent(SIM_Events::ROCKSTAR_MENTION);
    EXPECT_NEAR(SIM_GetFame()->GetFame(), 25.0f, 1e-4f);
    ASSERT_EQ(Captions().size(), 1u);
    EXPECT_NE(Captions()[0].find("The Velvet Hinges"), std::string::npos) << Captions()[0];
    EXPECT_EQ(Captions()[0].find('<'), std::string::npos);
}

TEST_F(EventsTest, TheMostTalentedMusicianIsGivenTheCheapestDesirableInstrument)
{
    Hire(INSTRUMENT_GUITAR, 0.3f);
    SIM_Musician* drummer = Hire(INSTRUMENT_DRUMS, 0.8f);
    SIM_Asset* expected = nullptr;
    for (SIM_Asset* a : SIM_Asset::All)
        if (a->GetTypeName() == "instrument" && a->GetAssigneeInstrument() == INSTRUMENT_DRUMS
            && a->GetFlag(SIM_Asset::DESIRABLE) && a->GetPurchaseCost() < SIM_Events::Priceless
            && (!expected || a->GetPurchaseCost() < expected->GetPurchaseCost()))
            expected = a;
    ASSERT_NE(expected, nullptr) << "the shipped shop has a desirable drum kit";
    EXPECT_EQ(SIM_Events::GetGivenInstrument(drummer), expected);

    const float cash = SIM_GetFinances()->GetCash();
    Events()->TriggerEvent(SIM_Events::GIVEN_INSTRUMENT);
    EXPECT_TRUE(expected->IsOwned());
    EXPECT_EQ(SIM_GetFinances()->GetCash(), cash) << "a gift costs nothing";
    ASSERT_EQ(Captions().size(), 1u);
    EXPECT_NE(Captions()[0].find(drummer->GetFullName()), std::string::npos) << Captions()[0];
    EXPECT_NE(Captions()[0].find(GetInstrumentName(INSTRUMENT_DRUMS)), std::string::npos) << Captions()[0];
    EXPECT_TRUE(screens.Alerts().empty());
    // The next cheapest is not handed out: the event is spent.
    EXPECT_FALSE(Events()->IsValid(SIM_Events::GIVEN_INSTRUMENT));
}

TEST_F(EventsTest, AnInstrumentIsNeverGivenToAnEmptyBandAndTheGiftWaits)
{
    screens.Clear();
    Events()->TriggerEvent(SIM_Events::GIVEN_INSTRUMENT);
    EXPECT_FALSE(Events()->GetFired(SIM_Events::GIVEN_INSTRUMENT));
    EXPECT_TRUE(Captions().empty());
    EXPECT_EQ(screens.Alerts().size(), 1u) << "a caller that skipped the check is reported";
    for (SIM_Asset* a : SIM_Asset::All)
        EXPECT_FALSE(a->IsOwned()) << a->GetName();

    // Stuck with nothing valid: no pick from an empty list, nothing happens.
    Events()->SetFired(SIM_Events::WEALTHY_RELATIVE, true);
    screens.Clear();
    Events()->ChoosePositiveEvent();
    EXPECT_TRUE(screens.calls.empty());
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(EventsTest, TheDayPassBringsTheEventToAStuckPlayerOnTheEleventhDay)
{
    balance.worth = 100.0f;
    EndDays(10);
    EXPECT_TRUE(Captions().empty());
    SIM_GetSim()->EndDay();
    ASSERT_EQ(Captions().size(), 1u) << "only the relative is valid for a band of one with no fame";
    EXPECT_NE(Captions()[0].find("$ 60"), std::string::npos) << Captions()[0];
    EXPECT_TRUE(Events()->GetFired(SIM_Events::WEALTHY_RELATIVE));
    // A new game forgets it all.
    NewGame(2);
    EXPECT_EQ(Events()->GetDaysSinceLastEvent(), 0);
    EXPECT_EQ(FiredCount(), 0);
}

TEST_F(SimTest, HooksAreCalledByNameAndAnUnknownNameIsOnlyALogLine)
{
    struct Case {
        const char* name;
        const char* call;    // what the screens were asked to do
        const char* report;  // what was reported
    } const cases[] = {
        {"practice", "OpenPractice", nullptr},
        {"shopping", "OpenShop", nullptr},
        {"Practice", nullptr, "GWarning Hook not found: Practice"},
        {"HideNonAuditionButtons", nullptr, "GWarning Hook not found: HideNonAuditionButtons"},
        {"", nullptr, "GWarning Hook not found: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        screens.Clear();
        EXPECT_EQ(SIM_GetFunctionTable()->Trigger(c.name), c.call != nullptr);
        EXPECT_EQ(screens.calls, c.call ? std::vector<std::string> {c.call} : std::vector<std::string> {});
        EXPECT_EQ(screens.reports, c.report ? std::vector<std::string> {c.report} : std::vector<std::string> {});
    }
}

TEST_F(SimTest, TheFirstHookOfANameAnswersIt)
{
    SIM_FunctionTable table;
    practiceCalls = otherCalls = 0;
    table.AddHook("practice", CountOther); // registered after the built-in one: never called
    table.AddHook("tune up", CountPractice);
    table.AddHook("tune up", CountOther);
    table.AddHook("broken", nullptr);
    screens.Clear();
    EXPECT_TRUE(table.Trigger("practice"));
    EXPECT_TRUE(table.Trigger("tune up"));
    EXPECT_FALSE(table.Trigger("broken"));
    EXPECT_EQ(practiceCalls, 1);
    EXPECT_EQ(otherCalls, 0);
    EXPECT_EQ(screens.calls, (std::vector<std::string> {"OpenPractice"}));
    EXPECT_EQ(screens.reports, (std::vector<std::string> {"GWarning Hook not found: broken"}));
}

// What the player sees at the end of such a day, in order: the day's options, then the new
// career stage, then the lucky break, and the timed hints last.
TEST_F(EventsTest, APromotionAndALuckyBreakComeAfterTheDailyOptionsAndBeforeTheHints)
{
    SIM_GetGlobalVariables()->Set("RS_OTHER_BAND_CHANCE", 0.0f);
    EndDays(10);
    for (INSTRUMENT i : {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR})
        Hire(i);
    Events()->SetFired(SIM_Events::GIVEN_INSTRUMENT, true); // only the relative is left
    screens.Clear();
    SIM_GetSim()->EndDay();
    std::vector<std::string> seen;
    for (const std::string& c : screens.calls)
        if (c == "RebuildDailyOptions" || c == "ShowCareerStage" || c.rfind("ShowCaption", 0) == 0
            || c == "CheckTimedHints")
            seen.push_back(c.rfind("ShowCaption", 0) == 0 ? "ShowCaption" : c);
    EXPECT_EQ(seen, (std::vector<std::string> {"RebuildDailyOptions", "ShowCareerStage", "ShowCaption",
                                               "CheckTimedHints"}));
}
