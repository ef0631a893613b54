#include "career/SIM_Album.h"

// Minimal: replaced when this class's rules are built.

void SIM_Album::Open()
{
}

void SIM_Album::CalculateAllRoyalties()
{
}
