#pragma once
// The band's unassigned assets as icons on the main screen: GUI_Assets (an invisible
// keeper reached through GUI_GetAssets) rebuilds the icons from the owned assets, picks
// the icon size and places them; a click on an icon opens the asset's own window, and a
// merchandise icon carries a buy-more button into the shop.
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_DesktopItem.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>
#include <vector>

class GUI_IconButton;
class GUI_Tooltip;
class SIM_Asset;

// One owned asset on the desktop.
class GUI_AssetIcon : public GUI_DesktopItem {
public:
    static constexpr float MERCHANDISE_SIZE = 125.0f;
    // Icons narrower than this carry no name tag.
    static constexpr int NAME_TAG_MIN_WIDTH = 110;

    explicit GUI_AssetIcon(SIM_Asset* asset);
    ~GUI_AssetIcon() override;

    void Draw() override;
    void ProcessInput() override;
    void Clicked() override;

    SIM_Asset* GetAsset() const { return asset_; }
    bool IsMerchandise() const { return merchandise_; }
    float GetIconSize() const { return iconSize_; }
    const CTexturedSprite& GetPicture() const { return picture_; }
    GUI_IconButton* GetBuyMoreButton() const { return buyMore_; }
    GUI_Tooltip* GetHoverTip() const { return hoverTip_; }
    // The name tag drawn under the icon this frame ("" when none).
    std::string NameTag() const;
    void Resize(float size);

    static void ClearIcons();
    static void BuyMore(intptr_t icon);

    static std::vector<GUI_AssetIcon*> All;

private:
    // The asset is still the band's (a new game or a load replaces every asset).
    bool AssetLive() const;

    SIM_Asset* asset_ = nullptr;
    CTexturedSprite picture_;
    BaseSprite backing_;
    float iconSize_ = 0.0f;
    GUI_Tooltip* hoverTip_ = nullptr;
    bool merchandise_ = false;
    std::string baseName_;
    GUI_IconButton* buyMore_ = nullptr; // owned by the button list
};

// The keeper of the asset icons; lives until the program ends and survives a new game.
class GUI_Assets : public GUI_WindowBase {
public:
    static constexpr float LARGE_SIZE = 120.0f;
    static constexpr float SMALL_SIZE = 59.0f;
    // More icons than this (albums and non-merchandise assets) switch to small icons.
    static constexpr int MAX_LARGE_ICONS = 11;

    GUI_Assets();
    void Draw() override;
    void Refresh();
    static void PlaceIcon(GUI_AssetIcon* icon);
};

GUI_Assets* GUI_GetAssets();
