#pragma once
// A potential, booked or played gig.
// Minimal: replaced when this class's rules are built.

class SIM_Gig {
public:
    // Minimal: booking does nothing yet.
    void Book();
    static void Reset();
    static void ClearMissedGigs();
    static void CheckForPostits();
    // What DaysTillNextGig answers when no gig lies ahead.
    static constexpr int NoGigBooked = 100;
    // Days until the next booked gig not in the past (0 for tonight); NoGigBooked when
    // there is none.
    static int DaysTillNextGig();
    // Whether a booked gig is dated today.
    static bool GigTonight();
};
