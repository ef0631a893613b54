#pragma once
// The band's albums on the main screen: an icon with the cover for every album, and the
// details dialog a click opens (cover, tracks, sales, earnings and production quality).
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_DesktopItem.h"
#include "shell/GUI_Dialog.h"

#include <string>
#include <vector>

class SIM_Album;

// One album on the desktop.
class GUI_AlbumIcon : public GUI_DesktopItem {
public:
    static constexpr float ICONSIZE = 80.0f;
    static constexpr float SMALL_ICONSIZE = 59.0f;

    explicit GUI_AlbumIcon(SIM_Album* album);
    ~GUI_AlbumIcon() override;

    void Draw() override;
    void Clicked() override;

    SIM_Album* GetAlbum() const { return album_; }
    const CTexturedSprite& GetCover() const { return cover_; }
    void Resize(float size);

    // Every album shown again (through the asset icons' rebuild, which ends with this).
    static void AddNew(SIM_Album* album);
    static void Refresh();
    static void ClearIcons();

    static std::vector<GUI_AlbumIcon*> All;

private:
    bool AlbumLive() const;

    SIM_Album* album_ = nullptr;
    CTexturedSprite cover_;
};

// What an album has done: opened by its icon; at most one is open.
class GUI_AlbumDetails : public GUI_Dialog {
public:
    static constexpr float COVER_SIZE = 128.0f;
    static constexpr size_t TRACK_NAME_LENGTH = 20;

    static void Create(SIM_Album* album);
    ~GUI_AlbumDetails() override;
    void Draw() override;

    // The rows' labels and values in their order (weeks, cost, sales, earnings, royalties).
    const std::vector<std::string>& GetLabels() const { return labels_; }
    const std::vector<std::string>& GetValues() const { return values_; }
    // The track names as shown (cut with dots).
    const std::vector<std::string>& GetTrackNames() const { return trackNames_; }
    float GetQuality() const { return quality_; }
    // Where the first value row was drawn in the last frame.
    float GetFirstRowY() const { return firstRowY_; }

    static GUI_WindowSlot<GUI_AlbumDetails> PTheWindow;

private:
    explicit GUI_AlbumDetails(SIM_Album* album);

    CTexturedSprite cover_;
    std::vector<std::string> labels_;
    std::vector<std::string> values_;
    std::string qualityLabel_;
    std::vector<std::string> trackNames_;
    float quality_ = 0.0f;
    float firstRowY_ = 0.0f;
};
