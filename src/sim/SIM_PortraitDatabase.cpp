#include "sim/SIM_PortraitDatabase.h"

#include "engine/GFileList.h"
#include "engine/GRandom.h"
#include "port/Paths.h"
#include "sim/GAssert.h"

#include <algorithm>

namespace {
const char* const kMoods[] = {"_vsad.jpg", "_sad.jpg", "_neutral.jpg", "_happy.jpg"};

void RemoveAll(std::vector<std::string>& list, const std::string& name)
{
    list.erase(std::remove(list.begin(), list.end(), name), list.end());
}

bool Contains(const std::vector<std::string>& list, const std::string& name)
{
    return std::find(list.begin(), list.end(), name) != list.end();
}

// A portrait folder must hold the four mood pictures named after it, or the musician
// would be drawn without a face.
bool HasEveryMood(const std::string& folder, const std::string& name)
{
    for (const char* mood : kMoods)
        if (!GFile::FileExists(folder + "/" + name + "/" + name + mood)) {
            std::string text = "Portrait " + name + " lacks " + name + mood;
            GWarning(text.c_str(), __FILE__, __LINE__);
            return false;
        }
    return true;
}
}

SIM_PortraitDatabase* SIM_GetPortraits()
{
    static SIM_PortraitDatabase* instance = new SIM_PortraitDatabase;
    return instance;
}

void SIM_PortraitDatabase::Open()
{
    Close();
    const std::string user = GetUserFolder();
    AddFolder("data/bitmaps/male_portraits/*.*", allMale_, freeMale_);
    AddFolder("data/bitmaps/female_portraits/*.*", allFemale_, freeFemale_);
    AddFolder(user + "/mods/portraits_m/*.*", allMale_, freeMale_);
    AddFolder(user + "/mods/portraits_f/*.*", allFemale_, freeFemale_);
}

void SIM_PortraitDatabase::Close()
{
    allMale_.clear();
    allFemale_.clear();
    freeMale_.clear();
    freeFemale_.clear();
}

void SIM_PortraitDatabase::AddFolder(const std::string& pattern, std::vector<std::string>& all,
                                     std::vector<std::string>& free)
{
    GFileList folders;
    folders.AddDirectories(pattern);
    const std::string parent = pattern.substr(0, pattern.rfind('/'));
    for (auto it = folders.Begin(); it != folders.End(); ++it) {
        // Grey pictures are the faded versions of a portrait, never a face of their own.
        if (it->find("_grey") != std::string::npos)
            continue;
        // Pictures are found by file name in every bitmap folder, so a name that is
        // already a portrait (a mod repeating a shipped face) would show the first one.
        if (Contains(allMale_, *it) || Contains(allFemale_, *it) || !HasEveryMood(parent, *it))
            continue;
        all.push_back(*it);
        free.push_back(*it);
    }
}

std::string SIM_PortraitDatabase::HandOut(std::vector<std::string>& all, std::vector<std::string>& free)
{
    if (free.empty()) {
        GAssert(!all.empty(), __FILE__, __LINE__);
        return all.empty() ? std::string() : all[GRandom::RandIndex(all.size())];
    }
    std::string name = free[GRandom::RandIndex(free.size())];
    RemoveAll(free, name);
    return name;
}

std::string SIM_PortraitDatabase::GetMalePortrait()
{
    return HandOut(allMale_, freeMale_);
}

std::string SIM_PortraitDatabase::GetFemalePortrait()
{
    return HandOut(allFemale_, freeFemale_);
}

void SIM_PortraitDatabase::MakeUsed(const std::string& name)
{
    RemoveAll(freeMale_, name);
    RemoveAll(freeFemale_, name);
}
