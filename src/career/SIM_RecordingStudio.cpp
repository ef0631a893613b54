#include "career/SIM_RecordingStudio.h"

// Minimal: replaced when this class's rules are built.

void SIM_RecordingStudio::Open()
{
}

void SIM_RecordingStudio::Close()
{
}
