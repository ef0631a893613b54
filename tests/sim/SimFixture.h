#pragma once
// A sandbox with the shipped data, recording screens installed, and a fresh game of a
// chosen length opened and reset.
#include "sim/RecordingScreens.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_SIM.h"
#include "support/TestSupport.h"

class SimTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        CopyShippedData();
        SIM_SIM::SetSeed(1234);
    }
    // Opens the simulation and starts a game of `years` years; the record starts empty.
    void NewGame(float years)
    {
        SIM_GetSim()->Open();
        SIM_GetGlobalVariables()->Set("GAME_DURATION_YEARS", years);
        SIM_GetSim()->Reset();
        screens.Clear();
    }
    void EndDays(int n)
    {
        for (int i = 0; i < n; ++i)
            SIM_GetSim()->EndDay();
    }

    RecordingScreens screens;
    RecordingScreens::Scope scope {screens};
};
