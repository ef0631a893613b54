#include "career/SIM_AssetMusic.h"

#include "career/SIM_SongElement.h"
#include "engine/CSpreadsheet.h"
#include "engine/Utilities.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Riza.h"
#include "sim/SIM_Screens.h"

#include <algorithm>

std::vector<SIM_AssetMusic*> SIM_AssetMusic::All;

SIM_AssetMusic::SIM_AssetMusic()
{
    typeName = "recorded_music";
    All.push_back(this);
}

SIM_AssetMusic::~SIM_AssetMusic()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

void SIM_AssetMusic::LoadAssetSpecificData(CSV& row)
{
    // A missing element is reported once, here, by the lookup; the record then unlocks
    // nothing.
    unlock = SIM_SongElement::GetByName(row.GetNextString());
    for (const std::string& piece : SplitAtCommas(row.GetNextToken())) {
        const std::string title = TrimEnd(piece);
        if (!title.empty()) // an empty cell is a record without titles
            trackTitles.push_back("\"" + title + "\"");
    }
}

void SIM_AssetMusic::Clicked()
{
    SIM_GetScreens()->OpenAssetMusic(this);
}

void SIM_AssetMusic::Listen()
{
    SetTracksListenedTo(tracksListenedTo + 1);
    SIM_GlobalVariable* values = SIM_GetGlobalVariables();
    SIM_GetRiza()->ApplyEffect("inspiration", values->Get("RS_LISTEN_ALBUM_INSPIRATION"),
                               values->Get("RS_LISTEN_ALBUM_INSPIRATION_DEGRADE"), "listen to album");
    SIM_GetScreens()->OpenAlbumListen(this);
}

void SIM_AssetMusic::SetTracksListenedTo(int count)
{
    tracksListenedTo = std::max(count, 0);
    listenedPercentage = trackTitles.empty()
        ? 0.0f
        : SIM_ClampValue(static_cast<float>(tracksListenedTo) / static_cast<float>(trackTitles.size()), 0.0f, 1.0f);
    if (listenedPercentage >= 1.0f && unlock) {
        unlock->UnlockElement(nullptr);
        SIM_GetScreens()->RefreshAssets();
    }
}
