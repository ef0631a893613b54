#pragma once
// A new game with a small venues table of the test's own, a playable band and helpers that
// book a gig and bring its day round.
#include "career/SIM_Gig.h"
#include "career/SIM_Venue.h"
#include "career/CareerFixture.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Fame.h"

class GigTest : public CareerTest {
protected:
    // Columns after the marker: name, display name, type, min fame, min boost, max boost,
    // capacity, rental, needs manager, ticket price, quality and stage-show expectations,
    // person height, description, sprite, backdrop.
    void UseVenues(std::initializer_list<const char*> rows)
    {
        WriteTable(SIM_Venue::File, rows);
        SIM_Venue::Open();
    }
    // Two local venues: "pub" (fame 0, 50 seats, rental 20, $5 tickets) and "club" (fame 20,
    // 300 seats, rental 100, $8 tickets), expectations 1.
    void UseTwoVenues()
    {
        UseVenues({"pub,The Pub,LOCAL,0,0.1,0.5,50,20,0,5,1,1,80,Small,pub.jpg,pub_bd.jpg",
                   "club,The Club,LOCAL,20,0.3,1.5,300,100,0,8,1,1,70,Big,club.jpg,club_bd.jpg"});
    }
    // How many reports mention this text.
    int Reports(const std::string& text) const
    {
        int n = 0;
        for (const std::string& r : screens.reports)
            n += r.find(text) != std::string::npos;
        return n;
    }
    static SIM_Venue* Venue(const char* name) { return SIM_Venue::GetByName(name); }

    // Hires a full band and gives it enough songs of this quality to gig.
    static void ReadyBand(float songQuality = 0.5f)
    {
        HireFullBand();
        const int wanted = static_cast<int>(SIM_GetGlobalVariables()->Get("RS_SONGS_REQ_FOR_GIG"));
        while (static_cast<int>(SIM_Song::All.size()) < wanted)
            new SIM_Song;
        for (SIM_Song* s : SIM_Song::All)
            s->SetQuality(songQuality);
    }
    static void SetFame(float fame)
    {
        SIM_GetFame()->Clear();
        SIM_GetFame()->AddEffect(fame, 1.0f, "test");
        SIM_GetFame()->CalculateValue();
    }
    // A booked gig at the venue (normal gigs pay their rental).
    static SIM_Gig* BookAt(SIM_Venue* venue, SIM_Gig::GIGTYPE type = SIM_Gig::NORMAL)
    {
        auto* gig = new SIM_Gig(venue, type);
        gig->Book();
        return gig;
    }
    // Ends days until the booked gig's day is the present day.
    void ComeToGigDay()
    {
        while (SIM_Gig::DaysTillNextGig() > 0 && SIM_Gig::DaysTillNextGig() < SIM_Gig::NoGigBooked)
            SIM_GetSim()->EndDay();
    }
};
