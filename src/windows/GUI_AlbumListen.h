#pragma once
// The full-screen page of a record being listened to, one track a day: the cover, the
// titles heard so far, the inspiration it gave and, once every track has been heard, the
// song element it unlocked on a post-it. Its one way out, Finish, ends the day.
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>
#include <vector>

class GUI_ButtonText;
class SIM_AssetMusic;

class GUI_AlbumListen : public GUI_WindowBase {
public:
    // One row of the track list: a title already heard, or the number of one still to come.
    struct TrackLine {
        std::string text;
        bool italic = false;
        bool operator==(const TrackLine&) const = default;
    };

    // Asserts that an asset is given; closes the open page (without ending a day) first.
    static void Create(SIM_AssetMusic* asset);
    // Finish: fade out, then Close. Once leaving, further presses change nothing.
    static void Finish(intptr_t);
    // Closes the open page and ends the day; nothing when none is open.
    static void Close(intptr_t);

    ~GUI_AlbumListen() override;
    void Draw() override;
    // Every key is the page's and none does anything: the day ends only by Finish.
    void HandleKey(unsigned int) override {}

    // The rows as shown for a record with these titles of which `heard` have been heard.
    static std::vector<TrackLine> TrackLines(const std::vector<std::string>& titles, int heard,
                                             const std::string& label);
    // The y of track row i, and of the inspiration line under the rows.
    static float TrackY(size_t index) { return kCoverY + kCoverSize / 2.0f + 20.0f + 25.0f * float(index); }

    const std::string& GetTitle() const { return title_; }
    const std::vector<TrackLine>& GetTrackLines() const { return tracks_; }
    const std::string& GetInspirationLine() const { return inspirationLine_; }
    // Empty until every track has been heard.
    const std::string& GetUnlockedLine() const { return unlockedLine_; }
    const std::string& GetElementName() const { return elementName_; }
    // The element's name as written on the post-it.
    std::string GetPostitText() const;
    GUI_ButtonText* GetFinishButton() const { return finish_; }
    const CTexturedSprite& GetCover() const { return cover_; }
    const CTexturedSprite& GetPostit() const { return postit_; }
    bool IsLeaving() const { return leaving_; }

    static constexpr float kCoverSize = 200.0f;
    static constexpr float kCoverY = 295.0f;
    static GUI_WindowSlot<GUI_AlbumListen> PTheWindow;

private:
    explicit GUI_AlbumListen(const SIM_AssetMusic* asset);

    GUI_ButtonText* finish_ = nullptr;
    // What the page shows of the record, copied when it opens: the page never reads the
    // simulation again, so nothing of it can go stale under the page.
    std::string title_;
    std::string description_;
    std::vector<TrackLine> tracks_;
    CTexturedSprite cover_;
    std::string inspirationLine_;
    std::string unlockedLine_;
    std::string elementName_;
    CTexturedSprite postit_;
    CTexturedSprite note_;
    bool leaving_ = false;
};
