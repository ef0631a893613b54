#include "sim/SIM_Riza.h"

#include "sim/SIM_Fame.h"

// Minimal: replaced when this class's rules are built.
SIM_Riza* SIM_GetRiza()
{
    static SIM_Riza* instance = new SIM_Riza;
    return instance;
}

void SIM_Riza::Initialise()
{
}

void SIM_Riza::RecalcAttributes()
{
}

void SIM_Riza::ApplyEffect(const std::string& name, float value, float degrade, const std::string& debugName)
{
    if (name == "fame")
        SIM_GetFame()->AddEffect(value, degrade, debugName);
}

SIM_NamedValue* SIM_Riza::GetNamedValue(const std::string&, bool)
{
    return nullptr;
}
