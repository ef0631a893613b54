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
    void SaveArtifact(const std::string& name)
    {
        RgbaImage frame = CaptureFrame();
        const std::filesystem::path out = std::filesystem::path(GameDir()).parent_path() / "artifacts";
        std::filesystem::create_directories(out);
        EXPECT_TRUE(WritePng((out / name).string(), frame));
    }
    void ClickCentre(GUI_ButtonBase* b) { Click(b->GetCenterX(), b->GetCenterY()); }
    int Days() const { return SIM_GetSim()->GetTurnCount(); }
};
