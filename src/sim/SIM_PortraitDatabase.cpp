#include "sim/SIM_PortraitDatabase.h"

// Minimal: replaced when this class's rules are built.
SIM_PortraitDatabase* SIM_GetPortraits()
{
    static SIM_PortraitDatabase* instance = new SIM_PortraitDatabase;
    return instance;
}

void SIM_PortraitDatabase::Open()
{
}

void SIM_PortraitDatabase::MakeUsed(const std::string& name)
{
    (void)name;
}

std::string SIM_PortraitDatabase::GetMalePortrait()
{
    return "";
}

std::string SIM_PortraitDatabase::GetFemalePortrait()
{
    return "";
}
