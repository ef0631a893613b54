#pragma once
// Game functions by name, so that data (hint pop-ups, activities) can start a piece of game
// logic: each name calls a function that takes and returns nothing.
#include <memory>
#include <string>
#include <vector>

struct SIM_HookedFunction {
    void (*function)() = nullptr;
    std::string name;
};

class SIM_FunctionTable {
public:
    // Registers "practice" and "shopping".
    SIM_FunctionTable();
    virtual ~SIM_FunctionTable() = default;
    SIM_FunctionTable(const SIM_FunctionTable&) = delete;
    SIM_FunctionTable& operator=(const SIM_FunctionTable&) = delete;

    // Appends a hook; an earlier hook of the same name keeps answering to it.
    void AddHook(const std::string& name, void (*function)());
    // Calls the first hook of that name. An unknown name (or one with no function) is a
    // line in the debug log and calls nothing; false then.
    bool Trigger(const std::string& name) const;

private:
    std::vector<std::unique_ptr<SIM_HookedFunction>> hooks;
};

SIM_FunctionTable* SIM_GetFunctionTable();

// The hooks the simulation registers; the screens do the work through the seam.
void SIM_HookPractice(); // opens the practice window
void SIM_HookShopping(); // opens the shop
