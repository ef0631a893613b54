#pragma once
// Rival bands, read from their table, and the draw that gives each of them a gig in turn:
// bands come at random out of a bag of those not yet drawn, refilled once it is empty.
#include "sim/SIM_ModifierContainer.h"

#include <string>
#include <vector>

class CSV;
class SIM_OtherGig;
class SIM_SongElement;

// A rival band: whom the player can watch, what it costs and what watching gives.
class SIM_OtherBand : public SIM_ModifierContainer {
public:
    // The cells a row needs: marker and ten values.
    static constexpr size_t Columns = 11;

    // Reads one row: marker, extra number, cost, name, display name, song element, music,
    // description, extra text, logo, inspiration.
    void Load(CSV* row);
    // The player watches the band: pays the ticket (the option checked the cash),
    // unlocks its song element and is inspired.
    void SeeLive();

    const std::string& GetName() const { return name; }
    const std::string& GetGUIName() const { return guiName; }
    const std::string& GetDescription() const { return description; }
    const std::string& GetLogo() const { return logo; }
    std::string GetMusic() const { return music; }
    const std::string& GetExtraText() const { return extraText; }
    float GetExtraNumber() const { return extraNumber; }
    float GetCost() const { return cost; }
    float GetInspiration() const { return inspiration; }
    SIM_SongElement* GetUnlock() const { return unlock; }

private:
    std::string guiName;
    std::string name;
    std::string description;
    std::string music;
    std::string extraText;
    std::string logo;
    float extraNumber = 0.0f;
    float cost = 0.0f;
    SIM_SongElement* unlock = nullptr;
    float inspiration = 0.0f;
};

class SIM_OtherBandManager {
public:
    static constexpr const char* File = "data/simulation/otherbands.csv";

    // Close, then one band per row, each in the bag. A row with too few cells is
    // reported with its line and skipped.
    void Open();
    // Deletes every band and every rival gig.
    void Close();
    // The first band of that name; a warning and null when none.
    SIM_OtherBand* GetByName(const std::string& name) const;
    // The daily draw: by chance, the next band out of the bag gets a gig.
    void GenerateGigs();
    // A gig of a saved game: made only once its band is found, dated, entered in the
    // calendar and its band taken out of the bag. Null when no band has that name.
    SIM_OtherGig* RestoreGig(const std::string& name, int day, int month, int year);
    // Puts a band back in the bag unless it is there already.
    void ReturnToBag(SIM_OtherBand* band);

    const std::vector<SIM_OtherBand*>& GetBands() const { return bands; }
    const std::vector<SIM_OtherBand*>& GetBag() const { return bag; }

private:
    void TakeFromBag(SIM_OtherBand* band);

    std::vector<SIM_OtherBand*> bands;
    std::vector<SIM_OtherBand*> bag;
};

SIM_OtherBandManager* SIM_GetOtherBands();
