#include "sim/SIM_PlayLog.h"

void SIM_PlayLog::Output(const char*)
{
}
