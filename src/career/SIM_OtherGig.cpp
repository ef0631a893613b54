#include "career/SIM_OtherGig.h"

// Minimal: replaced when this class's rules are built.

void SIM_OtherGig::PurgeOldGigs()
{
}

void SIM_OtherGig::UpdateAll()
{
}
