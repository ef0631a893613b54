#include "shell/GUI_IndicatorPanel.h"

#include "engine/GDebugEngine.h"
#include "engine/LibTextEngine.h"
#include "engine/gfx/D3DEngine.h"
#include "shell/GUI_Indicator.h"
#include "sim/SIM_Attribute.h"

GUI_IndicatorPanel::GUI_IndicatorPanel(float titleTop) : titleTop_(titleTop)
{
    SetEatsMouse(false);
    SetDraggable(false);
    // The panel belongs to the main screen for the whole run; a new game fills it again.
    SetCloseOnRestart(false);
}

GUI_IndicatorPanel::~GUI_IndicatorPanel() { ClearIndicators(); }

void GUI_IndicatorPanel::AddIndicatorFor(SIM_Attribute* attribute, float x, float y, float height)
{
    if (!attribute)
        return;
    GUI_Indicator* indicator = GUI_Indicator::Create(attribute);
    indicator->SetPosition(x, y, float(rect.right), y + height);
    indicators_.push_back(indicator);
}

GUI_Indicator* GUI_IndicatorPanel::GetIndicator(const std::string& name)
{
    for (GUI_Indicator* indicator : indicators_)
        if (indicator->GetOwner() && indicator->GetOwner()->GetName() == name)
            return indicator;
    GetDebug()->DebugOut("Failed to find indicator");
    return nullptr;
}

bool GUI_IndicatorPanel::CheckClick(float x, float y)
{
    // A click may open a window that rebuilds nothing here, but walk a copy all the same.
    const std::vector<GUI_Indicator*> snapshot = indicators_;
    for (GUI_Indicator* indicator : snapshot)
        if (indicator->CheckClick(x, y))
            return true;
    return false;
}

void GUI_IndicatorPanel::Draw()
{
    if (!IsVisible())
        return;
    LibTextEngine* text = GetTextEngine();
    D3DEngine* d3d = GetD3DEngine();
    // The queue is drawn in one font, so the labels go before the title is queued; glyphs
    // sampled between texels would pick up their neighbours in the font sheet.
    text->SetCurrentFont("verdana14.dds", 14.0f);
    for (GUI_Indicator* indicator : indicators_)
        indicator->Draw();
    d3d->SetPointFilter();
    text->ProcessTextQueue(-1);
    text->SetCurrentFont("LCD18.dds", 24.0f);
    text->AddQueueString(title_, float(rect.left), float(rect.top) + titleTop_, 192u << 24, float(GetWidth()),
                         LibTextEngine::ALIGN_CENTRE);
    text->ProcessTextQueue(-1);
    d3d->SetLinearFilter();
}

void GUI_IndicatorPanel::ClearIndicators()
{
    std::vector<GUI_Indicator*> doomed;
    doomed.swap(indicators_);
    for (GUI_Indicator* indicator : doomed)
        delete indicator;
}
