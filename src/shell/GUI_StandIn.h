#pragma once
// The record of calls made to screens whose rules are not built yet: each stand-in
// appends its name ("GUI_BookGig::Create") here, so tests can see the call was made.
#include <string>
#include <vector>

inline std::vector<std::string>& GUI_StandInCalls()
{
    static std::vector<std::string> calls;
    return calls;
}
