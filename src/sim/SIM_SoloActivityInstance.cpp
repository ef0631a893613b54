#include "sim/SIM_SoloActivityInstance.h"

// Minimal: replaced when this class's rules are built.

void SIM_SoloActivityInstance::Open()
{
}

void SIM_SoloActivityInstance::Close()
{
}
