#include "windows/GUI_Resignation.h"

#include "engine/GTranslation.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "mainscreen/GUI_DailyOptions.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_Sounds.h"
#include "sim/GAssert.h"
#include "sim/SIM_Musician.h"

#include <cmath>
#include <cstdio>

GUI_WindowSlot<GUI_Resignation> GUI_Resignation::PTheWindow;

void GUI_Resignation::Create(SIM_Musician* musician, float fameLoss)
{
    GAssert(musician != nullptr, __FILE__, __LINE__);
    if (!musician)
        return;
    delete PTheWindow.Get();
    new GUI_Resignation(musician, fameLoss);
}

std::string GUI_Resignation::EffectLine(float fameLoss)
{
    char number[48];
    std::snprintf(number, sizeof number, " -%.0f", std::isfinite(fameLoss) ? std::fabs(double(fameLoss)) : 0.0);
    return GTranslation::GetString("RESIGN_EFFECT") + std::string(number);
}

GUI_Resignation::GUI_Resignation(const SIM_Musician* musician, float fameLoss)
{
    PTheWindow = this;
    AddToGUI();
    MakeFullScreenWindow();

    portrait_.width = portrait_.height = 200.0f;
    const std::string portrait = musician->GetPortraitTexture();
    if (!portrait.empty())
        portrait_.SetTexture(portrait);
    cross_.width = cross_.height = 260.0f;
    cross_.SetTexture("redx.dds");
    cross_.SetVertexColor(255, 255, 255, 192);
    frame_.width = frame_.height = 200.0f * 13.0f / 12.0f;

    GUI_GetSounds()->PlaySound("data/sounds/ahh.ogg", false);
    title_ = GTranslation::GetString("RESIGN_TITLE");
    GTranslation::ReplaceToken(title_, "<RESIGNEE>", musician->GetFullName());
    text_ = GTranslation::GetString("RESIGN_TEXT");
    effect_ = EffectLine(fameLoss);

    continue_ = AddContinueAtFoot(*this, &GUI_Resignation::OK, 60);

    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    GUI_GetGUI()->SetInputHandler(this);
    // Resignations come in the night: the morning's page waits until this is read.
    GUI_GetDailyOptions()->AddPostponeWindow(this);
}

GUI_Resignation::~GUI_Resignation()
{
    GUI_GetFader()->CancelCallback(&GUI_Resignation::Close);
    GUI_GetGUI()->RemoveInputHandler(this);
}

void GUI_Resignation::OK(intptr_t)
{
    GUI_Resignation* notice = PTheWindow;
    if (!notice || notice->leaving_)
        return;
    notice->leaving_ = true;
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, &GUI_Resignation::Close, 0);
}

void GUI_Resignation::Close(intptr_t)
{
    GUI_Resignation* notice = PTheWindow;
    if (!notice)
        return;
    GUI_GetDailyOptions()->RemovePostponeWindow(notice);
    CloseWin(notice);
}

void GUI_Resignation::Draw()
{
    const float W = D3DEngine::W, H = D3DEngine::H;
    D3DEngine* d3d = GetD3DEngine();
    d3d->ClearScreen();
    GUI_WindowBase::Draw();
    GDIText::AddChunk(100.0f, 180.0f, title_, kBoldFontName, 32, W - 200.0f, 0, 255, 255, 255);
    GDIText::AddChunk(100.0f, 230.0f, text_, kBoldFontName, 18, W - 200.0f, 0, 255, 255, 255);
    GDIText::AddChunk(100.0f, H - 60.0f, effect_, kBoldFontName, 20, W - 200.0f, 1, 255, 255, 255);
    const float cx = W / 2.0f, cy = 500.0f;
    frame_.PlaceLocal(cx, cy);
    portrait_.PlaceLocal(cx, cy);
    cross_.PlaceLocal(cx, cy);
    d3d->SetTexture(0, 0);
    frame_.Draw();
    if (!portrait_.GetTextureName().empty())
        portrait_.Draw();
    cross_.Draw();
    GDIText::RenderChunks(-1);
}
