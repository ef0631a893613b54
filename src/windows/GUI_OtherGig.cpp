#include "windows/GUI_OtherGig.h"

#include "career/SIM_OtherBandManager.h"
#include "career/SIM_OtherGig.h"
#include "career/SIM_SongElement.h"
#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_DayEnd.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_Sounds.h"
#include "sim/GAssert.h"

#include <algorithm>
#include <cmath>

GUI_WindowSlot<GUI_OtherGig> GUI_OtherGig::PTheWindow;

void GUI_OtherGig::Create(SIM_OtherGig* gig)
{
    GAssert(gig != nullptr && gig->GetBand() != nullptr, __FILE__, __LINE__);
    if (!gig || !gig->GetBand())
        return;
    // Only a screen of another visit is here: closing it ends that visit's day first.
    Close(0);
    new GUI_OtherGig(gig);
}

float GUI_OtherGig::LogoFade(double t)
{
    if (!(t > 0.0))
        return 0.0f;
    return float(std::min(t / kLogoFadeTime, 1.0));
}

int GUI_OtherGig::TextLimit(double t)
{
    if (!(t > kTextDelay))
        return 0;
    return int(std::min((t - kTextDelay) / 10.0, 1.0e6));
}

GUI_OtherGig::GUI_OtherGig(SIM_OtherGig* gig) : GUI_Dialog(false)
{
    const float W = D3DEngine::W;
    const float H = D3DEngine::H;
    SIM_OtherBand* band = gig->GetBand();
    PTheWindow = this;
    MakeFullScreenWindow();
    SetTitle(band->GetGUIName());

    finish_ = new GUI_ButtonText("OTHERGIG_FINISH", &GUI_OtherGig::Close, 0);
    finish_->SetPosition(W - 140.0f, H - 40.0f, W - 10.0f, H - 10.0f);
    AddButton(finish_);
    // The dialog's close button, in its usual corner; it leaves like the finish button.
    close_ = new GUI_IconButton("button_close.dds", &GUI_OtherGig::Close, 0);
    close_->SetHighlightTexture("button_close_h.dds");
    close_->SetPosition(W - 34.0f, 10.0f, W - 10.0f, 34.0f);
    AddButton(close_);

    description_ = band->GetDescription();
    // Looked at before the visit: the notice shows exactly when this visit unlocks it.
    const SIM_SongElement* element = band->GetUnlock();
    if (element && !element->IsAvailable()) {
        unlockedText_ = GTranslation::GetString("OTHERGIG_UNLOCKED");
        elementName_ = element->GetGUIName();
        postit_.SetTexture("postit1.dds");
        postit_.width = postit_.height = 90.0f;
        notes_.SetTexture("jigsaw_5notes1.dds");
        notes_.width = notes_.height = 90.0f;
        notes_.SetVertexColor(0, 0, 0, 255);
    }
    band->SeeLive();
    inspirationLine_ = std::string(GTranslation::GetString("OTHERGIG_INSPIRATION")) + "  +" +
                       std::to_string(PercentOf(band->GetInspiration()));
    music_ = GUI_GetSounds()->OverrideMusic(band->GetMusic().c_str());

    logo_.SetTexture(band->GetLogo());
    logo_.width = 512.0f;
    logo_.height = 179.0f;
    logo_.PlaceLocal(W / 2.0f, 250.0f);
    timer_.StartTimer();
    GUI_GetGUI()->SetInputHandler(this);
    GUI_HintHelp::Launch("other gig");
}

GUI_OtherGig::~GUI_OtherGig()
{
    if (music_)
        GUI_GetSounds()->StopSound(music_);
    GUI_GetGUI()->RemoveInputHandler(this);
}

void GUI_OtherGig::Close(intptr_t)
{
    if (!PTheWindow)
        return;
    CloseWin(PTheWindow.Get());
    GUI_DayEnd::Request();
}

void GUI_OtherGig::HandleKey(unsigned int key)
{
    if (key == kKeyEscape)
        Close(0);
}

void GUI_OtherGig::Draw()
{
    const float W = D3DEngine::W;
    const float cx = W / 2.0f;
    GetD3DEngine()->ClearScreen();
    timer_.Update();
    const double t = timer_.GetElapsed();

    const float fade = LogoFade(t);
    const float scale = LogoScale(t);
    logo_.width = 512.0f * scale;
    logo_.height = 179.0f * scale;
    logo_.SetVertexColor(255, 255, 255, int(255.0f * fade));
    logo_.PlaceLocal(cx, 250.0f);
    logo_.Draw();
    if (t <= kTextDelay)
        return;

    float y = 400.0f;
    GDIText::AddChunk(cx - 400.0f, y, description_, kBoldFontName, 20, 800.0f, 0, 255, 255, 255);
    y += 80.0f;
    if (!unlockedText_.empty()) {
        GDIText::AddChunk(0.0f, y, unlockedText_, kBoldFontName, 20, W, 1, 255, 255, 255);
        y += 20.0f;
        GDIText::AddChunk(0.0f, y, elementName_, kBoldFontName, 20, W, 1, 255, 255, 255);
        y += 30.0f;
    }
    GDIText::AddChunk(0.0f, y, inspirationLine_, kBoldFontName, 20, W, 1, 255, 255, 255);
    y += 50.0f;
    if (!unlockedText_.empty() && t > kLogoFadeTime) {
        postit_.PlaceLocal(cx, y + 45.0f);
        postit_.Draw();
        notes_.PlaceLocal(cx, y + 57.0f);
        notes_.Draw();
        GDIText::AddChunk(postit_.Left(), postit_.Top(), elementName_, "Journal", 12, 90.0f, 1, 0, 0, 0);
    }
    GDIText::RenderChunks(TextLimit(t));
    DrawButtons();
    GDIText::RenderChunks(-1);
}
