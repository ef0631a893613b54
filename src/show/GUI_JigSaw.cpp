#include "show/GUI_JigSaw.h"

#include "career/SIM_SongElement.h"
#include "engine/GTranslation.h"
#include "engine/LibTextEngine.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_DayEnd.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_Particles.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_TextureCache.h"
#include "shell/GUI_WindowManager.h"
#include "shell/Input.h"
#include "sim/GAssert.h"
#include "sim/SIM_Names.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr uint32_t kBitmapBlack = 0xFF000000u; // bitmap text: alpha high, then red, green, blue
constexpr const char* kJournal = "Journal";
constexpr float kAccentY = 381.0f;

const char* const kSectionLabels[NUM_SONG_SECTIONS] = {"JIGSAW_INTRO",  "JIGSAW_VERSE1", "JIGSAW_CHORUS1",
                                                       "JIGSAW_VERSE2", "JIGSAW_BRIDGE", "JIGSAW_CHORUS2",
                                                       "JIGSAW_OUTTRO"};

bool ShiftHeld() { return GetInput()->KeyDown(kKeyShift) || GetInput()->KeyDown(kKeyRightShift); }

GUI_NameField::Rules SongNameRules()
{
    GUI_NameField::Rules rules;
    rules.capacity = GUI_JigSaw::kMaxName;
    rules.extra = " -',.";
    rules.caseRule = GUI_NameField::CASE_AS_TYPED;
    return rules;
}

// The edge colours by suitability: red, blue, green.
uint32_t EdgeColour(int suitability)
{
    switch (suitability) {
    case 1: return 0xFF9B0000u;  // blue 155
    case 2: return 0xFF008000u;  // green 128
    default: return 0xFF000080u; // red 128
    }
}
} // namespace

// ---------------------------------------------------------------------------------------
// Sections

std::vector<GUI_JigsawSection*> GUI_JigsawSection::All;

GUI_JigsawSection::GUI_JigsawSection(SONG_SECTION section) : section_(section)
{
    label_ = GTranslation::GetString(kSectionLabels[std::clamp(int(section), 0, NUM_SONG_SECTIONS - 1)]);
    All.push_back(this);
}

GUI_JigsawSection::~GUI_JigsawSection()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

void GUI_JigsawSection::SetPosition(float l, float t, float r, float b)
{
    GUI_WindowBase::SetPosition(l, t, r, b);
    SetRect(&title_, rect.left, rect.top, rect.right, rect.top + 20);
    SetRect(&element_, rect.left, rect.top + 23, rect.right, rect.top + 44);
    SetRect(&slot_, rect.left + 1, rect.top + 47, rect.right - 1, rect.top + 124);
}

void GUI_JigsawSection::SetPiece(GUI_JigSawPiece* piece)
{
    GAssert(piece != nullptr, __FILE__, __LINE__);
    if (!piece)
        return;
    piece_ = piece;
    elementText_ = "(" + piece->GetElement()->GetGUIName() + ")";
    const int cx = (slot_.left + slot_.right) / 2, cy = (slot_.top + slot_.bottom) / 2;
    piece->SetPosition(float(cx - 64), float(cy - 64), float(cx + 64), float(cy + 64));
}

void GUI_JigsawSection::Empty()
{
    piece_ = nullptr;
    elementText_.clear();
}

GUI_JigsawSection* GUI_JigsawSection::GetSection(SONG_SECTION section)
{
    for (GUI_JigsawSection* s : All)
        if (s->section_ == section)
            return s;
    GError("Failed to find jigsaw section", __FILE__, __LINE__);
    return nullptr;
}

bool GUI_JigsawSection::ValidSong()
{
    if (All.empty())
        return false;
    return std::all_of(All.begin(), All.end(), [](const GUI_JigsawSection* s) { return s->piece_ != nullptr; });
}

void GUI_JigsawSection::UpdateSong()
{
    GUI_JigSaw* jigsaw = GUI_JigSaw::PTheWindow;
    SIM_Song* song = jigsaw ? jigsaw->GetSong() : nullptr;
    if (!song)
        return;
    song->ClearElements();
    for (GUI_JigsawSection* s : All)
        if (s->piece_)
            song->AddElement(s->piece_->GetElement(), s->section_);
    song->CalculateQuality();
}

bool GUI_JigsawSection::InSection(const SIM_SongElement* element)
{
    return std::any_of(All.begin(), All.end(),
                       [element](const GUI_JigsawSection* s) { return s->piece_ && s->piece_->GetElement() == element; });
}

void GUI_JigsawSection::ClearSection(const GUI_JigSawPiece* piece)
{
    for (GUI_JigsawSection* s : All)
        if (s->piece_ == piece)
            s->Empty();
}

bool GUI_JigsawSection::Linked(int i)
{
    if (i < 0 || i + 1 >= int(All.size()))
        return false;
    const GUI_JigSawPiece* a = All[size_t(i)]->piece_;
    const GUI_JigSawPiece* b = All[size_t(i) + 1]->piece_;
    return a && b && a->GetRightColor() == b->GetLeftColor();
}

bool GUI_JigsawSection::CheckDropped(GUI_JigSawPiece* piece)
{
    GUI_JigSaw* jigsaw = GUI_JigSaw::PTheWindow;
    if (!piece || !jigsaw)
        return false;
    const int x = int(piece->GetCenterX()), y = int(piece->GetCenterY());
    GUI_JigsawSection* found = nullptr;
    for (GUI_JigsawSection* s : All)
        if (x >= s->slot_.left && x <= s->slot_.right && y >= s->slot_.top && y <= s->slot_.bottom) {
            found = s;
            break;
        }
    if (!found) {
        jigsaw->SetRebuildPieces();
        return false;
    }
    if (found->piece_ && found->piece_ != piece) {
        GUI_JigSawPiece* replaced = found->piece_;
        found->Empty();
        jigsaw->Discard(replaced);
    }
    ClearSection(piece);
    found->SetPiece(piece);
    GUI_GetSounds()->PlaySound("data/sounds/postit_place.ogg", false);
    UpdateSong();
    found->CheckForParticles();
    jigsaw->RemovePiece(piece);
    return true;
}

void GUI_JigsawSection::CheckForParticles()
{
    GUI_JigSaw* jigsaw = GUI_JigSaw::PTheWindow;
    const auto it = std::find(All.begin(), All.end(), this);
    if (!jigsaw || it == All.end())
        return;
    const int s = int(it - All.begin());
    const bool before = s != 0 && Linked(s - 1);
    const bool after = s != NUM_SONG_SECTIONS - 1 && Linked(s);
    if (before)
        jigsaw->Emitters().Start("songnotes", V2(All[size_t(s) - 1]->GetCenterX(), GetCenterY()), 0.0f);
    if (after)
        jigsaw->Emitters().Start("songnotes", V2(All[size_t(s) + 1]->GetCenterX(), GetCenterY()), 0.0f);
    GUI_HintHelp::Launch("jigsaw dropped");
    if (before || after) {
        jigsaw->Emitters().Start("songnotes", V2(GetCenterX(), GetCenterY()), 0.0f);
        char sound[64];
        std::snprintf(sound, sizeof sound, "data/sounds/song_match_%d.ogg", std::rand() % 3);
        GUI_GetSounds()->PlaySound(sound, false);
        GUI_HintHelp::Launch("jigsaw accent");
    }
}

void GUI_JigsawSection::Draw()
{
    LibTextEngine* text = GetTextEngine();
    text->SetCurrentFont("verdana14_i.dds", 14.0f);
    text->AddQueueString(label_, float(rect.left), float(rect.top) + 6.0f, kBitmapBlack, float(GetWidth()),
                         LibTextEngine::ALIGN_CENTRE);
    if (piece_)
        text->AddQueueString(elementText_, float(rect.left), float(rect.top) + 26.0f, kBitmapBlack, float(GetWidth()),
                             LibTextEngine::ALIGN_CENTRE);
}

// ---------------------------------------------------------------------------------------
// Pieces

GUI_JigSawPiece* GUI_JigSawPiece::PDragged = nullptr;
V2 GUI_JigSawPiece::DragOffset;

int GUI_JigSawPiece::NotesFor(float quality)
{
    return std::clamp(int(2.0f + 5.0f * quality), 2, 7);
}

GUI_JigSawPiece::GUI_JigSawPiece(SIM_SongElement* element) : element_(element)
{
    GAssert(element != nullptr, __FILE__, __LINE__);
    SIM_Song* song = GUI_JigSaw::PTheWindow ? GUI_JigSaw::PTheWindow->GetSong() : nullptr;
    char texture[32];
    std::snprintf(texture, sizeof texture, "postit%d.dds", (element ? element->GetPostitID() : 0) + 1);
    postit_.SetTexture(texture);
    if (song && element) {
        if (const SIM_Song::ElementSuitability* s = song->GetElementSuitability(element)) {
            left_ = std::clamp(s->left, 0, 2);
            right_ = std::clamp(s->right, 0, 2);
        }
        notes_ = NotesFor(song->GetElementQuality(element));
    }
    std::snprintf(texture, sizeof texture, "jigsaw_%dnotes1.dds", notes_);
    for (CTexturedSprite* s : {&left_edge_, &right_edge_, &middle_, &shadow_})
        s->SetTexture(texture);
    left_edge_.SetUV(0.0f, 0.0f, 0.25f, 1.0f);
    right_edge_.SetUV(0.75f, 0.0f, 1.0f, 1.0f);
    middle_.SetUV(0.25f, 0.0f, 0.75f, 1.0f);
    middle_.SetVertexColor(0, 0, 0, 255);
    shadow_.SetVertexColor(0, 0, 0, 128);
    left_edge_.SetVertexColor(EdgeColour(left_));
    right_edge_.SetVertexColor(EdgeColour(right_));
    name_ = element ? AddDots(element->GetGUIName(), 10) : "";
    SetSize(90.0f, 90.0f);
}

GUI_JigSawPiece::~GUI_JigSawPiece()
{
    if (PDragged == this)
        PDragged = nullptr;
    GUI_JigsawSection::ClearSection(this);
}

bool GUI_JigSawPiece::CheckClick(float x, float y)
{
    if (!IsVisible() || !PtInside(x, y))
        return false;
    GUI_JigSaw* jigsaw = GUI_JigSaw::PTheWindow;
    if (jigsaw && jigsaw->IsCommitted())
        return true;
    DropDragged();
    PDragged = this;
    homeTopLeft_ = V2(float(rect.left), float(rect.top));
    homeBottomRight_ = V2(float(rect.right), float(rect.bottom));
    DragOffset = V2(x - float(rect.left), y - float(rect.top));
    GUI_GetSounds()->PlaySound("data/sounds/postit_grab.ogg", false);
    return true;
}

void GUI_JigSawPiece::FollowPointer(float x, float y)
{
    const float w = float(GetWidth()), h = float(GetHeight());
    const float l = x - DragOffset.x, t = y - DragOffset.y;
    SetPosition(l, t, l + w, t + h);
}

void GUI_JigSawPiece::DrawDragged()
{
    if (PDragged)
        PDragged->Draw();
}

void GUI_JigSawPiece::DropDragged()
{
    GUI_JigSawPiece* piece = PDragged;
    if (!piece)
        return;
    PDragged = nullptr;
    if (!GUI_JigsawSection::CheckDropped(piece))
        piece->SetPosition(piece->homeTopLeft_.x, piece->homeTopLeft_.y, piece->homeBottomRight_.x,
                           piece->homeBottomRight_.y);
}

void GUI_JigSawPiece::Draw()
{
    const bool placed = GetWidth() == 128 && PDragged != this;
    const float w = float(GetWidth()), h = float(GetHeight());
    const float cx = GetCenterX(), cy = GetCenterY();
    if (!placed) {
        postit_.width = w;
        postit_.height = h;
        postit_.PlaceLocal(cx, cy);
        postit_.SetVertexColor(0xFFFFFFFFu);
        postit_.Draw();
    }
    const float y = cy + 12.0f;
    shadow_.width = w;
    shadow_.height = h;
    shadow_.PlaceLocal(cx + 1.0f, y + 1.0f);
    shadow_.Draw();
    const float quarter = float(GetWidth() / 4);
    left_edge_.width = right_edge_.width = quarter;
    left_edge_.height = right_edge_.height = middle_.height = h;
    left_edge_.PlaceLocal(float(rect.left) + float(GetWidth() / 8), y);
    right_edge_.PlaceLocal(float(rect.right) - float(GetWidth() / 8), y);
    middle_.width = w / 2.0f;
    middle_.PlaceLocal(cx, y);
    middle_.Draw();
    left_edge_.Draw();
    right_edge_.Draw();
    if (!placed) {
        LibTextEngine* text = GetTextEngine();
        text->SetCurrentFont("verdana14_i.dds", 14.0f);
        text->AddQueueString(name_, float(rect.left), float(rect.top) + 6.0f, kBitmapBlack, w,
                             LibTextEngine::ALIGN_CENTRE);
    }
}

// ---------------------------------------------------------------------------------------
// The jigsaw

GUI_WindowSlot<GUI_JigSaw> GUI_JigSaw::PTheWindow;
int GUI_JigSaw::ConsecutiveDefaultNames = 0;

void GUI_JigSaw::Create(SIM_Song* song, bool checkClassic)
{
    delete PTheWindow.Get();
    new GUI_JigSaw(song);
    if (PTheWindow)
        PTheWindow->checkClassic_ = checkClassic;
}

GUI_JigSaw::GUI_JigSaw(SIM_Song* song) : song_(song), name_(SongNameRules())
{
    GAssert(song != nullptr, __FILE__, __LINE__);
    PTheWindow = this;
    background_.SetTexture("writesong.bmp");
    MakeFullScreenWindow();
    AddToGUI();
    GUI_GetGUI()->SetInputHandler(this);

    const float w = D3DEngine::W, h = D3DEngine::H;
    finish_ = new GUI_ButtonText("SONGWRITING_FINISH", Finish, 0);
    finish_->SetTooltip("SONGWRITING_FINISH_TOOLTIP", 0);
    finish_->SetPosition(w - 140.0f, h - 40.0f, w - 10.0f, h - 10.0f);
    random_ = new GUI_IconButton("random.dds", RandomName, 0);
    random_->SetTooltip("JIGSAW_RANDOMNAME_TOOLTIP", 0);
    random_->SetPosition(w / 2.0f - 15.0f, 183.0f, w / 2.0f + 15.0f, 213.0f);
    left_ = new GUI_IconButton("postit_scroll_left.dds", ScrollLeft, 0);
    left_->SetTooltip("JIGSAW_SCROLLLEFT_TOOLTIP", 0);
    left_->SetPosition(16.0f, 544.0f, 76.0f, 608.0f);
    right_ = new GUI_IconButton("postit_scroll_right.dds", ScrollRight, 0);
    right_->SetTooltip("JIGSAW_SCROLLRIGHT_TOOLTIP", 0);
    right_->SetPosition(w - 76.0f, 544.0f, w - 16.0f, 608.0f);
    for (GUI_IconButton* b : {random_, left_, right_})
        b->PlaceSprite();
    AddButton(finish_);
    AddButton(random_);
    AddButton(left_);
    AddButton(right_);

    title_ = GTranslation::GetString("JIGSAW_TITLE");
    qualityLabel_ = GTranslation::GetString("JIGSAW_QUALITY");
    accent_.width = accent_.height = 32.0f;
    Populate();
    name_.RestartCaret();
    name_.SetText(song ? song->GetName() : "");
    nameLabel_ = GTranslation::GetString("JIGSAW_NAME");
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    GUI_HintHelp::Launch("songwriting");
    nameDirty_ = true;
    if (ConsecutiveDefaultNames == 2)
        GUI_HintHelp::Launch("song edit name");
}

GUI_JigSaw::~GUI_JigSaw()
{
    emitters_.Clear();
    GUI_GetGUI()->RemoveInputHandler(this);
    GUI_GetWindowManager()->RemoveFullscreen(this);
    if (!randomName_)
        ++ConsecutiveDefaultNames;
    // The pieces and sections go with the children; a discarded piece is no child.
    DeleteDiscarded();
    KillChildren();
    GUI_JigSawPiece::PDragged = nullptr;
}

void GUI_JigSaw::Populate()
{
    for (int i = 0; i < NUM_SONG_SECTIONS; ++i) {
        auto* section = new GUI_JigsawSection(SONG_SECTION(i));
        section->SetPosition(90.0f + 128.0f * float(i), 250.0f, 218.0f + 128.0f * float(i), 450.0f);
        AddChild(section);
        sections_[i] = section;
    }
    for (int i = 0; i < NUM_SONG_SECTIONS; ++i) {
        SIM_SongElement* element = song_ ? song_->GetElement(SONG_SECTION(i)) : nullptr;
        GAssert(element != nullptr, __FILE__, __LINE__);
        if (!element)
            continue;
        auto* piece = new GUI_JigSawPiece(element);
        AddChild(piece);
        sections_[i]->SetPiece(piece);
    }
    ArrangePieces();
}

void GUI_JigSaw::ArrangePieces()
{
    for (GUI_JigSawPiece* piece : pool_)
        delete piece; // leaves the children and any section by its destructor
    pool_.clear();
    candidates_ = 0;
    for (SIM_SongElement* element : SIM_SongElement::All) {
        if (!element->IsAvailable() || GUI_JigsawSection::InSection(element))
            continue;
        const int number = candidates_++;
        if (number >= scroll_ && pool_.size() < kPoolSize) {
            auto* piece = new GUI_JigSawPiece(element);
            AddChild(piece);
            pool_.push_back(piece);
        }
    }
    const float h = D3DEngine::H;
    for (size_t i = 0; i < pool_.size(); ++i) {
        const float x = 100.0f + 95.0f * float(i % kPoolRow);
        const float y = h - 230.0f + 90.0f * float(i / kPoolRow);
        pool_[i]->SetPosition(x, y, x + 90.0f, y + 90.0f);
    }
    rebuild_ = false;
}

void GUI_JigSaw::RemovePiece(GUI_JigSawPiece* piece)
{
    pool_.erase(std::remove(pool_.begin(), pool_.end(), piece), pool_.end());
    rebuild_ = true;
}

void GUI_JigSaw::Discard(GUI_JigSawPiece* piece)
{
    if (!piece)
        return;
    RemovePiece(piece);
    GUI_JigsawSection::ClearSection(piece);
    RemoveChild(piece);
    piece->SetVisible(false);
    discarded_.push_back(piece);
}

void GUI_JigSaw::DeleteDiscarded()
{
    std::vector<GUI_JigSawPiece*> gone;
    gone.swap(discarded_);
    for (GUI_JigSawPiece* piece : gone)
        delete piece;
}

void GUI_JigSaw::ScrollLeft(intptr_t)
{
    GUI_JigSaw* j = PTheWindow;
    if (!j || j->committed_)
        return;
    if (j->scroll_ > 0)
        --j->scroll_;
    j->rebuild_ = true;
}

void GUI_JigSaw::ScrollRight(intptr_t)
{
    GUI_JigSaw* j = PTheWindow;
    if (!j || j->committed_)
        return;
    if (j->candidates_ > j->scroll_ + int(kPoolRow))
        ++j->scroll_;
    j->rebuild_ = true;
}

void GUI_JigSaw::RandomName(intptr_t)
{
    GUI_JigSaw* j = PTheWindow;
    if (!j || j->committed_ || !j->song_)
        return;
    j->randomName_ = true;
    j->name_.SetText(SIM_NamesList::SongNames.GetRandom());
    j->song_->SetName(j->name_.GetText());
    j->nameDirty_ = true;
}

void GUI_JigSaw::HandleKey(unsigned int key)
{
    if (committed_ || !song_)
        return;
    const std::string before = name_.GetText();
    name_.HandleKey(key, ShiftHeld());
    song_->SetName(name_.GetText());
    nameDirty_ = true;
    if (name_.GetText() != before)
        randomName_ = false;
}

std::string GUI_JigSaw::FinalName(const std::string& typed)
{
    const size_t first = typed.find_first_not_of(' ');
    if (first == std::string::npos)
        return "Untitled";
    const size_t last = typed.find_last_not_of(' ');
    return typed.substr(first, last - first + 1);
}

void GUI_JigSaw::Finish(intptr_t)
{
    GUI_JigSaw* j = PTheWindow;
    if (!j || j->committed_ || !GUI_JigsawSection::ValidSong())
        return;
    // From here the song is written: no key, drag or second click changes it.
    j->committed_ = true;
    GUI_JigSawPiece::DropDragged();
    if (j->song_)
        j->song_->SetName(FinalName(j->name_.GetText()));
    j->finish_->SetEnabled(false);
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Close, 0);
}

void GUI_JigSaw::Close(intptr_t)
{
    GUI_JigSaw* j = PTheWindow;
    if (!j)
        return; // put away by a new game or a load: no day to end
    if (SIM_Song* song = j->song_) {
        SIM_NamesList::SongNames.Remove(song->GetName());
        if (j->checkClassic_)
            song->CheckForClassicStatus();
        song->GenerateDescription();
    }
    SIM_GetScreens()->RefreshSongList();
    delete j;
    GUI_DayEnd::Request();
    GUI_HintHelp::Launch("song entry");
}

void GUI_JigSaw::RefreshNameLine()
{
    nameLine_ = nameLabel_ + " \"" + name_.GetText() + "\"";
    GDIText::SetFont(kJournal, 48, false);
    nameWidth_ = GDIText::GetStringWidth(nameLine_);
    nameDirty_ = false;
}

std::string GUI_JigSaw::QualityText() const
{
    char number[32];
    std::snprintf(number, sizeof number, " %.0f%%", 100.0 * (song_ ? song_->GetQuality() : 0.0f));
    return qualityLabel_ + " " + number;
}

void GUI_JigSaw::DrawAccents()
{
    for (int i = 0; i + 1 < NUM_SONG_SECTIONS; ++i) {
        if (!sections_[i] || !sections_[i + 1])
            continue;
        const float x = (sections_[i]->GetCenterX() + sections_[i + 1]->GetCenterX()) / 2.0f;
        accent_.PlaceLocal(x, kAccentY);
        accent_.SetVertexColor(255, 255, 255, GUI_JigsawSection::Linked(i) ? 255 : 16);
        GUI_GetTextureCache()->SetTexture(TEX_ACCENT);
        accent_.Draw();
    }
}

void GUI_JigSaw::Draw()
{
    // A released piece is placed here, outside every walk over the children.
    if (GUI_JigSawPiece* dragged = GUI_JigSawPiece::PDragged) {
        CInput* input = GetInput();
        if (input->IsLeftButtonDown() && !committed_)
            dragged->FollowPointer(input->MouseX(), input->MouseY());
        else
            GUI_JigSawPiece::DropDragged();
    }

    const float w = D3DEngine::W;
    left_->SetVisible(scroll_ >= 1);
    right_->SetVisible(candidates_ > scroll_ + int(kPoolSize));
    finish_->SetEnabled(GUI_JigsawSection::ValidSong() && !committed_);
    GetD3DEngine()->FillScreen(background_);
    if (nameDirty_)
        RefreshNameLine();
    if (name_.CaretVisible() && !committed_) {
        const float x = w / 2.0f + nameWidth_ / 2.0f;
        tagRECT caret;
        SetRect(&caret, int(x + 2.0f), 159, int(x + 5.0f), 175);
        GetD3DEngine()->FillRect(caret, 0xF4000000u);
    }
    GUI_ParticleManager::Draw();
    DrawButtons();
    DrawAccents();
    GDIText::AddChunk(0.0f, 450.0f, QualityText(), kJournal, 50, w, 1, 0, 0, 0);
    DrawChildren();
    GetTextEngine()->ProcessTextQueue(-1);
    GDIText::AddChunk(0.0f, 135.0f, nameLine_, kJournal, 48, w, 1, 0, 0, 0);
    GDIText::AddChunk(0.0f, 70.0f, title_, kJournal, 48, w, 1, 0, 0, 0);
    GDIText::RenderChunks(-1);
    GUI_JigSawPiece::DrawDragged();
    GetTextEngine()->ProcessTextQueue(-1);
    DeleteDiscarded();
    if (rebuild_)
        ArrangePieces();
}
