#include "windows/GUI_CancelledGig.h"

#include "career/SIM_Performance.h"
#include "engine/GTranslation.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_DayEnd.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_Sounds.h"
#include "sim/GAssert.h"
#include "sim/SIM_Musician.h"

GUI_WindowSlot<GUI_CancelledGig> GUI_CancelledGig::PTheWindow;

void GUI_CancelledGig::Create(SIM_Performance* performance)
{
    GAssert(performance != nullptr, __FILE__, __LINE__);
    if (!performance)
        return;
    delete PTheWindow.Get();
    new GUI_CancelledGig(performance);
}

GUI_CancelledGig::GUI_CancelledGig(const SIM_Performance* performance)
{
    PTheWindow = this;
    AddToGUI();
    MakeFullScreenWindow();
    continue_ = AddContinueAtFoot(*this, &GUI_CancelledGig::Finish, 0);

    text_ = GTranslation::GetString("CANCELLED_GIG_TEXT");
    title_ = GTranslation::GetString("CANCELLED_GIG_TITLE");
    footer_ = GTranslation::GetString("CANCELLED_GIG_FOOTER");
    for (const SIM_Musician* member : performance->GetMissed())
        if (member)
            missed_.push_back(member->GetFullName());

    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    GUI_GetGUI()->SetInputHandler(this);
    GUI_GetSounds()->PlaySound("data/sounds/ahh.ogg", false);
}

GUI_CancelledGig::~GUI_CancelledGig()
{
    // A fade still on its way must not end a day for a screen that is gone.
    GUI_GetFader()->CancelCallback(&GUI_CancelledGig::Close);
    GUI_GetGUI()->RemoveInputHandler(this);
}

void GUI_CancelledGig::Finish(intptr_t)
{
    GUI_CancelledGig* screen = PTheWindow;
    if (!screen || screen->leaving_)
        return;
    screen->leaving_ = true;
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, &GUI_CancelledGig::Close, 0);
}

void GUI_CancelledGig::Close(intptr_t)
{
    if (!PTheWindow)
        return;
    CloseWin(PTheWindow.Get());
    GUI_DayEnd::Request();
}

void GUI_CancelledGig::Draw()
{
    const float W = D3DEngine::W;
    GetD3DEngine()->ClearScreen();
    GDIText::AddChunk(100.0f, 180.0f, title_, kBoldFontName, 32, W - 200.0f, 1, 255, 255, 255);
    GDIText::AddChunk(100.0f, 230.0f, text_, kBoldFontName, 18, W - 200.0f, 0, 255, 255, 255);
    for (size_t i = 0; i < missed_.size(); ++i)
        GDIText::AddChunk(200.0f, NameY(i), missed_[i], kBoldFontName, 20, W - 400.0f, 0, 255, 255, 255);
    GDIText::AddChunk(100.0f, FooterY(missed_.size()), footer_, kBoldFontName, 18, W - 200.0f, 0, 255, 255, 255);
    DrawButtons();
    GDIText::RenderChunks(-1);
}
