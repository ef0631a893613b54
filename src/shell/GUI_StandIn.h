#pragma once
// The calls made to screens that are not built yet. Each such screen's Create and Close
// record themselves here by name ("GUI_BookGig::Create"), so the screens that open them
// can be tested before they exist.
#include <string>
#include <vector>

std::vector<std::string>& GUI_StandInCalls();
