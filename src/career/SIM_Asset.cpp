#include "career/SIM_Asset.h"

// Minimal: replaced when this class's rules are built.

void SIM_Asset::Open()
{
}

void SIM_Asset::Close()
{
}

void SIM_Asset::ProcessAll()
{
}
