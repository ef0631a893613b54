#pragma once
// Opens the global debug log inside a SandboxTest's working folder so a test can read
// what was logged.
#include "engine/GDebugEngine.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <string>

inline void OpenSandboxDebugLog()
{
    std::filesystem::create_directories("debugdata");
    GetDebug()->Initialise();
}

inline std::string SandboxDebugLog()
{
    return ReadWholeFile("debugdata/debug.txt");
}
