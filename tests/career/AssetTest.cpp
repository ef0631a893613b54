// The asset catalogue: reading rows into the right kinds, buying, selling and losing assets
// (lists, cash, flags, effects, possessions), the day's upkeep and repossession, and what
// a reloaded catalogue leaves behind.
#include "career/AssetFixture.h"

#include "sim/SIM_Attribute.h"
#include "sim/SIM_Commenter.h"
#include "sim/SIM_Riza.h"

#include <typeinfo>

TEST_F(AssetTest, EachRowBecomesTheKindItsCategoryNamesWithItsCells)
{
    ASSERT_EQ(SIM_Asset::All.size(), 10u);
    EXPECT_EQ(SIM_Asset::AvailableAssets, SIM_Asset::All) << "everything starts on sale, in file order";
    EXPECT_TRUE(SIM_Asset::OwnedAssets.empty());

    const struct {
        const char* name;
        const std::type_info& kind;
        const char* typeName;
    } kinds[] = {
        {"axe", typeid(SIM_Instrument), "instrument"}, {"van", typeid(SIM_Asset), ""},
        {"shirts", typeid(SIM_Merchandise), "merchandise"}, {"smoke", typeid(SIM_StageEquipment), ""},
        {"clip", typeid(SIM_Video), ""}, {"album", typeid(SIM_AssetMusic), "recorded_music"},
        {"odd", typeid(SIM_Asset), ""}, // "Video" with a capital is no video
    };
    for (const auto& k : kinds) {
        SIM_Asset* a = Get(k.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(typeid(*a), k.kind) << k.name;
        EXPECT_EQ(a->GetTypeName(), k.typeName) << k.name;
    }

    SIM_Asset* axe = Get("axe");
    EXPECT_EQ(axe->GetGUIName(), "Axe");
    EXPECT_EQ(axe->GetStoreName(), "instruments");
    EXPECT_EQ(axe->GetDescription(), "An axe, sharp");
    EXPECT_EQ(axe->GetTextureName(), "asset_axe.dds");
    EXPECT_EQ(axe->GetPurchaseSound(), "data/sounds/buy.ogg");
    EXPECT_FLOAT_EQ(axe->GetPurchaseCost(), 1000.0f);
    EXPECT_FLOAT_EQ(axe->GetDailyCost(), 5.0f);
    EXPECT_FLOAT_EQ(axe->GetPerGigCost(), 10.0f);
    EXPECT_FLOAT_EQ(axe->GetSatisfaction(), 20.0f);
    EXPECT_EQ(axe->GetCategory(), "guitar");
    EXPECT_EQ(axe->GetAssigneeInstrument(), INSTRUMENT_GUITAR);
    EXPECT_EQ(axe->GetExtraText(), "a note");
    EXPECT_EQ(axe->GetDebugName(), "axe");
    EXPECT_FLOAT_EQ(GetAs<SIM_Instrument>("axe")->GetMaxAbility(), 0.9f);
    ASSERT_EQ(axe->GetModifiers().size(), 4u);
    EXPECT_EQ(axe->GetModifiers()[2].GetDebugName(), "axe");
    const bool axeFlags[] = {true, false, true, false, true, false};
    for (int f = 0; f < SIM_Asset::NumFlags; ++f)
        EXPECT_EQ(axe->GetFlag(f), axeFlags[f]) << f;
    EXPECT_FALSE(axe->GetFlag(-1));
    EXPECT_FALSE(axe->GetFlag(6));

    // Flag words are compared exactly: " REBUYABLE" and unknown words count for nothing.
    SIM_Asset* odd = Get("odd");
    EXPECT_TRUE(odd->GetFlag(SIM_Asset::SELLABLE));
    EXPECT_FALSE(odd->GetFlag(SIM_Asset::REBUYABLE));
    EXPECT_EQ(odd->GetAssigneeInstrument(), INSTRUMENT_NONE) << "VOCALS is no instrument of an asset";

    SIM_Merchandise* shirts = GetAs<SIM_Merchandise>("shirts");
    EXPECT_EQ(shirts->GetUnitsPerPurchase(), 20);
    EXPECT_FLOAT_EQ(shirts->GetUnitPrice(), 12.0f);
    EXPECT_EQ(shirts->GetGlobalCounterName(), "shirtstock");
    SIM_StageEquipment* smoke = GetAs<SIM_StageEquipment>("smoke");
    EXPECT_FLOAT_EQ(smoke->GetStageShow(), 0.3f);
    EXPECT_FLOAT_EQ(smoke->GetEncumberence(), 10.0f);
    EXPECT_FLOAT_EQ(GetAs<SIM_Video>("clip")->GetHypeValue(), 0.2f);
    EXPECT_EQ(SIM_StageEquipment::All.size(), 2u);
    EXPECT_EQ(SIM_AssetMusic::All.size(), 2u);
    EXPECT_TRUE(screens.Alerts().empty()) << screens.Alerts().front();
}

TEST_F(AssetTest, AMissingTableIsAnErrorAndARowWithoutItsEndIsReportedNotReadPast)
{
    std::filesystem::remove(resources.Path() / SIM_Asset::File);
    SIM_Asset::Open();
    EXPECT_TRUE(SIM_Asset::All.empty());
    EXPECT_EQ(screens.Alerts(), (std::vector<std::string> {"GError Assets file not found"}));

    screens.Clear();
    UseCatalogue("#,general,open ended,Open,general,d,t.dds,,1,0,0,0,g,,,,,\"band_stress,0.1,1\"\n");
    ASSERT_NE(SIM_Asset::GetByName("open ended"), nullptr);
    EXPECT_EQ(SIM_Asset::GetByName("open ended")->GetModifiers().size(), 1u);
    EXPECT_TRUE(screens.Alerts().empty());
    EXPECT_EQ(std::count(screens.reports.begin(), screens.reports.end(), "GWarning Asset row has no end cell: open ended"), 1);
}

// What each way of losing an asset does, for one that can be bought again and one that
// cannot.
TEST_F(AssetTest, SellingAndLosingEndOwnershipAndEveryEffectOfThePurchase)
{
    const struct {
        const char* name;
        bool sell;     // else destroyed
        float refund;  // cash back
        bool backOnSale;
    } cases[] = {
        {"axe", true, 500.0f, true},
        {"axe", false, 0.0f, true},
        {"van", true, 1000.0f, false},
        {"van", false, 0.0f, false},
    };
    SIM_Musician* guitarist = Hire(INSTRUMENT_GUITAR);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.sell ? " sold" : " destroyed"));
        UseCatalogue(kCatalogue);
        const float stressBefore = guitarist->GetStress()->GetValue();
        const float inspirationBefore = SIM_GetRiza()->GetValue("inspiration");
        const float fameBefore = SIM_GetFame()->GetFame();
        SIM_Asset* a = Get(c.name);
        SetCash(5000.0f);
        screens.Clear();

        a->Purchase(true);
        EXPECT_TRUE(a->IsOwned());
        EXPECT_EQ(CountOf(SIM_Asset::AvailableAssets, a), 0);
        EXPECT_EQ(SIM_Asset::OwnedAssets, (std::vector<SIM_Asset*> {a}));
        EXPECT_FLOAT_EQ(Cash(), 5000.0f - a->GetPurchaseCost());
        EXPECT_FLOAT_EQ(Global(c.name), 1.0f);
        EXPECT_GT(Global("glob_cool"), 0.0f);
        screens.Clear();

        if (c.sell)
            a->Sell();
        else
            a->Destroy();
        EXPECT_FALSE(a->IsOwned());
        EXPECT_TRUE(SIM_Asset::OwnedAssets.empty());
        EXPECT_EQ(CountOf(SIM_Asset::AvailableAssets, a), c.backOnSale ? 1 : 0);
        EXPECT_FLOAT_EQ(Cash(), 5000.0f - a->GetPurchaseCost() + c.refund);
        EXPECT_FLOAT_EQ(Global(c.name), 0.0f) << "the flag stays, lowered, for the saved game";
        EXPECT_FLOAT_EQ(Global("glob_cool"), 0.0f);
        EXPECT_EQ(EffectsNamed(c.name), 0);
        EXPECT_FLOAT_EQ(guitarist->GetStress()->GetValue(), stressBefore);
        EXPECT_FLOAT_EQ(SIM_GetRiza()->GetValue("inspiration"), inspirationBefore);
        EXPECT_FLOAT_EQ(SIM_GetFame()->GetFame(), fameBefore);
        EXPECT_EQ(screens.Has("PlaySound data/sounds/cash.ogg"), c.sell);
        EXPECT_EQ(screens.Has("RefreshAssets"), c.sell);
        if (c.sell) {
            EXPECT_TRUE(guitarist->GetPossesions().empty()) << "a sold instrument is nobody's";
            EXPECT_TRUE(SIM_GetBand()->GetCommunalAssets().empty());
        }
        EXPECT_TRUE(screens.Alerts().empty()) << screens.Alerts().front();
    }
}

TEST_F(AssetTest, BuyingAndSellingOverAndOverNeitherMakesMoneyNorStacksEffects)
{
    // Two businessmen at 30 % each would make the price 40 % of the catalogue's.
    Set("RS_BUSINESS_DISCOUNT", 30.0f);
    Hire(INSTRUMENT_BASS, 0.5f, {"businessman"});
    Hire(INSTRUMENT_DRUMS, 0.5f, {"businessman"});
    SIM_Musician* guitarist = Hire(INSTRUMENT_GUITAR);
    SIM_Asset* axe = Get("axe");
    SetCash(10000.0f);
    for (int round = 1; round <= 3; ++round) {
        const float before = Cash();
        axe->Purchase(true);
        EXPECT_FLOAT_EQ(before - Cash(), 1000.0f * (1.0f - SIM_Asset::MaxDiscount)) << round;
        axe->Purchase(true); // already owned: nothing
        EXPECT_FLOAT_EQ(before - Cash(), 1000.0f * (1.0f - SIM_Asset::MaxDiscount)) << round;
        EXPECT_EQ(CountOf(SIM_Asset::OwnedAssets, axe), 1);
        EXPECT_EQ(CountOf(guitarist->GetPossesions(), axe), 1);
        axe->Sell();
        axe->Sell(); // no longer owned: nothing
        EXPECT_LT(Cash(), before) << "a round trip costs money";
        EXPECT_FLOAT_EQ(before - Cash(), 1000.0f * (0.5f - SIM_Asset::MaxDiscount)) << round;
        EXPECT_EQ(CountOf(SIM_Asset::AvailableAssets, axe), 1) << round;
        EXPECT_EQ(EffectsNamed("axe"), 0) << round;
        EXPECT_FLOAT_EQ(Global("glob_cool"), 0.0f) << round;
    }
}

TEST_F(AssetTest, SaleValueIsHalfThePriceWhateverWasPaid)
{
    Set("RS_BUSINESS_DISCOUNT", 10.0f);
    Hire(INSTRUMENT_BASS, 0.5f, {"businessman"});
    SIM_Asset* axe = Get("axe");
    SetCash(0.0f);
    axe->Purchase(true);
    EXPECT_FLOAT_EQ(Cash(), -900.0f) << "a purchase with too little cash still completes";
    axe->Sell();
    EXPECT_FLOAT_EQ(Cash(), -400.0f);
}

TEST_F(AssetTest, APurchaseAssignsTheAssetThanksForItAndRaisesItsFlag)
{
    // Without a guitarist an instrument is owned but nobody's.
    SIM_Asset* axe = Get("axe");
    axe->Purchase(false);
    EXPECT_TRUE(axe->IsOwned());
    EXPECT_FALSE(axe->IsAssigned());
    EXPECT_FLOAT_EQ(Cash(), SIM_GetGlobalVariables()->Get("RS_STARTINGCASH")) << "a gift costs nothing";
    EXPECT_TRUE(screens.Has("PlaySound data/sounds/buy.ogg"));
    EXPECT_TRUE(screens.Has("RefreshAssets"));
    axe->Sell();

    // With one, he gets it and says thank you in the words of the shipped texts.
    UseCatalogue(kCatalogue + std::string("#,instrument,hollow body guitar,H,instruments,d,t.dds,,1,0,0,1,guitar,"
                                          "GUITAR,REBUYABLE,,0.8,,#\n"));
    SIM_Musician* guitarist = Hire(INSTRUMENT_GUITAR);
    SIM_Asset* hollow = Get("hollow body guitar");
    hollow->Purchase(true);
    EXPECT_TRUE(hollow->IsAssigned());
    EXPECT_EQ(guitarist->GetPossesions(), (std::vector<SIM_Asset*> {hollow}));
    const auto& timed = guitarist->GetCommenter()->GetTimedComments();
    ASSERT_EQ(timed.size(), 1u);
    EXPECT_EQ(timed.front()->type, SIM_Commenter::OWN_TEXT);
    EXPECT_FLOAT_EQ(timed.front()->score, 1.0f);
    EXPECT_FALSE(timed.front()->text.empty());
    EXPECT_EQ(guitarist->GetBestInstrument(), hollow);

    // A band asset joins the band's shared assets, once, and counts for everyone.
    SIM_Asset* van = Get("van");
    van->Purchase(true);
    van->AutoAssign();
    EXPECT_EQ(SIM_GetBand()->GetCommunalAssets(), (std::vector<SIM_Asset*> {van}));
    guitarist->CalculateSatisfaction();
    EXPECT_FLOAT_EQ(guitarist->GetSatisfaction(), 1.0f + 5.0f);
    EXPECT_EQ(SIM_Asset::GetOwnedByName("van"), van);
    EXPECT_EQ(SIM_Asset::GetOwnedByName("crew"), nullptr);
    EXPECT_EQ(SIM_Asset::GetByName("no such thing"), nullptr);
}

TEST_F(AssetTest, TheDayPassChargesUpkeepOnceAndTakesAwayEveryRepossessedAsset)
{
    SIM_Asset* van = Get("van");    // 3 a day
    SIM_Asset* crew = Get("crew");  // 7 a day, a service
    SIM_Asset* axe = Get("axe");    // 5 a day, stays on sale
    auto* shirts = GetAs<SIM_Merchandise>("shirts"); // 2 a day
    van->Purchase(false);
    crew->Purchase(false);
    shirts->Purchase(false);
    SetCash(100.0f);
    SIM_Asset::ProcessAll();
    EXPECT_FLOAT_EQ(Cash(), 100.0f - 3.0f - 7.0f - 2.0f) << "merchandise on sale and owned pays once";
    EXPECT_FALSE(axe->IsOwned());

    // Both marked assets go in one pass, back on sale even when they cannot be rebought.
    van->InsufficientUpkeep();
    EXPECT_FALSE(screens.Has("ShowTextureMessage asset_van.dds")) << "only a service explains itself";
    crew->InsufficientUpkeep();
    EXPECT_TRUE(screens.Has("ShowTextureMessage asset_crew.dds"));
    EXPECT_FLOAT_EQ(Global("crew"), 0.0f);
    SIM_Asset::ProcessAll();
    EXPECT_FALSE(van->IsOwned());
    EXPECT_FALSE(crew->IsOwned());
    EXPECT_EQ(SIM_Asset::OwnedAssets, (std::vector<SIM_Asset*> {shirts}));
    EXPECT_EQ(CountOf(SIM_Asset::AvailableAssets, van), 1);
    EXPECT_EQ(CountOf(SIM_Asset::AvailableAssets, crew), 1);
    EXPECT_TRUE(SIM_GetBand()->GetCommunalAssets().empty());
    EXPECT_TRUE(van->IsRepossessed()) << "until it is bought again";
    van->Purchase(false);
    EXPECT_FALSE(van->IsRepossessed());

    // Upkeep the band cannot pay takes the asset away rather than running up debt; what
    // the cash still covers is paid and kept.
    crew->Purchase(false); // owned in the order van, shirts, crew
    SetCash(5.0f);
    SIM_Asset::ProcessAll();
    EXPECT_TRUE(van->IsOwned()) << "3 a day is paid";
    EXPECT_TRUE(shirts->IsOwned()) << "2 a day is paid with what is left";
    EXPECT_FALSE(crew->IsOwned()) << "7 a day is more than is left";
    EXPECT_TRUE(crew->IsRepossessed());
    EXPECT_FLOAT_EQ(Cash(), 0.0f);
    SetCash(-100000.0f);
    EndDays(3);
    EXPECT_FALSE(van->IsOwned());
    EXPECT_GE(Cash(), -100000.0f) << "no upkeep is charged on debt";
}

TEST_F(AssetTest, PerGigCostsSumTheOwnedAssetsAndAreSpentTimesTheFactor)
{
    EXPECT_FLOAT_EQ(SIM_Asset::GetPerGigCosts(), 0.0f);
    Get("axe")->Purchase(false);   // 10
    Get("smoke")->Purchase(false); // 20
    EXPECT_FLOAT_EQ(SIM_Asset::GetPerGigCosts(), 30.0f);
    SetCash(100.0f);
    SIM_Asset::ApplyGigCosts(2.0f);
    EXPECT_FLOAT_EQ(Cash(), 40.0f);
    SIM_Asset::ApplyGigCosts(0.0f);
    EXPECT_FLOAT_EQ(Cash(), 40.0f);
}

TEST_F(AssetTest, MerchandiseStockIsAGlobalValueThatSalesNeverTakeBelowZero)
{
    auto* shirts = GetAs<SIM_Merchandise>("shirts");
    EXPECT_EQ(shirts->GetQuantity(), 0) << "no counter yet";
    SetCash(1000.0f);
    shirts->Purchase(true);
    shirts->Purchase(true);
    EXPECT_EQ(shirts->GetQuantity(), 40);
    EXPECT_FLOAT_EQ(Cash(), 800.0f);
    EXPECT_EQ(CountOf(SIM_Asset::OwnedAssets, shirts), 1);
    EXPECT_EQ(CountOf(SIM_Asset::AvailableAssets, shirts), 1) << "the shop keeps offering it";
    EXPECT_FLOAT_EQ(Global("shirts"), -1.0f) << "a batch of stock raises no flag";
    EXPECT_FALSE(screens.Has("PlaySound data/sounds/buy.ogg"));

    EXPECT_FLOAT_EQ(shirts->SellUnits(0), 0.0f);
    EXPECT_FLOAT_EQ(shirts->SellUnits(-3), 0.0f);
    EXPECT_FLOAT_EQ(Cash(), 800.0f);
    EXPECT_FLOAT_EQ(shirts->SellUnits(5), 60.0f);
    EXPECT_EQ(shirts->GetQuantity(), 35);
    EXPECT_FLOAT_EQ(Cash(), 860.0f);
    EXPECT_TRUE(screens.Alerts().empty());

    // More than the stock sells what there is, after a report.
    EXPECT_FLOAT_EQ(shirts->SellUnits(50), 35.0f * 12.0f);
    EXPECT_EQ(shirts->GetQuantity(), 0);
    EXPECT_FLOAT_EQ(Global("shirtstock"), 0.0f);
    EXPECT_EQ(screens.Alerts().size(), 1u);

    SIM_NamedValueList::ForceGlobal("shirtstock", 12.7f);
    EXPECT_EQ(shirts->GetQuantity(), 12);

    // Restored from a saved game: owned and flagged, still on sale, stock untouched.
    SIM_Asset::Open();
    shirts = GetAs<SIM_Merchandise>("shirts");
    shirts->LoadAsOwned();
    EXPECT_TRUE(shirts->IsOwned());
    EXPECT_FLOAT_EQ(Global("shirts"), 1.0f);
    EXPECT_EQ(CountOf(SIM_Asset::AvailableAssets, shirts), 1);
    EXPECT_EQ(shirts->GetQuantity(), 12);
}

TEST_F(AssetTest, StageShowAndEncumbranceAddUpOverTheOwnedEquipment)
{
    EXPECT_FLOAT_EQ(SIM_StageEquipment::GetTotalStageShow(), 0.01f);
    EXPECT_FLOAT_EQ(SIM_StageEquipment::GetTotalEncumberence(), 0.0f);
    Get("smoke")->Purchase(false);
    Get("laser")->Purchase(false);
    EXPECT_FLOAT_EQ(SIM_StageEquipment::GetTotalStageShow(), 0.5f);
    EXPECT_FLOAT_EQ(SIM_StageEquipment::GetTotalEncumberence(), 15.0f);
    Get("laser")->Sell();
    EXPECT_FLOAT_EQ(SIM_StageEquipment::GetTotalStageShow(), 0.3f);
    EXPECT_FLOAT_EQ(SIM_StageEquipment::GetTotalEncumberence(), 10.0f);
}

TEST_F(AssetTest, AVideoRaisesTheHypeOnceWhenMade)
{
    auto* hype = dynamic_cast<SIM_Attribute*>(SIM_GetBand()->GetAttributes().GetNamedValue("band_hype"));
    ASSERT_NE(hype, nullptr);
    const size_t before = hype->GetEffects().size();
    SIM_Asset* clip = Get("clip");
    clip->Purchase(true);
    clip->Purchase(true);
    ASSERT_EQ(hype->GetEffects().size(), before + 1);
    EXPECT_EQ(hype->GetEffects().back()->GetDebugName(), "video");
    EXPECT_FLOAT_EQ(hype->GetEffects().back()->GetEffect(), 0.2f);
    EXPECT_FLOAT_EQ(hype->GetEffects().back()->GetDegrade(), 0.9f);
}

TEST_F(AssetTest, ClickingOpensTheAssetsOwnWindow)
{
    Get("axe")->Clicked();
    Get("album")->Clicked();
    EXPECT_EQ(screens.Without({}), (std::vector<std::string> {"OpenAssetDetails", "OpenAssetMusic"}));
}

TEST_F(AssetTest, AReloadedCatalogueLeavesNoPointerToTheOldOne)
{
    SIM_Musician* guitarist = Hire(INSTRUMENT_GUITAR);
    SIM_Musician* candidate = Make(INSTRUMENT_GUITAR);
    Get("axe")->Purchase(false);
    Get("van")->Purchase(false);
    candidate->AddPossesion(Get("axe"));
    candidate->ChooseDesiredAsset();
    guitarist->ChooseDesiredAsset();
    ASSERT_EQ(guitarist->GetPossesions().size(), 1u);
    ASSERT_EQ(SIM_GetBand()->GetCommunalAssets().size(), 1u);

    SIM_Asset::Open();
    EXPECT_TRUE(guitarist->GetPossesions().empty());
    EXPECT_TRUE(candidate->GetPossesions().empty());
    EXPECT_EQ(guitarist->GetDesiredAsset(), nullptr);
    EXPECT_EQ(candidate->GetDesiredAsset(), nullptr);
    EXPECT_TRUE(SIM_GetBand()->GetCommunalAssets().empty());
    EXPECT_TRUE(SIM_Asset::OwnedAssets.empty());
    EXPECT_EQ(SIM_Asset::AvailableAssets.size(), SIM_Asset::All.size());
    EXPECT_FLOAT_EQ(guitarist->GetSatisfaction(), 0.0f);

    // A new game reads the shipped catalogue afresh and keeps nothing of this one.
    ForgetRiff();
    CopyShippedData();
    SIM_GetSim()->Reset();
    EXPECT_EQ(SIM_Asset::GetByName("axe"), nullptr);
    ASSERT_NE(SIM_Asset::GetByName("roadie"), nullptr);
    EXPECT_TRUE(SIM_Asset::OwnedAssets.empty());
    EXPECT_FALSE(SIM_GetBand()->HasRoadie());
    SIM_Asset::GetByName("roadie")->Purchase(true);
    EXPECT_TRUE(SIM_GetBand()->HasRoadie());
}

TEST_F(AssetTest, ALostAssetThatCannotBeBoughtAgainStaysOffSaleInARestoredGame)
{
    Get("van")->Purchase(true);   // cannot be bought again
    Get("smoke")->Purchase(true); // can
    Get("van")->Sell();
    Get("smoke")->Sell();
    ASSERT_EQ(CountOf(SIM_Asset::AvailableAssets, Get("van")), 0);

    // Restoring: the catalogue is read afresh and the global values come back.
    SIM_Asset::Open();
    Get("crew")->LoadAsOwned();
    SIM_Asset::WithdrawLostAssets();
    EXPECT_EQ(CountOf(SIM_Asset::AvailableAssets, Get("van")), 0);
    EXPECT_EQ(CountOf(SIM_Asset::AvailableAssets, Get("smoke")), 1);
    EXPECT_EQ(CountOf(SIM_Asset::AvailableAssets, Get("odd")), 1) << "never owned";
    EXPECT_EQ(CountOf(SIM_Asset::AvailableAssets, Get("crew")), 0);
    EXPECT_EQ(SIM_Asset::OwnedAssets, (std::vector<SIM_Asset*> {Get("crew")}));
    EXPECT_FLOAT_EQ(Global("crew"), 1.0f);
    EXPECT_FLOAT_EQ(Cash(), SIM_GetGlobalVariables()->Get("RS_STARTINGCASH") - 2000.0f - 500.0f + 1000.0f + 250.0f);
}

TEST_F(AssetTest, ALeavingMusiciansPossessionsGoBackWithoutBeingListedTwice)
{
    SIM_Musician* guitarist = Hire(INSTRUMENT_GUITAR);
    SIM_Asset* axe = Get("axe");
    // A candidate's own instrument is a catalogue asset that was never bought.
    guitarist->AddPossesion(axe);
    guitarist->FreeUpPossesions();
    EXPECT_EQ(CountOf(SIM_Asset::AvailableAssets, axe), 1);

    axe->Purchase(true);
    guitarist->FreeUpPossesions();
    EXPECT_FALSE(axe->IsOwned());
    EXPECT_EQ(CountOf(SIM_Asset::AvailableAssets, axe), 1);
    EXPECT_FLOAT_EQ(Global("axe"), 0.0f);
    EXPECT_EQ(EffectsNamed("axe"), 0);
}
