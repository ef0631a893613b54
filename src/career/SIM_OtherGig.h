#pragma once
// A rival band's gig.
// Minimal: replaced when this class's rules are built.

class SIM_OtherGig {
public:
    static void PurgeOldGigs();
    static void UpdateAll();
};
