#include "windows/GUI_Studio.h"

#include "career/SIM_Album.h"
#include "career/SIM_RecordingStudio.h"
#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/D3DTypes.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_DayEnd.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_WindowManager.h"
#include "show/GUI_MixingGame.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_SIM.h"

#include <algorithm>

namespace {

bool IsLiveAlbum(const SIM_Album* album)
{
    return album && std::find(SIM_Album::All.begin(), SIM_Album::All.end(), album) != SIM_Album::All.end();
}

} // namespace

GUI_WindowSlot<GUI_Studio> GUI_Studio::PTheWindow;

void GUI_Studio::Create(SIM_Album* album)
{
    GAssert(album != nullptr, __FILE__, __LINE__);
    if (!album)
        return;
    delete PTheWindow.Get();
    new GUI_Studio(album);
}

const char* GUI_Studio::DescriptionKey()
{
    if (SIM_RecordingStudio::BandIsDemotivated())
        return "STUDIO_TIME_DEMOTIVATED";
    if (SIM_RecordingStudio::BandIsStressed())
        return "STUDIO_TIME_TIRED";
    return "STUDIO_TIME_NORMAL";
}

float GUI_Studio::StudioQuality()
{
    const SIM_RecordingStudio* studio = SIM_RecordingStudio::GetCurrentStudio();
    return studio ? studio->GetQuality() : 0.0f;
}

GUI_Studio::GUI_Studio(SIM_Album* album) : album_(album)
{
    MakeFullScreenWindow();
    PTheWindow = this;
    // Registered as a window too, so a new game or a load closes it with the other screens.
    AddToGUI();
    // The screen holds the keys while it is up so that Escape never asks to quit beneath it.
    GUI_GetGUI()->SetInputHandler(this);
    const float w = D3DEngine::W, h = D3DEngine::H;
    continue_ = new GUI_ButtonText("STUDIO_FINISH", Continue, 0);
    continue_->SetTooltip("STUDIO_FINISH_TOOLTIP", 0);
    continue_->SetPosition(w - 280.0f, h - 35.0f, w - 10.0f, h - 8.0f);
    AddButton(continue_);
    SIM_RecordingStudio::ValidateStudio();
    continue_->SetEnabled(SIM_RecordingStudio::GetCurrentStudio() != nullptr);
    release_ = new GUI_ButtonText("STUDIO_RELEASE", Release, 0);
    release_->SetTooltip("STUDIO_RELEASE_TOOLTIP", 0);
    release_->SetPosition(10.0f, h - 35.0f, 280.0f, h - 8.0f);
    AddButton(release_);

    title_ = GTranslation::GetString("STUDIO_TITLE");
    albumTitle_ = album->GetTitle();
    costLabel_ = GTranslation::GetString("STUDIO_TOTALCOST");
    daysLabel_ = GTranslation::GetString("STUDIO_DAYS");
    qualityLabel_ = GTranslation::GetString("STUDIO_QUALITY");
    songQualityLabel_ = GTranslation::GetString("STUDIO_SONGQUALITY");
    studioQualityLabel_ = GTranslation::GetString("STUDIO_STUDIOQUALITY");
    motivationLabel_ = GTranslation::GetString("STUDIO_MOTIVATION");
    tirednessLabel_ = GTranslation::GetString("STUDIO_TIREDNESS");
    readout_.width = 250.0f;
    readout_.height = 24.0f;
    readout_.SetTexture("song_lcd_wide.bmp");
    costValue_ = "$ " + NumToDelimitedChar((long long)album->GetProductionCost());
    daysValue_ = std::to_string(album->GetDaysInStudio());
    description_ = GTranslation::GetString(DescriptionKey());
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
}

GUI_Studio::~GUI_Studio()
{
    GUI_GetWindowManager()->RemoveFullscreen(this);
    GUI_GetGUI()->RemoveInputHandler(this);
}

void GUI_Studio::Draw()
{
    const float w = D3DEngine::W;
    D3DEngine* d3d = GetD3DEngine();
    d3d->ClearScreen();
    GUI_WindowBase::Draw();
    auto white = [](float x, float y, const std::string& text, const char* font, int size, float width, int align) {
        GDIText::AddChunk(x, y, text, font, size, width, align, 255, 255, 255);
    };
    white(0.0f, 60.0f, title_, kBoldFontName, 32, w, GTEXTALIGN_CENTRE);
    white(0.0f, 110.0f, albumTitle_, "Journal", 44, w, GTEXTALIGN_CENTRE);
    white(100.0f, 260.0f, description_, kBoldFontName, 20, w - 200.0f, GTEXTALIGN_LEFT);
    white(100.0f, 320.0f, costLabel_, kBoldFontName, 20, 0.0f, GTEXTALIGN_LEFT);
    white(400.0f, 320.0f, costValue_, kBoldFontName, 20, 0.0f, GTEXTALIGN_LEFT);
    white(100.0f, 350.0f, daysLabel_, kBoldFontName, 20, 0.0f, GTEXTALIGN_LEFT);
    white(400.0f, 350.0f, daysValue_, kBoldFontName, 20, 0.0f, GTEXTALIGN_LEFT);
    GDIText::RenderChunks(-1);

    const bool live = IsLiveAlbum(album_);
    const SIM_Band* band = SIM_GetBand();
    DrawReadout(410.0f, qualityLabel_, live ? album_->GetProductionQuality() : 0.0f);
    DrawReadout(440.0f, songQualityLabel_, live ? album_->GetMaximumQuality() : 0.0f);
    DrawReadout(470.0f, studioQualityLabel_, StudioQuality());
    DrawReadout(500.0f, tirednessLabel_, band->GetValue("band_stress"));
    DrawReadout(530.0f, motivationLabel_, band->GetValue("band_motivation"));
    GDIText::RenderChunks(-1);
    DrawChildren();
}

void GUI_Studio::DrawReadout(float y, const std::string& label, float value)
{
    readout_.PlaceLocal(D3DEngine::W / 2.0f, y);
    readout_.Draw();
    GDIText::AddChunk(readout_.Left() + 10.0f, readout_.Top() + 4.0f, label, kLCDFontName, 16, 0.0f,
                      GTEXTALIGN_LEFT, 0, 0, 0);
    const tagRECT frame = {int(readout_.Right()) - 80, int(readout_.Top()) + 6, int(readout_.Right()) - 10,
                           int(readout_.Bottom()) - 6};
    tagRECT fill = frame;
    fill.right = frame.left + int(float(frame.right - frame.left) * std::clamp(value, 0.0f, 1.0f));
    D3DEngine* d3d = GetD3DEngine();
    d3d->SetTexture(0, 0);
    d3d->FillRect(fill, PackColor(0, 0, 0, 255));
    d3d->FrameRect(frame, PackColor(32, 32, 32, 255));
}

void GUI_Studio::Continue(intptr_t)
{
    GUI_Studio* screen = PTheWindow;
    if (!screen || screen->committed_)
        return;
    GAssert(SIM_RecordingStudio::GetCurrentStudio() != nullptr, __FILE__, __LINE__);
    if (!SIM_RecordingStudio::GetCurrentStudio())
        return;
    screen->committed_ = true;
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Mix, 0);
}

void GUI_Studio::Mix(intptr_t)
{
    if (!PTheWindow || !PTheWindow->committed_)
        return;
    delete PTheWindow.Get();
    GUI_MixingGame::Create();
}

void GUI_Studio::Release(intptr_t)
{
    GUI_Studio* screen = PTheWindow;
    if (!screen || screen->committed_)
        return;
    screen->committed_ = true;
    if (IsLiveAlbum(screen->album_))
        screen->album_->Release();
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Close, 0);
}

void GUI_Studio::Close(intptr_t)
{
    if (!PTheWindow || !PTheWindow->committed_)
        return;
    delete PTheWindow.Get();
    GUI_DayEnd::Request();
}

void GUI_Studio::Cancel(intptr_t) { delete PTheWindow.Get(); }
