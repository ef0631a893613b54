#pragma once
// Opens the global debug log inside a SandboxTest's per-user folder so a test can read
// what was logged.
#include "engine/GDebugEngine.h"
#include "support/TestSupport.h"

#include <string>

inline void OpenSandboxDebugLog()
{
    GetDebug()->Initialise();
}

inline std::string SandboxDebugLog()
{
    return ReadWholeFile(GetDebugLogPath());
}
