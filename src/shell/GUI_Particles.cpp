#include "shell/GUI_Particles.h"

#include "engine/GFileList.h"
#include "engine/GRandom.h"
#include "engine/IniLoader.h"
#include "engine/gfx/D3DEngine.h"
#include "port/AtomicFile.h"
#include "port/Clock.h"
#include "sim/GAssert.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

std::vector<GUI_ParticleConfig*> GUI_ParticleConfig::All;
bool GUI_ParticleConfig::BOpened = false;
std::vector<GUI_ParticleEmmiter*> GUI_ParticleManager::Emmiters;
std::vector<GUI_ParticleEmmiter*> GUI_ParticleManager::CachedEmmiters;

namespace {

constexpr float kStepMs = 16.0f;
constexpr float kPi = 3.14159f;

// A value of the file as a number; text that reads as infinite or not a number is 0, so
// no effect can fill the screen with positions no one can draw.
float ReadFloat(const IniLoader& ini, const char* key)
{
    double v = std::atof(ini.GetValue(key).c_str());
    return std::isfinite(v) && std::fabs(v) < 1e30 ? float(v) : 0.0f;
}

// Names already reported as unknown: a screen that asks for a missing effect every few
// seconds reports it once.
std::set<std::string>& ReportedNames()
{
    static std::set<std::string> names;
    return names;
}

} // namespace

// ---- Configurations ----

void GUI_ParticleConfig::Load(const std::string& path)
{
    IniLoader ini;
    ini.LoadSection("config", path);
    name = ini.GetValue("Name");
    textureName = ini.GetValue("TextureName");
    minXVelocity = ReadFloat(ini, "MinXVelocity");
    maxXVelocity = ReadFloat(ini, "MaxXVelocity");
    minYVelocity = ReadFloat(ini, "MinYVelocity");
    maxYVelocity = ReadFloat(ini, "MaxYVelocity");
    alphaFalloff = ReadFloat(ini, "AlphaFalloff");
    sizeFalloff = ReadFloat(ini, "SizeFalloff");
    speedFalloff = ReadFloat(ini, "SpeedFalloff");
    xScatter = ReadFloat(ini, "XScatter");
    yScatter = ReadFloat(ini, "YScatter");
    minSize = ReadFloat(ini, "MinSize");
    maxSize = ReadFloat(ini, "MaxSize");
    particlesPerSecond = ReadFloat(ini, "ParticlesPerSecond");
    initialParticles = std::atoi(ini.GetValue("InitialParticles").c_str());
    lifetime = ReadFloat(ini, "Lifetime");
    // A negative size would draw the square inside out; swapped bounds would draw sizes
    // outside the range the author meant.
    minSize = std::max(minSize, 0.0f);
    maxSize = std::max(maxSize, 0.0f);
    if (minSize > maxSize)
        std::swap(minSize, maxSize);
}

bool GUI_ParticleConfig::Save(const char* path) const
{
    char buffer[2048];
    std::snprintf(buffer, sizeof buffer,
                  "[config]\nName = %s\nTextureName = %s\nMinXVelocity = %.3f\nMaxXVelocity = %.3f\n"
                  "MinYVelocity = %.3f\nMaxYVelocity = %.3f\nAlphaFalloff = %.3f\nSizeFalloff = %.3f\n"
                  "SpeedFalloff = %.3f\nXScatter = %.3f\nYScatter = %.3f\nMinSize = %.3f\nMaxSize = %.3f\n"
                  "ParticlesPerSecond = %.3f\nInitialParticles = %d\nLifetime = %.3f\n",
                  name.c_str(), textureName.c_str(), double(minXVelocity), double(maxXVelocity),
                  double(minYVelocity), double(maxYVelocity), double(alphaFalloff), double(sizeFalloff),
                  double(speedFalloff), double(xScatter), double(yScatter), double(minSize), double(maxSize),
                  double(particlesPerSecond), initialParticles, double(lifetime));
    return path && WriteFileAtomically(path, buffer);
}

void GUI_ParticleConfig::Open()
{
    if (BOpened)
        return;
    Close();
    GFileList files;
    files.AddFiles("data/configs/*.txt");
    for (auto it = files.Begin(); it != files.End(); ++it) {
        std::string file = *it;
        size_t slash = file.find_last_of('/');
        if (slash != std::string::npos)
            file = file.substr(slash + 1);
        auto* config = new GUI_ParticleConfig;
        config->Load("data/configs/" + file);
        All.push_back(config);
    }
    BOpened = true;
}

void GUI_ParticleConfig::Close()
{
    std::vector<GUI_ParticleConfig*> old;
    old.swap(All);
    for (GUI_ParticleConfig* c : old)
        delete c;
    BOpened = false;
}

GUI_ParticleConfig* GUI_ParticleConfig::GetConfig(const char* configName)
{
    Open();
    std::string wanted = configName ? configName : "";
    for (GUI_ParticleConfig* c : All)
        if (c->name == wanted)
            return c;
    if (ReportedNames().insert(wanted).second)
        GError("Particle config not found", __FILE__, __LINE__);
    return nullptr;
}

// ---- Particles ----

ParticleState ParticleAfterSteps(const ParticleState& birth, const GUI_ParticleConfig& c, uint32_t steps)
{
    const double n = double(steps);
    ParticleState s = birth;
    s.opacity = float(double(birth.opacity) * std::pow(1.0 - double(c.alphaFalloff), n));
    s.size = float(double(birth.size) * std::pow(1.0 - double(c.sizeFalloff), n));
    if (c.speedFalloff == 0.0f) {
        s.x = float(double(birth.x) + n * double(birth.vx));
        s.y = float(double(birth.y) + n * double(birth.vy));
        return s;
    }
    // Each step moves by the velocity before it shrinks: the distance is the velocity times
    // the geometric sum 1 + k + ... + k^(n-1) with k = 1 - falloff.
    const double k = 1.0 - double(c.speedFalloff);
    const double kn = std::pow(k, n);
    const double travelled = (1.0 - kn) / double(c.speedFalloff);
    s.x = float(double(birth.x) + double(birth.vx) * travelled);
    s.y = float(double(birth.y) + double(birth.vy) * travelled);
    s.vx = float(double(birth.vx) * kn);
    s.vy = float(double(birth.vy) * kn);
    return s;
}

bool GUI_BaseParticle::Draw(uint32_t now)
{
    if (!alive || !owner || !owner->GetConfig())
        return false;
    uint32_t age = now - birthTime;
    current = ParticleAfterSteps(birth, *owner->GetConfig(), uint32_t(float(age) / kStepMs));
    float opacity = current.opacity;
    int a = opacity > 0.0f ? int(255.0f * std::min(opacity, 1.0f)) : 0;
    if (a <= 0 || !(current.size >= 0.5f)) {
        alive = false;
        visible = false;
        return false;
    }
    visible = a >= kFaintestDrawn;
    const float S = current.size * sine;
    const float C = current.size * cosine;
    const float x = current.x, y = current.y;
    const uint32_t colour = PackColor(255, 255, 255, uint32_t(a));
    const float corners[4][2] = {
        {S - C, -S - C}, // A, texture (0, 0)
        {C + S, S - C},  // B, texture (1, 0)
        {-C - S, C - S}, // D, texture (0, 1)
        {C - S, S + C},  // E, texture (1, 1)
    };
    for (int i = 0; i < 4; ++i) {
        vertices[i].x = x + corners[i][0];
        vertices[i].y = y + corners[i][1];
        vertices[i].diffuse = colour;
    }
    return true;
}

// ---- Emitters ----

GUI_ParticleEmmiter::GUI_ParticleEmmiter(const char* configName, V2 point, float z)
    : configName_(configName ? configName : "")
{
    for (int i = 0; i < MAX_PARTICLES; ++i) {
        particles_[i].owner = this;
        particles_[i].vertices = &verts_[i * VERTS_PER_PARTICLE];
    }
    config_ = GUI_ParticleConfig::GetConfig(configName_.c_str());
    Start(point, z);
    GUI_ParticleManager::AddEmmiter(this);
}

GUI_ParticleEmmiter::~GUI_ParticleEmmiter() { GUI_ParticleManager::Forget(this); }

void GUI_ParticleEmmiter::Start(V2 point, float z)
{
    uint32_t now = timeGetTime();
    startTime_ = now;
    point_ = point;
    z_ = std::isnan(z) ? 0.0f : z; // the depth order needs comparable keys
    drawn_ = 0;
    type_ = EMMITER_NORMAL;
    for (GUI_BaseParticle& p : particles_)
        p.alive = false;
    active_ = config_ != nullptr;
    if (config_) {
        int burst = std::clamp(config_->initialParticles, 0, MAX_PARTICLES);
        for (int i = 0; i < burst; ++i)
            InitParticle(i, now);
    }
    lastEmission_ = now;
}

void GUI_ParticleEmmiter::Reset(V2 point, float z) { Start(point, z); }

void GUI_ParticleEmmiter::InitParticle(int i, uint32_t now)
{
    const GUI_ParticleConfig& c = *config_;
    GUI_BaseParticle& p = particles_[i];
    p.birth.x = point_.x + GRandom::RandReal(-c.xScatter, c.xScatter);
    p.birth.y = point_.y + GRandom::RandReal(-c.yScatter, c.yScatter);
    p.birth.size = GRandom::RandReal(c.minSize, c.maxSize);
    p.alive = true;
    p.birthTime = now;
    p.birth.opacity = 1.0f;
    static const float uv[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (int k = 0; k < VERTS_PER_PARTICLE; ++k)
        p.vertices[k] = _D3DTLVERTEX(0, 0, 0, 1, PackColor(255, 255, 255, 255), 0, uv[k][0], uv[k][1]);
    p.angle = GRandom::RandReal(0.0f, 360.0f);
    p.sine = std::sin(p.angle * kPi / 180.0f);
    p.cosine = std::cos(p.angle * kPi / 180.0f);
    p.birth.vx = GRandom::RandReal(c.minXVelocity, c.maxXVelocity);
    p.birth.vy = GRandom::RandReal(c.minYVelocity, c.maxYVelocity);
    p.current = p.birth;
}

int GUI_ParticleEmmiter::LiveParticles() const
{
    return int(std::count_if(std::begin(particles_), std::end(particles_),
                             [](const GUI_BaseParticle& p) { return p.alive; }));
}

void GUI_ParticleEmmiter::Emit(uint32_t now)
{
    const GUI_ParticleConfig& c = *config_;
    if (c.lifetime > 0.0f && !(float(now - startTime_) < c.lifetime))
        return;
    // Worked out in double and capped: a long stall or an absurd rate asks for at most
    // one emitter's worth of particles, never an overflowing count.
    double births = double(c.particlesPerSecond) * double(now - lastEmission_) / 1000.0;
    if (!(births >= 1.0))
        return;
    int n = births >= double(MAX_BIRTHS_PER_FRAME) ? MAX_BIRTHS_PER_FRAME : int(births);
    lastEmission_ = now;
    int next = 0;
    for (int k = 0; k < n; ++k) {
        while (next < MAX_PARTICLES && particles_[next].alive)
            ++next;
        if (next == MAX_PARTICLES)
            break; // every particle is alive: the rest of the births are dropped
        InitParticle(next, now);
    }
}

void GUI_ParticleEmmiter::Draw()
{
    if (!active_)
        return;
    D3DEngine* engine = GetD3DEngine();
    const bool additive = type_ == EMMITER_ADDITIVE;
    if (additive)
        engine->SetAdditiveBlend(true);
    const uint32_t now = timeGetTime();
    int count = 0, live = 0;
    for (GUI_BaseParticle& p : particles_) {
        if (!p.Draw(now))
            continue;
        ++live;
        if (!p.visible)
            continue;
        std::memcpy(drawList_ + count * VERTS_PER_PARTICLE, p.vertices, sizeof(_D3DTLVERTEX) * VERTS_PER_PARTICLE);
        ++count;
    }
    drawn_ = live;
    if (count > 0) {
        if (config_->texture.GetName() != config_->textureName)
            config_->texture.SetTexture(config_->textureName);
        config_->texture.Set();
        // Each a quad of its own, drawn over its texture's content only.
        engine->DrawQuads(drawList_, count);
    }
    Emit(now);
    if (live < 1)
        active_ = false;
    if (additive)
        engine->SetAdditiveBlend(false);
}

// ---- Manager ----

GUI_ParticleEmmiter* GUI_ParticleManager::CreateEmmiter(const char* configName, V2 point, float z)
{
    std::string wanted = configName ? configName : "";
    // Matched by the name asked for, so an unknown effect asked for again and again reuses
    // its one parked emitter instead of parking a new one each time.
    for (auto it = CachedEmmiters.begin(); it != CachedEmmiters.end(); ++it) {
        if ((*it)->GetConfigName() != wanted)
            continue;
        GUI_ParticleEmmiter* e = *it;
        CachedEmmiters.erase(it);
        e->Reset(point, z);
        AddEmmiter(e);
        return e;
    }
    return new GUI_ParticleEmmiter(wanted.c_str(), point, z);
}

void GUI_ParticleManager::CacheEmmiter(const char* configName)
{
    auto* e = new GUI_ParticleEmmiter(configName, V2(0.0f, 0.0f), 0.0f);
    Emmiters.erase(std::remove(Emmiters.begin(), Emmiters.end(), e), Emmiters.end());
    CachedEmmiters.push_back(e);
}

void GUI_ParticleManager::Draw()
{
    std::vector<GUI_ParticleEmmiter*> snapshot = Emmiters;
    for (GUI_ParticleEmmiter* e : snapshot)
        if (std::find(Emmiters.begin(), Emmiters.end(), e) != Emmiters.end())
            e->Draw();
    while (PruneEmmiter()) {
    }
}

void GUI_ParticleManager::ClearEmmiters()
{
    std::vector<GUI_ParticleEmmiter*> all = Emmiters;
    all.insert(all.end(), CachedEmmiters.begin(), CachedEmmiters.end());
    for (GUI_ParticleEmmiter* e : all)
        delete e; // the destructor leaves both lists
    Emmiters.clear();
    CachedEmmiters.clear();
}

void GUI_ParticleManager::AddEmmiter(GUI_ParticleEmmiter* emitter)
{
    if (!emitter)
        return;
    Emmiters.erase(std::remove(Emmiters.begin(), Emmiters.end(), emitter), Emmiters.end());
    Emmiters.push_back(emitter);
    std::stable_sort(Emmiters.begin(), Emmiters.end(),
                     [](const GUI_ParticleEmmiter* a, const GUI_ParticleEmmiter* b) { return a->GetZPos() > b->GetZPos(); });
}

bool GUI_ParticleManager::PruneEmmiter()
{
    auto it = std::find_if(Emmiters.begin(), Emmiters.end(), [](const GUI_ParticleEmmiter* e) { return !e->IsActive(); });
    if (it == Emmiters.end())
        return false;
    GUI_ParticleEmmiter* e = *it;
    Emmiters.erase(it);
    CachedEmmiters.push_back(e);
    return true;
}

void GUI_ParticleManager::Forget(GUI_ParticleEmmiter* emitter)
{
    Emmiters.erase(std::remove(Emmiters.begin(), Emmiters.end(), emitter), Emmiters.end());
    CachedEmmiters.erase(std::remove(CachedEmmiters.begin(), CachedEmmiters.end(), emitter), CachedEmmiters.end());
}
