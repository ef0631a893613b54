#include "career/SIM_Song.h"

// Minimal: replaced when this class's rules are built.

void SIM_Song::Open()
{
}

void SIM_Song::CreateInitialSongs()
{
}
