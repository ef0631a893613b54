#pragma once
// Short 2D particle effects (stage smoke, pyrotechnics, floating notes): configurations
// read from data/configs, emitters that burst and stream textured squares, and the manager
// that draws the running emitters by depth and parks finished ones for reuse.
#include "engine/V2.h"
#include "engine/gfx/D3DTypes.h"
#include "engine/gfx/SmartTexture.h"

#include <cstdint>
#include <string>
#include <vector>

// One effect definition, loaded from an INI file with a section "config".
class GUI_ParticleConfig {
public:
    GUI_ParticleConfig() = default;
    virtual ~GUI_ParticleConfig() = default;

    // Reads the file's "config" section; absent keys read as 0 (or empty). Sizes are
    // mended: a negative size becomes 0 and a minimum above the maximum is swapped.
    void Load(const std::string& path);
    // Writes the canonical layout; false when the file cannot be written.
    bool Save(const char* path) const;

    // Loads every "data/configs/*.txt" once; Close allows a reload.
    static void Open();
    static void Close();
    // The first configuration of this exact name; an unknown name is reported once per
    // name (the "Particle config not found" error) and answers null.
    static GUI_ParticleConfig* GetConfig(const char* name);

    SmartTexture texture; // resolved on first draw
    std::string name;
    std::string textureName;
    float minXVelocity = 0, maxXVelocity = 0;
    float minYVelocity = 0, maxYVelocity = 0;
    float minSize = 0, maxSize = 0;
    float alphaFalloff = 0;
    float sizeFalloff = 0;
    float speedFalloff = 0;
    float xScatter = 0, yScatter = 0;
    float particlesPerSecond = 0;
    int initialParticles = 0;
    float lifetime = 0;

    static std::vector<GUI_ParticleConfig*> All;
    static bool BOpened;
};

// What a particle is at one moment: position, size (half the side), opacity, velocity.
struct ParticleState {
    float x = 0, y = 0;
    float size = 0;
    float opacity = 1;
    float vx = 0, vy = 0;
};

// The state after `steps` 16 ms steps from birth, in closed form: each step the opacity,
// size and (with a speed falloff) velocity shrink by their falloffs and the position
// moves by the velocity it had before the step. The cost is the same at any age.
ParticleState ParticleAfterSteps(const ParticleState& birth, const GUI_ParticleConfig& config, uint32_t steps);

class GUI_ParticleEmmiter;

// One particle of an emitter: its birth values, its state this frame and the four corners
// of its quad (top-left, top-right, bottom-left, bottom-right).
class GUI_BaseParticle {
public:
    // A particle fainter than this (of 255) changes no pixel by more than a few levels:
    // it lives on but is not drawn. A slow fade spends most of its life there, and a
    // software renderer pays for every pixel of it.
    static constexpr int kFaintestDrawn = 8;

    // Draws the particle at its age into its vertices; false (and dead) once it has faded
    // to nothing or shrunk below half a pixel. `visible` tells whether it is worth drawing.
    bool Draw(uint32_t now);

    GUI_ParticleEmmiter* owner = nullptr;
    bool alive = false;
    bool visible = false;
    uint32_t birthTime = 0;
    ParticleState birth;
    ParticleState current;
    float angle = 0; // degrees
    float sine = 0, cosine = 1;
    _D3DTLVERTEX* vertices = nullptr;
};

enum EMMITER_TYPE { EMMITER_NORMAL = 0, EMMITER_ADDITIVE = 1 };

// One running effect of up to 256 particles, drawn in one batch of one texture.
class GUI_ParticleEmmiter {
public:
    static constexpr int MAX_PARTICLES = 256;
    static constexpr int VERTS_PER_PARTICLE = 4;
    static constexpr int MAX_VERTS = MAX_PARTICLES * VERTS_PER_PARTICLE;
    // However long a frame took, no more particles are born in it than an emitter holds.
    static constexpr int MAX_BIRTHS_PER_FRAME = MAX_PARTICLES;

    // Starts the effect of that configuration at the point and enters the active list. An
    // unknown configuration gives an emitter that is inactive from the start.
    GUI_ParticleEmmiter(const char* configName, V2 point, float z);
    virtual ~GUI_ParticleEmmiter();
    GUI_ParticleEmmiter(const GUI_ParticleEmmiter&) = delete;
    GUI_ParticleEmmiter& operator=(const GUI_ParticleEmmiter&) = delete;

    // Starts a parked emitter again at a new point and depth (type back to normal). The
    // manager enters it into the active list.
    void Reset(V2 point, float z);
    void Draw();

    bool IsActive() const { return active_; }
    int GetParticlesInUse() const { return drawn_; }
    float GetZPos() const { return z_; }
    V2 GetPoint() const { return point_; }
    void SetType(EMMITER_TYPE type) { type_ = type; }
    EMMITER_TYPE GetType() const { return type_; }
    GUI_ParticleConfig* GetConfig() const { return config_; }
    // The name it was asked for (a parked emitter is reused for the same name).
    const std::string& GetConfigName() const { return configName_; }
    const GUI_BaseParticle& Particle(int i) const { return particles_[i]; }
    int LiveParticles() const;

private:
    void Start(V2 point, float z);
    void InitParticle(int i, uint32_t now);
    void Emit(uint32_t now);

    GUI_ParticleConfig* config_ = nullptr;
    std::string configName_;
    V2 point_;
    float z_ = 0;
    uint32_t startTime_ = 0;
    uint32_t lastEmission_ = 0;
    bool active_ = false;
    GUI_BaseParticle particles_[MAX_PARTICLES];
    _D3DTLVERTEX verts_[MAX_VERTS];
    _D3DTLVERTEX drawList_[MAX_VERTS]; // the corners of the particles drawn this frame
    int drawn_ = 0;
    EMMITER_TYPE type_ = EMMITER_NORMAL;
};

// The running and the parked emitters (static only).
class GUI_ParticleManager {
public:
    // A parked emitter of that name started again, or a new one.
    static GUI_ParticleEmmiter* CreateEmmiter(const char* configName, V2 point, float z);
    // Makes an emitter of the configuration and parks it at once, ready for later use.
    static void CacheEmmiter(const char* configName);
    // Draws every active emitter (larger Z first), then parks those that ended.
    static void Draw();
    static void ClearEmmiters();
    // Enters the active list, kept in order of Z, larger first (equal Z in insertion order).
    static void AddEmmiter(GUI_ParticleEmmiter* emitter);
    // Parks the first inactive emitter of the active list; false when there is none.
    static bool PruneEmmiter();
    // Takes the emitter out of both lists (its destructor calls this).
    static void Forget(GUI_ParticleEmmiter* emitter);

    static std::vector<GUI_ParticleEmmiter*> Emmiters;
    static std::vector<GUI_ParticleEmmiter*> CachedEmmiters;
};
