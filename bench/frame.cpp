// The CPU that one whole frame of the real game costs (game code, GL driver and its worker
// threads, buffer swap), per scene, at the game's own pace of 30 frames a second.
//
// Runs on a display (xvfb-run -a -s "-screen 0 1280x1024x24" build/default/bench/bench_frame).
// The CPU column is the process's CPU time per frame, all threads counted; the Time column
// is the wall time of the frame itself (the wait for the next frame is not counted).
//   BM_Frame/<scene>       the scene at rest, as the game runs it: a frame the same as the
//                          one on screen is neither drawn nor presented.
// Scenes: MainMenu (idle), BackdropToolAllEffects (the gig stage at its heaviest: every
// stage effect on at the large venue; AMP_BENCH_CHEATS=CHEAT_LASERS,CHEAT_SKULL switches on
// only those named, to weigh one effect), Particles (every particle effect at once).
//   BM_FrameDrawn/<scene>  every frame drawn and presented, as when something moves: the
//                          cost of the scene's drawing in the GL driver.
// AMP_FRAME_DIR=<folder> also saves each scene's frame there as <scene>.png, to look at
// or to compare before and after a renderer change.
//
// Under callgrind (valgrind --tool=callgrind, LP_NUM_THREADS=0 to keep the driver's work on
// this thread) only the timed frames are counted: instruction counts per frame that do not
// depend on what else the machine is doing. The game's clock is the harness's, so every
// run draws the same frames.
//
// A new scene: one row in Scenes() with the steps that bring the game to it.
#include "harness/GameHarness.h"
#include "engine/gfx/D3DEngine.h"
#include "menus/GUI_MenuMain.h"
#include "port/sdl/FrameCapture.h"
#include "shell/GUI_Particles.h"
#include "show/Tool_Backdrop.h"
#include "sim/SIM_GlobalVariable.h"

#include <benchmark/benchmark.h>
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS
#endif

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <thread>

namespace {

// The real game, started once for the whole run through the GUI test harness.
class FrameRunner : public GameHarness {
public:
    void TestBody() override {}
    void Start() { SetUp(); }
    void Frames(int count) { Step(count); }
    void Settle() { WaitFade(); }
    RgbaImage Capture() { return CaptureFrame(); }

protected:
    // The game's own first mode (the main menu), not the harness's stand-in.
    void BeforeStart() override { GetGame()->SetModeObject(Game::MODE_MAINMENU, nullptr); }
};

FrameRunner& Runner()
{
    static FrameRunner* runner = [] {
        auto* r = new FrameRunner;
        r->Start();
        return r;
    }();
    return *runner;
}

// Every shipped particle effect running at once on a dark stage, each burst started again
// as soon as it ends, the pyrotechnics drawn additively as the stage draws them: the most
// the particle system is asked to draw in one frame.
class ParticleStage : public GUI_GameModeBase {
public:
    void Draw() override
    {
        GetD3DEngine()->ClearScreen(PackColor(28, 22, 38, 255));
        struct Effect {
            const char* name;
            float x, y;
            bool additive;
        };
        static const Effect effects[] = {
            {"largevenue_smoke", 256, 700, false}, {"smallvenue_smoke", 768, 700, false},
            {"songnotes", 120, 200, false},        {"practicenotes", 260, 200, false},
            {"smoke_bang", 420, 420, false},       {"bang", 620, 420, true},
            {"blacksmoke", 820, 480, false},       {"flames", 900, 480, true},
            {"spark_shower", 512, 40, true},
        };
        for (const Effect& e : effects) {
            bool running = false;
            for (GUI_ParticleEmmiter* emitter : GUI_ParticleManager::Emmiters)
                running = running || emitter->GetConfigName() == e.name;
            if (!running)
                if (GUI_ParticleEmmiter* emitter = GUI_ParticleManager::CreateEmmiter(e.name, V2(e.x, e.y), 0.0f);
                    e.additive)
                    emitter->SetType(EMMITER_ADDITIVE);
        }
        GUI_ParticleManager::Draw();
    }
    void HandleKey(unsigned int) override {}
    void ProcessInput() override {}
    void CheckClick() override {}
};

struct Scene {
    const char* name;
    // Brings the started game to the scene and lets it come to rest.
    std::function<void(FrameRunner&)> enter;
};

const std::vector<Scene>& Scenes()
{
    static const std::vector<Scene> scenes = {
        {"MainMenu",
         [](FrameRunner& game) {
             Game::SwitchMode(Game::MODE_MAINMENU);
             game.Settle();
         }},
        {"BackdropToolAllEffects",
         [](FrameRunner& game) {
             // The heaviest stage: the viewer with every effect on at the large venue.
             const char* only = std::getenv("AMP_BENCH_CHEATS");
             for (const char* cheat : {"CHEAT_LASERS", "CHEAT_SMOKEMACHINE", "CHEAT_MAXLIGHTS", "CHEAT_SMALLPYRO",
                                       "CHEAT_LARGEPYRO", "CHEAT_COMPUTERLIGHTS", "CHEAT_STONEHENGE", "CHEAT_SKULL",
                                       "CHEAT_VIDEOSCREEN"})
                 if (!only || std::strstr(only, cheat))
                     SIM_GetGlobalVariables()->Set(cheat, 1.0f);
             GetGame()->SetModeObject(Game::MODE_CREDITS, Tool_GetBackdrop());
             Game::SwitchMode(Game::MODE_CREDITS);
             Tool_GetBackdrop()->HandleKey(126); // UP: the large venue
             game.Settle();
         }},
        {"Particles",
         [](FrameRunner& game) {
             static ParticleStage stage;
             GetGame()->SetModeObject(Game::MODE_CREDITS, &stage);
             Game::SwitchMode(Game::MODE_CREDITS);
             game.Settle();
         }},
    };
    return scenes;
}

void SaveFrame(const char* scene, FrameRunner& game)
{
    const char* dir = std::getenv("AMP_FRAME_DIR");
    if (!dir || !*dir)
        return;
    std::string path = std::string(dir) + "/" + scene + ".png";
    if (!WritePng(path, game.Capture()))
        std::fprintf(stderr, "could not write %s\n", path.c_str());
}

void BM_Frame(benchmark::State& state, const Scene& scene, bool drawEveryFrame)
{
    FrameRunner& game = Runner();
    scene.enter(game);
    game.Frames(30); // textures loaded, text laid out, driver shaders compiled
    if (!drawEveryFrame)
        SaveFrame(scene.name, game);
    // A before-flip hook makes the renderer draw and present every frame.
    if (drawEveryFrame)
        SetBeforeFlipHook([] {});
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::microseconds(1000000 / 30);
    auto next = Clock::now();
    CALLGRIND_ZERO_STATS;
    for (auto _ : state) {
        game.Frames(1);
        // The game's frame loop sleeps until the next frame is due: so do we, untimed,
        // so that the driver's threads go idle between frames as they do in the game.
        state.PauseTiming();
        next += period;
        if (next < Clock::now())
            next = Clock::now();
        std::this_thread::sleep_until(next);
        state.ResumeTiming();
    }
    CALLGRIND_DUMP_STATS;
    SetBeforeFlipHook(nullptr);
}

const bool registered = [] {
    for (const Scene& scene : Scenes())
        for (bool drawn : {false, true})
            benchmark::RegisterBenchmark((std::string(drawn ? "BM_FrameDrawn/" : "BM_Frame/") + scene.name).c_str(),
                                         BM_Frame, scene, drawn)
                ->MeasureProcessCPUTime()
                ->UseRealTime()
                ->Iterations(90)
                ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
