#pragma once
// What the mini-game tests share: the real game in its in-game screen, frames saved as
// artifacts, and the count of days that have ended.
#include "harness/GameHarness.h"
#include "shell/GUI_ButtonBase.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_HintHelp.h"
#include "sim/SIM_SIM.h"

#include <filesystem>
#include <string>

class MiniGameTest : public GameHarness {
protected:
    int Days() const { return SIM_GetSim()->GetTurnCount(); }
};
