#pragma once
// The full-screen window in which the band makes an album: its title, its eight tracks
// from the songs on no album and, unless a record company pays, the studio it is recorded
// in. Finishing hands the album to the CD mixer; cancelling gives its songs back.
#include "engine/gfx/BaseSprite.h"
#include "port/Rect.h"
#include "shell/GUI_ButtonBase.h"
#include "shell/GUI_NameField.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>
#include <vector>

class GUI_ButtonText;
class GUI_IconButton;
class SIM_Album;
class SIM_RecordingStudio;
class SIM_Song;

// One song in either column: clicking moves it into or out of the album.
class GUI_AlbumTrack : public GUI_ButtonBase {
public:
    GUI_AlbumTrack(SIM_Song* song, bool inAlbum);
    ~GUI_AlbumTrack() override;
    void Click() override;
    void Draw() override;
    // Takes every track button off the new-album screen and deletes it.
    static void Clear();

    SIM_Song* GetSong() const { return song_; }
    bool IsInAlbum() const { return inAlbum_; }
    const std::string& GetName() const { return name_; }

    static std::vector<GUI_AlbumTrack*> All;

private:
    bool inAlbum_;
    SIM_Song* song_; // not owned
    tagRECT barFrame_ {};
    tagRECT barFill_ {};
    std::string name_;
    CTexturedSprite normal_;
    CTexturedSprite highlight_;
};

// One studio's card: its picture, name and the cost of a day.
class GUI_StudioButton : public GUI_ButtonBase {
public:
    explicit GUI_StudioButton(SIM_RecordingStudio* studio);
    void Click() override;
    void Draw() override;
    SIM_RecordingStudio* GetStudio() const { return studio_; }
    const std::string& GetCostLine() const { return cost_; }
    bool IsAffordable() const { return affordable_; }

private:
    SIM_RecordingStudio* studio_; // not owned
    CTexturedSprite picture_;
    tagRECT inner_ {};
    std::string cost_;
    bool affordable_ = false;
};

// The strip of studio cards, side by side.
class GUI_StudioSelector : public GUI_WindowBase {
public:
    GUI_StudioSelector();
    void Draw() override;
    // Places the cards across the strip (nothing to place without studios).
    void Layout();
    const std::vector<GUI_StudioButton*>& GetStudioButtons() const { return studios_; }

private:
    std::vector<GUI_StudioButton*> studios_; // owned through the button list
};

class GUI_NewAlbum : public GUI_WindowBase {
public:
    static constexpr size_t kMaxNameLength = 127;
    static constexpr int kRows = 8;
    static GUI_WindowSlot<GUI_NewAlbum> PTheWindow;

    // Closes the open screen (its album given back) and opens a new one.
    static void Create();
    static SIM_Album* GetAlbum();

    static void Finish(intptr_t);
    static void Cancel(intptr_t);
    // The fade's end: 1 after finishing, 0 after cancelling.
    static void Close(intptr_t finished);
    static void RandomName(intptr_t);
    static void ScrollUp(intptr_t);
    static void ScrollDown(intptr_t);

    GUI_NewAlbum();
    ~GUI_NewAlbum() override;
    void Draw() override;
    void HandleKey(unsigned int key) override;

    // Rebuilds both columns from the album and the songs on no album.
    void Populate();
    // A track changed sides: the columns are rebuilt once its click is over.
    void RequestPopulate() { repopulate_ = true; }

    const std::string& GetName() const { return name_.GetText(); }
    int GetScrollOffset() const { return scroll_; }
    const std::vector<SIM_Song*>& GetAvailable() const { return available_; }
    const std::vector<GUI_IconButton*>& GetPlaceholders() const { return placeholders_; }
    GUI_ButtonText* GetFinishButton() const { return finish_; }
    GUI_ButtonText* GetCancelButton() const { return cancel_; }
    GUI_IconButton* GetRandomButton() const { return random_; }
    GUI_IconButton* GetUpButton() const { return up_; }
    GUI_IconButton* GetDownButton() const { return down_; }
    GUI_StudioSelector* GetSelector() const { return selector_; }
    const tagRECT& GetTrackBox() const { return box_; }
    bool IsCommitted() const { return committed_; }

private:
    void SetButtonStates();
    GUI_IconButton* random_ = nullptr; // buttons owned through the button list
    GUI_IconButton* up_ = nullptr;
    GUI_IconButton* down_ = nullptr;
    SIM_Album* album_ = nullptr; // the album's class owns it
    GUI_ButtonText* finish_ = nullptr;
    GUI_ButtonText* cancel_ = nullptr;
    GUI_NameField name_;
    std::string title_;
    std::string albumTitle_;
    std::string trackListing_;
    std::string availableLabel_;
    float nameWidth_ = 0.0f;
    std::vector<SIM_Song*> available_;
    std::vector<GUI_IconButton*> placeholders_;
    int scroll_ = 0;
    tagRECT box_ {};
    GUI_StudioSelector* selector_ = nullptr; // a child window
    bool repopulate_ = false;
    // Finished or cancelled: nothing more may change the album.
    bool committed_ = false;
};
