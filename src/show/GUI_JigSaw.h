#pragma once
// The song-writing jigsaw: a full-screen game in which the player builds a song out of
// song elements. The song's seven sections are drop targets; the available elements not
// in the song wait as post-it pieces in a scrollable pool below. Neighbouring pieces whose
// edge colours match link up and raise the song's quality. The player names the song by
// typing; finishing updates the song and ends the day.
#include "engine/GTimer.h"
#include "engine/V2.h"
#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/SmartTexture.h"
#include "port/Rect.h"
#include "shell/GUI_NameField.h"
#include "shell/GUI_WindowBase.h"
#include "show/GUI_MiniGameEmitters.h"
#include "career/SIM_Song.h"

#include <cstdint>
#include <string>
#include <vector>

class GUI_ButtonText;
class GUI_IconButton;
class GUI_JigSawPiece;
class SIM_SongElement;

// One section of the song: its label, the placed element's name and the slot its piece
// sits on.
class GUI_JigsawSection : public GUI_WindowBase {
public:
    explicit GUI_JigsawSection(SONG_SECTION section);
    ~GUI_JigsawSection() override;
    void Draw() override;
    void SetPosition(float l, float t, float r, float b) override;
    using GUI_WindowBase::SetPosition;

    void SetPiece(GUI_JigSawPiece* piece);
    GUI_JigSawPiece* GetPiece() const { return piece_; }
    void Empty();
    // After a drop here: notes fly over each link with a neighbour.
    void CheckForParticles();
    SONG_SECTION GetSongSection() const { return section_; }
    const tagRECT& GetSlot() const { return slot_; }
    const std::string& GetElementText() const { return elementText_; }

    // Every live section, in creation order.
    static std::vector<GUI_JigsawSection*> All;
    static GUI_JigsawSection* GetSection(SONG_SECTION section);
    static bool ValidSong();
    static void UpdateSong();
    static bool InSection(const SIM_SongElement* element);
    static void ClearSection(const GUI_JigSawPiece* piece);
    // A released piece: placed into the section whose slot holds its centre (true), or
    // nowhere (false).
    static bool CheckDropped(GUI_JigSawPiece* piece);
    // Sections i and i + 1 both hold pieces whose facing edges match.
    static bool Linked(int i);

private:
    SONG_SECTION section_;
    std::string label_;
    std::string elementText_;
    GUI_JigSawPiece* piece_ = nullptr;
    tagRECT title_ {}, element_ {}, slot_ {};
};

// A post-it of one song element, with its edge colours for this song.
class GUI_JigSawPiece : public GUI_WindowBase {
public:
    explicit GUI_JigSawPiece(SIM_SongElement* element);
    ~GUI_JigSawPiece() override;
    void Draw() override;
    bool CheckClick(float x, float y) override;

    SIM_SongElement* GetElement() const { return element_; }
    int GetLeftColor() const { return left_; }
    int GetRightColor() const { return right_; }
    int GetNotes() const { return notes_; }
    const std::string& GetDisplayName() const { return name_; }

    // Follows the pointer while dragged.
    void FollowPointer(float x, float y);
    static void DrawDragged();
    // Drops the dragged piece: into a section, or back home.
    static void DropDragged();
    // The notes texture number for an element of that quality: 2 to 7.
    static int NotesFor(float quality);

    static GUI_JigSawPiece* PDragged;
    static V2 DragOffset;

private:
    SIM_SongElement* element_;
    CTexturedSprite postit_;
    CTexturedSprite left_edge_, right_edge_, middle_, shadow_;
    int left_ = 0, right_ = 0, notes_ = 2;
    V2 homeTopLeft_, homeBottomRight_;
    std::string name_;
};

class GUI_JigSaw : public GUI_WindowBase {
public:
    static constexpr size_t kPoolSize = 18;
    static constexpr size_t kPoolRow = 9;
    static constexpr size_t kMaxName = 127;

    static void Create(SIM_Song* song, bool checkClassic);
    ~GUI_JigSaw() override;
    void Draw() override;
    void HandleKey(unsigned int key) override;

    SIM_Song* GetSong() const { return song_; }
    void SetRebuildPieces() { rebuild_ = true; }
    void RemovePiece(GUI_JigSawPiece* piece);
    // Takes a replaced piece out at once and deletes it after the frame.
    void Discard(GUI_JigSawPiece* piece);

    static void Finish(intptr_t);
    static void Close(intptr_t);
    static void RandomName(intptr_t);
    static void ScrollLeft(intptr_t);
    static void ScrollRight(intptr_t);

    const std::vector<GUI_JigSawPiece*>& GetPool() const { return pool_; }
    const std::string& GetName() const { return name_.GetText(); }
    const std::string& GetNameLine() const { return nameLine_; }
    int GetScrollOffset() const { return scroll_; }
    int GetCandidates() const { return candidates_; }
    bool IsRebuildPending() const { return rebuild_; }
    bool IsCommitted() const { return committed_; }
    GUI_ButtonText* GetFinishButton() const { return finish_; }
    GUI_IconButton* GetRandomButton() const { return random_; }
    GUI_IconButton* GetScrollLeftButton() const { return left_; }
    GUI_IconButton* GetScrollRightButton() const { return right_; }
    std::string QualityText() const;
    GUI_MiniGameEmitters& Emitters() { return emitters_; }

    // The name a song keeps: blanks cut from both ends; none at all is "Untitled".
    static std::string FinalName(const std::string& typed);

    static GUI_WindowSlot<GUI_JigSaw> PTheWindow;
    static int ConsecutiveDefaultNames;

private:
    explicit GUI_JigSaw(SIM_Song* song);
    void Populate();
    void ArrangePieces();
    void RefreshNameLine();
    void DrawAccents();
    void DeleteDiscarded();

    SIM_Song* song_;
    GUI_ButtonText* finish_ = nullptr;
    std::string title_;
    std::string nameLine_;
    std::string qualityLabel_;
    std::vector<GUI_JigSawPiece*> pool_;
    std::vector<GUI_JigSawPiece*> discarded_;
    bool rebuild_ = false;
    GUI_NameField name_;
    std::string nameLabel_;
    float nameWidth_ = 0.0f;
    GUI_IconButton* random_ = nullptr;
    GUI_IconButton* left_ = nullptr;
    GUI_IconButton* right_ = nullptr;
    int scroll_ = 0;
    int candidates_ = 0;
    SmartTexture background_;
    bool nameDirty_ = true;
    BaseSprite accent_;
    GUI_JigsawSection* sections_[NUM_SONG_SECTIONS] = {};
    bool checkClassic_ = false;
    bool randomName_ = false;
    bool committed_ = false;
    GUI_MiniGameEmitters emitters_;
};
