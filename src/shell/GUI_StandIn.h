#pragma once
// The calls made to screens that are not built yet: each stand-in records its call here
// ("GUI_BookGig::Create") so that tests can see the screen would have opened. Inline, so
// every library that holds a stand-in links without depending on another.
#include <string>
#include <vector>

inline std::vector<std::string>& GUI_StandInCalls()
{
    static std::vector<std::string> calls;
    return calls;
}
