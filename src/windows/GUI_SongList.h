#pragma once
// The band's songs on the main screen: a permanent panel of LCD rows at the left edge, one
// per song and placeholders up to the songs a gig needs, and the details dialog a row
// opens, from which a song is improved or retired.
#include "engine/gfx/BaseSprite.h"
#include "port/Rect.h"
#include "shell/GUI_Dialog.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>

class GUI_ButtonText;
class GUI_IconButton;
class SIM_Song;

// One song's row: its name on the skin's LCD strip, tinted when the song bores the crowd.
class GUI_SongEntry : public GUI_WindowBase {
public:
    static constexpr float kBoredTint = 0.2f;
    explicit GUI_SongEntry(SIM_Song* song);
    void Draw() override;
    bool CheckClick(float x, float y) override;

    // The song, or null once it has left the live songs.
    SIM_Song* GetSong() const;
    const std::string& GetName() const { return name_; }
    const CTexturedSprite& GetSprite() const { return normal_; }
    bool IsTinted() const;

private:
    SIM_Song* song_; // not owned; looked up again before use
    std::string name_;
    CTexturedSprite normal_;
    CTexturedSprite highlight_;
    CTexturedSprite badge_;
};

// A row standing for a song the band still needs before it can gig.
class GUI_DummySongEntry : public GUI_WindowBase {
public:
    GUI_DummySongEntry();
    void Draw() override;
    bool CheckClick(float, float) override { return false; }
    const std::string& GetText() const { return text_; }

private:
    std::string text_;
    CTexturedSprite sprite_;
};

// The panel of song rows; built once, its rows rebuilt on every refresh.
class GUI_SongList : public GUI_WindowBase {
public:
    static constexpr float kRowHeight = 24.0f;
    static constexpr float kTop = 76.0f;
    static constexpr float kWidth = 145.0f;

    GUI_SongList();
    void Draw() override;
    bool CheckClick(float x, float y) override;
    // A new game: the rows of its songs, from the first.
    void Initialise();
    // Rebuilds every row from the live songs.
    void Refresh();

    // Rows in all (songs and placeholders), the first shown and how many fit on screen.
    int RowCount() const { return rowCount_; }
    int FirstRow() const { return first_; }
    int RowsThatFit() const;
    GUI_IconButton* GetUpButton() const { return up_; }
    GUI_IconButton* GetDownButton() const { return down_; }

    static void PageUp(intptr_t);
    static void PageDown(intptr_t);

private:
    void Build();
    GUI_IconButton* up_ = nullptr;   // owned through the button list
    GUI_IconButton* down_ = nullptr; // owned through the button list
    int rowCount_ = 0;
    int first_ = 0;
};

GUI_SongList* GUI_GetSongList();

// What one song is like, with its improve and retire buttons.
class GUI_SongDetails : public GUI_Dialog {
public:
    static GUI_WindowSlot<GUI_SongDetails> PTheWindow;

    // Closes the open dialog and opens one for the song.
    static void Create(SIM_Song* song);
    static void Improve(intptr_t);
    static void Retire(intptr_t);

    explicit GUI_SongDetails(SIM_Song* song);
    void Draw() override;

    SIM_Song* GetSong() const { return song_; }
    const std::string& GetWriterLine() const { return writer_; }
    GUI_ButtonText* GetRetireButton() const { return retire_; }
    GUI_ButtonText* GetImproveButton() const { return improve_; }
    const tagRECT& GetStatsPanel() const { return stats_; }

private:
    // The song if it is still live, else null.
    SIM_Song* LiveSong() const;
    SIM_Song* song_; // not owned
    std::string quality_;
    std::string boredom_;
    std::string inspiration_;
    std::string writer_;
    std::string description_;
    GUI_ButtonText* retire_ = nullptr;  // owned through the button list
    GUI_ButtonText* improve_ = nullptr; // owned through the button list
    tagRECT stats_ {};
    CTexturedSprite badge_;
    bool classic_ = false;
};
