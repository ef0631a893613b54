#include "sim/SIM_Names.h"

#include "engine/CSpreadsheet.h"
#include "engine/GDebugEngine.h"
#include "engine/GRandom.h"
#include "engine/IniLoader.h"
#include "sim/GAssert.h"
#include "sim/SIM_Riza.h"

#include <algorithm>
#include <iterator>

namespace {
// Draws before a forename equal to the one to avoid is given up on.
constexpr int kForenameRetries = 64;

// The player character's forename, which no one else in the band should share.
std::string PlayerForename()
{
    return SIM_GetRiza()->GetForeName();
}
}

std::list<std::unique_ptr<SIM_Name>> SIM_Names::Lists[SIM_Names::NUM_LISTS];

void SIM_Names::Open()
{
    Close();
    LoadNames(SurnamesFile, SURNAMES);
    LoadNames(MaleForenamesFile, MALE_FORENAMES);
    LoadNames(FemaleForenamesFile, FEMALE_FORENAMES);
}

void SIM_Names::Close()
{
    for (auto& list : Lists)
        list.clear();
}

void SIM_Names::LoadNames(const char* file, LIST list)
{
    CSpreadsheet sheet(file);
    if (!sheet.WasRead())
        GError("No names found", __FILE__, __LINE__);
    for (const std::string& row : sheet) {
        CSV csv;
        csv.Initialise(row, ',');
        csv.GetNextToken();
        Lists[list].push_back(std::make_unique<SIM_Name>(SIM_Name {csv.GetNextString()}));
    }
    if (Lists[list].empty())
        GError("No names found", __FILE__, __LINE__);
}

std::string SIM_Names::Draw(LIST list)
{
    const auto& names = Lists[list];
    if (names.empty())
        return {};
    return std::next(names.begin(), long(GRandom::RandIndex(names.size())))->get()->name;
}

std::string SIM_Names::GetSurname()
{
    return Draw(SURNAMES);
}

std::string SIM_Names::GetForename(int gender, bool notPlayers)
{
    if (!notPlayers)
        return Draw(gender == 1 ? FEMALE_FORENAMES : MALE_FORENAMES);
    return GetForename(gender, PlayerForename());
}

std::string SIM_Names::GetForename(int gender, const std::string& avoid)
{
    const LIST list = gender == 1 ? FEMALE_FORENAMES : MALE_FORENAMES;
    std::string name = Draw(list);
    for (int i = 0; i < kForenameRetries && !name.empty() && name == avoid; ++i)
        name = Draw(list);
    if (name.empty() || name != avoid)
        return name;
    // Unlucky draws or a list of that one name: take the first other name, if any.
    for (const auto& n : Lists[list])
        if (n->name != avoid)
            return n->name;
    DebugOutF("Every forename in the list is %s", avoid.c_str());
    return name;
}

SIM_NamesList SIM_NamesList::BandNames;
SIM_NamesList SIM_NamesList::AlbumNames;
SIM_NamesList SIM_NamesList::SongNames;
bool SIM_NamesList::BOpened = false;

void SIM_NamesList::Open()
{
    BandNames.Initialise("band names", "data/simulation/band_names.txt");
    AlbumNames.Initialise("album names", "data/simulation/album_names.txt");
    SongNames.Initialise("song names", "data/simulation/song_names.txt");
    BOpened = true;
}

void SIM_NamesList::Close()
{
    for (SIM_NamesList* list : {&BandNames, &AlbumNames, &SongNames})
        list->names_.clear();
    BOpened = false;
}

void SIM_NamesList::Initialise(const char* section, const char* file)
{
    section_ = section ? section : "";
    file_ = file ? file : "";
    IniLoader loader;
    loader.LoadSection(section_, file_);
    for (const auto& entry : loader.GetEntries())
        names_.push_back(entry.key);
    GAssert(!names_.empty(), __FILE__, __LINE__);
}

std::string SIM_NamesList::GetRandom()
{
    if (!BOpened)
        Open();
    if (names_.empty())
        Initialise(section_.c_str(), file_.c_str());
    if (names_.empty())
        return {};
    return names_[GRandom::RandIndex(names_.size())];
}

void SIM_NamesList::Remove(const std::string& name)
{
    names_.erase(std::remove(names_.begin(), names_.end(), name), names_.end());
}
