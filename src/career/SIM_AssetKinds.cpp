#include "career/SIM_AssetKinds.h"

#include "engine/CSpreadsheet.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_NamedValue.h"

#include <algorithm>

std::vector<SIM_StageEquipment*> SIM_StageEquipment::All;

// ---- instruments ----

void SIM_Instrument::LoadAssetSpecificData(CSV& row)
{
    maxAbility = row.GetNextFloat();
}

// ---- merchandise ----

void SIM_Merchandise::LoadAssetSpecificData(CSV& row)
{
    unitsPerPurchase = row.GetNextInt();
    unitPrice = row.GetNextFloat();
    counterName = row.GetNextString();
}

void SIM_Merchandise::Purchase(bool pay)
{
    if (pay)
        PayDiscounted();
    if (!owned) {
        owned = true;
        OwnedAssets.push_back(this);
    }
    SIM_NamedValueList& globals = SIM_NamedValueList::Globals();
    if (SIM_NamedValue* stock = globals.GetNamedValue(counterName))
        stock->SetValue(stock->GetValue() + static_cast<float>(unitsPerPurchase));
    else
        globals.AddValue(new SIM_NamedValue(counterName, "", static_cast<float>(unitsPerPurchase)));
}

void SIM_Merchandise::LoadAsOwned()
{
    RaiseFlag();
    if (!owned) {
        owned = true;
        OwnedAssets.push_back(this);
    }
}

int SIM_Merchandise::GetQuantity() const
{
    const SIM_NamedValue* stock = SIM_NamedValueList::Globals().GetNamedValue(counterName);
    return stock ? static_cast<int>(stock->GetValue()) : 0;
}

float SIM_Merchandise::SellUnits(int units)
{
    if (units <= 0)
        return 0.0f;
    SIM_NamedValue* stock = SIM_NamedValueList::Globals().GetNamedValue(counterName);
    const int held = GetQuantity();
    GAssert(held >= units, __FILE__, __LINE__);
    // Only what is in stock can be sold.
    units = std::min(units, std::max(held, 0));
    if (units <= 0 || !stock)
        return 0.0f;
    stock->SetValue(stock->GetValue() - static_cast<float>(units));
    const float income = unitPrice * static_cast<float>(units);
    SIM_GetFinances()->AddCash(income);
    return income;
}

// ---- stage equipment ----

SIM_StageEquipment::SIM_StageEquipment()
{
    All.push_back(this);
}

SIM_StageEquipment::~SIM_StageEquipment()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

void SIM_StageEquipment::LoadAssetSpecificData(CSV& row)
{
    stageShow = row.GetNextFloat();
    encumberence = row.GetNextFloat();
}

float SIM_StageEquipment::GetTotalStageShow()
{
    float total = 0.0f;
    for (const SIM_StageEquipment* e : All)
        if (e->IsOwned())
            total += e->stageShow;
    return total < 0.01f ? 0.01f : total;
}

float SIM_StageEquipment::GetTotalEncumberence()
{
    float total = 0.0f;
    for (const SIM_StageEquipment* e : All)
        if (e->IsOwned())
            total += e->encumberence;
    return total;
}

// ---- videos ----

void SIM_Video::LoadAssetSpecificData(CSV& row)
{
    hypeValue = row.GetNextFloat();
    hypeDegrade = row.GetNextFloat();
}

void SIM_Video::Purchase(bool pay)
{
    if (owned)
        return;
    SIM_Asset::Purchase(pay);
    SIM_GetBand()->ApplyToAttribute("band_hype", hypeValue, hypeDegrade, "video");
}

// ---- services ----

void SIM_AssetService::LoadAssetSpecificData(CSV& row)
{
    ReadModifiers(row);
}

void SIM_AssetService::Purchase(bool pay)
{
    SIM_Asset::Purchase(pay);
}
