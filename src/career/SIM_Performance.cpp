#include "career/SIM_Performance.h"

// Minimal: replaced when this class's rules are built.

void SIM_Performance::Open()
{
}

void SIM_Performance::Close()
{
}
