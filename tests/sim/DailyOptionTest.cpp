// Daily options (ordering, carrying out, once-only types, clearing) and musicians' messages.
#include "career/SIM_Gig.h"
#include "career/SIM_OtherGig.h"
#include "career/SIM_Venue.h"
#include "sim/RecordingScreens.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Message.h"
#include "sim/SIM_Musician.h"
#include "sim/SimFixture.h"
#include "support/TestSupport.h"

#include <memory>

namespace {

class DailyOptionTest : public SandboxTest {
protected:
    void TearDown() override
    {
        SIM_DailyOption::ClearAll();
        SIM_Message::ClearMessages();
        SandboxTest::TearDown();
    }
    static SIM_DailyOption* Make(SIM_DailyOption::DailyOptionType type, SIM_DailyOption::Object object)
    {
        return SIM_DailyOption::Create(type, object, "title", "text", "texture.png", true);
    }

    SIM_Venue venue; // outlives the gigs played there
    SIM_Gig gig {&venue, SIM_Gig::NORMAL};
    SIM_Gig otherGig {&venue, SIM_Gig::NORMAL};
    SIM_OtherGig rivalGig;
    RecordingScreens screens;
    RecordingScreens::Scope scope {screens};
};

using Type = SIM_DailyOption::DailyOptionType;

} // namespace

TEST_F(DailyOptionTest, CreateKeepsFieldsInOrder)
{
    SIM_DailyOption* a = SIM_DailyOption::Create(SIM_DailyOption::GIG, &gig, "Tonight", "The gig", "gig.png", false);
    SIM_DailyOption* b = Make(SIM_DailyOption::RELAX, {});
    ASSERT_EQ(SIM_DailyOption::All, (std::vector<SIM_DailyOption*> {a, b}));
    EXPECT_EQ(a->GetType(), SIM_DailyOption::GIG);
    EXPECT_EQ(a->GetTitle(), "Tonight");
    EXPECT_EQ(a->GetText(), "The gig");
    EXPECT_EQ(a->GetTexture(), "gig.png");
    EXPECT_FALSE(a->IsDoable());
    EXPECT_EQ(a->GetGig(), &gig);
    EXPECT_EQ(a->GetOtherGig(), nullptr);
    EXPECT_EQ(b->GetGig(), nullptr);
}

TEST_F(DailyOptionTest, PushGigsToTopKeepsTheOrderOfTheRest)
{
    SIM_DailyOption* relax = Make(SIM_DailyOption::RELAX, {});
    SIM_DailyOption* gig1 = Make(SIM_DailyOption::GIG, &gig);
    SIM_DailyOption* rival = Make(SIM_DailyOption::OTHERGIG, &rivalGig);
    SIM_DailyOption* charity = Make(SIM_DailyOption::CHARITYGIG, &otherGig);
    SIM_DailyOption* gig2 = Make(SIM_DailyOption::GIG, &otherGig);
    SIM_DailyOption::PushGigsToTop();
    EXPECT_EQ(SIM_DailyOption::All, (std::vector<SIM_DailyOption*> {gig1, gig2, relax, rival, charity}));
    SIM_DailyOption::PushGigsToTop();
    EXPECT_EQ(SIM_DailyOption::All, (std::vector<SIM_DailyOption*> {gig1, gig2, relax, rival, charity}));
}

TEST_F(DailyOptionTest, ClearAllTellsTheScreensFirst)
{
    Make(SIM_DailyOption::RELAX, {});
    Make(SIM_DailyOption::GIG, &gig);
    SIM_DailyOption::ClearAll();
    EXPECT_TRUE(SIM_DailyOption::All.empty());
    EXPECT_EQ(screens.calls, (std::vector<std::string> {"DailyOptionsCleared"}));
}

TEST_F(DailyOptionTest, ActivateOpensTheScreenOfItsType)
{
    struct Case {
        Type type;
        SIM_DailyOption::Object object;
        std::vector<std::string> afterTwoPicks;
    };
    const Case cases[] = {
        {SIM_DailyOption::OTHERGIG, &rivalGig, {"OpenOtherGig", "OpenOtherGig"}}, // repeatable
        // played once; with no band here the gig is called off
        {SIM_DailyOption::GIG, &gig, {"PlaySound data/sounds/ahh.ogg", "OpenCancelledGig"}},
        {SIM_DailyOption::RELAX, {}, {"OpenRelaxChooser", "OpenRelaxChooser"}},  // repeatable
        {Type(7), &gig, {}},                                                     // unknown type
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.type));
        screens.Clear();
        SIM_DailyOption* option = Make(c.type, c.object);
        option->Activate();
        option->Activate();
        EXPECT_EQ(screens.calls, c.afterTwoPicks);
        // With no game loaded the gig's band check warns about the missing band table.
        if (c.type != SIM_DailyOption::GIG) {
            EXPECT_TRUE(screens.reports.empty()) << screens.reports.front();
        }
        EXPECT_EQ(option->IsDone(), c.type == SIM_DailyOption::GIG);
    }
}

TEST_F(DailyOptionTest, AnOptionWithoutItsObjectDoesNothing)
{
    SIM_DailyOption* wrongKind = Make(SIM_DailyOption::GIG, &rivalGig);
    SIM_DailyOption* none = Make(SIM_DailyOption::PUBLICITY, {});
    wrongKind->Activate();
    none->Activate();
    EXPECT_TRUE(screens.calls.empty());
    EXPECT_EQ(screens.reports.size(), 2u);
    EXPECT_FALSE(wrongKind->IsDone());
}

TEST_F(DailyOptionTest, ForgettingAnObjectDisablesItsOptions)
{
    SIM_DailyOption* a = Make(SIM_DailyOption::GIG, &gig);
    SIM_DailyOption* b = Make(SIM_DailyOption::GIG, &otherGig);
    SIM_DailyOption::ForgetObject(&gig);
    EXPECT_EQ(a->GetGig(), nullptr);
    EXPECT_FALSE(a->IsDoable());
    EXPECT_EQ(b->GetGig(), &otherGig);
    a->Activate();
    EXPECT_FALSE(screens.Has("OpenCancelledGig"));
    b->Activate();
    EXPECT_TRUE(screens.Has("OpenCancelledGig"));
}

class CharityOptionTest : public SimTest {
protected:
    void TearDown() override
    {
        SIM_GetSim()->Close(); // the next test opens the simulation afresh
        SimTest::TearDown();
    }
};

TEST_F(CharityOptionTest, BookingACharityGigEndsTheDayAndDeletesTheOption)
{
    NewGame(1.0f);
    auto* charity = new SIM_Gig(SIM_Venue::All.front(), SIM_Gig::CHARITY); // the booked list owns it
    int turns = SIM_GetSim()->GetTurnCount();
    SIM_DailyOption* option = SIM_DailyOption::Create(SIM_DailyOption::CHARITYGIG, charity, "Charity", "", "", true);
    option->Activate(); // the day's pass deletes the option
    EXPECT_EQ(SIM_GetSim()->GetTurnCount(), turns + 1);
    EXPECT_TRUE(screens.Has("DailyOptionsCleared"));
    for (SIM_DailyOption* o : SIM_DailyOption::All)
        EXPECT_NE(o->GetGig(), charity);
}

TEST_F(CharityOptionTest, ACharityGigIsNotBookedTwiceOnALongerDay)
{
    NewGame(1.0f);
    SIM_GetSim()->SetMaxActivities(2); // the first booking does not end the day
    auto* charity = new SIM_Gig(SIM_Venue::All.front(), SIM_Gig::CHARITY); // the booked list owns it
    SIM_DailyOption* option = SIM_DailyOption::Create(SIM_DailyOption::CHARITYGIG, charity, "Charity", "", "", true);
    option->Activate();
    ASSERT_EQ(SIM_GetSim()->GetActivities(), 1);
    EXPECT_TRUE(option->IsDone());
    option->Activate();
    EXPECT_EQ(SIM_GetSim()->GetActivities(), 1);
}

namespace {

class MessageTest : public SandboxTest {
protected:
    void TearDown() override
    {
        SIM_Message::ClearMessages();
        SandboxTest::TearDown();
    }
    static std::vector<std::string> Texts()
    {
        std::vector<std::string> texts;
        for (const SIM_Message* m : SIM_Message::All)
            texts.push_back(m->GetMessageText());
        return texts;
    }

    SIM_Musician anna;
    SIM_Musician ben;
    RecordingScreens screens;
    RecordingScreens::Scope scope {screens};
};

} // namespace

TEST_F(MessageTest, TextIsQuotedAndSpeakerKept)
{
    SIM_Message::AddMessage("Hello", &anna);
    ASSERT_EQ(SIM_Message::All.size(), 1u);
    EXPECT_EQ(SIM_Message::All[0]->GetMessageText(), "\"Hello\"");
    EXPECT_EQ(SIM_Message::All[0]->GetMusician(), &anna);
}

TEST_F(MessageTest, ClearMineLeavesTheOthersInOrder)
{
    SIM_Message::AddMessage("a1", &anna);
    SIM_Message::AddMessage("b1", &ben);
    SIM_Message::AddMessage("a2", &anna);
    SIM_Message::AddMessage("b2", &ben);
    SIM_Message::AddMessage("a3", &anna);
    EXPECT_TRUE(SIM_Message::RemoveMessage(&anna));
    EXPECT_EQ(Texts(), (std::vector<std::string> {"\"b1\"", "\"a2\"", "\"b2\"", "\"a3\""}));
    SIM_Message::ClearMine(&anna);
    EXPECT_EQ(Texts(), (std::vector<std::string> {"\"b1\"", "\"b2\""}));
    EXPECT_FALSE(SIM_Message::RemoveMessage(&anna));
    SIM_Message::ClearMessages();
    EXPECT_TRUE(SIM_Message::All.empty());
    EXPECT_TRUE(screens.reports.empty());
}

TEST_F(MessageTest, AMessageForNoMusicianIsDropped)
{
    SIM_Message::AddMessage("nobody said this", nullptr);
    EXPECT_TRUE(SIM_Message::All.empty());
    EXPECT_EQ(screens.reports.size(), 1u);
    EXPECT_FALSE(SIM_Message::RemoveMessage(nullptr));
    SIM_Message::ClearMine(nullptr);
    EXPECT_EQ(screens.reports.size(), 3u);
}

TEST_F(MessageTest, ADeletedMusiciansMessagesGoWithIt)
{
    auto carl = std::make_unique<SIM_Musician>();
    SIM_Message::AddMessage("c1", carl.get());
    SIM_Message::AddMessage("a1", &anna);
    SIM_Message::AddMessage("c2", carl.get());
    carl.reset();
    EXPECT_EQ(Texts(), (std::vector<std::string> {"\"a1\""}));
}
