#pragma once
// The record of calls made to screens whose rules are not built yet: each stand-in adds
// "Class::Function" here so tests can see that the screen was asked for.
#include <string>
#include <vector>

inline std::vector<std::string>& GUI_StandInCalls()
{
    static std::vector<std::string> calls;
    return calls;
}
