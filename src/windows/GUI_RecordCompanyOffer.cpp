#include "windows/GUI_RecordCompanyOffer.h"

#include "career/SIM_RecordingStudio.h"
#include "engine/GTranslation.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_ScreenFader.h"
#include "sim/SIM_Band.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

GUI_WindowSlot<GUI_RecordCompanyOffer> GUI_RecordCompanyOffer::PTheWindow;

void GUI_RecordCompanyOffer::Create()
{
    delete PTheWindow.Get();
    new GUI_RecordCompanyOffer;
}

std::string GUI_RecordCompanyOffer::RoyaltyText(float royalty)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.0f%%", std::isfinite(royalty) ? 100.0 * double(royalty) : 0.0);
    return text;
}

GUI_RecordCompanyOffer::GUI_RecordCompanyOffer()
{
    PTheWindow = this;
    AddToGUI();
    MakeFullScreenWindow();
    const tagRECT& r = GetRect();
    const float cx = GetCenterX();
    accept_ = new GUI_ButtonText("OFFER_ACCEPT", &GUI_RecordCompanyOffer::Accept, 0);
    accept_->SetTooltip("OFFER_ACCEPT_TOOLTIP", 60);
    accept_->SetPosition(cx + 80.0f, float(r.bottom - 50), cx + 280.0f, float(r.bottom - 28));
    AddButton(accept_);
    reject_ = new GUI_ButtonText("OFFER_REJECT", &GUI_RecordCompanyOffer::Reject, 0);
    reject_->SetTooltip("OFFER_REJECT_TOOLTIP", 60);
    reject_->SetPosition(cx - 280.0f, float(r.bottom - 50), cx - 80.0f, float(r.bottom - 28));
    AddButton(reject_);

    const SIM_RecordCompany* company = SIM_GetRecordCompany();
    title_ = GTranslation::GetString("OFFER_TITLE");
    offerText_ = GTranslation::GetString("OFFER_TEXT");
    GTranslation::ReplaceToken(offerText_, "<BANDNAME>", SIM_GetBand()->GetName());
    GTranslation::ReplaceToken(offerText_, "<STUDIONAME>", company->GetGUIName());
    royaltyLabel_ = GTranslation::GetString("OFFER_ROYALTY");
    royaltyValue_ = RoyaltyText(company->GetRoyalty());
    marketingLabel_ = GTranslation::GetString("OFFER_MARKETING");
    const float effort = company->GetMarketing() / 0.5f;
    marketingValue_ = GTranslation::GetValueName(std::isfinite(effort) ? std::clamp(effort, 0.0f, 1.0f) : 0.0f,
                                                 "OFFER_MARKETING_EFFECT");
    GUI_GetGUI()->SetInputHandler(this);
}

GUI_RecordCompanyOffer::~GUI_RecordCompanyOffer()
{
    GUI_GetFader()->CancelCallback(&GUI_RecordCompanyOffer::Finish);
    GUI_GetGUI()->RemoveInputHandler(this);
}

void GUI_RecordCompanyOffer::Accept(intptr_t)
{
    GUI_RecordCompanyOffer* offer = PTheWindow;
    if (!offer || offer->answered_)
        return;
    offer->answered_ = true;
    SIM_GetRecordCompany()->SignDeal();
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, &GUI_RecordCompanyOffer::Finish, 0);
}

void GUI_RecordCompanyOffer::Reject(intptr_t)
{
    GUI_RecordCompanyOffer* offer = PTheWindow;
    if (!offer || offer->answered_)
        return;
    offer->answered_ = true;
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, &GUI_RecordCompanyOffer::Finish, 0);
}

void GUI_RecordCompanyOffer::Finish(intptr_t) { CloseWin(PTheWindow.Get()); }

void GUI_RecordCompanyOffer::Draw()
{
    const float W = D3DEngine::W;
    GetD3DEngine()->ClearScreen();
    DrawButtons();
    GDIText::AddChunk(0.0f, 60.0f, title_, kBoldFontName, 32, W, 1, 255, 255, 255);
    GDIText::AddChunk(60.0f, 110.0f, offerText_, kBoldFontName, 22, W - 120.0f, 0, 255, 255, 255);
    GDIText::AddChunk(90.0f, 340.0f, royaltyLabel_, kBoldFontName, 22, 390.0f, 0, 255, 255, 255);
    GDIText::AddChunk(90.0f, 370.0f, marketingLabel_, kBoldFontName, 22, 390.0f, 0, 255, 255, 255);
    GDIText::AddChunk(490.0f, 340.0f, royaltyValue_, kBoldFontName, 22, W - 550.0f, 0, 255, 255, 255);
    GDIText::AddChunk(490.0f, 370.0f, marketingValue_, kBoldFontName, 22, W - 550.0f, 0, 255, 255, 255);
    GDIText::RenderChunks(-1);
}
