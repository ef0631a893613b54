#pragma once
// The stage equipment the band owns, as effects on the gig stage: dry ice, a stage prop,
// pyrotechnics, lasers, computerised lights and a video screen. Each is a singleton the
// stage sets up and draws; none holds an emitter across frames.
#include "engine/GFileList.h"
#include "engine/GTimer.h"
#include "engine/V2.h"
#include "engine/gfx/BaseSprite.h"

#include <string>
#include <vector>

// Stage smoke: three emitters at the front of the stage.
class GUI_DryIce {
public:
    void Initialise();
    // The smoke's configuration at this person height.
    static const char* ConfigFor(float personHeight);
};

// Stonehenge or the skull standing on the stage.
class GUI_GigProp : public CTexturedSprite {
public:
    void Initialise();
    void Draw() override;
    bool IsShown() const { return shown_; }

private:
    bool shown_ = false;
};

// One timed pyrotechnic: an emitter started at its place every interval.
class GUI_PyroEvent {
public:
    GUI_PyroEvent();
    virtual ~GUI_PyroEvent();
    GUI_PyroEvent(const GUI_PyroEvent&) = delete;
    GUI_PyroEvent& operator=(const GUI_PyroEvent&) = delete;

    void Initialise(V2 position, const char* emitter, const char* sound, float interval, float firstDelay,
                    float z, bool additive);
    // Fires when its delay or interval is over: true when it fired.
    bool Process();
    static void ProcessAll();
    static void Clear();

    GTimer timer;
    std::string emitter;
    std::string sound;
    V2 position;
    float interval = 0;
    float firstDelay = 0;
    bool additive = false;
    bool firstShot = true;
    float z = 0;

    static std::vector<GUI_PyroEvent*> All;
};

class GUI_Pyro {
public:
    virtual ~GUI_Pyro() = default;
    void Initialise();
    virtual void Draw();
    void LoadEvents();
    // The bang's sound at this person height.
    static std::string SoundFor(float personHeight);
};

class GUI_Laser;

// One beam of a laser: a thin triangle from the laser out to the edge of the screen.
class GUI_LaserBeam {
public:
    explicit GUI_LaserBeam(GUI_Laser* laser) : laser_(laser) {}
    virtual ~GUI_LaserBeam() = default;
    // Fills its three vertices for this angle (degrees, 0 straight up, clockwise).
    virtual void Draw(float angle);
    const _D3DTLVERTEX* Vertices() const { return vertices_; }

private:
    GUI_Laser* laser_;
    _D3DTLVERTEX vertices_[3];
};

class GUI_Laser {
public:
    static constexpr float kBeamLength = 1024.0f;
    static constexpr float kHalfBeamDegrees = 1.8f;
    static constexpr float kMaxSpread = 4.0f;
    static constexpr float kPhaseMs = 2000.0f;
    enum MODE { GROW = 0, HOLD = 1, SCATTER = 2 };

    GUI_Laser(V2 position, int beams, float centreAngle);
    virtual ~GUI_Laser();
    GUI_Laser(const GUI_Laser&) = delete;
    GUI_Laser& operator=(const GUI_Laser&) = delete;

    virtual void Draw();
    void ProcessMode();
    void DrawFan();
    void DrawScatter();
    // The angle of the first beam of the fan.
    float FirstAngle() const;

    V2 GetPosition() const { return position_; }
    float GetSpread() const { return spread_; }
    int GetMode() const { return mode_; }
    int GetSmokeIndex() const { return smokeIndex_; }
    int GetBeamCount() const { return beamCount_; }
    // The angles the fan draws now, in order.
    std::vector<float> FanAngles() const;

    static std::vector<GUI_Laser*> All;

private:
    void Submit(GUI_LaserBeam* beam, float angle);

    V2 position_;
    std::string smoke_[3] = {"lasersmoke1.jpg", "lasersmoke2.jpg", "lasersmoke3.jpg"};
    int beamCount_ = 0;
    std::vector<GUI_LaserBeam*> beams_;
    float spread_ = 0;
    float centreAngle_ = 0;
    int mode_ = GROW;
    GTimer timer_;
    int smokeIndex_ = 0;
    std::vector<_D3DTLVERTEX> batch_; // every beam of a frame drawn in one call
};

class GUI_Lasers {
public:
    virtual ~GUI_Lasers();
    void Initialise();
    virtual void Draw();
    void CreateLasers();
    void DeleteLasers();
};

// One moving head: a beam that swings from its fixture.
class GUI_CompLight {
public:
    static constexpr float kBeamOffset = 306.0f;
    explicit GUI_CompLight(V2 fixture);
    void SetDestination(V2 point, float time);
    void StartRoaming(float time);
    void SetAngle(float startAngle, float destination, float time);
    void Update();
    void Draw();
    float GetAngle() const { return angle_; }
    V2 GetFixture() const { return fixture_; }
    const BaseSprite& GetBeam() const { return beam_; }

private:
    float angle_ = 180.0f;
    V2 fixture_;
    BaseSprite beam_;
    float start_ = 180.0f;
    float destination_ = 180.0f;
    GTimer timer_;
    float swingTime_ = 1.0f;
};

class GUI_ComputerisedLights {
public:
    enum PHASE { ROAMING = 0, TO_CENTRE = 1, HOLDING = 2 };
    ~GUI_ComputerisedLights();
    void Initialise();
    void Draw();
    void Release();
    void StartSwingToRandom();
    void StartSwingToCenter();
    int GetPhase() const { return phase_; }
    const std::vector<GUI_CompLight*>& Lights() const { return lights_; }

private:
    std::vector<GUI_CompLight*> lights_;
    GTimer timer_;
    int phase_ = ROAMING;
    float length_ = 2000.0f;
};

// The screen behind the band, stepping through its pictures every two seconds.
class GUI_VideoScreen {
public:
    static constexpr float kAspect = 1.6798419f;
    static constexpr float kImageMs = 2000.0f;
    GUI_VideoScreen();
    void Initialise(float personHeight);
    void Draw();
    // Tells the renderer to leave out what is drawn behind the screen until it is drawn
    // over it; false when its picture lets anything through.
    bool HideWhatIsBehind();
    void NextImage();
    const CTexturedSprite& GetSprite() const { return sprite_; }
    size_t ImageCount() const { return size_t(images_.End() - images_.Begin()); }

private:
    void Place();
    GFileList images_;
    size_t current_ = 0;
    CTexturedSprite sprite_;
    float personHeight_ = 240.0f;
    GTimer timer_;
};

GUI_DryIce* GUI_GetDryIce();
GUI_GigProp* GUI_GetGigProp();
GUI_Pyro* GUI_GetPyro();
GUI_Lasers* GUI_GetLasers();
GUI_ComputerisedLights* GUI_GetComputerisedLights();
GUI_VideoScreen* GUI_GetVideoScreen();
