#include "windows/GUI_AlbumIcon.h"

#include "career/SIM_Album.h"
#include "career/SIM_Song.h"
#include "engine/GTranslation.h"
#include "engine/LibTextEngine.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_Indicator.h"
#include "shell/GUI_TextureCache.h"
#include "shell/GUI_WindowBackground.h"
#include "sim/GAssert.h"
#include "windows/GUI_Assets.h"

#include <algorithm>

std::vector<GUI_AlbumIcon*> GUI_AlbumIcon::All;
GUI_WindowSlot<GUI_AlbumDetails> GUI_AlbumDetails::PTheWindow;

namespace {

constexpr size_t kKeyNameLength = 14;
constexpr int kTextSize = 16;

bool IsLiveSong(const SIM_Song* song)
{
    auto has = [song](const std::vector<SIM_Song*>& list) {
        return std::find(list.begin(), list.end(), song) != list.end();
    };
    return song && (has(SIM_Song::All) || has(SIM_Song::Retired));
}

} // namespace

// ---- The icon ----

GUI_AlbumIcon::GUI_AlbumIcon(SIM_Album* album) : album_(album)
{
    GAssert(album != nullptr, __FILE__, __LINE__);
    if (album) {
        cover_.SetTexture(album->GetCoverTexture());
        SetName(AddDots(album->GetTitle(), kKeyNameLength));
    }
    SetSize(ICONSIZE, ICONSIZE);
    All.push_back(this);
}

GUI_AlbumIcon::~GUI_AlbumIcon() { All.erase(std::remove(All.begin(), All.end(), this), All.end()); }

bool GUI_AlbumIcon::AlbumLive() const
{
    return album_ && std::find(SIM_Album::All.begin(), SIM_Album::All.end(), album_) != SIM_Album::All.end();
}

void GUI_AlbumIcon::Resize(float size)
{
    SetSize(size, size);
    cover_.width = cover_.height = size;
}

void GUI_AlbumIcon::Draw()
{
    GUI_WindowBase::Draw();
    GUI_WindowBackground::DrawAngledDropShadow("window_sq_dropshadow.dds", rect, 8.0f, 0.0f, 6);
    cover_.PlaceLocal(GetCenterX(), GetCenterY());
    cover_.Draw();
    if (cover_.width >= ICONSIZE)
        DrawNameTag(GetName());
    GetTextEngine()->ProcessTextQueue(-1);
    GUI_DesktopItem::Draw();
}

void GUI_AlbumIcon::Clicked()
{
    if (AlbumLive())
        GUI_AlbumDetails::Create(album_);
}

void GUI_AlbumIcon::AddNew(SIM_Album*) { GUI_GetAssets()->Refresh(); }

void GUI_AlbumIcon::Refresh()
{
    ClearIcons();
    const std::vector<SIM_Album*> albums = SIM_Album::All;
    for (SIM_Album* album : albums)
        new GUI_AlbumIcon(album);
    const float size = GUI_DesktopItem::GetSmallIconMode() ? SMALL_ICONSIZE : ICONSIZE;
    for (GUI_AlbumIcon* icon : All) {
        icon->Resize(size);
        GUI_DesktopItem::SetSlotPosition(icon, GUI_DesktopItem::FIRST_FREE_SLOT, 99);
    }
}

void GUI_AlbumIcon::ClearIcons()
{
    while (!All.empty())
        delete All.front(); // the destructor leaves All
}

// ---- The details ----

void GUI_AlbumDetails::Create(SIM_Album* album)
{
    GAssert(album != nullptr, __FILE__, __LINE__);
    if (!album)
        return;
    GUI_WindowBase::CloseWin(PTheWindow.Get());
    new GUI_AlbumDetails(album);
}

GUI_AlbumDetails::GUI_AlbumDetails(SIM_Album* album) : GUI_Dialog(true)
{
    PTheWindow = this;
    SetSize(550.0f, 320.0f);
    PlaceCentral();
    UpdateClientArea();
    SetTitle(album->GetTitle());
    cover_.width = cover_.height = COVER_SIZE;
    cover_.SetTexture(album->GetCoverTexture());

    // Taken once: the dialog shows the album as it stood when opened.
    labels_ = {GTranslation::GetString("ALBUM_WEEKS_SINCE_RELEASE"), GTranslation::GetString("ALBUM_PRODUCTION_COST"),
               GTranslation::GetString("ALBUM_SALES"), GTranslation::GetString("ALBUM_EARNINGS"),
               GTranslation::GetString("ALBUM_PROFITS")};
    values_ = {std::to_string(album->GetWeeksSinceRelease()), "$" + FormatMoney(album->GetProductionCost()),
               NumToDelimitedChar(album->GetCopiesSold()), "$" + FormatMoney(album->GetTotalEarned()),
               "$" + FormatMoney(album->GetRoyaltiesEarned())};
    qualityLabel_ = GTranslation::GetString("ALBUM_DETAILS_QUALITY");
    quality_ = album->GetProductionQuality();
    // The names are copied: a song may leave the game while the dialog is open.
    for (SIM_Song* song : album->GetTracks())
        if (IsLiveSong(song))
            trackNames_.push_back(AddDots(song->GetName(), TRACK_NAME_LENGTH));
    GUI_HintHelp::Launch("album details");
}

GUI_AlbumDetails::~GUI_AlbumDetails() = default;

void GUI_AlbumDetails::Draw()
{
    const tagRECT& r = GetRect();
    if (GUI_CloseButton* close = GetCloseButton())
        close->SetPosition(float(r.right - 34), float(r.top + 10), float(r.right - 10), float(r.top + 34));
    UpdateClientArea();
    GUI_WindowBackground::DrawDropShadow(r, 30.0f, 6);
    GUI_WindowBackground::DrawTiled(r, TEX_WINDOW, 30.0f, 1.0f);
    DrawButtons();
    GDIText::AddChunk(float(r.left), float(r.top + 10), GetTitle(), nullptr, 32, float(GetWidth()), 1, 255, 255, 255);

    const tagRECT& c = GetClientArea();
    cover_.PlaceLocal(float(c.left + 70), GetCenterY());
    cover_.Draw();
    cover_.Frame(PackColor(128, 128, 128, 255));

    float y = float(c.top + 20);
    for (size_t i = 0; i < trackNames_.size(); ++i) {
        const float x = cover_.Right() + (i % 2 == 0 ? 20.0f : 220.0f);
        GDIText::AddItalicChunk(x, y, trackNames_[i].c_str(), nullptr, kTextSize, 0.0f, 0, 255, 255, 255);
        if (i % 2 == 1)
            y += 20.0f;
    }
    y += 20.0f;
    firstRowY_ = y;
    for (size_t i = 0; i < labels_.size(); ++i, y += 20.0f) {
        GDIText::AddChunk(cover_.Right() + 10.0f, y, labels_[i], nullptr, kTextSize, 0.0f, 0, 255, 255, 255);
        GDIText::AddChunk(float(r.right - 120), y, values_[i], nullptr, kTextSize, 0.0f, 0, 255, 255, 255);
    }
    y += 30.0f;
    GDIText::AddChunk(float(c.left), y, qualityLabel_, nullptr, kTextSize, GetCenterX() - float(c.left), 2, 255,
                      255, 255);
    GUI_ValueBar::DrawSmallBar(GetCenterX() + 10.0f, y, quality_);
    GDIText::RenderChunks(-1);
}
