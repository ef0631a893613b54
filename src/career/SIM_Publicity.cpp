#include "career/SIM_Publicity.h"

// Minimal: replaced when this class's rules are built.

void SIM_Publicity::GenerateEvents()
{
}
