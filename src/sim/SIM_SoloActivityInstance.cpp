#include "sim/SIM_SoloActivityInstance.h"

#include "sim/GAssert.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_FunctionTable.h"
#include "sim/SIM_PlayLog.h"
#include "sim/SIM_Screens.h"

#include <algorithm>
#include <cstdio>

std::vector<SIM_SoloActivityType*> SIM_SoloActivityType::All;
std::vector<SIM_SoloActivityInstance*> SIM_SoloActivityInstance::All;

namespace {

// Runs a named hook through the game's table of named functions (an unknown name is a line
// in the debug log there).
void TriggerNamedHook(const std::string& name)
{
    SIM_GetFunctionTable()->Trigger(name);
}

SIM_SoloActivityInstance::HookTrigger hookTrigger = TriggerNamedHook;

} // namespace

void SIM_SoloActivityType::Open()
{
    Close();
}

void SIM_SoloActivityType::Close()
{
}

void SIM_SoloActivityType::LoadTypes()
{
}

void SIM_SoloActivityType::CheckForNewFriends()
{
}

SIM_SoloActivityType* SIM_SoloActivityType::GetByName(const char* name)
{
    const std::string wanted = name ? name : "";
    for (SIM_SoloActivityType* type : All)
        if (type->GetName() == wanted)
            return type;
    GError("SIM_SoloActivityType not found", __FILE__, __LINE__);
    return nullptr;
}

bool SIM_SoloActivityType::IsAffordable() const
{
    return cost <= 0.0f || cost <= SIM_GetFinances()->GetCash();
}

void SIM_SoloActivityType::ProcessChunk()
{
    SIM_SoloActivityInstance::Create(this);
}

void SIM_SoloActivityInstance::SetHookTrigger(HookTrigger trigger)
{
    hookTrigger = trigger ? trigger : TriggerNamedHook;
}

void SIM_SoloActivityInstance::Create(SIM_SoloActivityType* type)
{
    auto* instance = new SIM_SoloActivityInstance;
    All.push_back(instance);
    instance->type = type;
    instance->ProcessChunk();
}

void SIM_SoloActivityInstance::Open()
{
    Close();
}

void SIM_SoloActivityInstance::Close()
{
    // The destructor takes each off the list; delete from a copy.
    const std::vector<SIM_SoloActivityInstance*> instances = All;
    for (SIM_SoloActivityInstance* instance : instances)
        delete instance;
    All.clear();
}

SIM_SoloActivityInstance::~SIM_SoloActivityInstance()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

void SIM_SoloActivityInstance::ProcessChunk()
{
    // A hook may start a new game, which deletes this instance: only locals after it.
    SIM_SoloActivityType* chosen = type;
    GAssert(chosen != nullptr, __FILE__, __LINE__);
    if (!chosen) {
        SIM_TimeChunk::ProcessChunk();
        return;
    }
    char line[1024];
    std::snprintf(line, sizeof line, "Solo activity chosen: %s", chosen->GetGUIName().c_str());
    SIM_PlayLog::Output(line);

    bool hookCalled = false;
    const std::string action = chosen->GetAction();
    if (!action.empty()) {
        const size_t blank = action.find(' ');
        const std::string verb = action.substr(0, blank);
        const std::string argument = blank == std::string::npos ? std::string() : action.substr(blank + 1);
        if (verb == "call") {
            hookTrigger(argument);
            hookCalled = true;
        } else if (verb == "play") {
            SIM_GetScreens()->PlaySound("data/sounds/" + argument);
        }
    }
    SIM_GetFinances()->SpendCash(chosen->GetCost());
    chosen->ApplyModifiers(1.0f);
    if (!hookCalled)
        SIM_TimeChunk::ProcessChunk();
}
