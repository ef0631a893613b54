#include "sim/SIM_Message.h"

// Minimal: replaced when this class's rules are built.

void SIM_Message::ClearMessages()
{
}
