#include "career/SIM_Relax.h"

// Minimal: replaced when this class's rules are built.

void SIM_Relax::CreateOption()
{
}
