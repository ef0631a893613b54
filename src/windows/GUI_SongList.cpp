#include "windows/GUI_SongList.h"

#include "career/SIM_Song.h"
#include "engine/GTranslation.h"
#include "engine/LibTextEngine.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/D3DTypes.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_Backdrop.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_Indicator.h"
#include "shell/GUI_WindowBackground.h"
#include "show/GUI_JigSaw.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_GlobalVariable.h"

#include <algorithm>

namespace {

constexpr uint32_t kRowTextColour = VertexColor(0, 0, 0, 0xB6);

bool IsLive(const SIM_Song* song)
{
    return song && std::find(SIM_Song::All.begin(), SIM_Song::All.end(), song) != SIM_Song::All.end();
}

// The sprite takes the skin's texture again when the skin has changed.
void UseSkinTexture(CTexturedSprite& sprite, SKINTEXTURE which)
{
    const std::string& name = GUI_GetBackdrop()->GetCurrentTexture(which);
    if (sprite.GetTextureName() != name)
        sprite.SetTexture(name);
}

} // namespace

// ---- rows -------------------------------------------------------------------------

GUI_SongEntry::GUI_SongEntry(SIM_Song* song) : song_(song)
{
    name_ = song ? AddDots(song->GetName(), 12) : std::string();
    for (CTexturedSprite* s : {&normal_, &highlight_}) {
        s->width = GUI_SongList::kWidth;
        s->height = GUI_SongList::kRowHeight;
    }
    UseSkinTexture(normal_, SKIN_LCD);
    UseSkinTexture(highlight_, SKIN_LCD_H);
    if (song && song->IsClassic()) {
        badge_.width = badge_.height = 24.0f;
        badge_.SetTexture("classic_song.jpg");
    }
}

SIM_Song* GUI_SongEntry::GetSong() const { return IsLive(song_) ? song_ : nullptr; }

bool GUI_SongEntry::IsTinted() const
{
    const SIM_Song* song = GetSong();
    return song && song->GetBoredom() > kBoredTint;
}

void GUI_SongEntry::Draw()
{
    const SIM_Song* song = GetSong();
    if (!song)
        return;
    UseSkinTexture(normal_, SKIN_LCD);
    UseSkinTexture(highlight_, SKIN_LCD_H);
    const uint32_t tint = IsTinted() ? PackColor(255, 166, 166, 255) : PackColor(255, 255, 255, 255);
    normal_.SetVertexColor(tint);
    highlight_.SetVertexColor(tint);
    normal_.PlaceLocal(GetCenterX(), GetCenterY());
    highlight_.PlaceLocal(GetCenterX(), GetCenterY());
    if (MouseInside())
        highlight_.Draw();
    else
        normal_.Draw();
    if (song->IsClassic()) {
        badge_.PlaceLocal(normal_.Right() - 12.0f, normal_.GetCenterY());
        badge_.Draw();
    }
    GetTextEngine()->AddQueueString(name_, float(rect.left) + 6.0f, float(rect.top) + 2.0f, kRowTextColour);
}

bool GUI_SongEntry::CheckClick(float x, float y)
{
    SIM_Song* song = GetSong();
    if (!song || !PtInside(x, y))
        return false;
    GUI_SongDetails::Create(song);
    return true;
}

GUI_DummySongEntry::GUI_DummySongEntry() : text_(GTranslation::GetString("DUMMY_SONG_TEXT"))
{
    sprite_.width = GUI_SongList::kWidth;
    sprite_.height = GUI_SongList::kRowHeight;
    UseSkinTexture(sprite_, SKIN_LCD);
}

void GUI_DummySongEntry::Draw()
{
    UseSkinTexture(sprite_, SKIN_LCD);
    sprite_.PlaceLocal(GetCenterX(), GetCenterY());
    sprite_.Draw();
    GetTextEngine()->AddQueueString(text_, float(rect.left) + 6.0f, float(rect.top) + 2.0f, kRowTextColour);
}

// ---- the panel --------------------------------------------------------------------

GUI_SongList* GUI_GetSongList()
{
    static GUI_SongList* list = new GUI_SongList;
    return list;
}

GUI_SongList::GUI_SongList()
{
    SetPosition(0.0f, 110.0f, 150.0f, D3DEngine::H - 110.0f);
    SetEatsMouse(false);
    AddToGUI();
    SetCloseOnRestart(false);
    up_ = new GUI_IconButton("up.dds", PageUp, 0);
    up_->SetHighlightTexture("up_h.dds");
    down_ = new GUI_IconButton("down.dds", PageDown, 0);
    down_->SetHighlightTexture("down_h.dds");
    AddButton(up_);
    AddButton(down_);
    up_->SetVisible(false);
    down_->SetVisible(false);
}

int GUI_SongList::RowsThatFit() const
{
    // Room is kept below the last row for the page arrows.
    return std::max(2, int((D3DEngine::H - kTop - 2.0f * kRowHeight) / kRowHeight));
}

void GUI_SongList::Initialise()
{
    first_ = 0;
    Refresh();
}

void GUI_SongList::Refresh() { Build(); }

void GUI_SongList::Build()
{
    const std::vector<SIM_Song*> songs = SIM_Song::All;
    const int required = int(SIM_GetGlobalVariables()->Get("RS_SONGS_REQ_FOR_GIG"));
    rowCount_ = std::max(int(songs.size()), required);
    const int fit = RowsThatFit();
    const bool paged = rowCount_ > fit;
    // Everything fits: every row from the first, as the panel always showed them.
    const int shown = paged ? fit : rowCount_;
    first_ = paged ? std::clamp(first_, 0, rowCount_ - shown) : 0;

    const int n = std::clamp(int(songs.size()), 2, 15);
    SetPosition(0.0f, kTop, kWidth, kTop + kRowHeight * float(n));
    KillChildren();
    float y = float(rect.top);
    for (int i = first_; i < first_ + shown; ++i) {
        GUI_WindowBase* row = i < int(songs.size()) ? static_cast<GUI_WindowBase*>(new GUI_SongEntry(songs[i]))
                                                    : new GUI_DummySongEntry;
        AddChild(row);
        row->SetPosition(float(rect.left), y, float(rect.right), y + kRowHeight);
        y += kRowHeight;
    }
    up_->SetVisible(paged && first_ > 0);
    down_->SetVisible(paged && first_ + shown < rowCount_);
    up_->SetPosition(float(rect.left) + 30.0f, y + 4.0f, float(rect.left) + 54.0f, y + 28.0f);
    down_->SetPosition(float(rect.left) + 90.0f, y + 4.0f, float(rect.left) + 114.0f, y + 28.0f);
    up_->PlaceSprite();
    down_->PlaceSprite();
}

void GUI_SongList::PageUp(intptr_t)
{
    GUI_SongList* list = GUI_GetSongList();
    list->first_ = std::max(0, list->first_ - list->RowsThatFit());
    list->Build();
}

void GUI_SongList::PageDown(intptr_t)
{
    GUI_SongList* list = GUI_GetSongList();
    list->first_ += list->RowsThatFit();
    list->Build();
}

bool GUI_SongList::CheckClick(float x, float y)
{
    // Only the rows and the arrows take clicks; the panel's own rectangle is not a window
    // to raise or drag.
    auto offer = [x, y](GUI_WindowBase* c) { return c->CheckClick(x, y); };
    std::vector<GUI_WindowBase*> rows = Children();
    for (GUI_WindowBase* row : rows)
        if (offer(row))
            return true;
    return CheckButtonsAt(x, y);
}

void GUI_SongList::Draw()
{
    if (!IsVisible())
        return;
    LibTextEngine* text = GetTextEngine();
    text->SetCurrentFont("LCD16.dds", 24.0f);
    DrawChildren();
    DrawButtons();
    text->ProcessTextQueue(-1);
    GDIText::RenderChunks(-1);
}

// ---- details ----------------------------------------------------------------------

GUI_WindowSlot<GUI_SongDetails> GUI_SongDetails::PTheWindow;

void GUI_SongDetails::Create(SIM_Song* song)
{
    delete PTheWindow.Get();
    new GUI_SongDetails(song);
}

GUI_SongDetails::GUI_SongDetails(SIM_Song* song) : GUI_Dialog(true), song_(song)
{
    PTheWindow = this;
    GAssert(song != nullptr, __FILE__, __LINE__);
    SetSize(550.0f, 290.0f);
    PlaceCentral();
    UpdateClientArea();
    SetTitle(song ? song->GetName() : std::string());
    AddToGUI();
    if (GUI_CloseButton* close = GetCloseButton())
        close->SetPosition(float(rect.right) - 34.0f, float(rect.top) + 10.0f, float(rect.right) - 10.0f,
                           float(rect.top) + 34.0f);

    quality_ = GTranslation::GetString("SONGDETAILS_QUALITY");
    boredom_ = GTranslation::GetString("SONGDETAILS_BOREDOM");
    inspiration_ = GTranslation::GetString("SONGDETAILS_INSPIRATION");

    const float cx = GetCenterX();
    const float b = float(GetClientArea().bottom);
    improve_ = new GUI_ButtonText("SONGDETAILS_IMPROVE", Improve, 0);
    improve_->SetTooltip("SONGDETAILS_IMPROVE_TOOLTIP", 0);
    improve_->SetPosition(cx + 10.0f, b - 30.0f, cx + 130.0f, b - 10.0f);
    AddButton(improve_);
    retire_ = new GUI_ButtonText("SONGDETAILS_RETIRE", Retire, 0);
    retire_->SetTooltip("SONGDETAILS_RETIRE_TOOLTIP", 0);
    retire_->SetPosition(cx - 130.0f, b - 30.0f, cx - 10.0f, b - 10.0f);
    AddButton(retire_);

    if (!song) {
        improve_->SetEnabled(false);
        retire_->SetEnabled(false);
        return;
    }
    description_ = song->GetDescription();
    classic_ = song->IsClassic();
    if (classic_) {
        retire_->SetEnabled(false);
        improve_->SetEnabled(false);
        retire_->SetTooltip("SONGDETAILS_RETIRE_TOOLTIP_CLASSIC", 0);
        improve_->SetTooltip("SONGDETAILS_IMPROVE_TOOLTIP_CLASSIC", 0);
        badge_.width = badge_.height = 80.0f;
        badge_.SetTexture("classic_song.jpg");
    }
    if (song->IsCover()) {
        improve_->SetEnabled(false);
        improve_->SetTooltip("SONGDETAILS_IMPROVE_TOOLTIP_COVER", 0);
        writer_ = GTranslation::GetString("SONG_WRITER_COVER");
    } else {
        writer_ = std::string(GTranslation::GetString("SONG_WRITER_ORIGINAL")).substr(0, 1023);
        GTranslation::ReplaceToken(writer_, "<BANDNAME>", SIM_GetBand()->GetName());
    }
    GUI_HintHelp::Launch("song details");
}

SIM_Song* GUI_SongDetails::LiveSong() const { return IsLive(song_) ? song_ : nullptr; }

void GUI_SongDetails::Improve(intptr_t)
{
    if (!PTheWindow)
        return;
    SIM_Song* song = PTheWindow->LiveSong();
    delete PTheWindow.Get();
    if (song)
        GUI_JigSaw::Create(song, false);
}

void GUI_SongDetails::Retire(intptr_t)
{
    if (!PTheWindow)
        return;
    SIM_Song* song = PTheWindow->LiveSong();
    delete PTheWindow.Get();
    if (song && !song->IsClassic())
        song->Retire();
    GUI_GetSongList()->Refresh();
}

void GUI_SongDetails::Draw()
{
    const float l = float(rect.left), t = float(rect.top), r = float(rect.right);
    const float w = float(GetWidth());
    if (GUI_CloseButton* close = GetCloseButton())
        close->SetPosition(r - 34.0f, t + 10.0f, r - 10.0f, t + 34.0f);
    stats_ = {int(l) + 75, int(t) + 120, int(r) - 75, int(t) + 216};

    GUI_WindowBackground::DrawDropShadow(rect, 30.0f, 6);
    GUI_WindowBackground::DrawTiled(rect, TEX_WINDOW, 30.0f, 1.0f);
    D3DEngine* d3d = GetD3DEngine();
    d3d->SetTexture(0, 0);
    d3d->FillRect(stats_, PackColor(0, 0, 0, 255));
    if (classic_) {
        badge_.PlaceLocal(float(stats_.right) - 50.0f, float(stats_.top + stats_.bottom) / 2.0f);
        badge_.Draw();
    }
    DrawButtons();

    GDIText::AddChunk(l, t + 10.0f, GetTitle(), kBoldFontName, 32, w, GTEXTALIGN_CENTRE, 255, 255, 255);
    GDIText::AddChunk(l + 30.0f, t + 50.0f, description_, kBoldFontName, 18, w - 60.0f, GTEXTALIGN_LEFT, 255, 255,
                      255);
    GDIText::AddChunk(l, float(stats_.bottom) + 7.0f, writer_, kBoldFontName, 18, w, GTEXTALIGN_CENTRE, 255, 255,
                      255);
    const SIM_Song* song = LiveSong();
    const float values[3] = {song ? song->GetQuality() : 0.0f, song ? song->GetBoredom() : 0.0f,
                             song ? song->GetInitialInspiration() : 0.0f};
    const std::string* labels[3] = {&quality_, &boredom_, &inspiration_};
    float y = float(GetClientArea().bottom) - 150.0f;
    for (int i = 0; i < 3; ++i, y += 26.0f) {
        GDIText::AddChunk(l, y, *labels[i], kBoldFontName, 18, 200.0f, GTEXTALIGN_RIGHT, 255, 255, 255);
        GUI_ValueBar::DrawSmallBar(l + 210.0f, y + 3.0f, values[i]);
    }
    GDIText::RenderChunks(-1);
}
