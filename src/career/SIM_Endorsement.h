#pragma once
// A sponsor's offer: money now for the band's name carrying the sponsor's, at the risk of
// a loss of fame with the fans. Read from the endorsements table; an endorsement that has
// been accepted or rejected is never offered again in that game.
#include <string>
#include <vector>

class SIM_Endorsement {
public:
    static constexpr const char* File = "data/simulation/endorsements.csv";

    // Joins All.
    SIM_Endorsement();
    SIM_Endorsement(const SIM_Endorsement&) = delete;
    SIM_Endorsement& operator=(const SIM_Endorsement&) = delete;
    // Leaves All and Offered.
    virtual ~SIM_Endorsement();

    // Close, then one endorsement per row (none when the file is missing).
    static void Open();
    // Deletes every endorsement, offered or not.
    static void Close();
    // The first unoffered endorsement of that name, or null.
    static SIM_Endorsement* GetByName(const std::string& name);
    // Marks an endorsement of a saved game as answered; false when none of that name is
    // waiting to be offered.
    static bool MarkOffered(const std::string& name);

    // Reads a row: marker, name, amount, text, fame-hit chance.
    void ReadRow(const std::string& row);

    // Pays the amount, may cost fame, renames the band after the sponsor and marks the
    // endorsement answered. The fame-hit factor drawn, 0 when there was no hit. An
    // endorsement already answered pays and changes nothing.
    float Accept();
    // Marks the endorsement answered; nothing else changes.
    void Reject();
    bool IsAnswered() const;

    const std::string& GetName() const { return name; }
    const std::string& GetText() const { return text; }
    float GetAmount() const { return amount; }
    float GetFameHitChance() const { return fameHitChance; }

    // Not yet offered, in table order.
    static std::vector<SIM_Endorsement*> All;
    // Accepted or rejected.
    static std::vector<SIM_Endorsement*> Offered;

private:
    // Moves the endorsement from All to Offered; false when it was not on All.
    bool MoveToOffered();

    std::string name;
    std::string text;
    float amount = 0.0f;
    float fameHitChance = 0.0f;
};
