#include "career/SIM_OtherBandManager.h"

#include "career/SIM_OtherGig.h"
#include "career/SIM_SongElement.h"
#include "engine/CSpreadsheet.h"
#include "engine/GRandom.h"
#include "engine/Utilities.h"
#include "sim/GAssert.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Riza.h"

#include <algorithm>
#include <cstdlib>

// ---- a rival band ----

void SIM_OtherBand::Load(CSV* row)
{
    GAssert(row != nullptr, __FILE__, __LINE__);
    if (!row)
        return;
    auto text = [row] { return TrimEnd(row->GetNextToken()); };
    row->GetNextToken(); // the row marker
    extraNumber = float(std::atof(text().c_str()));
    cost = float(std::atof(text().c_str()));
    name = text();
    debugname = name;
    guiName = text();
    const std::string element = text();
    unlock = SIM_SongElement::GetByName(element);
    GAssert(unlock != nullptr, __FILE__, __LINE__);
    music = text();
    description = text();
    extraText = text();
    logo = text();
    inspiration = float(std::atof(text().c_str()));
}

void SIM_OtherBand::SeeLive()
{
    SIM_GetFinances()->SpendCash(cost);
    if (unlock)
        unlock->UnlockElement(nullptr);
    SIM_GetRiza()->ApplyEffect("inspiration", inspiration,
                               SIM_GetGlobalVariables()->Get("RS_OTHERBAND_INSPIRE_DEGRADE"), name);
}

// ---- the manager ----

SIM_OtherBandManager* SIM_GetOtherBands()
{
    static SIM_OtherBandManager* instance = new SIM_OtherBandManager;
    return instance;
}

namespace {
// The cells of a row, counted the way the cell reader splits it; 0 when a quote is left
// open (the reader would stop the program on such a row).
size_t CountCells(const std::string& row)
{
    if (std::count(row.begin(), row.end(), '"') % 2 != 0)
        return 0;
    CSV csv;
    csv.Initialise(row, ',');
    size_t cells = 0;
    for (; !csv.Finished(); ++cells)
        csv.GetNextToken();
    return cells;
}
}

void SIM_OtherBandManager::Open()
{
    Close();
    std::unique_ptr<CSpreadsheet> sheet = CSpreadsheet::Create(File);
    for (size_t i = 0; i < sheet->size(); ++i) {
        const std::string& row = (*sheet)[i];
        const size_t cells = CountCells(row);
        if (cells < SIM_OtherBand::Columns) {
            const std::string report = std::string(File) + " line " + std::to_string(sheet->GetLineNumber(i)) +
                                       (cells ? ": too few cells" : ": a quote is not closed") +
                                       "; the row is skipped";
            GWarning(report.c_str(), __FILE__, __LINE__);
            continue;
        }
        CSV csv;
        csv.Initialise(row, ',');
        auto* band = new SIM_OtherBand;
        band->Load(&csv);
        bands.push_back(band);
        bag.push_back(band);
    }
}

void SIM_OtherBandManager::Close()
{
    SIM_OtherGig::Clear();
    bag.clear();
    for (SIM_OtherBand* band : bands)
        delete band;
    bands.clear();
}

SIM_OtherBand* SIM_OtherBandManager::GetByName(const std::string& name) const
{
    for (SIM_OtherBand* band : bands)
        if (band->GetName() == name)
            return band;
    GWarning("Failed to find other band", __FILE__, __LINE__);
    return nullptr;
}

void SIM_OtherBandManager::GenerateGigs()
{
    if (!GRandom::IsChance(SIM_GetGlobalVariables()->Get("RS_OTHER_BAND_CHANCE")))
        return;
    if (bag.empty())
        bag = bands;
    if (bag.empty()) {
        GWarning("No available bands", __FILE__, __LINE__);
        return;
    }
    const size_t index = GRandom::RandIndex(bag.size());
    SIM_OtherBand* band = bag[index];
    bag.erase(bag.begin() + static_cast<std::ptrdiff_t>(index));
    SIM_OtherGig::Create(band);
}

SIM_OtherGig* SIM_OtherBandManager::RestoreGig(const std::string& name, int day, int month, int year)
{
    SIM_OtherBand* band = GetByName(name);
    if (!band)
        return nullptr;
    auto* gig = new SIM_OtherGig;
    gig->SetBand(band);
    gig->GetDate() = SIM_Date(day, month, year);
    gig->AddCalendarEntry();
    TakeFromBag(band);
    return gig;
}

void SIM_OtherBandManager::ReturnToBag(SIM_OtherBand* band)
{
    if (band && std::find(bag.begin(), bag.end(), band) == bag.end())
        bag.push_back(band);
}

void SIM_OtherBandManager::TakeFromBag(SIM_OtherBand* band)
{
    bag.erase(std::remove(bag.begin(), bag.end(), band), bag.end());
}
