#pragma once
// The small dialog an owned asset's icon opens: its picture, description and costs, and
// one action (cancel a service or fire an employee, sell it, or order more merchandise).
// Opening and closing it does not use the day.
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_Dialog.h"

#include <cstdint>
#include <string>

class GUI_ButtonText;
class SIM_Asset;

class GUI_AssetDetails : public GUI_Dialog {
public:
    static void Create(SIM_Asset* asset);
    ~GUI_AssetDetails() override;
    void Draw() override;

    // The action button's callback (selling, cancelling and firing alike).
    static void Sell(intptr_t);
    static void BuyMore(intptr_t);

    GUI_ButtonText* GetActionButton() const { return action_; }
    GUI_ButtonText* GetBuyButton() const { return buy_; }
    SIM_Asset* GetAsset() const { return asset_; }
    const std::string& GetDailyCostLine() const { return dailyCost_; }
    const std::string& GetPerGigLine() const { return perGig_; }
    const std::string& GetSecondHandLine() const { return secondHand_; }
    const std::string& GetQuantityLine() const { return quantity_; }

    // The resale value as shown: the price cut to whole dollars, halved and cut again.
    static std::string SecondHandValue(float purchaseCost);

    static GUI_WindowSlot<GUI_AssetDetails> PTheWindow;

private:
    explicit GUI_AssetDetails(SIM_Asset* asset);
    void DrawNormal(float x, float y, float width);
    void DrawMerchandise(float x, float y, float width);
    // The asset when the band still owns it, else null (sold, repossessed, or a new game).
    SIM_Asset* OwnedAsset() const;

    GUI_ButtonText* action_ = nullptr; // owned by the button list
    GUI_ButtonText* buy_ = nullptr;    // owned by the button list
    SIM_Asset* asset_ = nullptr;
    BaseSprite picture_;
    std::string textureName_;
    std::string description_;
    bool merchandise_ = false;
    std::string dailyCost_;
    std::string perGig_;
    std::string secondHand_;
    std::string quantity_;
};
