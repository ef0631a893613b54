#pragma once
// One concert of the band at one venue, and the lists that carry a gig through its life:
// offered (potential), booked for a day ahead, then played, cancelled or missed.
#include "sim/SIM_Date.h"

#include <vector>

class SIM_Venue;
struct SIM_Charity;

class SIM_Gig {
public:
    enum GIGTYPE : int { NORMAL = 0, CHARITY = 1 };

    // Asserts that a venue is given; not booked, no charity, default date.
    SIM_Gig(SIM_Venue* venue, GIGTYPE type);
    SIM_Gig(const SIM_Gig&) = delete;
    SIM_Gig& operator=(const SIM_Gig&) = delete;
    // Leaves every list and clears the pointers the performances and the charity offers
    // hold to it.
    virtual ~SIM_Gig();

    SIM_Venue* GetVenue() const { return venue; }
    int GetType() const { return type; }
    SIM_Date& GetDate() { return date; }
    const SIM_Date& GetDate() const { return date; }
    SIM_Charity* GetCharity() const { return charity; }
    void SetCharity(SIM_Charity* c) { charity = c; }
    bool Booked() const { return booked; }

    // One gig of type 0 at every venue within the band's fame that is neither bored nor
    // booked; the earlier offers are deleted.
    static void GeneratePotentialGigs();
    static bool AlreadyBooked(const SIM_Venue* venue);
    // Moves the gig to the booked list, pays a normal gig's rental, dates it
    // RS_GIGS_DAYS_AHEAD days on and enters it in the calendar. A gig already booked
    // pays nothing and changes nothing.
    void Book();
    void AddBookingToCalendar();

    // What DaysTillNextGig answers when no gig lies ahead.
    static constexpr int NoGigBooked = 100;
    // Days until the next booked gig not in the past (0 for tonight); NoGigBooked when
    // there is none.
    static int DaysTillNextGig();
    // Whether a booked gig is dated today.
    static bool GigTonight();

    // A new game: every booked, played and cancelled gig is deleted.
    static void Reset();
    // Deletes the first booked gig whose date has passed (one a call).
    static void ClearMissedGigs();
    // Posts tonight's reminders.
    static void CheckForPostits();
    // Tonight's daily option: playable, or not doable and the gig cancelled.
    void CreateReminder();
    // Sound, fame penalty, off the booked list onto the cancelled one (kept alive for the
    // option and the performance that use it until the next new game).
    void CancelGig();
    // Off the booked list onto the played one.
    void FinishPlaying();

    // Every gig at that venue is deleted (the venue is going).
    static void VenueDeleted(const SIM_Venue* venue);

    static std::vector<SIM_Gig*> PotentialGigs; // owned
    static std::vector<SIM_Gig*> BookedGigs;    // owned, in booking order
    static std::vector<SIM_Gig*> PlayedGigs;    // owned
    static std::vector<SIM_Gig*> CancelledGigs; // owned until the next new game
    static bool BBoredVenues;

private:
    GIGTYPE type;
    SIM_Venue* venue;
    SIM_Date date;
    bool booked = false;
    SIM_Charity* charity = nullptr;
};
