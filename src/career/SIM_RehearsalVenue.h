#pragma once
// A rehearsal room from the rooms table: what a day there costs, the standard it offers
// and the modifiers a rehearsal uses ("band_rehearsal": readiness gained per song,
// "band_stress": stress given to each member). A musician expects a room that matches the
// band's fame and his ego; a better or worse one pleases or annoys him.
#include "sim/SIM_ModifierContainer.h"

#include <string>
#include <vector>

class CSV;
class SIM_Musician;

// Reads the rest of a table row as modifiers of the row, one per cell, each cut to 127
// characters (the rooms and relax places end their rows so).
void SIM_ReadModifierCells(CSV& csv, SIM_ModifierContainer& row);

class SIM_RehearsalVenue : public SIM_ModifierContainer {
public:
    static constexpr const char* File = "data/simulation/rehearsals.csv";

    // Zero numbers and empty texts; joins All.
    SIM_RehearsalVenue();
    // Leaves All.
    ~SIM_RehearsalVenue() override;

    // Close, then one room per table row in file order.
    static void Open();
    // Deletes every room.
    static void Close();

    // Reads one table row: marker, name, display name, description, level, minimum,
    // maximum, cost, image, an ignored cell, then one modifier per cell.
    void ReadRow(const std::string& row);

    // The room's effect on a musician's motivation, kept within the balance limits.
    float GetMotivation(SIM_Musician* musician) const;
    // The band's rehearsal value afresh.
    void Use();

    float GetCost() const { return cost; }
    int GetLevel() const { return level; }
    float GetMinimum() const { return minimum; }
    float GetMaximum() const { return maximum; }
    const std::string& GetName() const { return name; }
    const std::string& GetGUIName() const { return guiname; }
    const std::string& GetDescription() const { return description; }
    const std::string& GetImage() const { return image; }

    // The rooms, in table order.
    static std::vector<SIM_RehearsalVenue*> All;

private:
    float minimum = 0.0f;
    float maximum = 0.0f;
    int level = 0;
    float cost = 0.0f;
    std::string name;
    std::string guiname;
    std::string description;
    std::string image;
};
