#pragma once
// A place the band can relax at, from the relax table: its texts and pictures, a price per
// musician and the modifiers a visit applies.
#include "sim/SIM_ModifierContainer.h"

#include <string>
#include <vector>

class SIM_RelaxVenue : public SIM_ModifierContainer {
public:
    static constexpr const char* File = "data/simulation/relax.csv";

    // Empty texts, cost 0; joins All.
    SIM_RelaxVenue();
    // Leaves All.
    ~SIM_RelaxVenue() override;

    // Close, then one place per table row in file order (none when the file is missing).
    static void Open();
    // Deletes every place.
    static void Close();

    // Reads one table row: marker, name, display name, description, cost per member,
    // texture, icon, then one modifier per cell.
    void ReadRow(const std::string& row);

    // Pays cost per member x the line-up (no cash check), applies the modifiers in full
    // and counts the day's activity, so the day ends before any result is shown.
    void Use();

    const std::string& GetName() const { return name; }
    const std::string& GetGUIName() const { return guiname; }
    const std::string& GetTexture() const { return texture; }
    const std::string& GetIcon() const { return icon; }
    const std::string& GetDescription() const { return description; }
    float GetCostPerMember() const { return costPerMember; }

    // The places, in table order.
    static std::vector<SIM_RelaxVenue*> All;

private:
    std::string name;
    std::string guiname;
    std::string texture;
    std::string icon;
    std::string description;
    float costPerMember = 0.0f;
};
