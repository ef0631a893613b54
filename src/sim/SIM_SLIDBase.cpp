#include "sim/SIM_SLIDBase.h"

#include "engine/GDebugEngine.h"
#include "sim/GAssert.h"

#include <algorithm>
#include <set>

std::vector<SIM_SLIDBase*> SIM_SLIDBase::All;
int SIM_SLIDBase::TopSLID = 0;

namespace {
// Ids already reported as unresolved in this round.
std::set<int>& ReportedIds()
{
    static std::set<int> ids;
    return ids;
}
} // namespace

SIM_SLIDBase::SIM_SLIDBase()
{
    All.push_back(this);
    SLID = CreateSLID();
}

SIM_SLIDBase::~SIM_SLIDBase()
{
    auto it = std::find(All.begin(), All.end(), this);
    if (it != All.end())
        All.erase(it);
}

SIM_SLIDBase* SIM_SLIDBase::GetBySLID(int id)
{
    for (SIM_SLIDBase* object : All)
        if (object->SLID == id)
            return object;
    DebugOutF("Failure to find Save/Load ID %d", id);
    if (ReportedIds().insert(id).second)
        GError("Failure to find Save/Load ID", __FILE__, __LINE__);
    return nullptr;
}

void SIM_SLIDBase::ForgetUnresolved()
{
    ReportedIds().clear();
}

int SIM_SLIDBase::CreateSLID()
{
    GAssert(TopSLID >= 0 && TopSLID < MaxSLID, __FILE__, __LINE__);
    return TopSLID++;
}

void SIM_SLIDBase::SetTopSLID(int id)
{
    GAssert(id >= 0 && id < MaxSLID, __FILE__, __LINE__);
    TopSLID = id;
}
