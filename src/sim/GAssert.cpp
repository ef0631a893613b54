#include "sim/GAssert.h"

#include "sim/SIM_Screens.h"

void GAssert(bool condition, const char* file, int line)
{
    if (!condition)
        SIM_GetScreens()->ReportAssert(file ? file : "", line);
}

void GWarning(const char* text, const char* file, int line)
{
    SIM_GetScreens()->ReportWarning(text ? text : "", file ? file : "", line);
}

void GError(const char* text, const char* file, int line)
{
    SIM_GetScreens()->ReportError(text ? text : "", file ? file : "", line);
}
