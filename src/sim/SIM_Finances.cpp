#include "sim/SIM_Finances.h"

#include "sim/SIM_Band.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Statistics.h"

SIM_Finances* SIM_GetFinances()
{
    static SIM_Finances* finances = new SIM_Finances;
    return finances;
}

void SIM_Finances::Reset()
{
    cash = SIM_GetGlobalVariables()->Get("RS_STARTINGCASH");
}

void SIM_Finances::AddCash(float amount)
{
    cash += amount;
    SIM_Statistics* statistics = SIM_GetStatistics();
    statistics->CheckHighest(cash, SIM_Statistics::HIGHEST_CASH);
    statistics->ChangeCounter(amount, SIM_Statistics::TOTAL_INCOME);
}

void SIM_Finances::SpendCash(float amount)
{
    cash -= amount;
}

float SIM_Finances::GetDiscount()
{
    float businessmen = float(SIM_GetBand()->CountPersonalities("businessman"));
    float discount = businessmen * SIM_GetGlobalVariables()->Get("RS_BUSINESS_DISCOUNT") / 100.0f;
    // A discount above 1 would turn a payment into income, one below 0 into a surcharge.
    return SIM_ClampValue(discount, 0.0f, 1.0f);
}

void SIM_Finances::SpendDiscountedCash(float price)
{
    SpendCash(price - GetDiscount() * price);
}
