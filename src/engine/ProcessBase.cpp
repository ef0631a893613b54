#include "engine/ProcessBase.h"

#include <algorithm>
#include <vector>

std::list<ProcessBase*> ProcessBase::All;

ProcessBase::ProcessBase()
{
    All.push_back(this);
}

ProcessBase::~ProcessBase()
{
    All.remove(this);
}

bool ProcessBase::CleanupObject()
{
    auto it = std::find_if(All.begin(), All.end(), [](ProcessBase* p) { return !p->IsActive(); });
    if (it == All.end())
        return false;
    delete *it;
    return true;
}

void ProcessBase::Cleanup()
{
    while (CleanupObject()) {
    }
}

void ProcessBase::ProcessAll()
{
    Cleanup();
    const std::vector<ProcessBase*> snapshot(All.begin(), All.end());
    for (ProcessBase* p : snapshot) {
        // Still alive only while it is on the list.
        if (std::find(All.begin(), All.end(), p) != All.end())
            p->Process();
    }
}
