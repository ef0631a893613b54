// Venues (fame boost, boredom, who may book and reach them, refused rows) and gigs
// (potential gigs, booking, reminders, cancelled and missed gigs).
#include "career/GigFixture.h"

#include "sim/SIM_Calendar.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_NamedValue.h"

#include <cmath>


TEST_F(GigTest, FameBoostFollowsTheQualityBands)
{
    UseTwoVenues();
    const SIM_Venue* club = Venue("club"); // boosts 0.3 .. 1.5
    struct Case {
        float quality, boost;
    } cases[] = {{0.0f, -0.2f}, {0.1f, -0.1f}, {0.2f, 0.0f}, {0.35f, 0.0f}, {0.5f, 0.0f}, {0.5001f, 0.3f}, {0.75f, 0.9f}, {1.0f, 1.5f}};
    for (const Case& c : cases)
        EXPECT_NEAR(club->GetFameBoost(c.quality), c.boost, 1e-3f) << c.quality;
}

TEST_F(GigTest, BoredomIsClampedAndFallsDayByDay)
{
    UseTwoVenues();
    Set("RS_VENUE_BOREDOM_DECREASE", 0.3f);
    SIM_Venue* pub = Venue("pub");
    pub->SetBoredom(2.0f);
    EXPECT_FLOAT_EQ(pub->GetBoredom(), 1.0f);
    int days = 0;
    while (pub->IsBored() && days < 10) {
        SIM_Venue::ProcessAll();
        ++days;
    }
    EXPECT_EQ(days, 4); // 1 -> 0.7 -> 0.4 -> 0.1 -> 0
    EXPECT_FLOAT_EQ(pub->GetBoredom(), 0.0f);
}

TEST_F(GigTest, ManagersAndTransportOpenTheBiggerVenues)
{
    UseVenues({"near,Near,LOCAL,0,0,0,10,0,0,1,1,1,80,d,s,b", "far,Far,DISTANT,0,0,0,10,0,1,1,1,1,80,d,s,b"});
    EXPECT_TRUE(Venue("near")->Reachable());
    EXPECT_TRUE(Venue("near")->Bookable());
    EXPECT_FALSE(Venue("far")->Reachable());
    EXPECT_FALSE(Venue("far")->Bookable());
    for (const char* transport : {"cheap van", "tour bus"}) {
        SIM_NamedValueList::ForceGlobal(transport, 1.0f);
        EXPECT_TRUE(Venue("far")->Reachable()) << transport;
        SIM_NamedValueList::ForceGlobal(transport, 0.0f);
    }
    SIM_NamedValueList::ForceGlobal("manager", 1.0f);
    EXPECT_TRUE(Venue("far")->Bookable());
}

TEST_F(GigTest, RowsThatWouldDivideByZeroAreRefusedByName)
{
    UseVenues({"ok,Ok,LOCAL,0,0,0,10,0,0,1,1,1,80,d,s,b", "empty,Empty,LOCAL,0,0,0,0,0,0,1,1,1,80,d,s,b",
               "deaf,Deaf,LOCAL,0,0,0,10,0,0,1,0,1,80,d,s,b", "blind,Blind,LOCAL,0,0,0,10,0,0,1,1,0.001,80,d,s,b",
               "odd,Odd,SOMEWHERE,0,0,0,10,0,0,1,1,1,80,d,s,b"});
    ASSERT_EQ(SIM_Venue::All.size(), 2u);
    EXPECT_EQ(SIM_Venue::All[1]->GetName(), "odd");
    EXPECT_EQ(SIM_Venue::All[1]->GetType(), SIM_Venue::LOCAL);
    EXPECT_EQ(screens.reports.size(), 4u);
    for (const char* refused : {"empty", "deaf", "blind"})
        EXPECT_EQ(Reports(refused), 1) << refused;
    EXPECT_EQ(Reports("Invalid venue type"), 1);
    screens.Clear();
    EXPECT_EQ(SIM_Venue::GetByName("empty"), nullptr);
    EXPECT_EQ(Reports("Failed to find venue"), 1);
}

TEST_F(GigTest, PotentialGigsSkipUnreachableFameBoredAndBookedVenues)
{
    UseTwoVenues();
    SetFame(5.0f);
    SIM_Gig::GeneratePotentialGigs();
    ASSERT_EQ(SIM_Gig::PotentialGigs.size(), 1u);
    EXPECT_EQ(SIM_Gig::PotentialGigs[0]->GetVenue(), Venue("pub"));
    EXPECT_FALSE(SIM_Gig::BBoredVenues);

    SetFame(20.0f);
    Venue("pub")->SetBoredom(0.5f);
    SIM_Gig::GeneratePotentialGigs();
    ASSERT_EQ(SIM_Gig::PotentialGigs.size(), 1u);
    EXPECT_EQ(SIM_Gig::PotentialGigs[0]->GetVenue(), Venue("club"));
    EXPECT_TRUE(SIM_Gig::BBoredVenues);

    SIM_Gig::PotentialGigs[0]->Book();
    SIM_Gig::GeneratePotentialGigs();
    EXPECT_TRUE(SIM_Gig::PotentialGigs.empty());
}

TEST_F(GigTest, BookingPaysOnceDatesAheadAndEntersTheCalendar)
{
    UseTwoVenues();
    Set("RS_GIGS_DAYS_AHEAD", 3.0f);
    SIM_GetFinances()->SetCash(1000.0f);
    SIM_Gig::GeneratePotentialGigs();
    SIM_Gig* gig = SIM_Gig::PotentialGigs.at(0);
    gig->Book();
    const float paid = 1000.0f - SIM_GetFinances()->GetCash();
    EXPECT_NEAR(paid, 20.0f * (1.0f - SIM_Finances::GetDiscount()), 1e-3f);
    gig->Book(); // a second booking changes nothing
    EXPECT_FLOAT_EQ(1000.0f - SIM_GetFinances()->GetCash(), paid);
    EXPECT_EQ(SIM_Gig::BookedGigs, std::vector<SIM_Gig*> {gig});
    EXPECT_TRUE(SIM_Gig::PotentialGigs.empty());
    EXPECT_TRUE(gig->Booked());
    EXPECT_EQ(SIM_Gig::DaysTillNextGig(), 3);
    EXPECT_EQ(SIM_Date::DaysDifference(SIM_Date::PPresentDay, &gig->GetDate()), 3);
    int entries = 0;
    for (const auto& e : SIM_GetCalendar()->GetEntries())
        entries += e->text == "Gig: The Pub" && e->icon == "calendar_gig.dds";
    EXPECT_EQ(entries, 1);

    BookAt(Venue("club"), SIM_Gig::CHARITY);
    EXPECT_FLOAT_EQ(1000.0f - SIM_GetFinances()->GetCash(), paid) << "a charity gig pays no rental";
}

TEST_F(GigTest, TheGigDayPostsAPlayableReminder)
{
    UseTwoVenues();
    ReadyBand();
    Set("RS_GIGS_DAYS_AHEAD", 2.0f);
    SIM_Gig* gig = BookAt(Venue("pub"));
    SIM_GetSim()->EndDay();
    EXPECT_FALSE(SIM_Gig::GigTonight());
    SIM_GetSim()->EndDay();
    EXPECT_TRUE(SIM_Gig::GigTonight());
    EXPECT_EQ(SIM_Gig::DaysTillNextGig(), 0);
    int reminders = 0;
    for (SIM_DailyOption* o : SIM_DailyOption::All)
        if (o->GetType() == SIM_DailyOption::GIG) {
            ++reminders;
            EXPECT_EQ(o->GetGig(), gig);
            EXPECT_EQ(o->GetTitle(), "Gig tonight at The Pub");
            EXPECT_EQ(o->GetTexture(), "pub.jpg");
            EXPECT_TRUE(o->IsDoable());
        }
    EXPECT_EQ(reminders, 1);
}

TEST_F(GigTest, AGigThatCannotBePlayedIsCalledOffOnItsDay)
{
    struct Case {
        const char* name;
        bool band;
        const char* title;
    } cases[] = {{"no band", false, "GIG_NOBAND"}, {"too few songs", true, "GIG_NOSONGS"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewGame(2);
        UseTwoVenues();
        if (c.band)
            HireFullBand(); // the three first songs are too few
        Set("RS_GIGS_DAYS_AHEAD", 1.0f);
        SIM_Gig* gig = BookAt(Venue("pub"));
        screens.Clear();
        SIM_GetSim()->EndDay();
        EXPECT_TRUE(SIM_Gig::BookedGigs.empty());
        EXPECT_EQ(SIM_Gig::CancelledGigs, std::vector<SIM_Gig*> {gig});
        EXPECT_TRUE(screens.Has("PlaySound data/sounds/ahh.ogg"));
        const SIM_DailyOption* option = nullptr;
        for (SIM_DailyOption* o : SIM_DailyOption::All)
            if (o->GetType() == SIM_DailyOption::GIG)
                option = o;
        ASSERT_NE(option, nullptr);
        EXPECT_FALSE(option->IsDoable());
        EXPECT_EQ(option->GetTitle(), GTranslation::GetString(c.title));
        EXPECT_EQ(option->GetGig(), gig) << "the cancelled gig outlives its option";
        bool penalty = false;
        for (const SIM_Effect* e : SIM_GetFame()->GetEffects())
            penalty |= e->GetDebugName() == "The Pub" &&
                       std::fabs(e->GetEffect() + 0.2f * SIM_GetGlobalVariables()->Get("RS_GIG_FAMEEFFECT")) < 1e-3f;
        EXPECT_TRUE(penalty);
    }
    SIM_GetSim()->Reset();
    EXPECT_TRUE(SIM_Gig::CancelledGigs.empty());
}

TEST_F(GigTest, MissedGigsGoOneADayAndLeaveNoCountDown)
{
    UseTwoVenues();
    SIM_Gig* first = BookAt(Venue("pub"));
    SIM_Gig* second = BookAt(Venue("club"));
    SIM_Date past(0, 0, SIM_Date::PPresentDay->GetYear() - 1);
    first->GetDate().Set(&past);
    second->GetDate().Set(&past);
    EXPECT_EQ(SIM_Gig::DaysTillNextGig(), SIM_Gig::NoGigBooked);
    EXPECT_FALSE(SIM_Gig::GigTonight());
    SIM_Gig::ClearMissedGigs();
    EXPECT_EQ(SIM_Gig::BookedGigs, std::vector<SIM_Gig*> {second});
    SIM_Gig::ClearMissedGigs();
    EXPECT_TRUE(SIM_Gig::BookedGigs.empty());
    SIM_Gig::ClearMissedGigs(); // nothing left: nothing happens
}
