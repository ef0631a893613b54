#include "show/Tool_Backdrop.h"

#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_Fonts.h"
#include "shell/Game.h"
#include "show/GUI_GigBackdrop.h"
#include "sim/SIM_GlobalVariable.h"

#include <cstring>

Tool_Backdrop* Tool_GetBackdrop()
{
    static Tool_Backdrop* tool = new Tool_Backdrop;
    return tool;
}

bool Tool_BackdropWanted() { return SIM_GetGlobalVariables()->Get("CHEAT_BACKDROPTOOL") != 0.0f; }

Tool_Backdrop::Tool_Backdrop() { Initialise(); }

void Tool_Backdrop::Initialise() { GUI_GetGigBackdrop()->Initialise(nullptr, personHeight_); }

void Tool_Backdrop::Draw()
{
    GUI_GigBackdrop* backdrop = GUI_GetGigBackdrop();
    backdrop->DrawLitStage();
    DrawKeyList();
    backdrop->DrawShow();
}

void Tool_Backdrop::DrawKeyList()
{
    // The list never changes: kept as a picture of the black band below the stage, drawn
    // once, and copied in with the lit stage before anything is shaded.
    const float w = D3DEngine::W, h = D3DEngine::H;
    const int top = GUI_GetGigBackdrop()->GetStageRect().bottom;
    GetD3DEngine()->BeginCachedLayer(GUI_GigBackdrop::kToolKeysLayer, tagRECT {0, top, int(w), int(h)});
    static const char* const lines[] = {
        "ESCAPE - Quit program", "L - Lasers",     "S - Smoke machine", "M - Max Spotlights",
        "1 - Small Pyros",       "2 - Big Pyros",  "C - Computerised Lighting",
        "H - Stonehenge",        "K - Skull",      "V - Video Screen",  "UP - Big Venue",
        "DOWN - Small Venue",
    };
    float y = float(top) + 20.0f;
    for (const char* line : lines) {
        GDIText::AddChunk(100.0f, y, line, kBoldFontName, 18, w - 200.0f, 0, 255, 255, 255);
        y += 19.0f;
    }
    GDIText::RenderChunks(-1);
    GetD3DEngine()->EndCachedLayer();
}

const char* Tool_Backdrop::CheatOfKey(unsigned int key)
{
    switch (key) {
    case 37:
        return "CHEAT_LASERS";
    case 1:
        return "CHEAT_SMOKEMACHINE";
    case 46:
        return "CHEAT_MAXLIGHTS";
    case 18:
        return "CHEAT_SMALLPYRO";
    case 19:
        return "CHEAT_LARGEPYRO";
    case 8:
        return "CHEAT_COMPUTERLIGHTS";
    case 4:
        return "CHEAT_STONEHENGE";
    case 40:
        return "CHEAT_SKULL";
    case 9:
        return "CHEAT_VIDEOSCREEN";
    default:
        return "";
    }
}

void Tool_Backdrop::HandleKey(unsigned int key)
{
    if (const char* cheat = CheatOfKey(key); *cheat) {
        SIM_GetGlobalVariables()->Set(cheat, 1.0f);
        Initialise();
        return;
    }
    switch (key) {
    case 126:
        personHeight_ = kLargeVenue;
        Initialise();
        break;
    case 125:
        personHeight_ = kSmallVenue;
        Initialise();
        break;
    case 53:
        GetGame()->Quit();
        break;
    default:
        break;
    }
}
