#include "windows/GUI_Shopping.h"

#include "career/SIM_AssetKinds.h"
#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_DayEnd.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_WindowManager.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_SIM.h"
#include "windows/GUI_Assets.h"
#include "windows/GUI_BusinessDiscount.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

GUI_WindowSlot<GUI_Shopping> GUI_Shopping::PTheWindow;

const char* const GUI_Shopping::StoreNames[NUM_TABS] = {"instruments", "lighting",    "effects", "music",
                                                        "merchandise", "staff",       "general"};
const char* const GUI_Shopping::TabLabels[NUM_TABS] = {"SHOP_INSTRUMENTS", "SHOP_LIGHTING",    "SHOP_EFFECTS",
                                                       "SHOP_MUSIC",       "SHOP_MERCHANDISE", "SHOP_STAFF",
                                                       "SHOP_GENERAL"};

namespace {

std::string TwoDecimals(float value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", double(value));
    return buffer;
}

bool IsStaff(const SIM_Asset* asset) { return asset->GetStoreName() == "staff"; }

} // namespace

// ---- An offer ----

std::string GUI_AssetWindow::PriceText(float price)
{
    const long long whole = WholeNumber(price);
    long long cents = WholeNumber((double(price) - double(whole)) * 100.0);
    if (cents < 0)
        cents = -cents;
    char centText[8];
    std::snprintf(centText, sizeof centText, "%02lld", cents % 100);
    return "$ " + FormatMoney(double(whole)) + "." + centText;
}

std::string GUI_AssetWindow::UpkeepText(float price, float daily, float perGig)
{
    std::string text;
    if (daily > 0.0f) {
        if (price > 0.0f)
            text += " + ";
        text += "($ " + TwoDecimals(daily) + "/" + GTranslation::GetString("DAY") + ")";
    }
    if (perGig > 0.0f) {
        if (price > 0.0f || daily > 0.0f)
            text += " + ";
        text += "($ " + TwoDecimals(perGig) + "/" + GTranslation::GetString("GIG") + ")";
    }
    return text;
}

GUI_AssetWindow::GUI_AssetWindow(SIM_Asset* asset) : asset_(asset)
{
    GAssert(asset != nullptr, __FILE__, __LINE__);
    picture_.width = picture_.height = PICTURE_SIZE;
    const bool staff = asset && IsStaff(asset);
    buy_ = new GUI_ButtonText(staff ? "HOOK_HIRE" : "HOOK_PURCHASE", Purchase, reinterpret_cast<intptr_t>(asset));
    buy_->SetTooltip(staff ? "HOOK_HIRE_TOOLTIP" : "HOOK_SHOPPING_TOOLTIP", 60);
    AddButton(buy_);
    if (!asset)
        return;
    price_ = PriceText(asset->GetPurchaseCost());
    upkeep_ = UpkeepText(asset->GetPurchaseCost(), asset->GetDailyCost(), asset->GetPerGigCost());
    if (asset->GetTypeName() == "merchandise")
        stockLabel_ = GTranslation::GetString("MERCHANDISE_CURRENT_STOCK");
}

GUI_AssetWindow::~GUI_AssetWindow() = default;

void GUI_AssetWindow::Draw()
{
    const float x1 = float(rect.left), y1 = float(rect.top), x2 = float(rect.right), y2 = float(rect.bottom);
    buy_->SetPosition(x2 - 110.0f, y2 - 30.0f, x2 - 10.0f, y2 - 10.0f);
    // The full price, not the discounted one, must be in the kitty.
    buy_->SetEnabled(asset_ && asset_->GetPurchaseCost() <= SIM_GetFinances()->GetCash());
    GUI_WindowBase::Draw();
    if (!asset_)
        return;
    D3DEngine* engine = GetD3DEngine();
    picture_.PlaceLocal(x1 + 50.0f, GetCenterY());
    engine->SetTexture(asset_->GetTextureName());
    picture_.Draw();
    engine->SetTexture(0, 0);
    picture_.Frame(0xFFFFFFFFu);

    const float tx = picture_.Right() + 10.0f;
    float y = y1 + 10.0f;
    GDIText::AddChunk(tx, y, asset_->GetGUIName(), "tahoma bold ", 22, 0.0f, 0, 255, 255, 255);
    if (!IsStaff(asset_))
        GDIText::AddChunk(tx, y, price_, nullptr, 20, x2 - 10.0f - tx, 2, 255, 255, 255);
    y += 20.0f;
    if (!upkeep_.empty()) {
        GDIText::AddChunk(tx, y, upkeep_, "tahoma bold ", 18, 0.0f, 0, 255, 255, 255);
        y += 20.0f;
    }
    GDIText::AddChunk(tx, y, asset_->GetDescription(), "tahoma", 16, x2 - 10.0f - tx, 0, 255, 255, 255);
    if (auto* merch = dynamic_cast<SIM_Merchandise*>(asset_)) {
        GDIText::AddChunk(tx, y2 - 34.0f, stockLabel_, "tahoma bold", 16, 0.0f, 0, 255, 255, 255);
        GDIText::AddChunk(tx + 120.0f, y2 - 34.0f, NumToDelimitedChar(merch->GetQuantity()), "tahoma bold", 16,
                          0.0f, 0, 255, 255, 255);
    }
    tagRECT frame {rect.left + 4, rect.top + 4, rect.right - 4, rect.bottom - 4};
    engine->FrameRect(frame, PackColor(255, 255, 255, 128));
}

void GUI_AssetWindow::Purchase(intptr_t argument)
{
    auto* asset = reinterpret_cast<SIM_Asset*>(argument);
    GUI_Shopping* shop = GUI_Shopping::PTheWindow;
    // Offers are made from the assets on sale when the page was built; one gone since
    // (bought from another route, a new game) is not bought again.
    const auto& onSale = SIM_Asset::AvailableAssets;
    if (!asset || std::find(onSale.begin(), onSale.end(), asset) == onSale.end())
        return;
    asset->Purchase(true);
    if (shop)
        shop->bought_ = true;
    GUI_GetSounds()->PlaySound("data/sounds/cash.ogg", false);
    GUI_GetAssets()->Refresh();
    GUI_Shopping::Refresh();
    SIM_GetBand()->RechooseDesiredAssets();
    CheckPostPurchaseHints(asset);
}

void GUI_AssetWindow::CheckPostPurchaseHints(SIM_Asset* asset)
{
    GAssert(asset != nullptr, __FILE__, __LINE__);
    if (!asset)
        return;
    if (SIM_GetFame()->GetFame() < 30.0f &&
        (asset->GetName() == "sound engineer" || asset->GetName() == "lighting engineer"))
        GUI_HintHelp::Launch("engineer_low_fame");
    if (asset->GetTypeName() == "instrument")
        GUI_HintHelp::Launch("purchase_instrument");
    if (asset->GetTypeName() == "recorded_music")
        GUI_HintHelp::Launch("purchase_album");
}

// ---- A store page ----

GUI_StoreTab::GUI_StoreTab(const std::string& storeName) : storeName_(storeName)
{
    SetEatsMouse(false);
    prev_ = new GUI_IconButton("left.dds", PrevPage, reinterpret_cast<intptr_t>(this));
    prev_->SetHighlightTexture("left_h.dds");
    AddButton(prev_);
    next_ = new GUI_IconButton("right.dds", NextPage, reinterpret_cast<intptr_t>(this));
    next_->SetHighlightTexture("right_h.dds");
    AddButton(next_);
    PopulateStore();
}

GUI_StoreTab::~GUI_StoreTab() = default;

void GUI_StoreTab::PopulateStore()
{
    offers_.clear();
    const SIM_Band* band = SIM_GetBand();
    for (SIM_Asset* asset : SIM_Asset::AvailableAssets) {
        if (!asset || !asset->ReBuyable() || asset->GetStoreName() != storeName_)
            continue;
        const INSTRUMENT instrument = asset->GetAssigneeInstrument();
        // An instrument is only offered for a part that someone in the band plays.
        if (instrument != INSTRUMENT_NONE && !band->GetFirstMember(instrument))
            continue;
        offers_.push_back(asset);
    }
}

void GUI_StoreTab::PopulatePage()
{
    KillChildren();
    const int half = GetWidth() / 2;
    const size_t first = size_t(page_) * CELLS_PER_PAGE;
    for (size_t i = first; i < offers_.size() && i < first + CELLS_PER_PAGE; ++i) {
        const int n = int(i - first);
        const float x = float(rect.left + (n % 2) * half);
        const float y = float(rect.top + 10 + (n / 2) * CELL_HEIGHT);
        auto* cell = new GUI_AssetWindow(offers_[i]);
        cell->SetPosition(x, y, x + float(half), y + float(CELL_HEIGHT));
        AddChild(cell);
    }
}

std::vector<GUI_AssetWindow*> GUI_StoreTab::Cells() const
{
    std::vector<GUI_AssetWindow*> cells;
    for (GUI_WindowBase* child : Children())
        if (auto* cell = dynamic_cast<GUI_AssetWindow*>(child))
            cells.push_back(cell);
    return cells;
}

void GUI_StoreTab::NextPage(intptr_t tab)
{
    auto* store = reinterpret_cast<GUI_StoreTab*>(tab);
    if (!store || int(store->offers_.size()) <= (store->page_ + 1) * CELLS_PER_PAGE)
        return;
    ++store->page_;
    store->PopulatePage();
}

void GUI_StoreTab::PrevPage(intptr_t tab)
{
    auto* store = reinterpret_cast<GUI_StoreTab*>(tab);
    if (!store || store->page_ <= 0)
        return;
    --store->page_;
    store->PopulatePage();
}

void GUI_StoreTab::Activate()
{
    GUI_WindowTab::Activate();
    PopulateStore();
    PopulatePage();
}

void GUI_StoreTab::PlacePageButtons()
{
    next_->SetEnabled(int(offers_.size()) > (page_ + 1) * CELLS_PER_PAGE);
    prev_->SetEnabled(page_ >= 1);
    prev_->SetPosition(float(rect.left + 25), float(rect.bottom - 70), float(rect.left + 65), float(rect.bottom - 40));
    next_->SetPosition(float(rect.right - 65), float(rect.bottom - 70), float(rect.right - 25), float(rect.bottom - 40));
}

void GUI_StoreTab::Draw()
{
    PlacePageButtons();
    GUI_WindowTab::Draw();
    if (IsVisible())
        DrawChildren();
}

// ---- The shop ----

void GUI_Shopping::Create()
{
    delete PTheWindow.Get();
    new GUI_Shopping();
}

GUI_Shopping::GUI_Shopping() : GUI_Dialog(false)
{
    PTheWindow = this;
    MakeFullScreenWindow();
    SetEatsMouse(false);
    marginH_ = 50.0f;
    marginTop_ = 134.0f;
    marginBottom_ = 60.0f;
    UpdateClientArea();
    const tagRECT& c = GetClientArea();

    container_ = new GUI_TabContainer();
    container_->SetPosition(float(c.left), float(c.top), float(c.right), float(c.bottom));
    for (int i = 0; i < NUM_TABS; ++i) {
        stores_[i] = new GUI_StoreTab(StoreNames[i]);
        container_->AddTab(stores_[i]);
    }
    moneyLabel_ = GTranslation::GetString("MONEY");
    for (int i = 0; i < NUM_TABS; ++i) {
        tabButtons_[i] = new GUI_ButtonTab(TabLabels[i], stores_[i]);
        tabButtons_[i]->SetPosition(float(55 + 110 * i), float(c.top - 23), float(165 + 110 * i), float(c.top + 3));
        AddButton(tabButtons_[i]);
    }
    stores_[SIM_GetBand()->GetMembers().empty() ? MUSIC : INSTRUMENTS]->Activate();

    const float W = D3DEngine::W, H = D3DEngine::H;
    finish_ = new GUI_ButtonText("SHOPPING_FINISH", Finish, 0);
    finish_->SetTooltip("SHOPPING_FINISH_TOOLTIP", 60);
    finish_->SetPosition(W - 140.0f, H - 32.0f, W - 10.0f, H - 10.0f);
    AddButton(finish_);

    auto* discount = new GUI_BusinessDiscount();
    discount->SetPosition(64.0f, H - 80.0f, W - 140.0f, H);
    AddChild(discount);

    GUI_GetGUI()->SetInputHandler(this);
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    GUI_HintHelp::Launch("shopping");
    background_.SetTexture("leather.jpg");
}

GUI_Shopping::~GUI_Shopping()
{
    GUI_GetWindowManager()->RemoveFullscreen(this);
    GUI_GetGUI()->RemoveInputHandler(this);
    delete container_;
    container_ = nullptr;
}

GUI_StoreTab* GUI_Shopping::CurrentStore() const
{
    for (GUI_StoreTab* store : stores_)
        if (store && store->IsVisible())
            return store;
    return nullptr;
}

void GUI_Shopping::GotoStore(int tab)
{
    if (PTheWindow && tab >= 0 && tab < NUM_TABS)
        PTheWindow->stores_[tab]->Activate();
}

void GUI_Shopping::Refresh()
{
    if (!PTheWindow)
        return;
    for (GUI_StoreTab* store : PTheWindow->stores_) {
        store->PopulateStore();
        store->PopulatePage();
    }
}

void GUI_Shopping::Finish(intptr_t)
{
    GUI_Shopping* shop = PTheWindow;
    if (!shop || shop->committed_)
        return;
    shop->committed_ = true;
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Close, 0);
}

void GUI_Shopping::Close(intptr_t)
{
    // Only a shop still open ends the day: a fade that outlived its shop (a new game
    // began meanwhile) must not spend a day of the next game.
    if (!PTheWindow)
        return;
    GUI_DayEnd::Request();
    delete PTheWindow.Get();
}

void GUI_Shopping::HandleKey(unsigned int key)
{
    if (key != kKeyEscape || committed_)
        return;
    // Once something was bought the day is spent: Escape leaves as the finish button does.
    if (bought_) {
        Finish(0);
        return;
    }
    delete this;
}

std::string GUI_Shopping::MoneyText(float cash)
{
    return cash < 100.0f ? TwoDecimals(cash) : FormatMoney(cash);
}

void GUI_Shopping::Draw()
{
    GetD3DEngine()->FillScreen(background_);
    DrawButtons();
    container_->Draw();
    GDIText::AddChunk(0.0f, 62.0f, moneyLabel_ + " :$ " + MoneyText(SIM_GetFinances()->GetCash()), nullptr, 22,
                      D3DEngine::W, 1, 255, 255, 255);
    DrawChildren();
    GDIText::RenderChunks(-1);
}

void GUI_Shopping::ProcessInput()
{
    container_->ProcessInput();
    GUI_WindowBase::ProcessInput();
}

bool GUI_Shopping::CheckClick(float x, float y)
{
    if (container_->CheckClick(x, y))
        return true;
    return GUI_WindowBase::CheckClick(x, y);
}
