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
    // Days until the next booked gig; -1 when none is booked.
    static int DaysTillNextGig();
    // Whether a booked gig is dated today.
    static bool GigTonight();
};
