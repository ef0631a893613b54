#include "career/SIM_Gig.h"

// Minimal: replaced when this class's rules are built.

void SIM_Gig::Book()
{
}

void SIM_Gig::Reset()
{
}

void SIM_Gig::ClearMissedGigs()
{
}

void SIM_Gig::CheckForPostits()
{
}

int SIM_Gig::DaysTillNextGig()
{
    return NoGigBooked;
}

bool SIM_Gig::GigTonight()
{
    return DaysTillNextGig() == 0;
}
