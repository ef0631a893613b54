// Charity gigs: which venue is chosen, when an offer is made, what it shows, how long it
// lives, and offers whose charity is gone.
#include "career/GigFixture.h"

#include "career/SIM_CharityGigManager.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Finances.h"

namespace {
class CharityGigTest : public GigTest {
protected:
    void SetUp() override
    {
        GigTest::SetUp();
        UseCharities({"kitchen,The Kitchen,kitchen.jpg,Meals for all"});
    }
    void TearDown() override
    {
        CopyShippedData(); // the manager lives on: give it the shipped table back
        SIM_GetCharityGigManager()->ReloadCharities();
        GigTest::TearDown();
    }
    void UseCharities(std::initializer_list<const char*> rows)
    {
        WriteTable(SIM_CharityGigManager::File, rows);
        SIM_GetCharityGigManager()->ReloadCharities();
    }
    static std::vector<SIM_DailyOption*> Offers()
    {
        std::vector<SIM_DailyOption*> offers;
        for (SIM_DailyOption* o : SIM_DailyOption::All)
            if (o->GetType() == SIM_DailyOption::CHARITYGIG)
                offers.push_back(o);
        return offers;
    }
};
} // namespace

TEST_F(CharityGigTest, TheLargestVenueWithinTwiceTheFameIsChosen)
{
    UseVenues({"a,A,LOCAL,0,0,0,100,10,0,1,1,1,80,d,s,b", "b,B,LOCAL,20,0,0,400,10,0,1,1,1,80,d,s,b",
               "c,C,LOCAL,21,0,0,900,10,0,1,1,1,80,d,s,b", "d,D,LOCAL,0,0,0,400,10,0,1,1,1,80,d,s,b",
               "t,TEST VENUE,LOCAL,0,0,0,99999,10,0,1,1,1,80,d,s,b"});
    SetFame(10.0f);
    EXPECT_EQ(SIM_GetCharityGigManager()->SelectVenue(), Venue("b")) << "fame 20 qualifies, 21 not; first of equals";
    SetFame(0.0f);
    EXPECT_EQ(SIM_GetCharityGigManager()->SelectVenue(), Venue("d"));
    UseVenues({"c,C,LOCAL,21,0,0,900,10,0,1,1,1,80,d,s,b"});
    EXPECT_EQ(SIM_GetCharityGigManager()->SelectVenue(), nullptr);
}

TEST_F(CharityGigTest, AnOfferNeedsABandSongsAndCharities)
{
    UseTwoVenues();
    Set("RS_CHARITY_GIG_CHANCE", 2.0f);
    SIM_CharityGigManager* manager = SIM_GetCharityGigManager();
    manager->GenerateGigs();
    EXPECT_TRUE(manager->GetGigs().empty()) << "no band";
    HireFullBand();
    manager->GenerateGigs();
    EXPECT_TRUE(manager->GetGigs().empty()) << "three songs are too few";
    ReadyBand();
    UseCharities({});
    manager->GenerateGigs();
    EXPECT_TRUE(manager->GetGigs().empty()) << "no charity to play for";
    EXPECT_TRUE(screens.reports.empty()) << screens.reports.front();
}

TEST_F(CharityGigTest, AnOfferShowsItsCharityAndGoesAtTheNextPass)
{
    UseTwoVenues();
    ReadyBand();
    Set("RS_CHARITY_GIG_CHANCE", 2.0f);
    SIM_GetSim()->EndDay();
    std::vector<SIM_DailyOption*> offers = Offers();
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0]->GetTitle(), "Play for The Kitchen");
    EXPECT_EQ(offers[0]->GetTexture(), "kitchen.jpg");
    SIM_Gig* gig = offers[0]->GetGig();
    ASSERT_NE(gig, nullptr);
    EXPECT_EQ(gig->GetType(), SIM_Gig::CHARITY);
    EXPECT_EQ(gig->GetCharity()->name, "kitchen") << "a one-row table always gives that charity";
    EXPECT_EQ(gig->GetVenue(), Venue("pub"));

    Set("RS_CHARITY_GIG_CHANCE", 0.0f);
    SIM_GetSim()->EndDay(); // unpicked: the offer and its gig are gone
    EXPECT_TRUE(Offers().empty());
    EXPECT_TRUE(SIM_GetCharityGigManager()->GetGigs().empty());
}

TEST_F(CharityGigTest, PickingTheOfferBooksItFreeAndItOutlivesThePurge)
{
    UseTwoVenues();
    ReadyBand();
    Set("RS_CHARITY_GIG_CHANCE", 2.0f);
    SIM_GetSim()->EndDay();
    ASSERT_EQ(Offers().size(), 1u);
    SIM_Gig* gig = Offers()[0]->GetGig();
    SIM_GetFinances()->SetCash(100.0f);
    Set("RS_CHARITY_GIG_CHANCE", 0.0f);
    Offers()[0]->Activate(); // books and ends the day
    EXPECT_EQ(SIM_Gig::BookedGigs, std::vector<SIM_Gig*> {gig});
    EXPECT_TRUE(gig->Booked());
    EXPECT_GE(SIM_GetFinances()->GetCash(), 100.0f) << "no rental";
    EXPECT_EQ(gig->GetCharity()->name, "kitchen");
}

TEST_F(CharityGigTest, AGigWhoseCharityIsGoneIsDroppedWithAReport)
{
    UseTwoVenues();
    SIM_CharityGigManager* manager = SIM_GetCharityGigManager();
    auto* gig = new SIM_Gig(Venue("pub"), SIM_Gig::CHARITY);
    gig->SetCharity(manager->GetByName("kitchen"));
    gig->Book();
    UseCharities({"kitchen,The New Kitchen,kitchen.jpg,Meals"});
    ASSERT_EQ(SIM_Gig::BookedGigs.size(), 1u);
    EXPECT_EQ(gig->GetCharity()->guiname, "The New Kitchen") << "kept under its name";
    screens.Clear();
    UseCharities({"other,Other,other.jpg,Else"});
    EXPECT_TRUE(SIM_Gig::BookedGigs.empty());
    EXPECT_EQ(Reports("failed to find charity"), 1);
    EXPECT_EQ(manager->GetByName("nobody"), nullptr);
}
