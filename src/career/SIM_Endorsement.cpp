#include "career/SIM_Endorsement.h"

// Minimal: replaced when this class's rules are built.

void SIM_Endorsement::Open()
{
}

void SIM_Endorsement::Close()
{
}
