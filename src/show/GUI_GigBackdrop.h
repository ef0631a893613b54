#pragma once
// The gig stage: the lit stage picture whose lightmap changes every second, the band as
// silhouettes, the spotlights with their housings, black bands above and below, and the
// stage effects the band owns. One stage is shared by the gig window and the viewer tool.
#include "engine/GTimer.h"
#include "engine/V2.h"
#include "engine/gfx/BaseSprite.h"
#include "port/AudioBackend.h"
#include "port/Rect.h"

#include <string>
#include <vector>

class SIM_Performance;

// Whether an item of stage equipment shows: its global flag (set by owning the asset) or
// its cheat value.
bool StageEquipmentPresent(const char* flag, const char* cheat);

// One stage light with its ceiling housing; right-hand lights are mirrored.
class GUI_Spotlight {
public:
    static constexpr float kFlickerMs = 500.0f;

    GUI_Spotlight(V2 position, bool rightHand);
    virtual ~GUI_Spotlight();
    GUI_Spotlight(const GUI_Spotlight&) = delete;
    GUI_Spotlight& operator=(const GUI_Spotlight&) = delete;

    static void ClearAll();
    static void DrawAllLight();
    static void DrawAllOutline();
    void DrawLight();
    void DrawOutline();

    V2 GetPosition() const { return position_; }
    bool IsRightHand() const { return rightHand_; }
    bool IsLit() const { return lit_; }
    const CTexturedSprite& GetLight() const { return light_; }
    const CTexturedSprite& GetHousing() const { return housing_; }

    static std::vector<GUI_Spotlight*> All;

private:
    V2 position_;
    GTimer timer_;
    CTexturedSprite light_;
    CTexturedSprite housing_;
    bool rightHand_ = false;
    bool lit_ = false;
};

// One silhouette of the band overlay: its texture, centre and side.
struct StageFigure {
    std::string texture;
    float x = 0, y = 0;
    float size = 0;
};

class GUI_GigBackdrop {
public:
    static constexpr float kLightmapMs = 1000.0f;
    static constexpr float kFlashMs = 200.0f;
    // The renderer's kept picture of the lit stage.
    static constexpr int kStageLayer = 1;
    // The viewer tool's kept picture of its key list.
    static constexpr int kToolKeysLayer = 2;
    // The viewer shows the largest venue of the shipped table.
    static constexpr const char* kToolBackdrop = "backdrop_arena.jpg";

    // Sets the stage up for a show; a null performance is the viewer tool's empty show.
    void Initialise(SIM_Performance* performance, float personHeight);
    // The whole show: the lit stage, then everything on it.
    void Draw();
    // The screen cleared black (the bands above and below the stage) and the lit stage.
    void DrawLitStage();
    // The effects, the band and the light housings over the lit stage.
    void DrawShow();
    // Clears the emitters, the computerised lights and the spotlights; the stage's sounds
    // stop with them.
    void Release();
    void FlashLightmap();
    float GetPersonScalar() const { return personHeight_; }

    const tagRECT& GetStageRect() const { return stage_; }
    const std::string& GetCurrentLightmap() const { return currentLightmap_; }
    const std::string& GetBackdropTexture() const { return backdrop_; }
    SIM_Performance* GetPerformance() const { return performance_; }
    // The band overlay as it is drawn now, in drawing order.
    std::vector<StageFigure> BandFigures() const;
    // The spotlight count the owned rigs (or the cheat) give.
    static int SpotlightCount();
    // The crowd's reaction to this performance (none: the viewer tool's clap).
    static std::string CrowdSound(const SIM_Performance* performance);
    // The band's opening sounds, in the order they start.
    static std::vector<std::string> BandSounds();

private:
    void PlayOpeningSounds();
    void MakeSpotlights();
    void StepLightmap();

    tagRECT stage_ {};
    GTimer lightmapTimer_;
    std::vector<std::string> lightmaps_;
    size_t lightmapIndex_ = 0;
    std::string currentLightmap_;
    SIM_Performance* performance_ = nullptr;
    float personHeight_ = 240.0f;
    std::string backdrop_;
    CTexturedSprite stageSprite_;
    std::vector<AudioChannel> channels_; // the opening sounds still playing, stopped at release
};

GUI_GigBackdrop* GUI_GetGigBackdrop();
