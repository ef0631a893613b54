#include "career/SIM_Asset.h"

#include "career/SIM_AssetKinds.h"
#include "career/SIM_AssetMusic.h"
#include "engine/CSpreadsheet.h"
#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "sim/GAssert.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Commenter.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Screens.h"

#include <algorithm>
#include <cstdlib>

std::vector<SIM_Asset*> SIM_Asset::All;
std::vector<SIM_Asset*> SIM_Asset::AvailableAssets;
std::vector<SIM_Asset*> SIM_Asset::OwnedAssets;

namespace {

const char* const kFlagWords[SIM_Asset::NumFlags] = {"DESIRABLE", "STEALABLE", "SELLABLE",
                                                      "SERVICE", "REBUYABLE", "EMPLOYEE"};

void Erase(std::vector<SIM_Asset*>& list, const SIM_Asset* asset)
{
    list.erase(std::remove(list.begin(), list.end(), asset), list.end());
}

bool Contains(const std::vector<SIM_Asset*>& list, const SIM_Asset* asset)
{
    return std::find(list.begin(), list.end(), asset) != list.end();
}

bool IsGlobalModifier(const SIM_Modifier& modifier)
{
    return modifier.GetName().find("glob_") != std::string::npos;
}

} // namespace

SIM_Asset::SIM_Asset()
{
    All.push_back(this);
    AvailableAssets.push_back(this);
}

SIM_Asset::~SIM_Asset()
{
    Erase(All, this);
    Erase(AvailableAssets, this);
    Erase(OwnedAssets, this);
    SIM_GetBand()->RemoveCommunalAsset(this);
    for (SIM_Musician* m : SIM_Musician::All)
        m->ForgetAsset(this);
}

std::vector<std::string> SIM_Asset::SplitAtCommas(const std::string& cell)
{
    std::vector<std::string> words;
    size_t start = 0;
    for (size_t comma; (comma = cell.find(',', start)) != std::string::npos; start = comma + 1)
        words.push_back(cell.substr(start, comma - start));
    words.push_back(cell.substr(start));
    return words;
}

INSTRUMENT SIM_Asset::InstrumentFromWord(const std::string& word)
{
    if (word == "GUITAR")
        return INSTRUMENT_GUITAR;
    if (word == "BASS")
        return INSTRUMENT_BASS;
    if (word == "SAXOPHONE")
        return INSTRUMENT_SAXOPHONE;
    if (word == "KEYBOARD")
        return INSTRUMENT_KEYBOARD;
    if (word == "DRUMS")
        return INSTRUMENT_DRUMS;
    return INSTRUMENT_NONE;
}

// ---- the catalogue ----

void SIM_Asset::Open()
{
    Close();
    CSpreadsheet sheet(File);
    if (!sheet.WasRead()) {
        GError("Assets file not found", __FILE__, __LINE__);
        return;
    }
    for (const std::string& row : sheet) {
        CSV csv;
        csv.Initialise(row, ',');
        csv.GetNextToken();
        const std::string category = csv.Finished() ? std::string() : csv.GetNextToken();
        Create(category)->Load(row);
    }
}

void SIM_Asset::Close()
{
    while (!All.empty())
        delete All.front();
    All.clear();
    OwnedAssets.clear();
    AvailableAssets.clear();
}

SIM_Asset* SIM_Asset::Create(const std::string& category)
{
    if (category == "stage_equipment")
        return new SIM_StageEquipment;
    if (category == "recorded_music")
        return new SIM_AssetMusic;
    if (category == "instrument")
        return new SIM_Instrument;
    if (category == "merchandise")
        return new SIM_Merchandise;
    if (category == "video")
        return new SIM_Video;
    return new SIM_Asset;
}

void SIM_Asset::Load(const std::string& text)
{
    CSV row;
    row.Initialise(text, ',');
    row.GetNextToken(); // the row marker
    if (row.GetNextString() == "recorded_music")
        typeName = "recorded_music";
    name = row.GetNextString();
    debugname = name;
    guiName = row.GetNextString();
    storeName = row.GetNextString();
    description = row.GetNextString();
    textureName = row.GetNextString();
    purchaseSound = row.GetNextString();
    purchaseCost = row.GetNextFloat();
    dailyCost = row.GetNextFloat();
    perGigCost = row.GetNextFloat();
    satisfaction = row.GetNextFloat();
    category = row.GetNextString();
    assigneeName = row.GetNextToken();
    assigneeInstrument = InstrumentFromWord(assigneeName);
    for (const std::string& word : SplitAtCommas(row.GetNextToken()))
        for (int f = 0; f < NumFlags; ++f)
            if (word == kFlagWords[f])
                flags[f] = true;
    extraText = row.GetNextString();
    LoadAssetSpecificData(row);

    // One spare cell, then the modifiers up to the cell that ends the row. A row that
    // lacks its end cell is reported rather than read past its end.
    if (!row.Finished())
        row.GetNextToken();
    if (!ReadModifiers(row))
        GWarning(("Asset row has no end cell: " + name).c_str(), __FILE__, __LINE__);
}

bool SIM_Asset::ReadModifiers(CSV& row)
{
    while (!row.Finished()) {
        std::string cell = row.GetNextToken();
        if (!cell.empty() && cell[0] == '#')
            return true;
        AddModifier(cell.substr(0, 127).c_str());
    }
    return false;
}

void SIM_Asset::LoadAssetSpecificData(CSV&)
{
}

SIM_Asset* SIM_Asset::GetByName(const std::string& n)
{
    for (SIM_Asset* a : All)
        if (a->name == n)
            return a;
    return nullptr;
}

bool SIM_Asset::IsOwned(const SIM_Asset* asset)
{
    return asset && std::find(OwnedAssets.begin(), OwnedAssets.end(), asset) != OwnedAssets.end();
}

SIM_Asset* SIM_Asset::GetOwnedByName(const std::string& n)
{
    for (SIM_Asset* a : OwnedAssets)
        if (a->owned && a->name == n)
            return a;
    return nullptr;
}

// ---- money ----

float SIM_Asset::GetPerGigCosts()
{
    float total = 0.0f;
    for (const SIM_Asset* a : OwnedAssets)
        total += a->perGigCost;
    return total;
}

void SIM_Asset::ApplyGigCosts(float factor)
{
    const float cost = GetPerGigCosts() * factor;
    if (cost != 0.0f)
        SIM_GetFinances()->SpendCash(cost);
}

void SIM_Asset::PayDiscounted() const
{
    const float discount = std::min(SIM_Finances::GetDiscount(), MaxDiscount);
    SIM_GetFinances()->SpendCash(purchaseCost - discount * purchaseCost);
}

void SIM_Asset::Process()
{
    if (!owned || dailyCost == 0.0f)
        return;
    // Upkeep the band cannot pay is not run up as debt for ever: the asset is taken away
    // by this day's pass instead.
    if (dailyCost > 0.0f && SIM_GetFinances()->GetCash() < dailyCost) {
        InsufficientUpkeep();
        return;
    }
    SIM_GetFinances()->SpendCash(dailyCost);
}

void SIM_Asset::ProcessAll()
{
    // Owned merchandise stays on sale too; it pays its upkeep once, with the owned assets.
    const std::vector<SIM_Asset*> onSale = AvailableAssets;
    for (SIM_Asset* a : onSale)
        if (!a->owned)
            a->Process();
    const std::vector<SIM_Asset*> owned = OwnedAssets;
    for (SIM_Asset* a : owned)
        a->Process();
    while (PrunePawned()) {
    }
}

// ---- ownership ----

void SIM_Asset::RaiseFlag() const
{
    SIM_NamedValueList& globals = SIM_NamedValueList::Globals();
    if (SIM_NamedValue* flag = globals.GetNamedValue(name))
        flag->SetValue(1.0f);
    else
        globals.AddValue(new SIM_NamedValue(name, guiName, 1.0f));
}

void SIM_Asset::LowerFlag() const
{
    if (SIM_NamedValue* flag = SIM_NamedValueList::Globals().GetNamedValue(name))
        flag->SetValue(0.0f);
}

void SIM_Asset::PutOnSale()
{
    if (!Contains(AvailableAssets, this))
        AvailableAssets.push_back(this);
}

void SIM_Asset::EndOwnership(bool backOnSale)
{
    owned = false;
    Erase(OwnedAssets, this);
    if (backOnSale)
        PutOnSale();
}

void SIM_Asset::Purchase(bool pay)
{
    if (owned)
        return;
    Erase(AvailableAssets, this);
    owned = true;
    repossess = false;
    OwnedAssets.push_back(this);
    if (pay)
        PayDiscounted();
    RaiseFlag();
    if (!purchaseSound.empty())
        SIM_GetScreens()->PlaySound(purchaseSound);
    if (!assigneeName.empty())
        AutoAssign();
    SIM_GetScreens()->RefreshAssets();
    ApplyPurchaseModifiers();
}

void SIM_Asset::ApplyPurchaseModifiers()
{
    SIM_NamedValueList& globals = SIM_NamedValueList::Globals();
    globalChanges.assign(modifiers.size(), 0.0f);
    for (size_t i = 0; i < modifiers.size(); ++i) {
        const SIM_Modifier& modifier = modifiers[i];
        if (!IsGlobalModifier(modifier)) {
            modifier.Apply(1.0f);
            continue;
        }
        const SIM_NamedValue* before = globals.GetNamedValue(modifier.GetName());
        const float old = before ? before->GetValue() : 0.0f;
        modifier.Apply(1.0f);
        globalChanges[i] = globals.GetNamedValue(modifier.GetName())->GetValue() - old;
    }
}

void SIM_Asset::AutoAssign()
{
    SIM_Band* band = SIM_GetBand();
    if (assigneeName == "BAND") {
        if (!Contains(band->GetCommunalAssets(), this))
            band->AddCommunalAsset(this);
        return;
    }
    SIM_Musician* m = assigneeInstrument == INSTRUMENT_NONE ? nullptr : band->GetFirstMember(assigneeInstrument);
    if (!m)
        return;
    assigned = true;
    if (!Contains(m->GetPossesions(), this))
        m->AddPossesion(this);
    const std::string thanks = GTranslation::GetRandomString(name + "_THANKS");
    if (!thanks.empty())
        m->GetCommenter()->AddTimedComment(SIM_Commenter::OWN_TEXT, 1.0f, thanks);
}

void SIM_Asset::Unassign()
{
    assigned = false;
    SIM_GetBand()->RemoveCommunalAsset(this);
    for (SIM_Musician* m : SIM_GetBand()->GetMembers())
        if (Contains(m->GetPossesions(), this))
            m->RemovePossesion(this);
}

void SIM_Asset::Sell()
{
    if (!owned)
        return;
    repossess = false;
    EndOwnership(ReBuyable());
    SIM_GetFinances()->AddCash(purchaseCost * 0.5f);
    LowerFlag();
    if (purchaseCost > 0.0f)
        SIM_GetScreens()->PlaySound("data/sounds/cash.ogg");
    Unassign();
    SIM_GetScreens()->RefreshAssets();
    RemoveModifiers();
}

void SIM_Asset::Destroy()
{
    repossess = false;
    EndOwnership(ReBuyable());
    LowerFlag();
    RemoveModifiers();
}

void SIM_Asset::LoadAsOwned()
{
    RaiseFlag();
    owned = true;
    Erase(AvailableAssets, this);
    Erase(OwnedAssets, this);
    OwnedAssets.push_back(this);
}

void SIM_Asset::InsufficientUpkeep()
{
    repossess = true;
    LowerFlag();
    if (!flags[SERVICE])
        return;
    std::string text = GTranslation::GetString("ASSET_INSUFFICIENTUPKEEP_TEXT");
    GTranslation::ReplaceToken(text, "<ASSETNAME>", guiName);
    SIM_GetScreens()->ShowTextureMessage(textureName, text,
                                         GTranslation::GetString("ASSET_INSUFFICIENTUPKEEP_TITLE"));
}

bool SIM_Asset::PrunePawned()
{
    auto it = std::find_if(OwnedAssets.begin(), OwnedAssets.end(), [](const SIM_Asset* a) { return a->repossess; });
    if (it == OwnedAssets.end())
        return false;
    SIM_Asset* asset = *it;
    asset->EndOwnership(true);
    asset->Unassign();
    SIM_GetScreens()->RefreshAssets();
    return true;
}

void SIM_Asset::WithdrawLostAssets()
{
    const SIM_NamedValueList& globals = SIM_NamedValueList::Globals();
    const std::vector<SIM_Asset*> onSale = AvailableAssets;
    for (SIM_Asset* a : onSale) {
        const SIM_NamedValue* flag = globals.GetNamedValue(a->name);
        if (!a->ReBuyable() && !a->owned && flag && flag->GetValue() == 0.0f)
            Erase(AvailableAssets, a);
    }
}

void SIM_Asset::Clicked()
{
    SIM_GetScreens()->OpenAssetDetails(this);
}

void SIM_Asset::RemoveModifiers()
{
    SIM_GetBand()->RemoveModifiers(this);

    // The band takes them off its attributes and the members' stress; the purchase may
    // also have moved the members' motivation and experience, the player character and
    // the fame, all with effects that carry the asset's name.
    std::vector<SIM_Effect*> mine;
    for (SIM_Effect* e : SIM_Effect::All)
        if (e->GetDebugName() == debugname)
            mine.push_back(e);
    for (SIM_Effect* e : mine)
        delete e; // leaves its list
    if (!mine.empty()) {
        for (SIM_Attribute* a : SIM_Attribute::All)
            a->CalculateValue();
        SIM_GetFame()->CalculateValue();
    }

    // Global values take no effects: give back what the purchase added.
    SIM_NamedValueList& globals = SIM_NamedValueList::Globals();
    for (size_t i = 0; i < globalChanges.size() && i < modifiers.size(); ++i)
        if (SIM_NamedValue* value = globals.GetNamedValue(modifiers[i].GetName()))
            if (globalChanges[i] != 0.0f)
                value->ProcOperator("-=", globalChanges[i]);
    globalChanges.clear();
}
