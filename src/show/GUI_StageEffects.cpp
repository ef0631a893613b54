#include "show/GUI_StageEffects.h"

#include "engine/GRandom.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_Particles.h"
#include "shell/GUI_Sounds.h"
#include "show/GUI_GigBackdrop.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kDegrees = 3.14159265f / 180.0f;

V2 PointAt(V2 from, float distance, float degrees)
{
    const float a = degrees * kDegrees;
    return V2(from.x + distance * std::sin(a), from.y - distance * std::cos(a));
}

float StageTop() { return float(GUI_GetGigBackdrop()->GetStageRect().top); }
float StageBottom() { return float(GUI_GetGigBackdrop()->GetStageRect().bottom); }
float PersonHeight() { return GUI_GetGigBackdrop()->GetPersonScalar(); }

} // namespace

GUI_DryIce* GUI_GetDryIce()
{
    static GUI_DryIce* effect = new GUI_DryIce;
    return effect;
}
GUI_GigProp* GUI_GetGigProp()
{
    static GUI_GigProp* effect = new GUI_GigProp;
    return effect;
}
GUI_Pyro* GUI_GetPyro()
{
    static GUI_Pyro* effect = new GUI_Pyro;
    return effect;
}
GUI_Lasers* GUI_GetLasers()
{
    static GUI_Lasers* effect = new GUI_Lasers;
    return effect;
}
GUI_ComputerisedLights* GUI_GetComputerisedLights()
{
    static GUI_ComputerisedLights* effect = new GUI_ComputerisedLights;
    return effect;
}
GUI_VideoScreen* GUI_GetVideoScreen()
{
    static GUI_VideoScreen* effect = new GUI_VideoScreen;
    return effect;
}

// ---------------------------------------------------------------------------------------
// Dry ice

const char* GUI_DryIce::ConfigFor(float personHeight)
{
    return personHeight < 150.0f ? "largevenue_smoke" : "smallvenue_smoke";
}

void GUI_DryIce::Initialise()
{
    const V2 point(D3DEngine::W / 2.0f, StageBottom() + 11.0f);
    for (int i = 0; i < 3; ++i)
        GUI_ParticleManager::CreateEmmiter(ConfigFor(PersonHeight()), point, 0.0f);
}

// ---------------------------------------------------------------------------------------
// Stage prop

void GUI_GigProp::Initialise()
{
    shown_ = false;
    const float p = PersonHeight();
    float side = 0.0f;
    if (StageEquipmentPresent("stonehenge", "CHEAT_STONEHENGE")) {
        shown_ = true;
        SetTexture("stonehenge.dds");
        side = 2.3272727f * p;
    }
    if (StageEquipmentPresent("skull", "CHEAT_SKULL")) {
        shown_ = true;
        SetTexture("skull.dds");
        side = 2.9636364f * p;
    }
    width = height = side;
    PlaceLocal(D3DEngine::W / 2.0f, StageBottom() - side / 2.0f);
}

void GUI_GigProp::Draw()
{
    if (shown_)
        CTexturedSprite::Draw();
}

// ---------------------------------------------------------------------------------------
// Pyrotechnics

std::vector<GUI_PyroEvent*> GUI_PyroEvent::All;

GUI_PyroEvent::GUI_PyroEvent()
{
    timer.StartTimer();
    All.push_back(this);
}

GUI_PyroEvent::~GUI_PyroEvent() { All.erase(std::remove(All.begin(), All.end(), this), All.end()); }

void GUI_PyroEvent::Initialise(V2 at, const char* emitterName, const char* soundFile, float intervalMs,
                               float firstDelayMs, float zKey, bool isAdditive)
{
    position = at;
    emitter = emitterName ? emitterName : "";
    sound = soundFile ? soundFile : "";
    interval = intervalMs;
    firstDelay = firstDelayMs;
    z = zKey;
    additive = isAdditive;
    firstShot = true;
    timer.StartTimer();
}

bool GUI_PyroEvent::Process()
{
    timer.Update();
    const float limit = firstShot ? firstDelay : interval;
    if (timer.GetElapsed() <= limit)
        return false;
    firstShot = false;
    timer.StartTimer();
    // The emitter is asked for anew at each shot: the manager owns it and may park it.
    if (GUI_ParticleEmmiter* e = GUI_ParticleManager::CreateEmmiter(emitter.c_str(), position, z); e && additive)
        e->SetType(EMMITER_ADDITIVE);
    if (!sound.empty()) {
        GUI_GetSounds()->PlaySound(sound.c_str(), false);
        GUI_GetGigBackdrop()->FlashLightmap();
    }
    return true;
}

void GUI_PyroEvent::ProcessAll()
{
    const std::vector<GUI_PyroEvent*> events = All;
    for (GUI_PyroEvent* e : events)
        e->Process();
}

void GUI_PyroEvent::Clear()
{
    const std::vector<GUI_PyroEvent*> events = All;
    for (GUI_PyroEvent* e : events)
        delete e;
}

std::string GUI_Pyro::SoundFor(float personHeight)
{
    return personHeight < 150.0f ? "data/sounds/pyro_echo.ogg" : "data/sounds/pyro.ogg";
}

void GUI_Pyro::Initialise()
{
    GUI_PyroEvent::Clear();
    LoadEvents();
}

void GUI_Pyro::LoadEvents()
{
    const float w = D3DEngine::W;
    const float top = StageTop();
    const float y = top + 384.0f;
    const std::string pyro = SoundFor(PersonHeight());
    auto add = [](float x, float yy, const char* emitter, const char* sound, float interval, float delay, float z,
                  bool additive) { (new GUI_PyroEvent)->Initialise(V2(x, yy), emitter, sound, interval, delay, z, additive); };
    const bool small = StageEquipmentPresent("small pyro", "CHEAT_SMALLPYRO");
    const bool large = StageEquipmentPresent("large pyro", "CHEAT_LARGEPYRO");
    if (small) {
        add(256, y, "smoke_bang", nullptr, 3400, 120, 1, false);
        add(256, y, "bang", pyro.c_str(), 3400, 100, 0, true);
        add(w - 256, y, "smoke_bang", nullptr, 4200, 1820, 1, false);
        add(w - 256, y, "bang", pyro.c_str(), 4200, 1800, 0, true);
    }
    if (large) {
        add(128, y, "blacksmoke", nullptr, 3000, 120, 1, false);
        add(128, y, "flames", nullptr, 3000, 100, 0, true);
        add(w - 128, y, "blacksmoke", nullptr, 3000, 120, 1, false);
        // The two flames fire together and carry one sound between them.
        add(w - 128, y, "flames", pyro.c_str(), 3000, 100, 0, true);
    }
    if (small && large && PersonHeight() < 150.0f)
        add(w / 2, top, "spark_shower", nullptr, 2000, 100, 1, true);
}

void GUI_Pyro::Draw()
{
    GUI_PyroEvent::ProcessAll();
    // Smoke, flames and sparks are soft blobs a little larger than their textures: the
    // nearest texel shows them as well as a filtered sample, for far less work in a
    // software driver, which pays for every one of their many overlapping pixels.
    GetD3DEngine()->SetPointFilter();
    GUI_ParticleManager::Draw();
    GetD3DEngine()->SetLinearFilter();
}

// ---------------------------------------------------------------------------------------
// Lasers

std::vector<GUI_Laser*> GUI_Laser::All;

// How far a ray from `from` at `degrees` runs before it leaves the stage through its top or
// bottom edge (at most `length`): what lies beyond is under the black bands, so drawing
// it would only cost fill.
static float RayInsideStage(V2 from, float degrees, float length)
{
    const float dy = -std::cos(degrees * kDegrees);
    const tagRECT& stage = GUI_GetGigBackdrop()->GetStageRect();
    float limit = length;
    if (dy < -0.001f)
        limit = (from.y - float(stage.top)) / -dy;
    else if (dy > 0.001f)
        limit = (float(stage.bottom) - from.y) / dy;
    return std::clamp(limit, 0.0f, length);
}

void GUI_LaserBeam::Draw(float angle)
{
    const V2 origin = laser_->GetPosition();
    const float leftAngle = angle - GUI_Laser::kHalfBeamDegrees, rightAngle = angle + GUI_Laser::kHalfBeamDegrees;
    const float leftLength = RayInsideStage(origin, leftAngle, GUI_Laser::kBeamLength);
    const float rightLength = RayInsideStage(origin, rightAngle, GUI_Laser::kBeamLength);
    const V2 left = PointAt(origin, leftLength, leftAngle);
    const V2 right = PointAt(origin, rightLength, rightAngle);
    // Bright at the source, fading along the beam; the smoke texture runs across it.
    const uint32_t near = VertexColor(255, 255, 255, 255);
    auto far = [](float length) {
        return VertexColor(255, 255, 255, uint32_t(255.0f - 159.0f * length / GUI_Laser::kBeamLength));
    };
    vertices_[0] = _D3DTLVERTEX(left.x, left.y, 0, 1, far(leftLength), 0, 0.0f, leftLength / GUI_Laser::kBeamLength);
    vertices_[1] = _D3DTLVERTEX(origin.x, origin.y, 0, 1, near, 0, 0.5f, 0.0f);
    vertices_[2] =
        _D3DTLVERTEX(right.x, right.y, 0, 1, far(rightLength), 0, 1.0f, rightLength / GUI_Laser::kBeamLength);
}

GUI_Laser::GUI_Laser(V2 position, int beams, float centreAngle)
    : position_(position), beamCount_(std::max(0, beams)), centreAngle_(centreAngle)
{
    for (int i = 0; i < beamCount_; ++i)
        beams_.push_back(new GUI_LaserBeam(this));
    timer_.StartTimer();
    All.push_back(this);
}

GUI_Laser::~GUI_Laser()
{
    for (GUI_LaserBeam* b : beams_)
        delete b;
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

float GUI_Laser::FirstAngle() const
{
    float a = centreAngle_ - float(beamCount_ / 2) * spread_;
    if (a < 0.0f)
        a += 360.0f;
    return a;
}

std::vector<float> GUI_Laser::FanAngles() const
{
    std::vector<float> angles;
    float a = FirstAngle();
    for (int i = 0; i < beamCount_; ++i) {
        angles.push_back(a);
        a += spread_;
        if (a >= 360.0f)
            a -= 360.0f;
    }
    return angles;
}

void GUI_Laser::Submit(GUI_LaserBeam* beam, float angle)
{
    beam->Draw(angle);
    batch_.insert(batch_.end(), beam->Vertices(), beam->Vertices() + 3);
}

void GUI_Laser::DrawFan()
{
    const std::vector<float> angles = FanAngles();
    for (size_t i = 0; i < beams_.size() && i < angles.size(); ++i)
        Submit(beams_[i], angles[i]);
}

void GUI_Laser::DrawScatter()
{
    if (beams_.empty())
        return;
    const float range = float(beamCount_) * spread_;
    for (int i = 0; i < 4; ++i) {
        float a = FirstAngle() + range * GRandom::RandUnitFloat();
        if (a > 360.0f)
            a -= 360.0f;
        Submit(beams_.front(), a);
    }
}

void GUI_Laser::ProcessMode()
{
    timer_.Update();
    switch (mode_) {
    case GROW:
        if (spread_ < kMaxSpread) {
            spread_ += 0.02f * GUI_GetGUI()->GetRenderThrottle();
        } else {
            mode_ = HOLD;
            timer_.StartTimer();
        }
        break;
    case HOLD:
        if (timer_.GetElapsed() > kPhaseMs) {
            mode_ = SCATTER;
            timer_.StartTimer();
        }
        break;
    default:
        if (timer_.GetElapsed() > kPhaseMs) {
            spread_ = 0.0f;
            mode_ = GROW;
            smokeIndex_ = (smokeIndex_ + 1) % 3;
            timer_.StartTimer();
        }
        break;
    }
}

void GUI_Laser::Draw()
{
    D3DEngine* engine = GetD3DEngine();
    engine->SetAdditiveBlend(true);
    engine->SetTexture("laser.dds");
    engine->SetTexture(smoke_[smokeIndex_]);
    // The smoke drifting through thin moving beams: its nearest texels read as well as
    // filtered ones, for far less work in a software driver.
    engine->SetPointFilter();
    batch_.clear();
    if (mode_ == GROW || mode_ == HOLD)
        DrawFan();
    else
        DrawScatter();
    engine->DrawTriangles(batch_.data(), int(batch_.size()), nullptr, int(batch_.size()));
    ProcessMode();
    engine->SetLinearFilter();
    engine->SetAdditiveBlend(false);
}

GUI_Lasers::~GUI_Lasers() { DeleteLasers(); }

void GUI_Lasers::Initialise()
{
    DeleteLasers();
    CreateLasers();
}

void GUI_Lasers::CreateLasers() { new GUI_Laser(V2(512.0f, 484.0f), 40, 0.0f); }

void GUI_Lasers::DeleteLasers()
{
    const std::vector<GUI_Laser*> lasers = GUI_Laser::All;
    for (GUI_Laser* l : lasers)
        delete l;
}

void GUI_Lasers::Draw()
{
    const std::vector<GUI_Laser*> lasers = GUI_Laser::All;
    for (GUI_Laser* l : lasers)
        l->Draw();
}

// ---------------------------------------------------------------------------------------
// Computerised lights

GUI_CompLight::GUI_CompLight(V2 fixture) : fixture_(fixture)
{
    beam_.width = 100.0f;
    beam_.height = 612.0f;
    beam_.SetVertexColor(224, 224, 255, 128);
    timer_.StartTimer();
}

void GUI_CompLight::SetAngle(float startAngle, float destination, float time)
{
    start_ = startAngle;
    destination_ = destination;
    swingTime_ = time > 0.0f ? time : 1.0f;
    timer_.StartTimer();
}

void GUI_CompLight::SetDestination(V2 point, float time)
{
    SetAngle(angle_, AngleToObject(fixture_.x, fixture_.y, point.x, point.y), time);
}

void GUI_CompLight::StartRoaming(float time) { SetAngle(angle_, GRandom::RandReal(140.0f, 220.0f), time); }

void GUI_CompLight::Update()
{
    timer_.Update();
    const float t = std::clamp(float(timer_.GetElapsed()) / swingTime_, 0.0f, 1.0f);
    angle_ = t >= 1.0f ? destination_ : start_ + (destination_ - start_) * t;
}

void GUI_CompLight::Draw()
{
    Update();
    beam_.angle = 0.0f;
    beam_.Rotate(angle_);
    const V2 centre = PointAt(fixture_, kBeamOffset, angle_);
    beam_.PlaceLocal(centre.x, centre.y);
    // The beam runs from the fixture; only its part above the stage's bottom edge is seen.
    const float length = 2.0f * kBeamOffset;
    const float shown = std::max(RayInsideStage(fixture_, angle_, length), 1.0f);
    const float a = angle_ * kDegrees;
    const float ux = std::sin(a), uy = -std::cos(a);
    const float nx = -uy * beam_.width / 2.0f, ny = ux * beam_.width / 2.0f;
    const V2 end(fixture_.x + ux * shown, fixture_.y + uy * shown);
    // Corners 0 and 1 at the fixture (texture top), 2 and 3 where the beam is cut.
    _D3DTLVERTEX* v = beam_.vertices;
    v[0].x = fixture_.x - nx, v[0].y = fixture_.y - ny, v[0].tu = 0.0f, v[0].tv = 0.0f;
    v[1].x = fixture_.x + nx, v[1].y = fixture_.y + ny, v[1].tu = 1.0f, v[1].tv = 0.0f;
    v[2].x = end.x - nx, v[2].y = end.y - ny, v[2].tu = 0.0f, v[2].tv = shown / length;
    v[3].x = end.x + nx, v[3].y = end.y + ny, v[3].tu = 1.0f, v[3].tv = shown / length;
    beam_.DrawNoChecks();
}

GUI_ComputerisedLights::~GUI_ComputerisedLights() { Release(); }

void GUI_ComputerisedLights::Release()
{
    for (GUI_CompLight* l : lights_)
        delete l;
    lights_.clear();
}

void GUI_ComputerisedLights::Initialise()
{
    if (!StageEquipmentPresent("computerised lighting", "CHEAT_COMPUTERLIGHTS"))
        return;
    Release();
    const float w = D3DEngine::W;
    for (int i = 0; i < 6; ++i) {
        auto* light = new GUI_CompLight(V2(w / 12.0f + float(i) * w / 6.0f, StageTop() - 32.0f));
        lights_.push_back(light);
    }
    StartSwingToRandom();
}

void GUI_ComputerisedLights::StartSwingToRandom()
{
    phase_ = ROAMING;
    length_ = 2000.0f;
    timer_.StartTimer();
    for (GUI_CompLight* l : lights_)
        l->StartRoaming(2000.0f);
}

void GUI_ComputerisedLights::StartSwingToCenter()
{
    phase_ = TO_CENTRE;
    length_ = 1000.0f;
    timer_.StartTimer();
    const V2 centre(D3DEngine::W / 2.0f, StageBottom());
    for (GUI_CompLight* l : lights_)
        l->SetDestination(centre, 1000.0f);
}

void GUI_ComputerisedLights::Draw()
{
    timer_.Update();
    if (timer_.GetElapsed() >= length_) {
        if (phase_ == ROAMING) {
            StartSwingToCenter();
        } else if (phase_ == TO_CENTRE) {
            phase_ = HOLDING;
            length_ = 2000.0f;
            timer_.StartTimer();
        } else {
            StartSwingToRandom();
        }
    }
    if (lights_.empty())
        return;
    D3DEngine* engine = GetD3DEngine();
    engine->SetAdditiveBlend(true);
    engine->SetTexture("computer_light.dds");
    // A soft beam: its nearest texels look as its filtered ones, at a fraction of the cost.
    engine->SetPointFilter();
    for (GUI_CompLight* l : lights_)
        l->Draw();
    engine->SetLinearFilter();
    engine->SetAdditiveBlend(false);
}

// ---------------------------------------------------------------------------------------
// Video screen

GUI_VideoScreen::GUI_VideoScreen()
{
    images_.AddFiles("data/bitmaps/gigscreen/vs/*.jpg");
    current_ = 0;
    NextImage();
}

void GUI_VideoScreen::NextImage()
{
    const size_t count = ImageCount();
    if (count == 0)
        return;
    current_ = (current_ + 1) % count;
    // Textures are found by file name below the bitmap folders.
    std::string file = *(images_.Begin() + std::ptrdiff_t(current_));
    const size_t slash = file.find_last_of("/\\");
    sprite_.SetTexture(slash == std::string::npos ? file : file.substr(slash + 1));
}

void GUI_VideoScreen::Initialise(float personHeight)
{
    personHeight_ = personHeight;
    sprite_.height = 2.0f * personHeight_;
    sprite_.width = kAspect * sprite_.height;
    timer_.StartTimer();
}

void GUI_VideoScreen::Place()
{
    sprite_.PlaceLocal(D3DEngine::W / 2.0f, StageBottom() - personHeight_ - sprite_.height / 2.0f);
    const float inset = 0.05f * sprite_.width;
    sprite_.vertices[2].x += inset;
    sprite_.vertices[3].x -= inset;
}

bool GUI_VideoScreen::HideWhatIsBehind()
{
    if (sprite_.GetTextureName().empty())
        return false;
    Place();
    D3DEngine* engine = GetD3DEngine();
    return engine->SetOccluder(sprite_.vertices, engine->GetTexture(sprite_.GetTextureName()));
}

void GUI_VideoScreen::Draw()
{
    Place();
    if (!sprite_.GetTextureName().empty())
        sprite_.Draw();
    timer_.Update();
    if (timer_.GetElapsed() > kImageMs) {
        timer_.StartTimer();
        NextImage();
    }
}
