#include "sim/SIM_GameMode.h"

#include "career/SIM_RecordingStudio.h"
#include "career/SIM_Song.h"
#include "engine/GTranslation.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Screens.h"

#include <algorithm>

namespace {
const char* const kTitleKeys[SIM_GameMode::NumModes] = {"GAMEMODE_DREAMER", "GAMEMODE_AMATEUR",
                                                        "GAMEMODE_GIGGING", "GAMEMODE_SIGNED"};
const char* const kTextKeys[SIM_GameMode::NumModes] = {"GAMEMODE_DREAMER_TEXT", "GAMEMODE_AMATEUR_TEXT",
                                                       "GAMEMODE_GIGGING_TEXT", "GAMEMODE_SIGNED_TEXT"};

int ClampStage(int stage)
{
    return std::clamp(stage, 0, SIM_GameMode::NumModes - 1);
}
}

SIM_GameMode* SIM_GetGameMode()
{
    static SIM_GameMode* instance = new SIM_GameMode;
    return instance;
}

const char* SIM_GameMode::TitleKey(int stage)
{
    return kTitleKeys[ClampStage(stage)];
}

const char* SIM_GameMode::TextKey(int stage)
{
    return kTextKeys[ClampStage(stage)];
}

void SIM_GameMode::Reset()
{
    mode = DREAMER;
}

void SIM_GameMode::SetCurrentMode(int stage)
{
    if (stage != ClampStage(stage))
        GWarning(("Career stage out of range: " + std::to_string(stage)).c_str(), __FILE__, __LINE__);
    mode = ClampStage(stage);
}

std::string SIM_GameMode::GetTitle() const
{
    return GTranslation::GetString(TitleKey(mode));
}

std::string SIM_GameMode::GetDescription() const
{
    return GTranslation::GetString(TextKey(mode));
}

void SIM_GameMode::CheckForPromotion()
{
    switch (mode) {
    case DREAMER: CheckForAmateur(); break;
    case AMATEUR: CheckForGigging(); break;
    case GIGGING: CheckForSigned(); break;
    default: CheckForStar(); break;
    }
}

void SIM_GameMode::CheckForAmateur()
{
    if (SIM_GetBand()->Valid())
        Promote(AMATEUR);
}

void SIM_GameMode::CheckForGigging()
{
    if (SIM_GetBand()->Valid() && SIM_Song::EnoughSongsToGig())
        Promote(GIGGING);
}

void SIM_GameMode::CheckForSigned()
{
    if (SIM_GetRecordCompany()->IsSigned())
        Promote(SIGNED);
}

void SIM_GameMode::CheckForStar()
{
    // Signed is the last stage: there is nothing further to reach.
}

void SIM_GameMode::Promote(MODE next)
{
    mode = next;
    SIM_GetScreens()->ShowCareerStage();
}
