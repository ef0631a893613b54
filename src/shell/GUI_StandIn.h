#pragma once
// The calls made to screens that are not built yet: each stand-in records its call here
// ("GUI_BookGig::Create") so that tests can see the screen would have opened.
#include <string>
#include <vector>

std::vector<std::string>& GUI_StandInCalls();
