#include "career/SIM_Relax.h"

#include "engine/GTranslation.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_SIM.h"

std::string SIM_Relax::OptionTitle;
std::string SIM_Relax::OptionText;
bool SIM_Relax::TextsFetched = false;
std::string SIM_Socialise::OptionTitle;
std::string SIM_Socialise::OptionText;
bool SIM_Socialise::TextsFetched = false;

namespace {
float GV(const char* key)
{
    return SIM_GetGlobalVariables()->Get(key);
}
}

void SIM_Relax::CreateOption()
{
    if (!TextsFetched) {
        OptionText = GTranslation::GetString("RELAX_OPTION_TEXT");
        OptionTitle = GTranslation::GetString("RELAX_OPTION_TITLE");
        TextsFetched = true;
    }
    SIM_DailyOption::Create(SIM_DailyOption::RELAX, std::monostate {}, OptionTitle, OptionText, "relax.jpg", true);
}

void SIM_Relax::Process()
{
    SIM_GetBand()->ApplyToAttribute("band_stress", GV("RS_RELAX_STRESS"), GV("RS_STRESS_DEGRADE"), "relax");
}

float SIM_Socialise::GetCost()
{
    return GV("RS_SOCIALISE_COST_PER_MUSICIAN") * static_cast<float>(SIM_GetBand()->GetMembers().size());
}

void SIM_Socialise::Process()
{
    SIM_Band* band = SIM_GetBand();
    band->ApplyToAttribute("band_stress", GV("RS_SOCIALISE_STRESS"), GV("RS_STRESS_DEGRADE"), "relax");
    band->ApplyToAttribute("band_hype", GV("RS_SOCIALISE_HYPE"), GV("_HYPE_DEGRADE"), "socialise");
    SIM_GetFinances()->SpendCash(GetCost());
    SIM_GetSim()->EndDay();
}

bool SIM_Socialise::CreateOption()
{
    if (!TextsFetched) {
        OptionText = GTranslation::GetString("SOCIALISE_OPTION_TEXT");
        OptionTitle = GTranslation::GetString("SOCIALISE_OPTION_TITLE");
        TextsFetched = true;
    }
    return GetCost() > SIM_GetFinances()->GetCash();
}
