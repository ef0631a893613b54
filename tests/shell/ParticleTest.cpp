// Particle effects: a particle's state at any age in closed form, against a replay of its
// life step by step; configurations read, mended and shipped; emitters born, drawn in
// depth order, parked, reused and ended; additive drawing; births held to the emitter.
#include "harness/GameHarness.h"

#include "engine/gfx/D3DEngine.h"
#include "port/sdl/FrameCapture.h"
#include "shell/GUI_Particles.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

namespace fs = std::filesystem;

namespace {

// A particle's life replayed 16 ms step by step, as the effect's rules state it.
ParticleState Replay(ParticleState s, const GUI_ParticleConfig& c, uint32_t steps)
{
    for (uint32_t i = 0; i < steps; ++i) {
        s.opacity *= 1.0f - c.alphaFalloff;
        s.size *= 1.0f - c.sizeFalloff;
        s.y += s.vy;
        s.x += s.vx;
        if (c.speedFalloff != 0.0f) {
            s.vx *= 1.0f - c.speedFalloff;
            s.vy *= 1.0f - c.speedFalloff;
        }
    }
    return s;
}

GUI_ParticleConfig MakeConfig(float alpha, float size, float speed)
{
    GUI_ParticleConfig c;
    c.alphaFalloff = alpha;
    c.sizeFalloff = size;
    c.speedFalloff = speed;
    return c;
}

void ExpectNear(float actual, float expected, const std::string& what)
{
    EXPECT_NEAR(actual, expected, 1e-3f + 1e-4f * std::fabs(expected)) << what;
}

} // namespace

TEST(ParticleStateTest, ClosedFormMatchesTheStepwiseReplay)
{
    struct Case {
        float alpha, size, speed;
    };
    const Case cases[] = {
        {0.0f, 0.0f, 0.0f},     // never fades: a straight line at constant speed
        {0.02f, 0.01f, 0.0f},   // fades and shrinks, constant speed
        {0.05f, 0.03f, 0.1f},   // slows by a tenth each step
        {0.01f, -0.01f, 0.06f}, // grows while it fades (smoke)
        {0.5f, 0.0f, 1.0f},     // stops dead after one step
    };
    ParticleState birth;
    birth.x = 512.0f;
    birth.y = 400.0f;
    birth.size = 20.0f;
    birth.opacity = 1.0f;
    birth.vx = 2.5f;
    birth.vy = -3.0f;
    for (const Case& k : cases) {
        GUI_ParticleConfig c = MakeConfig(k.alpha, k.size, k.speed);
        for (uint32_t steps : {0u, 1u, 6u, 37u, 200u}) {
            ParticleState want = Replay(birth, c, steps);
            ParticleState got = ParticleAfterSteps(birth, c, steps);
            std::string what = "falloffs " + std::to_string(k.alpha) + "/" + std::to_string(k.size) + "/" +
                               std::to_string(k.speed) + " after " + std::to_string(steps) + " steps";
            ExpectNear(got.x, want.x, what + " x");
            ExpectNear(got.y, want.y, what + " y");
            ExpectNear(got.size, want.size, what + " size");
            ExpectNear(got.opacity, want.opacity, what + " opacity");
            ExpectNear(got.vx, want.vx, what + " vx");
            ExpectNear(got.vy, want.vy, what + " vy");
        }
    }
}

TEST(ParticleStateTest, AVeryOldParticleIsComputedAtOnce)
{
    // A particle that never dies, a day old: its state is finite and where a straight
    // line at its speed puts it.
    GUI_ParticleConfig c = MakeConfig(0.0f, 0.0f, 0.0f);
    ParticleState birth;
    birth.vx = 1.0f;
    birth.size = 4.0f;
    ParticleState s = ParticleAfterSteps(birth, c, 86400000u / 16u);
    EXPECT_FLOAT_EQ(s.x, 5400000.0f);
    EXPECT_FLOAT_EQ(s.size, 4.0f);
    EXPECT_FLOAT_EQ(s.opacity, 1.0f);
}

class ParticleConfigTest : public SandboxTest {};

TEST_F(ParticleConfigTest, ReadsEveryKeyAndMendsSizes)
{
    struct Case {
        const char* sizes;
        float min, max;
    };
    const Case cases[] = {
        {"MinSize = 4\nMaxSize = 9\n", 4.0f, 9.0f},
        {"MinSize = 9\nMaxSize = 4\n", 4.0f, 9.0f},  // swapped
        {"MinSize = -6\nMaxSize = 8\n", 0.0f, 8.0f}, // negative
        {"MinSize = -6\nMaxSize = -2\n", 0.0f, 0.0f},
        {"MinSize = nan\nMaxSize = inf\n", 0.0f, 0.0f}, // not numbers a particle can have
    };
    for (const Case& k : cases) {
        std::string path = work.Write("c.txt", std::string("[config]\nName = puff\nTextureName = puff.png\n"
                                                           "MinXVelocity = -1.5\nMaxXVelocity = 2.25\n"
                                                           "InitialParticles = 12\nLifetime = 700\n") +
                                                   k.sizes);
        GUI_ParticleConfig c;
        c.Load(path);
        EXPECT_EQ(c.name, "puff");
        EXPECT_EQ(c.textureName, "puff.png");
        EXPECT_FLOAT_EQ(c.minXVelocity, -1.5f);
        EXPECT_FLOAT_EQ(c.maxXVelocity, 2.25f);
        EXPECT_FLOAT_EQ(c.minYVelocity, 0.0f); // absent keys read 0
        EXPECT_EQ(c.initialParticles, 12);
        EXPECT_FLOAT_EQ(c.lifetime, 700.0f);
        EXPECT_FLOAT_EQ(c.minSize, k.min) << k.sizes;
        EXPECT_FLOAT_EQ(c.maxSize, k.max) << k.sizes;
    }
}

TEST_F(ParticleConfigTest, SaveWritesTheLayoutThatLoadReads)
{
    GUI_ParticleConfig c;
    c.name = "sparks";
    c.textureName = "spark.png";
    c.minYVelocity = -2.5f;
    c.alphaFalloff = 0.025f;
    c.minSize = 3.0f;
    c.maxSize = 6.0f;
    c.particlesPerSecond = 140.0f;
    c.initialParticles = 24;
    std::string path = (work.Path() / "sparks.txt").string();
    ASSERT_TRUE(c.Save(path.c_str()));
    const std::string text = ReadWholeFile(path);
    EXPECT_EQ(text.rfind("[config]\nName = sparks\nTextureName = spark.png\nMinXVelocity = 0.000\n", 0), 0u);
    EXPECT_NE(text.find("\nInitialParticles = 24\nLifetime = 0.000\n"), std::string::npos);
    GUI_ParticleConfig back;
    back.Load(path);
    EXPECT_EQ(back.name, "sparks");
    EXPECT_FLOAT_EQ(back.minYVelocity, -2.5f);
    EXPECT_FLOAT_EQ(back.alphaFalloff, 0.025f);
    EXPECT_FLOAT_EQ(back.particlesPerSecond, 140.0f);
    EXPECT_EQ(back.initialParticles, 24);
}

TEST_F(ParticleConfigTest, ShippedEffectsAreAllThereAndEnd)
{
    CopyShippedData();
    GUI_ParticleConfig::Close();
    const std::set<std::string> wanted = {"largevenue_smoke", "smallvenue_smoke", "songnotes",
                                          "practicenotes",    "smoke_bang",       "bang",
                                          "blacksmoke",       "flames",           "spark_shower"};
    for (const std::string& name : wanted) {
        GUI_ParticleConfig* c = GUI_ParticleConfig::GetConfig(name.c_str());
        ASSERT_NE(c, nullptr) << name;
        EXPECT_TRUE(fs::exists(resources.Path() / "data/bitmaps/particles" / c->textureName)) << name;
        // Every particle fades or shrinks away, and within a few seconds.
        ParticleState birth;
        birth.size = c->maxSize;
        ParticleState old = ParticleAfterSteps(birth, *c, 10000 / 16);
        EXPECT_TRUE(int(255.0f * old.opacity) <= 0 || old.size < 0.5f) << name;
        EXPECT_LE(c->minSize, c->maxSize) << name;
        EXPECT_GT(c->initialParticles + c->particlesPerSecond, 0.0f) << name;
    }
    EXPECT_EQ(GUI_ParticleConfig::All.size(), wanted.size());
    EXPECT_TRUE(reports.alerts.empty());
    GUI_ParticleConfig::Close();
}

namespace {

// Draws a flat background and then the particle manager.
class ParticleMode : public HarnessMode {
public:
    void Draw() override
    {
        GetD3DEngine()->ClearScreen(background);
        if (before)
            before();
        GUI_ParticleManager::Draw();
        additiveAfter = GetD3DEngine()->IsAdditiveBlend();
    }
    uint32_t background = 0xFF000000u;
    std::function<void()> before;
    bool additiveAfter = false;
};

class ParticleTest : public ToolkitHarness {
protected:
    void BeforeStart() override
    {
        // Effects of the test's own, and a plain white half-transparent texture.
        const fs::path configs = resources.Path() / "data/configs";
        fs::create_directories(configs);
        auto write = [&](const std::string& name, const std::string& keys) {
            std::ofstream(configs / (name + ".txt"))
                << "[config]\nName = " << name << "\nTextureName = test_white.png\n" << keys;
        };
        write("still", "MinSize = 8\nMaxSize = 8\nInitialParticles = 4\n"); // never fades, never moves
        write("one", "MinSize = 8\nMaxSize = 8\nInitialParticles = 1\n");
        write("burst", "MinSize = 8\nMaxSize = 8\nAlphaFalloff = 0.1\nInitialParticles = 400\n");
        write("empty", "MinSize = 8\nMaxSize = 8\nParticlesPerSecond = 100\nInitialParticles = 0\n");
        write("flood", "MinSize = 2\nMaxSize = 2\nAlphaFalloff = 0.5\nParticlesPerSecond = 1e12\n"
                       "InitialParticles = 1\n");
        write("fading", "MinSize = 8\nMaxSize = 8\nAlphaFalloff = 0.25\nInitialParticles = 1\n");
        write("fast", "MinSize = 8\nMaxSize = 8\nMinXVelocity = 2\nMaxXVelocity = 2\nSpeedFalloff = 0.1\n"
                      "InitialParticles = 1\n");
        RgbaImage white;
        white.width = white.height = 16;
        white.pixels.assign(16 * 16 * 4, 255);
        for (size_t i = 3; i < white.pixels.size(); i += 4)
            white.pixels[i] = 128;
        fs::create_directories(resources.Path() / "data/bitmaps/test");
        ASSERT_TRUE(WritePng((resources.Path() / "data/bitmaps/test/test_white.png").string(), white));
        GUI_ParticleConfig::Close();
    }
    void TearDown() override
    {
        GetGame()->SetModeObject(Game::MODE_MAINMENU, &mode);
        GUI_ParticleManager::ClearEmmiters();
        GUI_ParticleConfig::Close();
        ToolkitHarness::TearDown();
    }
    void Use(ParticleMode& m) { GetGame()->SetModeObject(Game::MODE_MAINMENU, &m); }
};

} // namespace

TEST_F(ParticleTest, AnUnknownEffectIsReportedOnceAndNeverDraws)
{
    ParticleMode m;
    Use(m);
    GUI_ParticleEmmiter* e = GUI_ParticleManager::CreateEmmiter("no_such_effect", V2(100, 100), 0);
    EXPECT_FALSE(e->IsActive());
    std::vector<AlertRequest> taken = TakeReports();
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_NE(taken[0].message.find("Particle config not found"), std::string::npos);
    Step();
    EXPECT_EQ(GUI_ParticleManager::CachedEmmiters.size(), 1u);
    // Asked for again and again (a stage effect every few seconds): no report and no new
    // emitter piling up in the cache.
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(GUI_ParticleManager::CreateEmmiter("no_such_effect", V2(100, 100), 0), e);
        Step();
    }
    EXPECT_TRUE(TakeReports().empty());
    EXPECT_EQ(GUI_ParticleManager::CachedEmmiters.size(), 1u);
    EXPECT_TRUE(GUI_ParticleManager::Emmiters.empty());
}

TEST_F(ParticleTest, BurstsAreHeldToTheEmitterAndAnEmptyOneEndsAtOnce)
{
    ParticleMode m;
    Use(m);
    GUI_ParticleEmmiter* burst = GUI_ParticleManager::CreateEmmiter("burst", V2(300, 300), 0);
    GUI_ParticleEmmiter* empty = GUI_ParticleManager::CreateEmmiter("empty", V2(500, 300), 0);
    EXPECT_EQ(burst->LiveParticles(), 256);
    Step();
    EXPECT_EQ(burst->GetParticlesInUse(), 256);
    // Nothing alive to draw on its first frame: it ends before its stream can begin.
    EXPECT_FALSE(empty->IsActive());
    EXPECT_EQ(GUI_ParticleManager::CachedEmmiters, std::vector<GUI_ParticleEmmiter*> {empty});

    // A second of stall with an absurd rate: births are held to one emitter's worth.
    GUI_ParticleEmmiter* flood = GUI_ParticleManager::CreateEmmiter("flood", V2(700, 300), 0);
    Step(1, 1000);
    EXPECT_LE(flood->LiveParticles(), 256);
    EXPECT_GT(flood->LiveParticles(), 0);
}

TEST_F(ParticleTest, ParticlesMoveByTheirAgeNotByTheFrames)
{
    ParticleMode m;
    Use(m);
    GUI_ParticleEmmiter* e = GUI_ParticleManager::CreateEmmiter("fast", V2(200, 200), 0);
    const float startX = e->Particle(0).birth.x;
    Step(1, 15); // under one step: drawn where it was born, at full opacity
    EXPECT_FLOAT_EQ(e->Particle(0).current.x, startX);
    EXPECT_FLOAT_EQ(e->Particle(0).current.opacity, 1.0f);
    Step(1, 85); // 100 ms: six steps, each a tenth slower than the one before
    float expected = startX + 2.0f * (1.0f - std::pow(0.9f, 6.0f)) / 0.1f;
    EXPECT_NEAR(e->Particle(0).current.x, expected, 1e-3f);
    // The same age reached in one long frame gives the same place.
    GUI_ParticleEmmiter* other = GUI_ParticleManager::CreateEmmiter("fast", V2(200, 200), 0);
    const float otherX = other->Particle(0).birth.x;
    Step(1, 100);
    EXPECT_NEAR(other->Particle(0).current.x - otherX, expected - startX, 1e-3f);
}

TEST_F(ParticleTest, EmittersDrawByDepthAndParkedOnesAreReused)
{
    ParticleMode m;
    Use(m);
    GUI_ParticleEmmiter* a = GUI_ParticleManager::CreateEmmiter("still", V2(100, 100), 5);
    GUI_ParticleEmmiter* b = GUI_ParticleManager::CreateEmmiter("still", V2(200, 100), 2);
    GUI_ParticleEmmiter* c = GUI_ParticleManager::CreateEmmiter("still", V2(300, 100), 5);
    using List = std::vector<GUI_ParticleEmmiter*>;
    EXPECT_EQ(GUI_ParticleManager::Emmiters, (List {a, c, b}));

    // A parked emitter asked for again takes its place by its new depth, drawn as normal.
    GUI_ParticleEmmiter* parked = GUI_ParticleManager::CreateEmmiter("burst", V2(400, 100), 9);
    parked->SetType(EMMITER_ADDITIVE);
    Step(1, 2000); // faded away
    EXPECT_EQ(GUI_ParticleManager::CachedEmmiters, (List {parked}));
    GUI_ParticleEmmiter* again = GUI_ParticleManager::CreateEmmiter("burst", V2(50, 60), 3);
    EXPECT_EQ(again, parked);
    EXPECT_EQ(again->GetType(), EMMITER_NORMAL);
    EXPECT_TRUE(again->IsActive());
    EXPECT_FLOAT_EQ(again->GetPoint().x, 50.0f);
    EXPECT_EQ(GUI_ParticleManager::Emmiters, (List {a, c, again, b}));
    EXPECT_TRUE(GUI_ParticleManager::CachedEmmiters.empty());

    GUI_ParticleManager::ClearEmmiters();
    EXPECT_TRUE(GUI_ParticleManager::Emmiters.empty());
    EXPECT_TRUE(GUI_ParticleManager::CachedEmmiters.empty());
}

TEST_F(ParticleTest, AdditiveEmittersAddLightAndLeaveBlendingNormal)
{
    ParticleMode m;
    m.background = PackColor(100, 100, 100, 255);
    Use(m);
    GUI_ParticleEmmiter* normal = GUI_ParticleManager::CreateEmmiter("one", V2(300, 300), 0);
    GUI_ParticleEmmiter* added = GUI_ParticleManager::CreateEmmiter("one", V2(600, 300), 0);
    added->SetType(EMMITER_ADDITIVE);
    RgbaImage frame = CaptureFrame();
    EXPECT_FALSE(m.additiveAfter);
    // The texture is white at half alpha: blended over grey 100 it gives about 177,
    // added to it about 227.
    EXPECT_NEAR(int(frame.At(300, 300) & 0xFF), 177, 4);
    EXPECT_NEAR(int(frame.At(600, 300) & 0xFF), 227, 4);
    EXPECT_EQ(frame.At(450, 300) & 0xFFu, 100u);
    EXPECT_EQ(normal->GetParticlesInUse(), 1);
}

TEST_F(ParticleTest, AParticleTooFaintToShowLivesOnUndrawnUntilItFades)
{
    ParticleMode m;
    m.background = PackColor(100, 100, 100, 255);
    Use(m);
    // A quarter less opaque at each 16 ms step: 255 * 0.75^n is 10 after eleven steps, 3
    // after fifteen, 1 after nineteen and nothing after twenty.
    GUI_ParticleEmmiter* e = GUI_ParticleManager::CreateEmmiter("fading", V2(300, 300), 0);
    struct Case {
        uint32_t ageMs;
        bool drawn;
        bool alive;
    };
    const Case cases[] = {{176, true, true}, {240, false, true}, {304, false, true}, {352, false, false}};
    const uint32_t frameMs = 33; // the captured frame is one more step of the game
    uint32_t age = 0;
    for (const Case& c : cases) {
        Step(1, c.ageMs - age - frameMs);
        age = c.ageMs;
        const uint32_t centre = CaptureFrame().At(300, 300) & 0xFFu;
        EXPECT_EQ(centre != 100u, c.drawn) << "at " << c.ageMs << " ms";
        EXPECT_EQ(e->GetParticlesInUse(), c.alive ? 1 : 0) << "at " << c.ageMs << " ms";
        // An emitter whose particles are all too faint to draw is still running.
        EXPECT_EQ(e->IsActive(), c.alive) << "at " << c.ageMs << " ms";
    }
}

TEST_F(ParticleTest, ScreenshotOfTheShippedEffects)
{
    // Every shipped effect on a dark stage, the pyrotechnics added as the stage adds them.
    ParticleMode m;
    m.background = PackColor(28, 22, 38, 255);
    Use(m);
    struct Effect {
        const char* name;
        float x, y;
        bool additive;
    };
    const Effect effects[] = {
        {"largevenue_smoke", 256, 700, false}, {"smallvenue_smoke", 768, 700, false},
        {"songnotes", 120, 200, false},        {"practicenotes", 260, 200, false},
        {"smoke_bang", 420, 420, false},       {"bang", 620, 420, true},
        {"blacksmoke", 820, 480, false},       {"flames", 900, 480, true},
        {"spark_shower", 512, 40, true},
    };
    for (const Effect& e : effects) {
        GUI_ParticleEmmiter* emitter = GUI_ParticleManager::CreateEmmiter(e.name, V2(e.x, e.y), 0);
        if (e.additive)
            emitter->SetType(EMMITER_ADDITIVE);
    }
    Step(12);
    for (GUI_ParticleEmmiter* e : GUI_ParticleManager::Emmiters)
        EXPECT_GT(e->GetParticlesInUse(), 0) << e->GetConfigName();
    EXPECT_EQ(GUI_ParticleManager::Emmiters.size(), std::size(effects));
    RgbaImage frame = CaptureFrame();
    const fs::path out = fs::path(GameDir()).parent_path() / "artifacts";
    fs::create_directories(out);
    EXPECT_TRUE(WritePng((out / "particles.png").string(), frame));
}
