#include "sim/SIM_Musician.h"

// Minimal: replaced when this class's rules are built.

void SIM_Musician::Close()
{
}
