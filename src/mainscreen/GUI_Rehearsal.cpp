#include "mainscreen/GUI_Rehearsal.h"

#include "career/SIM_Rehearsal.h"
#include "career/SIM_RehearsalVenue.h"
#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "mainscreen/GUI_RehearsalPostMortem.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_WindowBackground.h"
#include "sim/GAssert.h"
#include "sim/SIM_Finances.h"
#include "windows/GUI_BusinessDiscount.h"

#include <cstdio>

GUI_WindowSlot<GUI_Rehearsal> GUI_Rehearsal::PTheWindow;

void GUI_Rehearsal::Create()
{
    delete PTheWindow.Get();
    new GUI_Rehearsal;
}

GUI_Rehearsal::GUI_Rehearsal()
{
    PTheWindow = this;
    MakeFullScreenWindow();
    title_ = GTranslation::GetString("REHEARSAL_TITLE");
    const tagRECT& r = GetRect();
    const float w = D3DEngine::W, h = D3DEngine::H;
    const float cardW = (w - 30.0f) / 2.0f;
    float y = float(r.top) + 135.0f;
    int column = 0;
    for (SIM_RehearsalVenue* venue : SIM_RehearsalVenue::All) {
        auto* card = new GUI_RehearsalVenue(venue);
        const float x = float(r.left) + 10.0f + (column == 0 ? 0.0f : cardW + 10.0f);
        card->SetPosition(x, y, x + cardW, y + 135.0f);
        AddChild(card);
        cards_.push_back(card);
        if (++column == 2) {
            column = 0;
            y += 135.0f;
        }
    }
    cancel_ = new GUI_ButtonText("STUDIO_CANCEL", Cancel, 0);
    cancel_->SetTooltip("STUDIO_CANCEL_TOOLTIP", 0);
    cancel_->SetPosition(10.0f, float(r.bottom - 30), 140.0f, float(r.bottom - 8));
    AddButton(cancel_);
    auto* discount = new GUI_BusinessDiscount;
    discount->SetPosition(150.0f, h - 80.0f, w, h);
    AddChild(discount);
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    GUI_HintHelp::Launch("rehearsals");
    char line[128];
    std::snprintf(line, sizeof line, "%s : $ %s", GTranslation::GetString("BOOKGIG_CASH"),
                  FormatMoneyMagnitude(SIM_GetFinances()->GetCash()).c_str());
    cashLine_ = line;
    GUI_GetGUI()->SetInputHandler(this);
}

void GUI_Rehearsal::Cancel(intptr_t)
{
    GUI_Rehearsal* screen = PTheWindow;
    // Once a room is used the rehearsal has run: nothing may take the window away but
    // the way to its result.
    if (!screen || screen->committed_ || screen->cancelling_)
        return;
    screen->cancelling_ = true;
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Finish, 0);
}

void GUI_Rehearsal::Finish(intptr_t)
{
    GUI_Rehearsal* screen = PTheWindow;
    if (screen && !screen->committed_)
        delete screen;
}

void GUI_Rehearsal::SetVenue(SIM_RehearsalVenue* venue)
{
    GAssert(venue != nullptr, __FILE__, __LINE__);
    if (!venue || committed_ || cancelling_)
        return;
    committed_ = true;
    venue_ = venue;
    cancel_->SetEnabled(false);
    for (GUI_RehearsalVenue* card : cards_)
        card->GetUseButton()->SetEnabled(false);
    rehearsal_ = SIM_Rehearsal::Create(venue);
    // The rehearsal stays with the window rather than riding on the fade: a new game
    // during the fade deletes both, and the fade's Close then finds nothing to show.
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Close, 0);
}

void GUI_Rehearsal::Close(intptr_t)
{
    GUI_Rehearsal* screen = PTheWindow;
    if (!screen || !screen->committed_)
        return;
    SIM_Rehearsal* rehearsal = screen->rehearsal_;
    delete screen;
    if (rehearsal)
        GUI_RehearsalPostMortem::Create(rehearsal);
}

void GUI_Rehearsal::HandleKey(unsigned int key)
{
    if (key == kKeyEscape)
        Cancel(0);
    else
        GUI_WindowBase::HandleKey(key);
}

void GUI_Rehearsal::Draw()
{
    const float w = D3DEngine::W;
    GetD3DEngine()->FillScreen("rehearsal_bg.jpg");
    GDIText::AddChunk(0.0f, 50.0f, title_, kBoldFontName, 32, w, 1, 255, 255, 255);
    const bool red = SIM_GetFinances()->GetCash() < 0.0f;
    GDIText::AddChunk(0.0f, 87.0f, cashLine_, kBoldFontName, 20, w, 1, 255, red ? 0 : 255, red ? 0 : 255);
    DrawChildren();
    GUI_WindowBase::Draw();
    GDIText::RenderChunks(-1);
}

// ---- one room -----------------------------------------------------------------------

GUI_RehearsalVenue::GUI_RehearsalVenue(SIM_RehearsalVenue* venue) : venue_(venue)
{
    GAssert(venue != nullptr, __FILE__, __LINE__);
    picture_.width = picture_.height = 116.0f;
    float cost = 0.0f;
    if (venue) {
        picture_.SetTexture(venue->GetImage());
        name_ = venue->GetGUIName();
        description_ = venue->GetDescription();
        cost = venue->GetCost();
    }
    char line[128];
    std::snprintf(line, sizeof line, "%s : $%.2f", GTranslation::GetString("REHEARSAL_COST"), double(cost));
    costText_ = line;
    use_ = new GUI_ButtonText("REHEARSAL_VENUE_USE", Use, reinterpret_cast<intptr_t>(this));
    use_->SetTooltip("REHEARSAL_VENUE_USE_TOOLTIP", 0);
    AddButton(use_);
    if (!venue || (cost > 0.0f && cost > SIM_GetFinances()->GetCash()))
        use_->SetEnabled(false);
}

void GUI_RehearsalVenue::Use(intptr_t argument)
{
    GUI_Rehearsal* screen = GUI_Rehearsal::PTheWindow;
    auto* card = reinterpret_cast<GUI_RehearsalVenue*>(argument);
    if (screen && card && card->GetParent() == screen)
        screen->SetVenue(card->venue_);
}

void GUI_RehearsalVenue::Draw()
{
    const tagRECT& r = GetRect();
    use_->SetPosition(float(r.right - 160), float(r.bottom - 30), float(r.right - 10), float(r.bottom - 10));
    GUI_WindowBackground::DrawTiled(r, "window_black.dds", 15.0f, 1.0f);
    picture_.PlaceLocal(float(r.left + 70), GetCenterY());
    picture_.Draw();
    const float R = picture_.Right();
    GDIText::AddChunk(R, float(r.top + 8), name_, kBoldFontName, 18, float(r.right) - R, 1, 255, 255, 255);
    GDIText::AddChunk(R + 15.0f, float(r.top + 48), costText_, kBoldFontName, 16, 140.0f, 0, 255, 255, 255);
    GDIText::AddChunk(R + 150.0f, float(r.top + 34), description_, "tahoma", 14, float(r.right) - (R + 150.0f) - 10.0f,
                      0, 255, 255, 255);
    GUI_WindowBase::Draw();
}
