#include "windows/GUI_AssetDetails.h"

#include "career/SIM_AssetKinds.h"
#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_ButtonTypes.h"
#include "sim/GAssert.h"
#include "windows/GUI_Shopping.h"

#include <algorithm>
#include <cstdio>

GUI_WindowSlot<GUI_AssetDetails> GUI_AssetDetails::PTheWindow;

namespace {

constexpr float kPictureSize = 85.0f;
constexpr int kTextSize = 18;

std::string Printf(const char* format, const std::string& label, double value)
{
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, label.c_str(), value);
    return buffer;
}

} // namespace

std::string GUI_AssetDetails::SecondHandValue(float purchaseCost)
{
    return FormatMoney(double(WholeNumber(purchaseCost) / 2));
}

void GUI_AssetDetails::Create(SIM_Asset* asset)
{
    GAssert(asset != nullptr, __FILE__, __LINE__);
    if (!asset)
        return;
    GUI_WindowBase::CloseWin(PTheWindow.Get());
    new GUI_AssetDetails(asset);
}

GUI_AssetDetails::GUI_AssetDetails(SIM_Asset* asset) : GUI_Dialog(true), asset_(asset)
{
    PTheWindow = this;
    SetTitle(asset->GetGUIName());
    SetSize(500.0f, 200.0f);
    PlaceCentral();
    UpdateClientArea();
    textureName_ = asset->GetTextureName();
    description_ = asset->GetDescription();
    merchandise_ = asset->GetTypeName() == "merchandise";

    GUI_ButtonText* button = nullptr;
    if (asset->GetFlag(SIM_Asset::SERVICE)) {
        button = action_ = new GUI_ButtonText("CANCEL_SERVICE", Sell, 0);
        button->SetTooltip("TOOLTIP_CANCEL_SERVICE", 60);
        if (asset->GetFlag(SIM_Asset::EMPLOYEE)) {
            button->SetText(GTranslation::GetString("FIRE_EMPLOYEE"));
            button->SetTooltip("FIRE_EMPLOYEE_TOOLTIP", 60);
        }
    } else if (asset->GetFlag(SIM_Asset::SELLABLE)) {
        button = action_ = new GUI_ButtonText("SELL_ASSET", Sell, 0);
        button->SetTooltip("TOOLTIP_SELL_ASSET", 60);
    } else if (merchandise_) {
        button = buy_ = new GUI_ButtonText("MERCHANDISE_BUY", BuyMore, 0);
        button->SetTooltip("MERCHANDISE_BUY_TOOLTIP", 60);
    }
    if (button) {
        const tagRECT& c = GetClientArea();
        button->SetPosition(float(c.left + 140), float(c.bottom - 35), float(c.right - 20), float(c.bottom - 10));
        AddButton(button);
    }

    if (asset->GetPerGigCost() > 0.0f)
        perGig_ = Printf("%s $%.0f", GTranslation::GetString("PERGIG_COST"), asset->GetPerGigCost());
    if (asset->GetFlag(SIM_Asset::SELLABLE))
        secondHand_ = std::string(GTranslation::GetString("SECOND_HAND_VALUE")) + " : $" + SecondHandValue(asset->GetPurchaseCost());
    if (asset->GetDailyCost() != 0.0f)
        dailyCost_ = Printf("%s : $%.2f", GTranslation::GetString("DAILY_COST"), asset->GetDailyCost());
    if (auto* merch = dynamic_cast<SIM_Merchandise*>(asset))
        quantity_ = std::string(GTranslation::GetString("MERCHANDISE_QUANTITY")) + " : " + std::to_string(merch->GetQuantity());
    picture_.width = picture_.height = kPictureSize;
}

GUI_AssetDetails::~GUI_AssetDetails() = default;

SIM_Asset* GUI_AssetDetails::OwnedAsset() const
{
    return SIM_Asset::IsOwned(asset_) ? asset_ : nullptr;
}

void GUI_AssetDetails::Sell(intptr_t)
{
    GUI_AssetDetails* dialog = PTheWindow;
    if (!dialog)
        return;
    // A dialog left open while the asset went (sold, repossessed, stolen) sells nothing.
    if (SIM_Asset* asset = dialog->OwnedAsset())
        asset->Sell();
    GUI_WindowBase::CloseWin(PTheWindow.Get());
}

void GUI_AssetDetails::BuyMore(intptr_t)
{
    GUI_Shopping::Create();
    GUI_Shopping::GotoStore(GUI_Shopping::MERCHANDISE);
    GUI_WindowBase::CloseWin(PTheWindow.Get());
}

void GUI_AssetDetails::Draw()
{
    GUI_Dialog::Draw();
    const tagRECT& c = GetClientArea();
    picture_.PlaceLocal(float(c.left + 55), float(c.top + 55));
    GetD3DEngine()->SetTexture(textureName_);
    picture_.Draw();
    GetD3DEngine()->SetTexture(0, 0);
    picture_.Frame(0xFFFFFFFFu);
    const float x = picture_.Right() + 10.0f;
    const float width = float(c.right) - picture_.Right() - 20.0f;
    if (merchandise_)
        DrawMerchandise(x, float(c.top + 10), width);
    else
        DrawNormal(x, float(c.top + 10), width);
    GDIText::RenderChunks(-1);
}

void GUI_AssetDetails::DrawNormal(float x, float y, float width)
{
    for (const std::string* line : {&secondHand_, &dailyCost_, &perGig_}) {
        if (line->empty())
            continue;
        GDIText::AddChunk(x, y, *line, "tahoma", kTextSize, 0.0f, 0, 255, 255, 255);
        y += 20.0f;
    }
    GDIText::AddChunk(x, y, description_, "tahoma", kTextSize, width, 0, 255, 255, 255);
}

void GUI_AssetDetails::DrawMerchandise(float x, float y, float width)
{
    GDIText::AddChunk(x, y, quantity_, "tahoma", kTextSize, 0.0f, 0, 255, 255, 255);
    GDIText::AddChunk(x, y + 20.0f, description_, "tahoma", kTextSize, width, 0, 255, 255, 255);
}
