#include "shell/GUI_StandIn.h"

std::vector<std::string>& GUI_StandInCalls()
{
    static std::vector<std::string> calls;
    return calls;
}
