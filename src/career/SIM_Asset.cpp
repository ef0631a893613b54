#include "career/SIM_Asset.h"

#include <algorithm>

// Minimal: replaced when this class's rules are built.

std::vector<SIM_Asset*> SIM_Asset::All;

SIM_Asset::SIM_Asset()
{
    All.push_back(this);
}

SIM_Asset::~SIM_Asset()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

void SIM_Asset::Open()
{
}

void SIM_Asset::Close()
{
}

void SIM_Asset::ProcessAll()
{
}

SIM_Asset* SIM_Asset::GetByName(const std::string& n)
{
    for (SIM_Asset* a : All)
        if (a->name == n)
            return a;
    return nullptr;
}

SIM_Asset* SIM_Asset::GetOwnedByName(const std::string& n)
{
    for (SIM_Asset* a : All)
        if (a->owned && a->name == n)
            return a;
    return nullptr;
}

void SIM_Asset::Destroy()
{
    owned = false;
}
