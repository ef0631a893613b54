#pragma once
// The full-screen shop: seven store pages under a row of tabs, eight offers a page, each
// offer a cell with a buy button. A purchase takes effect at once; leaving through the
// finish button uses up the day, and so does leaving any way once something was bought.
#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/SmartTexture.h"
#include "shell/GUI_Dialog.h"
#include "shell/GUI_TabContainer.h"

#include <cstdint>
#include <string>
#include <vector>

class GUI_ButtonTab;
class GUI_ButtonText;
class GUI_IconButton;
class SIM_Asset;

// One offer of a store page.
class GUI_AssetWindow : public GUI_WindowBase {
public:
    static constexpr float PICTURE_SIZE = 80.0f;

    explicit GUI_AssetWindow(SIM_Asset* asset);
    ~GUI_AssetWindow() override;
    void Draw() override;

    // The buy button's callback; the argument is the asset.
    static void Purchase(intptr_t asset);
    static void CheckPostPurchaseHints(SIM_Asset* asset);
    // "$ 1,200.50": whole dollars with separators and two digits of cents, cut.
    static std::string PriceText(float price);
    // The running costs after the price: " + ($ 5.00/Day)" and the like.
    static std::string UpkeepText(float price, float daily, float perGig);

    SIM_Asset* GetAsset() const { return asset_; }
    GUI_ButtonText* GetBuyButton() const { return buy_; }
    const std::string& GetPriceText() const { return price_; }
    const std::string& GetUpkeepText() const { return upkeep_; }
    const std::string& GetStockLabel() const { return stockLabel_; }

private:
    BaseSprite picture_;
    SIM_Asset* asset_ = nullptr;
    GUI_ButtonText* buy_ = nullptr; // owned by the button list
    std::string price_;
    std::string upkeep_;
    std::string stockLabel_;
};

// One store page: its offers from the assets on sale, shown eight at a time.
class GUI_StoreTab : public GUI_WindowTab {
public:
    static constexpr int CELLS_PER_PAGE = 8;
    static constexpr int CELL_HEIGHT = 120;

    explicit GUI_StoreTab(const std::string& storeName);
    ~GUI_StoreTab() override;
    void Draw() override;
    void Activate() override;

    void PopulateStore();
    void PopulatePage();
    static void NextPage(intptr_t tab);
    static void PrevPage(intptr_t tab);

    int GetPage() const { return page_; }
    const std::string& GetStoreName() const { return storeName_; }
    const std::vector<SIM_Asset*>& GetOffers() const { return offers_; }
    GUI_IconButton* GetNextButton() const { return next_; }
    GUI_IconButton* GetPrevButton() const { return prev_; }
    // The cells of the page shown, in order.
    std::vector<GUI_AssetWindow*> Cells() const;

private:
    void PlacePageButtons();

    GUI_IconButton* next_ = nullptr; // owned by the button list
    GUI_IconButton* prev_ = nullptr;
    int page_ = 0;
    std::string storeName_;
    std::vector<SIM_Asset*> offers_;
};

class GUI_Shopping : public GUI_Dialog {
public:
    enum TABS { INSTRUMENTS = 0, LIGHTING = 1, EFFECTS = 2, MUSIC = 3, MERCHANDISE = 4, STAFF = 5, GENERAL = 6 };
    static constexpr int NUM_TABS = 7;
    static const char* const StoreNames[NUM_TABS];
    static const char* const TabLabels[NUM_TABS];

    static void Create();
    static void GotoStore(int tab);
    static void Refresh();
    static void Finish(intptr_t);
    static void Close(intptr_t);
    // The money line's amount: two decimals below 100, else whole with separators.
    static std::string MoneyText(float cash);

    ~GUI_Shopping() override;
    void Draw() override;
    void ProcessInput() override;
    bool CheckClick(float x, float y) override;
    void HandleKey(unsigned int key) override;

    GUI_StoreTab* GetStore(int tab) const { return stores_[tab]; }
    GUI_ButtonTab* GetTabButton(int tab) const { return tabButtons_[tab]; }
    GUI_ButtonText* GetFinishButton() const { return finish_; }
    GUI_TabContainer* GetTabContainer() const { return container_; }
    // The page shown, or null.
    GUI_StoreTab* CurrentStore() const;
    bool HasBought() const { return bought_; }

    static GUI_WindowSlot<GUI_Shopping> PTheWindow;

private:
    friend class GUI_AssetWindow;
    GUI_Shopping();

    GUI_TabContainer* container_ = nullptr; // owned; not a child window
    GUI_ButtonTab* tabButtons_[NUM_TABS] = {};
    GUI_StoreTab* stores_[NUM_TABS] = {};
    GUI_ButtonText* finish_ = nullptr;
    std::string moneyLabel_;
    SmartTexture background_;
    // Something was bought: every way out now uses up the day.
    bool bought_ = false;
    // The finish fade has begun: no key or click may leave, or end the day, again.
    bool committed_ = false;
};
