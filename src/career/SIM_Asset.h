#pragma once
// Anything the band can own or buy: the catalogue of "data/simulation/assets.csv", read
// once per game. Every asset lives for the whole game and moves between the assets on
// sale and the owned assets. While owned it raises a global flag named after it, costs its
// upkeep, may belong to one musician or to the band, and its modifiers are in force.
#include "sim/SIM_InstrumentType.h"
#include "sim/SIM_ModifierContainer.h"

#include <string>
#include <vector>

class CSV;

class SIM_Asset : public SIM_ModifierContainer {
public:
    // The index of an asset's flags.
    enum ASSETFLAGS { DESIRABLE = 0, STEALABLE = 1, SELLABLE = 2, SERVICE = 3, REBUYABLE = 4, EMPLOYEE = 5 };
    static constexpr int NumFlags = 6;
    static constexpr const char* File = "data/simulation/assets.csv";
    // The resale value is half the price, so a discount of a half or more would let a
    // businessman buy and sell for profit; the discount on assets stays below this.
    static constexpr float MaxDiscount = 0.45f;

    // On sale, not owned, no instrument; joins All and AvailableAssets.
    SIM_Asset();
    // Leaves every list and clears every pointer to it (possessions, desires, the band's).
    ~SIM_Asset() override;

    // Reads the catalogue afresh; the error "Assets file not found" leaves it empty.
    static void Open();
    // Deletes every asset.
    static void Close();
    // A new asset of the kind the category names (exact, case-sensitive); a plain one for
    // any other category.
    static SIM_Asset* Create(const std::string& category);
    // The day's upkeep of what is owned, then repossession of what could not be kept.
    static void ProcessAll();
    // The first asset of the catalogue with that name, or none.
    static SIM_Asset* GetByName(const std::string& name);
    // The owned asset of that name, or none.
    static SIM_Asset* GetOwnedByName(const std::string& name);
    // Whether the band still owns this asset (false for null); screens that kept a pointer
    // ask before acting on it.
    static bool IsOwned(const SIM_Asset* asset);
    // The per-gig costs of every owned asset.
    static float GetPerGigCosts();
    // Spends the per-gig costs times the factor; nothing when that is 0.
    static void ApplyGigCosts(float factor);
    // Takes away the first owned asset marked for repossession; false when there is none.
    static bool PrunePawned();
    // Takes off sale every asset that cannot be bought again and whose global flag says it
    // was owned once and lost: restores the shop of a saved game.
    static void WithdrawLostAssets();

    // Buys the asset (paying when asked): owned, flag raised, assigned, modifiers applied.
    // An asset already owned is not bought again.
    virtual void Purchase(bool pay);
    // Sells it for half its price; its flag drops, its effects and assignments end.
    virtual void Sell();
    // The player clicked its icon: the asset window.
    virtual void Clicked();
    // Reads one catalogue row (see the table file's header for the cells).
    virtual void Load(const std::string& row);
    // The day's upkeep while owned (no discount; cash may go negative).
    virtual void Process();
    // Marks it for repossession (the day pass takes it away) and lowers its flag; a
    // service says why in a message.
    virtual void InsufficientUpkeep();
    virtual bool ReBuyable() const { return flags[REBUYABLE]; }
    // Owned again from a saved game: no payment, sound, assignment or modifiers.
    virtual void LoadAsOwned();

    // Lost (smashed, or a leaving musician's): ends ownership and its effects, no money.
    void Destroy();
    // Hands it to the band, or to the first member who plays its instrument.
    void AutoAssign();
    // Takes every effect its purchase made off the band, the members, the player
    // character, the fame and the global values.
    void RemoveModifiers();

    const std::string& GetName() const { return name; }
    const std::string& GetGUIName() const { return guiName; }
    const std::string& GetDescription() const { return description; }
    const std::string& GetStoreName() const { return storeName; }
    const std::string& GetTextureName() const { return textureName; }
    const std::string& GetPurchaseSound() const { return purchaseSound; }
    const std::string& GetCategory() const { return category; }
    const std::string& GetTypeName() const { return typeName; }
    const std::string& GetAssigneeName() const { return assigneeName; }
    const std::string& GetExtraText() const { return extraText; }
    INSTRUMENT GetAssigneeInstrument() const { return assigneeInstrument; }
    bool GetFlag(int flag) const { return flag >= 0 && flag < NumFlags && flags[flag]; }
    bool IsOwned() const { return owned; }
    bool IsAssigned() const { return assigned; }
    // The assigned flag as a saved game holds it; nothing else changes.
    void SetAssigned(bool a) { assigned = a; }
    bool IsRepossessed() const { return repossess; }
    float GetPurchaseCost() const { return purchaseCost; }
    float GetDailyCost() const { return dailyCost; }
    float GetPerGigCost() const { return perGigCost; }
    float GetSatisfaction() const { return satisfaction; }
    // The pieces of a cell between commas, untrimmed (flag words, track titles).
    static std::vector<std::string> SplitAtCommas(const std::string& cell);
    // The assignee word's instrument; INSTRUMENT_NONE for "VOCALS", "BAND" and any other.
    static INSTRUMENT InstrumentFromWord(const std::string& word);

    // Every asset of the catalogue, in file order; owns them.
    static std::vector<SIM_Asset*> All;
    // The assets on sale, in catalogue order.
    static std::vector<SIM_Asset*> AvailableAssets;
    // The owned assets, in order of acquisition.
    static std::vector<SIM_Asset*> OwnedAssets;

protected:
    // The kind's own cells, from cell 17 on.
    virtual void LoadAssetSpecificData(CSV& row);
    // Modifier cells (each up to 127 characters) up to the cell that ends the row; false
    // when the row ends without one.
    bool ReadModifiers(CSV& row);
    // Pays the price less the band's business discount (below MaxDiscount).
    void PayDiscounted() const;
    // Sets the global flag named after the asset, creating it when it is missing.
    void RaiseFlag() const;
    void LowerFlag() const;
    // Moves the asset from the owned list back on sale (when it can be, once).
    void EndOwnership(bool backOnSale);
    void PutOnSale();
    // Takes a lost asset from the band's shared assets and every member's possessions.
    void Unassign();

    bool flags[NumFlags] = {};
    std::string description;
    bool assigned = false;
    std::string purchaseSound;
    float dailyCost = 0.0f;
    float perGigCost = 0.0f;
    std::string textureName;
    std::string guiName;
    std::string name;
    std::string storeName;
    std::string assigneeName;
    std::string typeName;
    std::string category;
    INSTRUMENT assigneeInstrument = INSTRUMENT_NONE;
    std::string extraText;
    bool repossess = false;
    bool owned = false;
    float purchaseCost = 0.0f;
    float satisfaction = 0.0f;

private:
    // Applies the modifiers once, remembering how far each global value moved.
    void ApplyPurchaseModifiers();
    // The change each "glob_" modifier made at the last purchase, by modifier index.
    std::vector<float> globalChanges;
};
