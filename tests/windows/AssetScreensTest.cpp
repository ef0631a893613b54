// The desktop's asset and album icons, their dialogs and the shop, inside the real in-game
// screen: bought, sold, fired and listened to through real clicks and keys.
#include "career/SIM_Album.h"
#include "career/SIM_AssetKinds.h"
#include "career/SIM_AssetMusic.h"
#include "career/SIM_Song.h"
#include "harness/GameHarness.h"
#include "windows/GUI_BusinessDiscount.h"
#include "savegame/SIM_LoadGame.h"
#include "savegame/SIM_SaveGame.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_DesktopItem.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_StandIn.h"
#include "shell/GUI_WindowManager.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_FunctionTable.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "windows/GUI_AlbumIcon.h"
#include "windows/GUI_AlbumListen.h"
#include "windows/GUI_AssetDetails.h"
#include "windows/GUI_AssetMusic.h"
#include "windows/GUI_Assets.h"
#include "windows/GUI_Shopping.h"

#include <algorithm>
#include <filesystem>

namespace {

class AssetScreensTest : public GameHarness {
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        // First-time tips (of these screens and of the days that pass) would cover the
        // buttons; the one these screens decide on is tested on its own.
        for (GUI_HintHelp::HintData* hint : GUI_HintHelp::All)
            hint->shown = true;
        GUI_StandInCalls().clear();
        SIM_GetFinances()->SetCash(100000.0f);
    }
    static SIM_Asset* Asset(const std::string& name)
    {
        SIM_Asset* asset = SIM_Asset::GetByName(name);
        EXPECT_NE(asset, nullptr) << name;
        return asset;
    }
    static bool Owned(const std::string& name) { return SIM_Asset::GetOwnedByName(name) != nullptr; }
    // Owns the asset as a gift (no money) and rebuilds the icons as the shop does.
    static SIM_Asset* Own(const std::string& name)
    {
        SIM_Asset* asset = Asset(name);
        asset->Purchase(false);
        // A batch of merchandise is only stock: the shop refreshes the icons after it.
        SIM_GetScreens()->RefreshAssets();
        return asset;
    }
    static GUI_AssetIcon* IconOf(const SIM_Asset* asset)
    {
        for (GUI_AssetIcon* icon : GUI_AssetIcon::All)
            if (icon->GetAsset() == asset)
                return icon;
        return nullptr;
    }
    static GUI_AssetWindow* CellOf(const SIM_Asset* asset)
    {
        GUI_StoreTab* store = GUI_Shopping::PTheWindow->CurrentStore();
        for (GUI_AssetWindow* cell : store->Cells())
            if (cell->GetAsset() == asset)
                return cell;
        return nullptr;
    }
    // Opens the shop on a page, ready for clicks.
    GUI_Shopping* OpenShop(int tab)
    {
        GUI_Shopping::Create();
        WaitFade();
        GUI_Shopping* shop = GUI_Shopping::PTheWindow;
        ClickCentre(shop->GetTabButton(tab));
        Step();
        EXPECT_EQ(shop->CurrentStore(), shop->GetStore(tab));
        return shop;
    }
    int Days() const { return SIM_GetSim()->GetTurnCount(); }
};

TEST_F(AssetScreensTest, TheShopOpensOnTheRecordsForASoloPlayerAndShowsEveryDepartment)
{
    ASSERT_TRUE(SIM_GetBand()->GetMembers().empty());
    ASSERT_TRUE(SIM_GetFunctionTable()->Trigger("shopping"));
    WaitFade();
    GUI_Shopping* shop = GUI_Shopping::PTheWindow;
    ASSERT_NE(shop, nullptr);
    EXPECT_EQ(GUI_GetWindowManager()->Fullscreens().back(), shop);
    EXPECT_EQ(shop->CurrentStore(), shop->GetStore(GUI_Shopping::MUSIC));
    EXPECT_NE(std::find_if(shop->Children().begin(), shop->Children().end(),
                           [](GUI_WindowBase* w) { return dynamic_cast<GUI_BusinessDiscount*>(w) != nullptr; }),
              shop->Children().end())
        << "the business-discount strip sits in the shop";
    // Nobody plays anything yet: no instrument is offered.
    EXPECT_TRUE(shop->GetStore(GUI_Shopping::INSTRUMENTS)->GetOffers().empty());

    SIM_GetFinances()->SetCash(1500.0f);
    const char* names[] = {"instruments", "lighting", "effects", "music", "merchandise", "staff", "general"};
    for (int tab = 0; tab < GUI_Shopping::NUM_TABS; ++tab) {
        ClickCentre(shop->GetTabButton(tab));
        Step();
        GUI_StoreTab* store = shop->CurrentStore();
        ASSERT_EQ(store, shop->GetStore(tab));
        EXPECT_EQ(store->GetStoreName(), names[tab]);
        for (SIM_Asset* offer : store->GetOffers())
            EXPECT_EQ(offer->GetStoreName(), names[tab]);
        // What the kitty cannot pay for cannot be bought.
        for (GUI_AssetWindow* cell : store->Cells())
            EXPECT_EQ(cell->GetBuyButton()->GetEnabled(), cell->GetAsset()->GetPurchaseCost() <= 1500.0f)
                << cell->GetAsset()->GetName();
        SaveArtifact(std::string("shop_") + names[tab] + ".png");
    }
}

TEST_F(AssetScreensTest, AnInstrumentIsOfferedOnceSomeonePlaysIt)
{
    GUI_Shopping* shop = OpenShop(GUI_Shopping::INSTRUMENTS);
    EXPECT_TRUE(shop->GetStore(GUI_Shopping::INSTRUMENTS)->GetOffers().empty());
    auto* bassist = new SIM_Musician;
    bassist->SetInstrument(INSTRUMENT_BASS);
    bassist->SetName("Dee", "Lowe");
    SIM_GetBand()->AddMusician(bassist);
    ClickCentre(shop->GetTabButton(GUI_Shopping::INSTRUMENTS));
    Step();
    const auto& offers = shop->GetStore(GUI_Shopping::INSTRUMENTS)->GetOffers();
    ASSERT_FALSE(offers.empty());
    for (SIM_Asset* offer : offers)
        EXPECT_EQ(offer->GetAssigneeInstrument(), INSTRUMENT_BASS) << offer->GetName();
    SaveArtifact("shop_instruments_bassist.png");
}

TEST_F(AssetScreensTest, BuyingPaysPutsTheIconOnTheDesktopAndTakesTheOfferOffThePage)
{
    SIM_GetFinances()->SetCash(1000.0f);
    GUI_Shopping* shop = OpenShop(GUI_Shopping::LIGHTING);
    SIM_Asset* rig = Asset("2spotlightrig");
    GUI_AssetWindow* cell = CellOf(rig);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->GetPriceText(), "$ 400.00");
    ClickCentre(cell->GetBuyButton());
    Step();
    EXPECT_TRUE(Owned("2spotlightrig"));
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 600.0f);
    EXPECT_EQ(audio.Count("data/sounds/cash.ogg"), 1);
    EXPECT_EQ(CellOf(rig), nullptr);
    EXPECT_NE(IconOf(rig), nullptr);
    // Buying neither closes the shop nor spends the day.
    EXPECT_EQ(GUI_Shopping::PTheWindow, shop);
    EXPECT_TRUE(shop->HasBought());
    EXPECT_EQ(SIM_GetSim()->GetActivities(), 0);
}

TEST_F(AssetScreensTest, TheShopsExitsSpendTheDayOnlyWhenFinishedOrAfterAPurchase)
{
    struct Case {
        const char* name;
        bool buy;
        bool escape;
        int daysSpent;
    };
    const Case cases[] = {
        {"finish without buying", false, false, 1},
        {"escape without buying", false, true, 0},
        {"finish after buying", true, false, 1},
        {"escape after buying", true, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenShop(GUI_Shopping::MERCHANDISE);
        const int before = Days();
        if (c.buy)
            ClickCentre(CellOf(Asset("posters(100)"))->GetBuyButton());
        Step();
        if (c.escape)
            PressKey(kKeyEscape);
        else
            ClickCentre(GUI_Shopping::PTheWindow->GetFinishButton());
        // A second way out during the fade neither leaves nor spends the day again.
        if (GUI_Shopping::PTheWindow)
            PressKey(kKeyEscape);
        if (GUI_Shopping::PTheWindow)
            ClickCentre(GUI_Shopping::PTheWindow->GetFinishButton());
        WaitFade();
        Step();
        EXPECT_EQ(GUI_Shopping::PTheWindow, nullptr);
        EXPECT_EQ(Days() - before, c.daysSpent);
        PutAwayDaysPage(); // the new day's page greets the player first
        EXPECT_TRUE(GUI_GetWindowManager()->Fullscreens().empty());
        EXPECT_FALSE(GUI_GetWindowManager()->DialogActive());
    }
}

TEST_F(AssetScreensTest, StoreTextsPricesUpkeepAndMoney)
{
    struct Price {
        float price;
        const char* text;
    };
    for (const Price& p : {Price{1200.5f, "$ 1,200.50"}, Price{99.0f, "$ 99.00"}, Price{0.0f, "$ 0.00"}})
        EXPECT_EQ(GUI_AssetWindow::PriceText(p.price), p.text);
    EXPECT_EQ(GUI_AssetWindow::UpkeepText(100.0f, 5.0f, 0.0f), " + ($ 5.00/Day)");
    EXPECT_EQ(GUI_AssetWindow::UpkeepText(0.0f, 40.0f, 100.0f), "($ 40.00/Day) + ($ 100.00/Gig)");
    EXPECT_EQ(GUI_AssetWindow::UpkeepText(0.0f, 0.0f, 0.0f), "");
    struct Money {
        float cash;
        const char* text;
    };
    for (const Money& m : {Money{100.0f, "100"}, Money{99.5f, "99.50"}, Money{-1500.0f, "-1500.00"},
                           Money{123456.0f, "123,456"}})
        EXPECT_EQ(GUI_Shopping::MoneyText(m.cash), m.text);
    EXPECT_EQ(GUI_AssetDetails::SecondHandValue(999.0f), "499");
    EXPECT_EQ(GUI_AssetDetails::SecondHandValue(12000.0f), "6,000");

    // A hire shows no price, only its upkeep.
    OpenShop(GUI_Shopping::STAFF);
    GUI_AssetWindow* engineer = CellOf(Asset("sound engineer"));
    ASSERT_NE(engineer, nullptr);
    EXPECT_EQ(engineer->GetBuyButton()->GetKey(), "HOOK_HIRE");
    EXPECT_EQ(engineer->GetUpkeepText(), "($ 40.00/Day) + ($ 100.00/Gig)");
    OpenShop(GUI_Shopping::MERCHANDISE);
    EXPECT_EQ(CellOf(Asset("tshirts(20)"))->GetBuyButton()->GetKey(), "HOOK_PURCHASE");
    EXPECT_FALSE(CellOf(Asset("tshirts(20)"))->GetStockLabel().empty());
}

TEST_F(AssetScreensTest, PagesTurnEightOffersAtATimeAndKeepTheirNumber)
{
    // Six more general goods make nine on the general page.
    for (int i = 0; i < 6; ++i) {
        SIM_Asset* extra = SIM_Asset::Create("general");
        extra->Load("#,general,extra " + std::to_string(i) + ",Spare Cable " + std::to_string(i) +
                    ",general,\"A spare cable.\",asset_rider.dds,,10,0,0,1,cable,BAND,\"SELLABLE,REBUYABLE\",,,#");
    }
    GUI_Shopping* shop = OpenShop(GUI_Shopping::GENERAL);
    GUI_StoreTab* store = shop->CurrentStore();
    ASSERT_EQ(store->GetOffers().size(), 9u);
    EXPECT_EQ(store->Cells().size(), 8u);
    EXPECT_FALSE(store->GetPrevButton()->GetEnabled());
    ASSERT_TRUE(store->GetNextButton()->GetEnabled());
    // Cells fill rows of two, left first.
    const auto cells = store->Cells();
    EXPECT_EQ(cells[0]->GetRect().left, store->GetRect().left);
    EXPECT_EQ(cells[1]->GetRect().left, store->GetRect().left + store->GetWidth() / 2);
    EXPECT_EQ(cells[2]->GetRect().top, cells[0]->GetRect().top + GUI_StoreTab::CELL_HEIGHT);

    ClickCentre(store->GetNextButton());
    Step();
    ASSERT_EQ(store->GetPage(), 1);
    ASSERT_EQ(store->Cells().size(), 1u);
    GUI_AssetWindow* last = store->Cells().front();
    EXPECT_EQ(last->GetRect().left, store->GetRect().left);
    EXPECT_EQ(last->GetRect().top, store->GetRect().top + 10);
    EXPECT_FALSE(store->GetNextButton()->GetEnabled());
    ClickCentre(store->GetNextButton());
    Step();
    EXPECT_EQ(store->GetPage(), 1);

    // Buying the last offer leaves an empty page that still leads back.
    ClickCentre(last->GetBuyButton());
    Step();
    EXPECT_EQ(store->GetPage(), 1);
    EXPECT_TRUE(store->Cells().empty());
    EXPECT_TRUE(store->GetPrevButton()->GetEnabled());
    ClickCentre(shop->GetTabButton(GUI_Shopping::MUSIC));
    ClickCentre(shop->GetTabButton(GUI_Shopping::GENERAL));
    Step();
    EXPECT_EQ(store->GetPage(), 1);
    ClickCentre(store->GetPrevButton());
    Step();
    EXPECT_EQ(store->GetPage(), 0);
    EXPECT_EQ(store->Cells().size(), 8u);
}

TEST_F(AssetScreensTest, TheEngineerTipComesOnlyToABandNobodyKnows)
{
    struct Case {
        float fame;
        bool tip;
    };
    for (const Case& c : {Case{29.0f, true}, Case{30.0f, false}}) {
        SCOPED_TRACE(c.fame);
        GUI_HintHelp::Find("engineer_low_fame")->shown = false;
        SIM_GetFame()->Clear();
        SIM_GetFame()->AddEffect(c.fame, 0.0f, "test fame");
        ASSERT_FLOAT_EQ(SIM_GetFame()->GetFame(), c.fame);
        OpenShop(GUI_Shopping::STAFF);
        SIM_Asset* engineer = Asset("lighting engineer");
        ClickCentre(CellOf(engineer)->GetBuyButton());
        Step();
        EXPECT_TRUE(Owned("lighting engineer"));
        EXPECT_EQ(GUI_HintHelp::Find("engineer_low_fame")->shown, c.tip);
        while (GUI_HintHelp::IsActive())
            ClickCentre(GUI_HintHelp::AllWindows.back()->GetCloseButton());
        SIM_GetFinances()->SetCash(100000.0f);
        engineer->Sell();
        PressKey(kKeyEscape);
        WaitFade();
    }
}

TEST_F(AssetScreensTest, SellingFromTheIconPaysHalfAndTakesTheIconAway)
{
    SIM_Asset* rig = Own("4spotlightrig");
    Step();
    GUI_AssetIcon* icon = IconOf(rig);
    ASSERT_NE(icon, nullptr);
    ClickCentre(icon);
    Step();
    GUI_AssetDetails* details = GUI_AssetDetails::PTheWindow;
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(details->GetTitle(), rig->GetGUIName());
    EXPECT_EQ(details->GetActionButton()->GetKey(), "SELL_ASSET");
    EXPECT_EQ(details->GetSecondHandLine(), "Second-hand value : $600");
    EXPECT_EQ(details->GetPerGigLine(), "Cost per gig: $10");
    EXPECT_EQ(details->GetDailyCostLine(), "");
    SaveArtifact("asset_details_sellable.png");
    const float cash = SIM_GetFinances()->GetCash();
    ClickCentre(details->GetActionButton());
    Step();
    EXPECT_EQ(GUI_AssetDetails::PTheWindow, nullptr);
    EXPECT_FALSE(Owned("4spotlightrig"));
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), cash + 600.0f);
    EXPECT_EQ(IconOf(rig), nullptr);
    // Opening and selling did not use the day.
    EXPECT_EQ(SIM_GetSim()->GetActivities(), 0);
}

TEST_F(AssetScreensTest, FiringStaffFromTheIconEndsTheService)
{
    SIM_Asset* roadie = Own("roadie");
    Step();
    ClickCentre(IconOf(roadie));
    Step();
    GUI_AssetDetails* details = GUI_AssetDetails::PTheWindow;
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(details->GetActionButton()->GetText(), "Let them go");
    EXPECT_EQ(details->GetSecondHandLine(), "");
    EXPECT_EQ(details->GetDailyCostLine(), "Daily cost : $25.00");
    ClickCentre(details->GetActionButton());
    Step();
    EXPECT_FALSE(Owned("roadie"));
    EXPECT_EQ(IconOf(roadie), nullptr);
}

TEST_F(AssetScreensTest, AStaleDetailsDialogDoesNothingOnceItsAssetIsGone)
{
    SIM_Asset* rig = Own("8spotlightrig");
    GUI_AssetDetails::Create(rig);
    Step();
    ASSERT_NE(GUI_AssetDetails::PTheWindow, nullptr);
    GUI_ButtonText* sell = GUI_AssetDetails::PTheWindow->GetActionButton();
    // It goes behind the dialog's back (repossessed, stolen, sold some other way).
    rig->Sell();
    const float cash = SIM_GetFinances()->GetCash();
    Step();
    ClickCentre(sell);
    Step();
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), cash);
    EXPECT_FALSE(Owned("8spotlightrig"));
    EXPECT_EQ(GUI_AssetDetails::PTheWindow, nullptr);
}

TEST_F(AssetScreensTest, MerchandiseBuysMoreFromItsIconAndFromItsDetails)
{
    SIM_Asset* shirts = Own("tshirts(20)");
    Step();
    GUI_AssetIcon* icon = IconOf(shirts);
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(icon->IsMerchandise());
    EXPECT_EQ(icon->GetIconSize(), GUI_AssetIcon::MERCHANDISE_SIZE);
    EXPECT_EQ(icon->NameTag(), "T-Shirts (X20)");
    ASSERT_NE(icon->GetBuyMoreButton(), nullptr);
    ClickCentre(icon->GetBuyMoreButton());
    WaitFade();
    GUI_Shopping* shop = GUI_Shopping::PTheWindow;
    ASSERT_NE(shop, nullptr);
    EXPECT_EQ(shop->CurrentStore(), shop->GetStore(GUI_Shopping::MERCHANDISE));
    // A click reaches no icon while the shop is open.
    GUI_AssetIcon* under = IconOf(shirts);
    under->Clicked();
    EXPECT_EQ(GUI_AssetDetails::PTheWindow, nullptr);
    ClickCentre(CellOf(shirts)->GetBuyButton());
    Step();
    EXPECT_EQ(IconOf(shirts)->NameTag(), "T-Shirts (X40)");
    ClickCentre(shop->GetFinishButton());
    WaitFade();
    Step();
    PutAwayDaysPage(); // leaving the shop by its finish button used the day

    ClickCentre(IconOf(shirts));
    Step();
    GUI_AssetDetails* details = GUI_AssetDetails::PTheWindow;
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(details->GetActionButton(), nullptr);
    ASSERT_NE(details->GetBuyButton(), nullptr);
    EXPECT_EQ(details->GetQuantityLine(), "In stock : 40");
    ClickCentre(details->GetBuyButton());
    WaitFade();
    EXPECT_EQ(GUI_AssetDetails::PTheWindow, nullptr);
    ASSERT_NE(GUI_Shopping::PTheWindow, nullptr);
    EXPECT_EQ(GUI_Shopping::PTheWindow->CurrentStore(), GUI_Shopping::PTheWindow->GetStore(GUI_Shopping::MERCHANDISE));
}

TEST_F(AssetScreensTest, IconsFollowTheAssetsAndAlbumsAndShrinkPastEleven)
{
    // Merchandise and assigned assets do not count; each kind of merchandise shows once.
    Own("tshirts(20)");
    Own("posters(100)");
    const char* goods[] = {"2spotlightrig", "4spotlightrig", "8spotlightrig", "smokemachine", "small pyro",
                           "large pyro",    "laser",         "videoscreen",   "stonehenge"};
    for (const char* name : goods)
        Own(name);
    SIM_Album* first = SIM_Album::Create();
    first->SetTitle("Basement Tapes");
    SIM_Album* second = SIM_Album::Create();
    second->SetTitle("Second Wind");
    SIM_GetScreens()->RefreshAssets();
    Step();
    // Nine goods and two albums: eleven, all large with name tags.
    EXPECT_FALSE(GUI_DesktopItem::GetSmallIconMode());
    ASSERT_EQ(GUI_AssetIcon::All.size(), 11u);
    ASSERT_EQ(GUI_AlbumIcon::All.size(), 2u);
    for (GUI_AssetIcon* icon : GUI_AssetIcon::All) {
        if (icon->IsMerchandise()) {
            EXPECT_EQ(icon->GetIconSize(), GUI_AssetIcon::MERCHANDISE_SIZE);
            EXPECT_LT(icon->GetSlot(), GUI_DesktopItem::FIRST_FREE_SLOT);
        } else {
            EXPECT_EQ(icon->GetIconSize(), GUI_Assets::LARGE_SIZE);
            EXPECT_FALSE(icon->NameTag().empty());
        }
    }
    EXPECT_EQ(GUI_AlbumIcon::All[0]->GetWidth(), int(GUI_AlbumIcon::ICONSIZE));

    // The twelfth makes them all small, without tags, in the small slots.
    Own("skull");
    Step();
    EXPECT_TRUE(GUI_DesktopItem::GetSmallIconMode());
    for (GUI_AssetIcon* icon : GUI_AssetIcon::All) {
        if (icon->IsMerchandise()) {
            EXPECT_EQ(icon->GetIconSize(), GUI_AssetIcon::MERCHANDISE_SIZE);
            EXPECT_LT(icon->GetSlot(), GUI_DesktopItem::FIRST_FREE_SLOT);
        } else {
            EXPECT_EQ(icon->GetIconSize(), GUI_Assets::SMALL_SIZE);
            EXPECT_EQ(icon->NameTag(), "");
            EXPECT_GE(icon->GetSlot(), GUI_DesktopItem::FIRST_SMALL_SLOT);
        }
    }
    for (GUI_AlbumIcon* icon : GUI_AlbumIcon::All)
        EXPECT_EQ(icon->GetWidth(), int(GUI_AlbumIcon::SMALL_ICONSIZE));
    SaveArtifact("desktop_many_icons.png");

    // Selling one brings them back to full size.
    SIM_Asset::GetOwnedByName("skull")->Sell();
    Step();
    EXPECT_FALSE(GUI_DesktopItem::GetSmallIconMode());
    EXPECT_EQ(GUI_AssetIcon::All.size(), 11u);
}

TEST_F(AssetScreensTest, AssignedInstrumentsAndFinishedRecordsHaveNoIcon)
{
    auto* drummer = new SIM_Musician;
    drummer->SetInstrument(INSTRUMENT_DRUMS);
    drummer->SetName("Rita", "Snare");
    SIM_GetBand()->AddMusician(drummer);
    SIM_Asset* kit = Own("maple drum kit");
    auto* record = static_cast<SIM_AssetMusic*>(Own("velvet engine"));
    ASSERT_TRUE(kit->IsAssigned());
    EXPECT_EQ(IconOf(kit), nullptr);
    EXPECT_NE(IconOf(record), nullptr);
    record->SetTracksListenedTo(int(record->GetTrackTitles().size()));
    SIM_GetScreens()->RefreshAssets();
    EXPECT_EQ(IconOf(record), nullptr);
}

TEST_F(AssetScreensTest, ListeningToARecordCountsATrackAndKeepsTheDay)
{
    auto* record = static_cast<SIM_AssetMusic*>(Own("hollow kings"));
    Step();
    ClickCentre(IconOf(record));
    Step();
    GUI_AssetMusic* window = GUI_AssetMusic::PTheWindow;
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->GetListenButton()->GetEnabled());
    SaveArtifact("asset_music.png");
    ClickCentre(window->GetListenButton());
    Step();
    EXPECT_EQ(GUI_AssetMusic::PTheWindow, nullptr);
    EXPECT_EQ(record->GetTracksListenedTo(), 1);
    // The listening page is up; the day goes only when it is finished.
    GUI_AlbumListen* page = GUI_AlbumListen::PTheWindow;
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(SIM_GetSim()->GetActivities(), 0);
    ClickCentre(page->GetFinishButton());
    WaitFade();
    PutAwayDaysPage();

    // Heard to the end: a full bar and no more listening, even from a window still open.
    GUI_AssetMusic::Create(record);
    record->SetTracksListenedTo(int(record->GetTrackTitles().size()));
    Step();
    EXPECT_FALSE(GUI_AssetMusic::PTheWindow->GetListenButton()->GetEnabled());
    GUI_AssetMusic::Listen(0);
    EXPECT_EQ(record->GetTracksListenedTo(), int(record->GetTrackTitles().size()));
    EXPECT_EQ(GUI_AlbumListen::PTheWindow, nullptr) << "no second listen, no new page";
}

TEST_F(AssetScreensTest, AlbumDetailsShowTheTracksAndTheNumbers)
{
    SIM_Album* album = SIM_Album::Create();
    album->SetTitle("Night Bus Home");
    album->AddCost(12345.67f);
    for (const char* name : {"Short One", "A Song Whose Name Goes On And On", "Third"}) {
        SIM_Song* song = SIM_Song::CreateNew(0.5f);
        song->SetName(name);
        album->AddTrack(song);
    }
    SIM_GetScreens()->AddAlbumIcon(album);
    Step();
    ASSERT_EQ(GUI_AlbumIcon::All.size(), 1u);
    ClickCentre(GUI_AlbumIcon::All.front());
    Step();
    GUI_AlbumDetails* details = GUI_AlbumDetails::PTheWindow;
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(details->GetTitle(), "Night Bus Home");
    EXPECT_EQ(details->GetTrackNames(),
              (std::vector<std::string>{"Short One", "A Song Whose Name Go...", "Third"}));
    EXPECT_EQ(details->GetValues()[1], "$12,345");
    EXPECT_EQ(details->GetValues()[0], "0");
    // Tracks on two lines, the numbers from the third.
    const float top = float(details->GetClientArea().top + 20);
    EXPECT_EQ(details->GetFirstRowY(), top + 40.0f);
    SaveArtifact("album_details.png");
    // Another album's details replace these.
    GUI_AlbumDetails::Create(album);
    Step();
    int open = 0;
    for (GUI_WindowBase* w : ScreenWindows())
        open += dynamic_cast<GUI_AlbumDetails*>(w) != nullptr;
    EXPECT_EQ(open, 1);
}

TEST_F(AssetScreensTest, ALoadedGameShowsItsOwnAssetsAndAlbums)
{
    Own("smokemachine");
    Own("posters(100)");
    SIM_Album::Create()->SetTitle("Loaded Dice");
    ASSERT_TRUE(SIM_GetSaveGame()->SaveGame("icons"));
    SIM_Asset::GetOwnedByName("smokemachine")->Sell();
    Own("laser");
    ASSERT_TRUE(SIM_GetLoadGame()->LoadGame("icons"));
    WaitFade();
    // Every icon names an asset of the loaded game: the old ones went with the old game.
    std::vector<std::string> shown;
    for (GUI_AssetIcon* icon : GUI_AssetIcon::All) {
        const auto& owned = SIM_Asset::OwnedAssets;
        EXPECT_NE(std::find(owned.begin(), owned.end(), icon->GetAsset()), owned.end());
        shown.push_back(icon->GetAsset()->GetName());
    }
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<std::string>{"posters(100)", "smokemachine"}));
    ASSERT_EQ(SIM_Album::All.size(), 1u);
    ASSERT_EQ(GUI_AlbumIcon::All.size(), 1u);
    EXPECT_EQ(GUI_AlbumIcon::All.front()->GetAlbum(), SIM_Album::All.front());
    EXPECT_EQ(GUI_AlbumIcon::All.front()->GetName(), "Loaded Dice");
}

} // namespace
