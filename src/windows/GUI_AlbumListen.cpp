#include "windows/GUI_AlbumListen.h"

#include "career/SIM_AssetMusic.h"
#include "career/SIM_SongElement.h"
#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_DayEnd.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_Sounds.h"
#include "sim/GAssert.h"
#include "sim/SIM_GlobalVariable.h"

GUI_WindowSlot<GUI_AlbumListen> GUI_AlbumListen::PTheWindow;

namespace {

constexpr float kPostitSize = 90.0f;
constexpr float kPostitY = 721.0f;
constexpr float kNoteY = 733.0f;
constexpr size_t kPostitChars = 10;
// Our handwriting face runs wide: this size keeps the cut name inside the post-it.
constexpr int kPostitTextSize = 16;
constexpr float kTrackX = 350.0f;
constexpr float kUnlockY = 631.0f;
constexpr int kTrackSize = 18;
constexpr int kLineSize = 22;

} // namespace

void GUI_AlbumListen::Create(SIM_AssetMusic* asset)
{
    GAssert(asset != nullptr, __FILE__, __LINE__);
    if (!asset)
        return;
    delete PTheWindow.Get();
    new GUI_AlbumListen(asset);
}

std::vector<GUI_AlbumListen::TrackLine> GUI_AlbumListen::TrackLines(const std::vector<std::string>& titles, int heard,
                                                                    const std::string& label)
{
    std::vector<TrackLine> lines;
    for (size_t i = 0; i < titles.size(); ++i) {
        if (heard > 0 && size_t(heard) > i)
            lines.push_back({titles[i], false});
        else // counted as the player counts tracks, from one
            lines.push_back({"(" + label + " " + std::to_string(i + 1) + ")", true});
    }
    return lines;
}

GUI_AlbumListen::GUI_AlbumListen(const SIM_AssetMusic* asset)
{
    const float W = D3DEngine::W;
    const float H = D3DEngine::H;
    PTheWindow = this;
    AddToGUI();
    MakeFullScreenWindow();

    finish_ = new GUI_ButtonText("BOOKGIG_FINISH", &GUI_AlbumListen::Finish, 0);
    // The booking window's tooltip says the day is kept; this page uses it.
    finish_->SetTooltip("LISTENALBUM_FINISH_TOOLTIP", 0);
    finish_->SetPosition(W - 140.0f, H - 40.0f, W - 10.0f, H - 10.0f);
    AddButton(finish_);

    title_ = asset->GetGUIName();
    description_ = asset->GetDescription();
    cover_.SetTexture(asset->GetTextureName());
    cover_.width = cover_.height = kCoverSize;
    cover_.SetVertexColor(255, 255, 255, 200);
    cover_.PlaceLocal(W / 2.0f, kCoverY);

    inspirationLine_ = std::string(GTranslation::GetString("LISTENALBUM_INSPIRATION")) + ": +" +
                       std::to_string(PercentOf(SIM_GetGlobalVariables()->Get("RS_LISTEN_ALBUM_INSPIRATION")));
    tracks_ = TrackLines(asset->GetTrackTitles(), asset->GetTracksListenedTo(),
                         GTranslation::GetString("LISTENALBUM_TRACK"));

    // A record whose row names no known element unlocks nothing, and says nothing of it.
    const SIM_SongElement* element = asset->GetUnlock();
    if (asset->GetListenedPercentage() >= 1.0f && element) {
        unlockedLine_ = GTranslation::GetString("RS_LISTEN_ALBUM_UNLOCKED");
        elementName_ = element->GetGUIName();
        postit_.SetTexture("postit1.dds");
        postit_.width = postit_.height = kPostitSize;
        postit_.PlaceLocal(W / 2.0f, kPostitY);
        note_.SetTexture("jigsaw_5notes1.dds");
        note_.width = note_.height = kPostitSize;
        note_.SetVertexColor(0, 0, 0, 255);
        note_.PlaceLocal(W / 2.0f, kNoteY);
    }

    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    GUI_GetGUI()->SetInputHandler(this);
    GUI_GetSounds()->PlaySound("data/sounds/needle_drop.ogg", false);
    GUI_HintHelp::Launch("album listen");
}

GUI_AlbumListen::~GUI_AlbumListen()
{
    // A fade still on its way must not end a day for a page that is gone.
    GUI_GetFader()->CancelCallback(&GUI_AlbumListen::Close);
    GUI_GetGUI()->RemoveInputHandler(this);
}

void GUI_AlbumListen::Finish(intptr_t)
{
    GUI_AlbumListen* page = PTheWindow;
    if (!page || page->leaving_)
        return;
    page->leaving_ = true;
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, &GUI_AlbumListen::Close, 0);
}

void GUI_AlbumListen::Close(intptr_t)
{
    if (!PTheWindow)
        return;
    CloseWin(PTheWindow.Get());
    GUI_DayEnd::Request();
}

std::string GUI_AlbumListen::GetPostitText() const
{
    return AddDots(elementName_, kPostitChars);
}

void GUI_AlbumListen::Draw()
{
    const float W = D3DEngine::W;
    GetD3DEngine()->FillScreen("album_listen.jpg");
    GUI_WindowBase::Draw();

    GDIText::AddChunk(0.0f, 60.0f, title_, kBoldFontName, 32, W, GTEXTALIGN_CENTRE, 255, 255, 255);
    GDIText::AddChunk(320.0f, 130.0f, description_, kBoldFontName, kTrackSize, 350.0f, GTEXTALIGN_LEFT, 0, 0, 0);

    cover_.Draw();
    GetD3DEngine()->SetTexture(0, 0);
    cover_.Frame(0xC8202020u);

    float y = TrackY(0);
    for (const TrackLine& line : tracks_) {
        if (line.italic)
            GDIText::AddItalicChunk(kTrackX, y, line.text.c_str(), kBoldFontName, kTrackSize, 0.0f,
                                    GTEXTALIGN_LEFT, 0, 0, 0);
        else
            GDIText::AddChunk(kTrackX, y, line.text, kBoldFontName, kTrackSize, 0.0f, GTEXTALIGN_LEFT, 0, 0, 0);
        y += 25.0f;
    }
    GDIText::AddChunk(0.0f, y, inspirationLine_, kBoldFontName, kLineSize, W, GTEXTALIGN_CENTRE, 0, 0, 0);

    if (!unlockedLine_.empty()) {
        GDIText::AddChunk(284.0f, kUnlockY, unlockedLine_, kBoldFontName, kLineSize, 0.0f, GTEXTALIGN_LEFT, 0, 0, 0);
        GDIText::AddChunk(472.0f, kUnlockY, elementName_, kBoldFontName, kLineSize, 0.0f, GTEXTALIGN_LEFT, 0, 0, 0);
        postit_.Draw();
        note_.Draw();
        GDIText::AddChunk(postit_.Left(), postit_.Top(), GetPostitText(), "Journal", kPostitTextSize, kPostitSize,
                          GTEXTALIGN_CENTRE, 0, 0, 0);
    }
    GDIText::RenderChunks(-1);
}
