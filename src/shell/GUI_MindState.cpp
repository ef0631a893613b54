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

GUI_MindState::GUI_MindState()
{
    SetEatsMouse(false);
    SetDraggable(false);
    // The panel belongs to the main screen for the whole run; a new game rebuilds it.
    SetCloseOnRestart(false);
}

GUI_MindState::~GUI_MindState() { ClearIndicators(); }

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
    title_ = GTranslation::GetString("IDTAB_YOU");
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
    if (!attribute)
        return;
    GUI_Indicator* indicator = GUI_Indicator::Create(attribute);
    indicator->SetPosition(x, y, float(rect.right), y + float(CHUNKHEIGHT));
    indicators_.push_back(indicator);
}

GUI_Indicator* GUI_MindState::GetIndicator(const std::string& name)
{
    for (GUI_Indicator* indicator : indicators_)
        if (indicator->GetOwner() && indicator->GetOwner()->GetName() == name)
            return indicator;
    GetDebug()->DebugOut("Failed to find indicator");
    return nullptr;
}

bool GUI_MindState::CheckClick(float x, float y)
{
    // A click may open a window that rebuilds nothing here, but walk a copy all the same.
    const std::vector<GUI_Indicator*> snapshot = indicators_;
    for (GUI_Indicator* indicator : snapshot)
        if (indicator->CheckClick(x, y))
            return true;
    return false;
}

void GUI_MindState::Draw()
{
    if (!IsVisible())
        return;
    LibTextEngine* text = GetTextEngine();
    text->SetCurrentFont("verdana14.dds", 14.0f);
    for (GUI_Indicator* indicator : indicators_)
        indicator->Draw();
    text->SetCurrentFont("LCD18.dds", 24.0f);
    text->AddQueueString(title_, float(rect.left), float(rect.top) + 27.0f, 192u << 24, float(GetWidth()),
                         LibTextEngine::ALIGN_CENTRE);
    // Glyphs sampled between texels would pick up their neighbours in the font sheet.
    D3DEngine* d3d = GetD3DEngine();
    d3d->SetPointFilter();
    text->ProcessTextQueue(-1);
    d3d->SetLinearFilter();
}

void GUI_MindState::ClearIndicators()
{
    std::vector<GUI_Indicator*> doomed;
    doomed.swap(indicators_);
    for (GUI_Indicator* indicator : doomed)
        delete indicator;
}
