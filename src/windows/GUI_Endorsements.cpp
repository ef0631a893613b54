#include "windows/GUI_Endorsements.h"

#include "career/SIM_Endorsement.h"
#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "mainscreen/GUI_DailyOptions.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_Sounds.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"

#include <algorithm>
#include <cstdio>

GUI_WindowSlot<GUI_Endorsements> GUI_Endorsements::PTheWindow;

void GUI_Endorsements::Create(SIM_Endorsement* endorsement)
{
    GAssert(endorsement != nullptr, __FILE__, __LINE__);
    if (!endorsement)
        return;
    delete PTheWindow.Get();
    new GUI_Endorsements(endorsement);
}

std::string GUI_Endorsements::ResultText(float fameShare)
{
    const int percent = PercentOf(double(fameShare));
    if (percent <= 0)
        return GTranslation::GetString("ENDORSEMENT_NOEFFECT");
    std::string text = GTranslation::GetString("ENDORSEMENT_NEGATIVE_EFFECT");
    GTranslation::ReplaceToken(text, "<AMOUNT>", FormatPercent(double(fameShare)));
    return text;
}

GUI_Endorsements::GUI_Endorsements(SIM_Endorsement* endorsement) : endorsement_(endorsement)
{
    PTheWindow = this;
    AddToGUI();
    MakeFullScreenWindow();
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    const float cx = D3DEngine::W / 2.0f;
    struct Spec {
        GUI_ButtonText** button;
        const char* label;
        const char* tooltip;
        GUI_Callback callback;
        float left, right;
    };
    const Spec buttons[] = {
        {&accept_, "ENDORSEMENT_ACCEPT", "ENDORSEMENT_ACCEPT_TOOLTIP", &GUI_Endorsements::Accept, cx - 300.0f, cx - 50.0f},
        {&reject_, "ENDORSEMENT_REJECT", "ENDORSEMENT_REJECT_TOOLTIP", &GUI_Endorsements::Reject, cx + 50.0f, cx + 300.0f},
        {&finish_, "ENDORSEMENT_FINISH", "ENDORSEMENT_FINISH_TOOLTIP", &GUI_Endorsements::Finish, cx - 100.0f, cx + 100.0f},
    };
    for (const Spec& b : buttons) {
        *b.button = new GUI_ButtonText(b.label, b.callback, 0);
        (*b.button)->SetTooltip(b.tooltip, 60);
        (*b.button)->SetPosition(b.left, 650.0f, b.right, 670.0f);
        AddButton(*b.button);
    }
    finish_->SetVisible(false);

    advice_ = GTranslation::GetString("ENDORSEMENT_ADVICE");
    GTranslation::ReplaceToken(advice_, "<BANDNAME>", SIM_GetBand()->GetName());
    title_ = GTranslation::GetString("ENDORSEMENT_TITLE");
    offerLabel_ = GTranslation::GetString("ENDORSEMENT_OFFER");
    amount_ = "$ " + FormatMoney(double(endorsement->GetAmount()));
    text_ = endorsement->GetText();
    background_.SetTexture("leather.jpg");
    contract_.width = 220.0f;
    contract_.height = 150.0f;
    contract_.SetTexture("endorsement_contract.png");

    GUI_GetGUI()->SetInputHandler(this);
    // Offered during the night: the morning's page waits until the offer is answered.
    GUI_GetDailyOptions()->AddPostponeWindow(this);
}

GUI_Endorsements::~GUI_Endorsements()
{
    GUI_GetFader()->CancelCallback(&GUI_Endorsements::Close);
    GUI_GetGUI()->RemoveInputHandler(this);
}

SIM_Endorsement* GUI_Endorsements::LiveEndorsement() const
{
    for (const auto* list : {&SIM_Endorsement::All, &SIM_Endorsement::Offered})
        if (std::find(list->begin(), list->end(), endorsement_) != list->end())
            return endorsement_;
    return nullptr;
}

void GUI_Endorsements::Accept(intptr_t)
{
    GUI_Endorsements* offer = PTheWindow;
    if (!offer || offer->answered_)
        return;
    GUI_GetSounds()->PlaySound("data/sounds/cash.ogg", false);
    offer->AcceptEndorsement();
}

void GUI_Endorsements::AcceptEndorsement()
{
    answered_ = true;
    SIM_Endorsement* endorsement = LiveEndorsement();
    GAssert(endorsement != nullptr, __FILE__, __LINE__);
    const float share = endorsement ? endorsement->Accept() : 0.0f;
    accepted_ = true;
    finish_->SetVisible(true);
    accept_->SetVisible(false);
    reject_->SetVisible(false);
    result_ = ResultText(share);
}

void GUI_Endorsements::Reject(intptr_t)
{
    GUI_Endorsements* offer = PTheWindow;
    if (!offer || offer->answered_)
        return;
    offer->answered_ = true;
    offer->leaving_ = true;
    if (SIM_Endorsement* endorsement = offer->LiveEndorsement())
        endorsement->Reject();
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, &GUI_Endorsements::Close, 0);
}

void GUI_Endorsements::Finish(intptr_t)
{
    GUI_Endorsements* offer = PTheWindow;
    if (!offer || !offer->accepted_ || offer->leaving_)
        return;
    offer->leaving_ = true;
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, &GUI_Endorsements::Close, 0);
}

void GUI_Endorsements::Close(intptr_t)
{
    GUI_Endorsements* offer = PTheWindow;
    if (!offer)
        return;
    // The page held back for the offer is built now, under the offer that goes next.
    GUI_GetDailyOptions()->RemovePostponeWindow(offer);
    CloseWin(offer);
}

void GUI_Endorsements::Draw()
{
    const float W = D3DEngine::W;
    GetD3DEngine()->FillScreen(background_);
    GUI_WindowBase::Draw();
    GDIText::AddChunk(0.0f, 100.0f, title_, kBoldFontName, 24, W, 1, 255, 255, 255);
    if (accepted_)
        DrawPostMortem();
    else
        DrawOffer();
    GDIText::RenderChunks(-1);
}

void GUI_Endorsements::DrawOffer()
{
    const float W = D3DEngine::W;
    contract_.PlaceLocal(W - 200.0f, 305.0f);
    contract_.Draw();
    GDIText::AddChunk(100.0f, 150.0f, advice_, kBoldFontName, 22, W - 200.0f, 0, 255, 255, 255);
    GDIText::AddChunk(100.0f, 300.0f, offerLabel_, kBoldFontName, 22, 390.0f, 0, 255, 255, 255);
    GDIText::AddChunk(500.0f, 300.0f, amount_, kBoldFontName, 22, 180.0f, 0, 255, 255, 255);
    GDIText::AddChunk(100.0f, 380.0f, text_, kBoldFontName, 22, W - 200.0f, 0, 255, 255, 255);
}

void GUI_Endorsements::DrawPostMortem()
{
    const float W = D3DEngine::W;
    contract_.PlaceLocal(W / 2.0f, 480.0f);
    contract_.Draw();
    GDIText::AddChunk(100.0f, 300.0f, result_, kBoldFontName, 22, W - 200.0f, 0, 255, 255, 255);
}
