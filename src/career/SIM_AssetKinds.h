#pragma once
// The kinds of asset that carry data of their own: instruments (a ceiling on a musician's
// ability), merchandise (a stock sold at gigs), stage equipment (the show it makes and
// the load it puts on the band), videos (hype when made) and services.
#include "career/SIM_Asset.h"

#include <string>
#include <vector>

// An instrument: the most ability a musician can reach on it.
class SIM_Instrument : public SIM_Asset {
public:
    SIM_Instrument() { typeName = "instrument"; }
    float GetMaxAbility() const { return maxAbility; }

protected:
    void LoadAssetSpecificData(CSV& row) override;
    float maxAbility = 0.0f;
};

// A batch of goods sold at gigs. The stock is the global value named by the counter
// name, so it is saved with the global values; the asset stays on sale while owned.
class SIM_Merchandise : public SIM_Asset {
public:
    SIM_Merchandise() { typeName = "merchandise"; }
    // One batch of stock, paid with the business discount; nothing else of a purchase.
    void Purchase(bool pay) override;
    void LoadAsOwned() override;
    // The stock, truncated; 0 without a counter.
    int GetQuantity() const;
    // Sells up to the stock and returns the income, which goes to the cash.
    float SellUnits(int units);
    float GetUnitPrice() const { return unitPrice; }
    int GetUnitsPerPurchase() const { return unitsPerPurchase; }
    const std::string& GetGlobalCounterName() const { return counterName; }

protected:
    void LoadAssetSpecificData(CSV& row) override;
    int unitsPerPurchase = 0;
    float unitPrice = 0.0f;
    std::string counterName;
};

// Gear that makes the stage show and has to be carried.
class SIM_StageEquipment : public SIM_Asset {
public:
    SIM_StageEquipment();
    ~SIM_StageEquipment() override;
    float GetStageShow() const { return stageShow; }
    float GetEncumberence() const { return encumberence; }
    // The stage show of everything owned, at least 0.01.
    static float GetTotalStageShow();
    // The encumbrance of everything owned.
    static float GetTotalEncumberence();

    // Every piece of stage equipment, in order of construction.
    static std::vector<SIM_StageEquipment*> All;

protected:
    void LoadAssetSpecificData(CSV& row) override;
    float stageShow = 0.0f;
    float encumberence = 0.0f;
};

// A music video: the band's hype rises when it is made.
class SIM_Video : public SIM_Asset {
public:
    void Purchase(bool pay) override;
    float GetHypeValue() const { return hypeValue; }
    float GetHypeDegrade() const { return hypeDegrade; }

protected:
    void LoadAssetSpecificData(CSV& row) override;
    float hypeValue = 0.0f;
    float hypeDegrade = 0.0f;
};

// A running service whose own cells are its modifiers. No catalogue category makes one;
// its row would have to end right after its modifier cells.
class SIM_AssetService : public SIM_Asset {
public:
    void Purchase(bool pay) override;
    const std::vector<std::string>& GetTexts() const { return texts; }

protected:
    void LoadAssetSpecificData(CSV& row) override;
    std::vector<std::string> texts;
};
