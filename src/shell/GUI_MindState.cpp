#include "shell/GUI_MindState.h"

#include "engine/GDebugEngine.h"
#include "engine/GTranslation.h"
#include "engine/LibTextEngine.h"
#include "engine/gfx/D3DEngine.h"
#include "shell/GUI_Indicator.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Riza.h"

namespace {

const char* const kAttributes[] = {"inspiration", "attrib_vocals", "live_experience"};

} // namespace

GUI_MindState* GUI_GetMindState()
{
    // Closing the panel by any route clears the slot; the next call makes a fresh one,
    // which the next game sets up.
    static GUI_WindowSlot<GUI_MindState> panel;
    if (!panel)
        panel = new GUI_MindState;
    return panel;
}

GUI_MindState::GUI_MindState() : GUI_IndicatorPanel(27.0f) {}

void GUI_MindState::Setup()
{
    ClearIndicators();
    SetSize(float(kWidth), float(kHeight));
    D3DEngine* d3d = GetD3DEngine();
    const float left = float(d3d->GetScreenWidth() - kWidth);
    const float top = float(d3d->GetScreenHeight()) / 2.0f - float(kHeight) / 2.0f;
    SetPosition(left, top, left + float(kWidth), top + float(kHeight));
    sprite_.width = 174.5f;
    sprite_.height = 578.5f;
    sprite_.PlaceLocal(GetCenterX(), GetCenterY());
    SetTitle(GTranslation::GetString("IDTAB_YOU"));
    CreateIndicators();
    if (!IsInGUI())
        AddToGUI();
}

void GUI_MindState::CreateIndicators()
{
    float y = float(rect.top) + 59.0f;
    for (const char* name : kAttributes) {
        AddIndicator(name, float(rect.left), y);
        y += float(CHUNKHEIGHT);
    }
}

void GUI_MindState::AddIndicator(const char* attributeName, float x, float y)
{
    // The player's own attribute: candidates and musicians carry attributes of the same
    // names, and the panel must never show one of theirs.
    SIM_Attribute* attribute = SIM_GetRiza()->GetAttribute(attributeName ? attributeName : "");
    AddIndicatorFor(attribute, x, y, float(CHUNKHEIGHT));
}
