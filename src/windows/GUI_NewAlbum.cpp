#include "windows/GUI_NewAlbum.h"

#include "career/SIM_Album.h"
#include "career/SIM_RecordingStudio.h"
#include "career/SIM_Song.h"
#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/D3DTypes.h"
#include "engine/gfx/GDIText.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_WindowBackground.h"
#include "shell/GUI_WindowManager.h"
#include "shell/Input.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Names.h"
#include "windows/GUI_CDMixer.h"

#include <algorithm>

namespace {

constexpr const char* kNameFont = "Journal";

GUI_NameField::Rules AlbumNameRules()
{
    GUI_NameField::Rules rules;
    rules.capacity = GUI_NewAlbum::kMaxNameLength;
    rules.extra = " '-!?.,&:;()";
    rules.caseRule = GUI_NameField::CASE_AS_TYPED;
    return rules;
}

// The quality bar of a track or a read-out: a black fill in a dark grey frame.
void DrawQualityBar(const tagRECT& frame, float value)
{
    D3DEngine* d3d = GetD3DEngine();
    d3d->SetTexture(0, 0);
    const float v = std::clamp(value, 0.0f, 1.0f);
    tagRECT fill = frame;
    fill.right = frame.left + int(float(frame.right - frame.left) * v);
    d3d->FillRect(fill, PackColor(0, 0, 0, 255));
    d3d->FrameRect(frame, PackColor(32, 32, 32, 255));
}

constexpr float kPictureWidth = 171.0f;
constexpr float kPictureHeight = 126.0f;

// A card's line in 18 points, or the largest smaller size that fits on one line of the card
// (with a margin: the wrap breaks a line a little before its measured width).
int FittingSize(const std::string& text, float width)
{
    for (int size : {18, 16, 14, 12}) {
        GDIText::SetFont(kBoldFontName, size, false);
        if (GDIText::GetStringWidth(text) <= width)
            return size;
    }
    return 11;
}

} // namespace

// ---- track buttons ----------------------------------------------------------------

std::vector<GUI_AlbumTrack*> GUI_AlbumTrack::All;

GUI_AlbumTrack::GUI_AlbumTrack(SIM_Song* song, bool inAlbum) : inAlbum_(inAlbum), song_(song)
{
    All.push_back(this);
    name_ = song ? AddDots(song->GetName(), 18) : std::string();
    for (CTexturedSprite* s : {&normal_, &highlight_}) {
        s->width = 250.0f;
        s->height = 24.0f;
    }
    normal_.SetTexture("song_lcd_wide.bmp");
    highlight_.SetTexture("song_lcd_wide_h.bmp");
}

GUI_AlbumTrack::~GUI_AlbumTrack() { All.erase(std::remove(All.begin(), All.end(), this), All.end()); }

void GUI_AlbumTrack::Clear()
{
    const std::vector<GUI_AlbumTrack*> tracks = All;
    for (GUI_AlbumTrack* track : tracks) {
        if (GUI_NewAlbum::PTheWindow)
            GUI_NewAlbum::PTheWindow->RemoveButton(track);
        delete track;
    }
}

void GUI_AlbumTrack::Click()
{
    GUI_NewAlbum* screen = GUI_NewAlbum::PTheWindow;
    SIM_Album* album = GUI_NewAlbum::GetAlbum();
    if (!screen || !album || screen->IsCommitted() || !song_)
        return;
    if (inAlbum_) {
        album->RemoveTrack(song_);
        inAlbum_ = false;
    } else if (!album->IsValid()) {
        album->AddTrack(song_);
    }
    // This button is deleted by the rebuild, so the rebuild waits for the click to end.
    screen->RequestPopulate();
}

void GUI_AlbumTrack::Draw()
{
    if (!IsVisible())
        return;
    CTexturedSprite& sprite = GetInput()->MouseInRect(&rect) ? highlight_ : normal_;
    sprite.PlaceLocal(GetCenterX(), GetCenterY());
    sprite.Draw();
    GDIText::AddChunk(float(rect.left) + 9.0f, float(rect.top) + 4.0f, name_, kLCDFontName, 16, 0.0f,
                      GTEXTALIGN_LEFT, 0, 0, 0);
    barFrame_ = {rect.right - 80, rect.top + 6, rect.right - 10, rect.bottom - 6};
    const float quality = song_ ? song_->GetQuality() : 0.0f;
    barFill_ = barFrame_;
    barFill_.right = barFrame_.left + int(std::clamp(quality, 0.0f, 1.0f) * float(barFrame_.right - barFrame_.left));
    DrawQualityBar(barFrame_, quality);
    GUI_ButtonBase::Draw();
}

// ---- studio cards -----------------------------------------------------------------

GUI_StudioButton::GUI_StudioButton(SIM_RecordingStudio* studio) : studio_(studio)
{
    picture_.width = kPictureWidth;
    picture_.height = kPictureHeight;
    if (studio) {
        picture_.SetTexture(studio->GetTexture());
        cost_ = std::string(GTranslation::GetString("STUDIO_COST")) + " $ " +
                NumToDelimitedChar((long long)studio->GetDailyCost());
        affordable_ = SIM_GetFinances()->GetCash() >= studio->GetDailyCost();
    }
}

void GUI_StudioButton::Click()
{
    if (!affordable_ || !studio_)
        return;
    GUI_GetSounds()->PlaySound(GUI_Sounds::SOUNDID(0));
    SIM_RecordingStudio::SetCurrentStudio(studio_);
}

void GUI_StudioButton::Draw()
{
    if (!studio_)
        return;
    inner_ = {rect.left + 3, rect.top + 3, rect.right - 3, rect.bottom - 3};
    unsigned brightness = 64;
    if (SIM_RecordingStudio::GetCurrentStudio() == studio_) {
        GUI_WindowBackground::DrawTiled(inner_, "window_green.dds", 20.0f, 1.0f);
        brightness = 255;
    } else if (affordable_ && GetInput()->MouseInRect(&inner_)) {
        brightness = 128;
    }
    const float w = float(inner_.right - inner_.left);
    // Five cards share the strip: a picture wider than its card is shrunk to fit it, so
    // neighbouring cards never overlap.
    picture_.width = std::min(kPictureWidth, std::max(0.0f, w - 6.0f));
    picture_.height = picture_.width * kPictureHeight / kPictureWidth;
    picture_.PlaceLocal(GetCenterX(), float(rect.top) + picture_.height / 2.0f + 34.0f);
    picture_.Draw();
    GetD3DEngine()->SetTexture(0, 0);
    picture_.Frame(PackColor(brightness, brightness, brightness, 255));
    GDIText::AddChunk(float(inner_.left), float(inner_.top) + 6.0f, studio_->GetGUIName(), kBoldFontName,
                      FittingSize(studio_->GetGUIName(), w - 12.0f), w, GTEXTALIGN_CENTRE, 255, 255, 255);
    GDIText::AddChunk(float(inner_.left), picture_.Bottom() + 22.0f, cost_, kBoldFontName, FittingSize(cost_, w - 12.0f), w,
                      GTEXTALIGN_CENTRE, 255, 255, 255);
    GUI_ButtonBase::Draw();
}

GUI_StudioSelector::GUI_StudioSelector()
{
    // A snapshot: building a card never changes the studios.
    const std::vector<SIM_RecordingStudio*> studios = SIM_RecordingStudio::All;
    for (SIM_RecordingStudio* studio : studios) {
        auto* button = new GUI_StudioButton(studio);
        studios_.push_back(button);
        AddButton(button);
    }
}

void GUI_StudioSelector::Layout()
{
    if (studios_.empty())
        return;
    const int each = GetWidth() / int(studios_.size());
    int x = rect.left;
    for (GUI_StudioButton* button : studios_) {
        button->SetPosition(float(x), float(rect.top), float(x + each), float(rect.bottom));
        x += each;
    }
}

void GUI_StudioSelector::Draw()
{
    GetD3DEngine()->SetTexture(0, 0);
    GetD3DEngine()->FrameRect(rect, PackColor(128, 128, 128, 255));
    Layout();
    DrawButtons();
    GDIText::RenderChunks(-1);
}

// ---- the screen -------------------------------------------------------------------

GUI_WindowSlot<GUI_NewAlbum> GUI_NewAlbum::PTheWindow;

void GUI_NewAlbum::Create()
{
    if (GUI_NewAlbum* open = PTheWindow) {
        // An album still being put together goes back: its songs are free again.
        if (!open->committed_ && open->album_)
            open->album_->Cancel();
        open->album_ = nullptr;
        delete open;
    }
    new GUI_NewAlbum;
}

SIM_Album* GUI_NewAlbum::GetAlbum() { return PTheWindow ? PTheWindow->album_ : nullptr; }

GUI_NewAlbum::GUI_NewAlbum() : name_(AlbumNameRules())
{
    MakeFullScreenWindow();
    PTheWindow = this;
    GUI_GetGUI()->SetInputHandler(this);
    // Registered as a window too, so a new game or a load closes it with the other screens.
    AddToGUI();

    title_ = GTranslation::GetString("NEWALBUM_TITLE");
    albumTitle_ = GTranslation::GetString("NEWALBUM_ALBUMTITLE");
    trackListing_ = GTranslation::GetString("NEWALBUM_TRACKLISTING");
    availableLabel_ = GTranslation::GetString("NEWALBUM_AVAILABLE");
    name_.SetText(SIM_NamesList::AlbumNames.GetRandom());

    const float w = D3DEngine::W, h = D3DEngine::H;
    finish_ = new GUI_ButtonText("NEWALBUM_FINISH", Finish, 0);
    finish_->SetTooltip("NEWALBUM_FINISH_TOOLTIP", 0);
    finish_->SetPosition(w - 180.0f, h - 30.0f, w - 40.0f, h - 8.0f);
    AddButton(finish_);
    cancel_ = new GUI_ButtonText("NEWALBUM_CANCEL", Cancel, 0);
    cancel_->SetTooltip("NEWALBUM_CANCEL_TOOLTIP", 0);
    cancel_->SetPosition(40.0f, h - 30.0f, 180.0f, h - 8.0f);
    AddButton(cancel_);
    random_ = new GUI_IconButton("random_white.dds", RandomName, 0);
    random_->SetTooltip("JIGSAW_RANDOMNAME_TOOLTIP", 0);
    AddButton(random_);
    up_ = new GUI_IconButton("up.dds", ScrollUp, 0);
    up_->SetHighlightTexture("up_h.dds");
    AddButton(up_);
    down_ = new GUI_IconButton("down.dds", ScrollDown, 0);
    down_->SetHighlightTexture("down_h.dds");
    AddButton(down_);

    album_ = SIM_Album::Create();
    album_->SetTitle(name_.GetText());

    name_.RestartCaret();
    box_ = {int(w / 2.0f) - 350, 430, int(w / 2.0f) + 310, 710};
    Populate();

    if (SIM_GetRecordCompany()->IsSigned()) {
        SIM_RecordingStudio::ChooseBestStudio();
    } else {
        selector_ = new GUI_StudioSelector;
        AddChild(selector_);
        selector_->SetPosition(float(box_.left), 200.0f, float(box_.right), float(box_.top) - 10.0f);
        selector_->Layout();
        SIM_RecordingStudio::ValidateStudio();
    }
    SetButtonStates();
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    GUI_HintHelp::Launch("new album");
}

GUI_NewAlbum::~GUI_NewAlbum()
{
    GUI_AlbumTrack::Clear();
    GUI_GetWindowManager()->RemoveFullscreen(this);
    GUI_GetGUI()->RemoveInputHandler(this);
    SIM_Song::UpdateSongsForStudio();
}

void GUI_NewAlbum::Populate()
{
    repopulate_ = false;
    available_.clear();
    for (SIM_Song* song : SIM_Song::All)
        if (!song->GetAlbum())
            available_.push_back(song);
    GUI_AlbumTrack::Clear();
    for (GUI_IconButton* placeholder : placeholders_) {
        RemoveButton(placeholder);
        delete placeholder;
    }
    placeholders_.clear();

    auto addPlaceholder = [this](float x, float y) {
        auto* filler = new GUI_IconButton("song_lcd_wide.bmp", nullptr, 0);
        filler->SetPosition(x, y, x + 250.0f, y + 24.0f);
        filler->PlaceSprite();
        filler->SetEnabled(false);
        AddButton(filler);
        placeholders_.push_back(filler);
    };
    const float w = D3DEngine::W;
    float x = w / 2.0f - 300.0f, y = 460.0f;
    int shown = 0;
    for (size_t i = 0; i < available_.size(); ++i) {
        if (shown >= kRows || int(i) < scroll_)
            continue;
        auto* track = new GUI_AlbumTrack(available_[i], false);
        track->SetPosition(x, y, x + 250.0f, y + 24.0f);
        AddButton(track);
        y += 30.0f;
        ++shown;
    }
    for (; shown < kRows; ++shown, y += 30.0f)
        addPlaceholder(x, y);

    x = w / 2.0f + 50.0f;
    y = 460.0f;
    int tracks = 0;
    if (album_) {
        const std::vector<SIM_Song*> listing = album_->GetTracks();
        for (SIM_Song* song : listing) {
            auto* track = new GUI_AlbumTrack(song, true);
            track->SetPosition(x, y, x + 250.0f, y + 24.0f);
            AddButton(track);
            y += 30.0f;
            ++tracks;
        }
    }
    for (; tracks < kRows; ++tracks, y += 30.0f)
        addPlaceholder(x, y);
}

void GUI_NewAlbum::SetButtonStates()
{
    finish_->SetEnabled(!committed_ && album_ && album_->IsValid() && SIM_RecordingStudio::GetCurrentStudio());
    up_->SetVisible(scroll_ >= 1);
    down_->SetVisible(int(available_.size()) > scroll_ + kRows);
}

void GUI_NewAlbum::Draw()
{
    if (repopulate_)
        Populate();
    const float w = D3DEngine::W;
    D3DEngine* d3d = GetD3DEngine();
    d3d->ClearScreen();
    SetButtonStates();
    random_->SetPosition(800.0f, 120.0f, 830.0f, 150.0f);
    random_->PlaceSprite();
    up_->SetPosition(w / 2.0f - 340.0f, 460.0f, w / 2.0f - 310.0f, 490.0f);
    up_->PlaceSprite();
    down_->SetPosition(w / 2.0f - 340.0f, 670.0f, w / 2.0f - 310.0f, 700.0f);
    down_->PlaceSprite();
    GUI_WindowBase::Draw();
    DrawChildren();

    const std::string line = albumTitle_ + " \"" + name_.GetText() + "\"";
    GDIText::SetFont(kNameFont, 44, false);
    nameWidth_ = GDIText::GetStringWidth(line);

    const float boxW = float(box_.right - box_.left);
    GDIText::AddChunk(0.0f, 60.0f, title_, kBoldFontName, 32, w, GTEXTALIGN_CENTRE, 255, 255, 255);
    GDIText::AddChunk(0.0f, 110.0f, line, kNameFont, 44, w, GTEXTALIGN_CENTRE, 255, 255, 255);
    GDIText::AddChunk(float(box_.left), float(box_.top) + 6.0f, trackListing_, kBoldFontName, 20, boxW - 10.0f,
                      GTEXTALIGN_RIGHT, 255, 255, 255);
    GDIText::AddChunk(float(box_.left) + 10.0f, float(box_.top) + 6.0f, availableLabel_, kBoldFontName, 20, 0.0f,
                      GTEXTALIGN_LEFT, 255, 255, 255);
    GDIText::RenderChunks(-1);

    d3d->SetTexture(0, 0);
    d3d->FrameRect(box_, PackColor(128, 128, 128, 255));
    if (name_.CaretVisible()) {
        const float x = w / 2.0f + nameWidth_ / 2.0f;
        d3d->FillRect(tagRECT {int(x) + 2, 159, int(x) + 5, 175}, PackColor(0, 0, 0, 0xF4));
    }
}

void GUI_NewAlbum::HandleKey(unsigned int key)
{
    // The screen has every key while it is up: Escape never reaches the quit question.
    if (committed_ || !album_)
        return;
    CInput* input = GetInput();
    const bool shift = input->KeyDown(kKeyShift) || input->KeyDown(kKeyRightShift);
    name_.HandleKey(key, shift);
    album_->SetTitle(name_.GetText());
}

void GUI_NewAlbum::RandomName(intptr_t)
{
    GUI_NewAlbum* screen = PTheWindow;
    if (!screen || screen->committed_ || !screen->album_)
        return;
    screen->name_.SetText(SIM_NamesList::AlbumNames.GetRandom());
    screen->album_->SetTitle(screen->name_.GetText());
}

void GUI_NewAlbum::ScrollUp(intptr_t)
{
    GUI_NewAlbum* screen = PTheWindow;
    if (!screen || screen->committed_)
        return;
    if (screen->scroll_ > 0)
        --screen->scroll_;
    screen->RequestPopulate();
}

void GUI_NewAlbum::ScrollDown(intptr_t)
{
    GUI_NewAlbum* screen = PTheWindow;
    if (!screen || screen->committed_)
        return;
    ++screen->scroll_;
    screen->RequestPopulate();
}

void GUI_NewAlbum::Finish(intptr_t)
{
    GUI_NewAlbum* screen = PTheWindow;
    if (!screen || screen->committed_ || !screen->album_ || !screen->album_->IsValid() ||
        !SIM_RecordingStudio::GetCurrentStudio())
        return;
    screen->committed_ = true;
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Close, 1);
}

void GUI_NewAlbum::Cancel(intptr_t)
{
    GUI_NewAlbum* screen = PTheWindow;
    if (!screen || screen->committed_)
        return;
    screen->committed_ = true;
    // The album's class frees its songs and deletes it.
    if (screen->album_)
        screen->album_->Cancel();
    screen->album_ = nullptr;
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Close, 0);
}

void GUI_NewAlbum::Close(intptr_t finished)
{
    GUI_NewAlbum* screen = PTheWindow;
    // Only the screen that finished or cancelled is closed by its fade.
    if (!screen || !screen->committed_)
        return;
    SIM_Album* album = screen->album_;
    screen->album_ = nullptr;
    delete screen;
    if (finished == 1 && album)
        GUI_CDMixer::Create(album);
}
