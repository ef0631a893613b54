#pragma once
// The animated scenes behind an interview's results: a photo shoot for the papers, an
// on-air sign for the radio and drifting pages of code for the web. Each is one object
// for the whole run that the publicity screen draws itself; none is registered with the
// window manager.
#include "engine/GTimer.h"
#include "engine/V2.h"
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_WindowBase.h"

#include <memory>
#include <string>
#include <vector>

// The side of a press photo, in pixels.
inline constexpr float PHOTOSIZE = 210.0f;

// One press photo lying on the pile: a dimmed picture in a plain frame, turned a little.
class GUI_PrintPhoto : public GUI_WindowBase {
public:
    GUI_PrintPhoto(const std::string& texture, V2 centre);
    void Draw() override;

    float GetAngle() const { return angle_; }
    const CTexturedSprite& GetPicture() const { return picture_; }

private:
    V2 centre_;
    float angle_ = 0.0f;
    CTexturedSprite picture_;
    BaseSprite frame_;
};

// The photo shoot: a flash for the player character, then one for each member, each
// bringing up the next result panel.
class GUI_PrintInterviewBG : public GUI_WindowBase {
public:
    // Photo 0's time; the others follow 400 to 700 ms apart.
    static constexpr float kFirstPhotoMs = 800.0f;
    static constexpr float kFlashMs = 500.0f;

    GUI_PrintInterviewBG() { SetCloseOnRestart(false); }
    // A new shoot: the player character's photo, then the band's in line-up order.
    void Initialise();
    void TriggerPhoto(size_t index);
    void Draw() override;

    size_t GetPhotoCount() const { return times_.size(); }
    size_t GetTakenCount() const { return taken_; }
    float GetFlashLevel() const { return flash_; }
    const std::vector<float>& GetPhotoTimes() const { return times_; }
    const std::vector<std::string>& GetPhotoTextures() const { return textures_; }
    // Where photo i lies; a photo past the usual six goes on the pile's far corner.
    static V2 PhotoPlace(size_t index);

private:
    GTimer clock_;
    std::vector<bool> takenFlags_;
    std::vector<float> times_;
    std::vector<std::string> textures_;
    float flash_ = 0.0f;
    GTimer flashClock_;
    size_t taken_ = 0;
};

// The radio studio: the on-air sign lit on black.
class GUI_RadioInterviewBG : public GUI_WindowBase {
public:
    GUI_RadioInterviewBG();
    void Draw() override;

private:
    CTexturedSprite sign_;
};

// One faint page of code drifting down the web scene, fading in and out over its life.
class GUI_WebCodepage {
public:
    GUI_WebCodepage();
    // A new life: where, how big, how faint and for how long.
    void ReSpawn();
    // Starts the page at a random point of its life.
    void Initialise();
    // Moves the page on and draws it; false when its life ended this frame (it re-spawned
    // and was not drawn).
    bool Draw(float throttle);
    // The fade at this many milliseconds into a life of the given length.
    static float FadeAt(double elapsedMs, float lifetimeMs);

    const V2& GetPosition() const { return position_; }
    float GetSize() const { return size_; }
    float GetLifetime() const { return lifetime_; }
    void ForceElapsed(float ms) { clock_.ForceMilliseconds(ms); }

private:
    V2 position_;
    GTimer clock_;
    CTexturedSprite sprite_;
    float opacity_ = 0.0f;
    float size_ = 0.0f;
    float lifetime_ = 0.0f;
};

// The web scene: twenty code pages that keep cycling across every web interview.
class GUI_WebInterviewBG : public GUI_WindowBase {
public:
    static constexpr int kPages = 20;

    GUI_WebInterviewBG();
    void Draw() override;

    const std::vector<std::unique_ptr<GUI_WebCodepage>>& GetPages() const { return pages_; }

private:
    std::vector<std::unique_ptr<GUI_WebCodepage>> pages_;
};

GUI_PrintInterviewBG* GUI_GetPrintInterviewBG();
GUI_RadioInterviewBG* GUI_GetRadioInterviewBG();
GUI_WebInterviewBG* GUI_GetWebInterviewBG();
