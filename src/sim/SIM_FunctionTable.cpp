#include "sim/SIM_FunctionTable.h"

#include "sim/GAssert.h"
#include "sim/SIM_Screens.h"

SIM_FunctionTable* SIM_GetFunctionTable()
{
    static SIM_FunctionTable* instance = new SIM_FunctionTable;
    return instance;
}

void SIM_HookPractice()
{
    SIM_GetScreens()->OpenPractice();
}

void SIM_HookShopping()
{
    SIM_GetScreens()->OpenShop();
}

SIM_FunctionTable::SIM_FunctionTable()
{
    AddHook("practice", SIM_HookPractice);
    AddHook("shopping", SIM_HookShopping);
}

void SIM_FunctionTable::AddHook(const std::string& name, void (*function)())
{
    auto hook = std::make_unique<SIM_HookedFunction>();
    hook->function = function;
    hook->name = name;
    hooks.push_back(std::move(hook));
}

bool SIM_FunctionTable::Trigger(const std::string& name) const
{
    for (const auto& hook : hooks) {
        if (hook->name != name)
            continue;
        if (!hook->function)
            break;
        // Copied out first: the hook may add hooks of its own while it runs.
        void (*function)() = hook->function;
        function();
        return true;
    }
    // Data may name a hook this build does not have: the rest of the game goes on.
    GWarning(("Hook not found: " + name).c_str(), __FILE__, __LINE__);
    return false;
}
