#include "career/SIM_SongElement.h"

// Minimal: replaced when this class's rules are built.

void SIM_SongElement::Open()
{
}

void SIM_SongElement::Close()
{
}
