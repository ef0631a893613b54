#pragma once
// The record of calls made to screens whose own rules are not built yet: each stand-in
// appends "Class::Operation" so tests can see that the call was made.
#include <string>
#include <vector>

inline std::vector<std::string>& GUI_StandInCalls()
{
    static std::vector<std::string> calls;
    return calls;
}
