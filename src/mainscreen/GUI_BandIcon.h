#pragma once
// The band on the main screen: one portrait icon per member with its possessions down its
// sides, and the band-state panel of the band's always-shown attributes at the right edge.
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_DesktopItem.h"
#include "shell/GUI_IndicatorPanel.h"
#include "sim/SIM_Screens.h"

#include <memory>
#include <string>
#include <vector>

class GUI_Indicator;
class GUI_Tooltip;
class SIM_Asset;
class SIM_Attribute;
class SIM_Musician;

// A band member's portrait on the main screen, labelled with name and instrument. It copies
// what it shows and looks its musician up again when clicked; the musician and the icon
// unhook each other whichever goes first.
class GUI_BandIcon : public GUI_DesktopItem, public SIM_BandIconView {
public:
    static constexpr float kSize = 130.0f;
    static constexpr float kPortraitSize = 120.0f;
    static constexpr float kFirstX = 152.0f;
    static constexpr float kTop = 78.0f;
    static constexpr float kPitch = 140.0f;

    ~GUI_BandIcon() override;

    void Draw() override;
    void Clicked() override;
    // SIM_BandIconView: the musician's mood changed.
    void UpdateTexture() override;
    // Rebuilds the possession icons from the musician's possessions.
    void PositionPosessionIcons();

    SIM_Musician* GetMusician() const { return musician_; }
    const std::string& GetInstrumentName() const { return instrumentName_; }
    const CTexturedSprite& GetPortrait() const { return portrait_; }

    // A musician joined (or was loaded): its icon, a new layout, and the musician's link.
    // A musician that already has its icon only gets the layout.
    static void AddMusician(SIM_Musician* musician);
    // Deletes that musician's icon, if any; the others keep their places.
    static void RemoveMusician(SIM_Musician* musician);
    // The musician's icon; an error report and null when it has none.
    static GUI_BandIcon* GetIcon(SIM_Musician* musician);
    static void PositionBandIcons();
    static void KillIcons();

    static std::vector<GUI_BandIcon*> All;
    static GUI_BandIcon* PSelected;

private:
    explicit GUI_BandIcon(SIM_Musician* musician);
    // The icon of that musician without any report, or null.
    static GUI_BandIcon* Find(const SIM_Musician* musician);

    SIM_Musician* musician_; // not owned; valid while the icon lives (its death deletes the icon)
    CTexturedSprite portrait_;
    BaseSprite backing_;
    std::string instrumentName_;
};

// One possession of a musician, a small framed picture hanging off its band icon.
class GUI_PossesionIcon : public GUI_WindowBase {
public:
    static constexpr float POSSESSIONICONSIZE = 20.0f;

    explicit GUI_PossesionIcon(SIM_Asset* asset);
    ~GUI_PossesionIcon() override;
    void Draw() override;
    void ProcessInput() override;

    const SIM_Asset* GetAsset() const { return asset_; }
    const CTexturedSprite& GetPicture() const { return picture_; }
    GUI_Tooltip* GetTooltip() const { return tooltip_.get(); }

private:
    const SIM_Asset* asset_; // identity only: the picture and the name are copies
    CTexturedSprite picture_;
    std::unique_ptr<GUI_Tooltip> tooltip_;
};

// The band-state panel: the band's always-shown attributes as indicator bars under the
// title "Band", at the right edge of the main screen, for the whole run.
class GUI_BandState : public GUI_IndicatorPanel {
public:
    static constexpr float CHUNKHEIGHT = 39.0f;
    static constexpr float kWidth = 174.0f;
    static constexpr float kTop = 322.0f;

    GUI_BandState();

    // A new or loaded game: placed and its indicators made again.
    void Initialise() { Setup(); }
    void Setup();
    void CreateIndicators();
    void AddIndicator(SIM_Attribute* attribute, float x, float y);
    // The number of the band's attributes, shown or not.
    int CountIndicators() const;
};

GUI_BandState* GUI_GetBandState();
