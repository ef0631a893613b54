#include "sim/SIM_Names.h"

// Minimal: replaced when this class's rules are built.

void SIM_Names::Open()
{
}

void SIM_Names::Close()
{
}

std::string SIM_Names::GetSurname()
{
    return "";
}

std::string SIM_Names::GetForename(SIM_GENDER, bool)
{
    return "";
}
