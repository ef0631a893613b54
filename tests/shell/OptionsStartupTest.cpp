// The player's options at start-up: the mouse speed reaches the input object, and the
// sound system plays with the saved volumes.
#include "harness/GameHarness.h"

#include "engine/gfx/CBaseInputManager.h"
#include "shell/Input.h"
#include "sim/SIM_PlayerOptions.h"

namespace {
class OptionsStartupTest : public GameHarness {
protected:
    void BeforeStart() override
    {
        config.Write("zelvaamplivance/player_options.txt",
                     "[config]\nMASTERVOLUME = 0.50\nMUSICVOLUME = 0.40\nDIFFICULTY = 0.50\nMOUSESPEED = 0.40\n\n"
                     "[toggles]\nENABLEMUSIC = 1\nENABLEAUTOSAVE = 0\n\n[ID]\nid = 123456789\n");
    }
};
} // namespace

TEST_F(OptionsStartupTest, TheSavedMouseSpeedAndVolumesAreUsedFromTheStart)
{
    EXPECT_FLOAT_EQ(Input()->GetMouseSpeed(), 0.6f + 2.5f * 0.4f);
    EXPECT_FLOAT_EQ(SIM_GetPlayerOptions()->Get(SIM_PlayerOptions::OPTION_MUSICVOLUME), 0.4f);
    EXPECT_FALSE(SIM_GetPlayerOptions()->GetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE));
    EXPECT_FLOAT_EQ(audio.master, 0.5f);
}
