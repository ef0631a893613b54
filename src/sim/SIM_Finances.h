#pragma once
// The player's cash. All money of the game moves through here: income with AddCash,
// spending with SpendCash, and rentals and damage with SpendDiscountedCash, which the
// band's business-minded members make cheaper.
class SIM_Finances {
public:
    SIM_Finances() = default;
    SIM_Finances(const SIM_Finances&) = delete;
    SIM_Finances& operator=(const SIM_Finances&) = delete;
    virtual ~SIM_Finances() = default;

    // A new game: the balance value "RS_STARTINGCASH".
    void Reset();
    float GetCash() const { return cash; }
    // The saved-game reader restores the cash.
    void SetCash(float amount) { cash = amount; }
    // Income: cash += amount, counted in the income and highest-cash statistics.
    void AddCash(float amount);
    // cash -= amount; cash may go below 0.
    void SpendCash(float amount);
    // Pays the price less the discount; never adds money.
    void SpendDiscountedCash(float price);
    // ("businessman" members x "RS_BUSINESS_DISCOUNT" / 100), kept within 0..1.
    static float GetDiscount();

private:
    float cash = 0.0f;
};

SIM_Finances* SIM_GetFinances();
