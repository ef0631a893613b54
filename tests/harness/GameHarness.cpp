#include "harness/GameHarness.h"

#include "engine/GDebugEngine.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GUI_BaseElement.h"
#include "engine/gfx/MainWindow.h"
#include "port/Paths.h"
#include "port/sdl/MacKeys.h"
#include "mainscreen/GUI_DailyOptions.h"
#include "menus/GUI_GameMode.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_DesktopItem.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_Tooltip.h"
#include "shell/GUI_WindowBase.h"
#include "shell/GUI_WindowManager.h"
#include "shell/Game.h"
#include "shell/Input.h"
#include "shell/WinMain.h"

#include <SDL2/SDL.h>

#include <cstdlib>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// The renderer's report of a texture it cannot find, followed by the name.
const char* const kMissingTexture = "Failed to locate texture: ";

// Marks the events the harness injects. Tests share one X display and run in parallel, so
// the real pointer, keyboard and focus changes of the display are kept from the game.
constexpr Uint32 kInjected = 0x7E57u;

int KeepInjectedOnly(void*, SDL_Event* e)
{
    switch (e->type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        return e->key.windowID == kInjected;
    case SDL_MOUSEMOTION:
        return e->motion.windowID == kInjected;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        return e->button.windowID == kInjected;
    case SDL_MOUSEWHEEL:
        return e->wheel.windowID == kInjected;
    case SDL_TEXTINPUT:
    case SDL_TEXTEDITING:
        return 0;
    case SDL_WINDOWEVENT:
        switch (e->window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_FOCUS_LOST:
        case SDL_WINDOWEVENT_ENTER:
        case SDL_WINDOWEVENT_LEAVE:
            return 0;
        default:
            return 1;
        }
    default:
        return 1;
    }
}

struct SdlKey {
    SDL_Scancode scancode;
    SDL_Keycode keycode;
};

// The platform key that the game reads as each Mac key code, found by running every
// scancode through the game's own translation.
const std::map<int, SdlKey>& KeysByMacCode()
{
    static const std::map<int, SdlKey> keys = [] {
        std::map<int, SdlKey> m;
        for (int sc = 1; sc < SDL_NUM_SCANCODES; ++sc) {
            SDL_Keycode kc = SDL_GetKeyFromScancode(SDL_Scancode(sc));
            int mac = MacKeyCode(kc, sc);
            if (mac >= 0 && !m.count(mac))
                m[mac] = SdlKey {SDL_Scancode(sc), kc};
        }
        return m;
    }();
    return keys;
}

Uint16 SdlModifiers(uint32_t mac)
{
    Uint16 mod = 0;
    if (mac & kModShift)
        mod |= KMOD_LSHIFT;
    if (mac & kModCommand)
        mod |= KMOD_LCTRL;
    if (mac & kModOption)
        mod |= KMOD_LALT;
    return mod;
}

void PushKey(bool down, int macKey, uint32_t modifiers)
{
    auto it = KeysByMacCode().find(macKey);
    ASSERT_NE(it, KeysByMacCode().end()) << "no platform key gives Mac key " << macKey;
    SDL_Event e {};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.scancode = it->second.scancode;
    e.key.keysym.sym = it->second.keycode;
    e.key.keysym.mod = SdlModifiers(modifiers);
    e.key.windowID = kInjected;
    SDL_PushEvent(&e);
}

void PushLeftButton(bool down, float x, float y)
{
    SDL_Event e {};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = 1;
    e.button.windowID = kInjected;
    e.button.x = int(x);
    e.button.y = int(y);
    SDL_PushEvent(&e);
}

// The Mac key code that the game reads as this character (the inverse of DikToChar), -1
// for characters no key types.
int MacCodeOfChar(char c)
{
    if (c >= 'A' && c <= 'Z')
        c = char(c - 'A' + 'a');
    for (int code = 0; c != '\0' && code < 128; ++code)
        if (DikToChar(code) == c)
            return code;
    return -1;
}

GUI_ButtonText* FindIn(const std::vector<GUI_ButtonBase*>& buttons, const std::string& key)
{
    for (GUI_ButtonBase* b : buttons)
        if (auto* t = dynamic_cast<GUI_ButtonText*>(b))
            if (t->IsVisible() && t->GetKey() == key)
                return t;
    return nullptr;
}

GUI_ButtonText* FindInWindow(GUI_WindowBase* w, const std::string& key)
{
    if (!w->IsVisible())
        return nullptr;
    const auto& children = w->Children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if (GUI_ButtonText* b = FindInWindow(*it, key))
            return b;
    return FindIn(w->Buttons(), key);
}

// The texture names a content list gives (textures and the fonts' textures), as the
// renderer requests them (".dds" names as ".png").
std::set<std::string> ListedTextures(const fs::path& list)
{
    std::set<std::string> names;
    std::istringstream lines(ReadWholeFile(list.string()));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string kind, name;
        if ((words >> kind >> name) && (kind == "texture" || kind == "font"))
            names.insert(TextureRequestName(name));
    }
    // The people's portraits are listed by person beside it (art/portraits.txt), each in
    // four moods.
    std::istringstream people(ReadWholeFile((list.parent_path() / "portraits.txt").string()));
    for (std::string line; std::getline(people, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string name;
        if (words >> name)
            for (const char* mood : {"_vsad", "_sad", "_neutral", "_happy"})
                names.insert(name + mood + ".jpg");
    }
    return names;
}

// The file names (without folders) of every file below a folder.
std::set<std::string> FileNamesBelow(const fs::path& folder)
{
    std::set<std::string> names;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec))
            names.insert(it->path().filename().string());
    return names;
}

} // namespace

void HarnessMode::Draw()
{
    ++draws;
    GetD3DEngine()->ClearScreen(0xFF261C22u);
    GUI_GetWindowManager()->Draw();
    GUI_GetWindowManager()->DrawFullscreen();
    GUI_Tooltip::DrawAll();
}

void HarnessMode::HandleKey(unsigned int key)
{
    keys.push_back(key);
    events.push_back("key:" + std::to_string(key));
}

void HarnessMode::ProcessInput() { GUI_GetWindowManager()->ProcessInput(); }

void HarnessMode::CheckClick()
{
    ++clicks;
    events.push_back("click");
    GUI_GetWindowManager()->CheckClick();
}

void GameHarness::SetUp()
{
    oldCwd_ = fs::current_path();
    SandboxTest::SetUp();
    clock.Set(100000);
    CopyShippedData();
    setenv("AMP_NONINTERACTIVE", "1", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    GUI_GetSounds()->SetBackend(&audio);
    contentList = fs::path(SourceDir()) / "art" / "content.txt";
    rendererLog_ = open_memstream(&rendererLogText_, &rendererLogSize_);
    GetD3DEngine()->SetLogStream(rendererLog_);

    if (start_ == Start::StandIn)
        GetGame()->SetModeObject(Game::MODE_MAINMENU, &mode);
    BeforeStart();
    ASSERT_TRUE(StartApplication()) << "the game did not start";
    SDL_SetEventFilter(KeepInjectedOnly, nullptr);
    PumpWindowEvents(); // drop what the display sent while the window opened
    std::srand(12345);
    if (start_ == Start::InGame) {
        GetGame()->StartNewGame();
        WaitFade();
        ASSERT_EQ(GetGame()->GetCurrentMode(), GetGame()->GetModeObject(Game::MODE_GUI))
            << "the new game did not reach the in-game screen";
    }
}

void GameHarness::TearDown()
{
    if (HasFailure() || std::getenv("AMP_SAVE_FRAMES"))
        SaveFailureFrame();
    for (const AlertRequest& a : reports.alerts) {
        // Shown when alerts may block; the renderer's log has the same line, checked below.
        if (a.message.rfind(kMissingTexture, 0) == 0)
            continue;
        ADD_FAILURE() << "unexpected report \"" << a.title << "\": " << a.message;
    }
    for (const std::string& problem : TextureProblems())
        ADD_FAILURE() << problem;
    GetD3DEngine()->SetLogStream(nullptr);
    if (rendererLog_)
        std::fclose(rendererLog_);
    rendererLog_ = nullptr;
    std::free(rendererLogText_);
    rendererLogText_ = nullptr;
    SetBeforeFlipHook(nullptr);
    SDL_SetEventFilter(nullptr, nullptr);
    GUI_GetSounds()->SetBackend(nullptr);
    SandboxTest::TearDown();
}

void GameHarness::Step(int frames, uint32_t msPerFrame)
{
    for (int i = 0; i < frames; ++i) {
        clock.Advance(msPerFrame);
        PumpWindowEvents();
        GetGame()->GameProc();
    }
}

void GameHarness::WaitFade()
{
    for (int i = 0; i < 60 && GUI_GetFader()->IsFading(); ++i)
        Step();
    EXPECT_FALSE(GUI_GetFader()->IsFading()) << "the fade never ended";
}

void GameHarness::ClickCentre(const GUI_BaseElement* element)
{
    ASSERT_NE(element, nullptr);
    Click(element->GetCenterX(), element->GetCenterY());
}

void GameHarness::SaveArtifact(const std::string& name) { SaveArtifact(CaptureFrame(), name); }

void GameHarness::SaveArtifact(const RgbaImage& frame, const std::string& name)
{
    const std::filesystem::path out = std::filesystem::path(GameDir()).parent_path() / "artifacts";
    std::filesystem::create_directories(out);
    EXPECT_TRUE(WritePng((out / name).string(), frame));
}

void GameHarness::CloseHints()
{
    for (int i = 0; i < 8 && GUI_HintHelp::IsActive(); ++i) {
        GUI_ButtonBase* close = GUI_HintHelp::AllWindows.back()->GetCloseButton();
        if (!close)
            break;
        Click(close->GetCenterX(), close->GetCenterY());
        Step();
    }
    EXPECT_FALSE(GUI_HintHelp::IsActive()) << "a hint stayed up";
}

void GameHarness::PutAwayDaysPage()
{
    // A new stage of the career is told over the page first, and read.
    if (GUI_GetGameMode()->IsUp()) {
        PressKey(kKeyReturn);
        WaitFade();
    }
    CloseHints();
    GUI_DailyOptions* page = GUI_GetDailyOptions();
    if (!page->IsUp())
        return;
    GUI_ButtonBase* button = page->GetContinueButton();
    Click(button->GetCenterX(), button->GetCenterY());
    WaitFade();
    EXPECT_FALSE(page->IsUp()) << "the day's page stayed up after Continue";
}

void GameHarness::MoveMouse(float x, float y)
{
    SDL_Event e {};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = int(x);
    e.motion.y = int(y);
    e.motion.state = GetInput()->RawLeftButton() ? SDL_BUTTON_LMASK : 0;
    e.motion.windowID = kInjected;
    SDL_PushEvent(&e);
}

void GameHarness::MouseDown(float x, float y) { PushLeftButton(true, x, y); }

void GameHarness::MouseUp(float x, float y) { PushLeftButton(false, x, y); }

void GameHarness::Click(float x, float y)
{
    MoveMouse(x, y);
    MouseDown(x, y);
    Step();
    MouseUp(x, y);
    Step();
}

void GameHarness::Drag(float fromX, float fromY, float toX, float toY, int steps)
{
    MoveMouse(fromX, fromY);
    Step();
    MouseDown(fromX, fromY);
    Step();
    for (int i = 1; i <= steps; ++i) {
        float t = float(i) / float(steps);
        MoveMouse(fromX + (toX - fromX) * t, fromY + (toY - fromY) * t);
        Step();
    }
    MouseUp(toX, toY);
    Step();
}

void GameHarness::Hover(float x, float y, int frames)
{
    MoveMouse(x, y);
    Step(frames);
}

void GameHarness::KeyDown(int macKey, uint32_t modifiers) { PushKey(true, macKey, modifiers); }

void GameHarness::KeyUp(int macKey, uint32_t modifiers) { PushKey(false, macKey, modifiers); }

void GameHarness::PressKey(int macKey, uint32_t modifiers)
{
    KeyDown(macKey, modifiers);
    KeyUp(macKey, modifiers);
    Step();
}

void GameHarness::TypeText(const std::string& text)
{
    for (char c : text) {
        int code = MacCodeOfChar(c);
        ASSERT_GE(code, 0) << "cannot type '" << c << "'";
        PressKey(code, (c >= 'A' && c <= 'Z') ? uint32_t(kModShift) : 0u);
    }
}

GUI_ButtonText* GameHarness::FindButton(const std::string& key)
{
    GUI_WindowManager* wm = GUI_GetWindowManager();
    for (const GUI_WindowManager::List* list : {&wm->Modals(), &wm->Fullscreens(), &wm->Windows()})
        for (auto it = list->rbegin(); it != list->rend(); ++it)
            if (GUI_ButtonText* b = FindInWindow(*it, key))
                return b;
    if (auto* list = dynamic_cast<GUIButtonList*>(GetGame()->GetCurrentMode()))
        return FindIn(list->Buttons(), key);
    return nullptr;
}

bool GameHarness::ClickButton(const std::string& key)
{
    GUI_ButtonText* b = FindButton(key);
    if (!b)
        return false;
    Click(b->GetCenterX(), b->GetCenterY());
    return true;
}

CInput* GameHarness::Input() { return GetInput(); }

RgbaImage GameHarness::CaptureFrame()
{
    RgbaImage image;
    bool taken = false;
    SetBeforeFlipHook([&] {
        if (!taken) {
            image = ReadBackFrame();
            taken = true;
        }
    });
    Step();
    SetBeforeFlipHook(nullptr);
    return image;
}

std::vector<AlertRequest> GameHarness::TakeReports()
{
    std::vector<AlertRequest> taken;
    taken.swap(reports.alerts);
    return taken;
}

std::string GameHarness::DebugLog() const { return ReadWholeFile(GetDebugLogPath()); }

void GameHarness::ExpectMissingTexture(const std::string& name)
{
    expectedMissingTextures.insert(TextureRequestName(name));
}

std::vector<std::string> GameHarness::RendererLog() const
{
    std::vector<std::string> lines;
    if (!rendererLog_)
        return lines;
    std::fflush(rendererLog_);
    std::string text(rendererLogText_ ? rendererLogText_ : "", rendererLogSize_);
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::vector<std::string> GameHarness::TextureProblems() const
{
    const std::string missing = kMissingTexture;
    const std::set<std::string> listed = ListedTextures(contentList);
    const std::set<std::string> shipped = FileNamesBelow(fs::path(GameDir()) / "data" / "bitmaps");
    std::vector<std::string> problems;
    std::set<std::string> missed;
    for (const std::string& line : RendererLog()) {
        if (line.rfind(missing, 0) == 0) {
            const std::string name = line.substr(missing.size());
            missed.insert(name);
            if (!expectedMissingTextures.count(name))
                problems.push_back("unexpected report: " + line);
        } else if (shipped.count(line) && !listed.count(line)) {
            // A line naming a shipped picture is a texture the renderer loaded.
            problems.push_back("texture " + line + " is used but " + contentList.string() +
                               " does not list it");
        }
    }
    for (const std::string& name : expectedMissingTextures)
        if (!missed.count(name))
            problems.push_back("texture " + name + " was expected to be missing but was found or never asked for");
    return problems;
}

void GameHarness::SaveFailureFrame()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    fs::path dir = oldCwd_ / "test-frames";
    std::error_code ec;
    fs::create_directories(dir, ec);
    std::string name = std::string(info->test_suite_name()) + "." + info->name() + ".png";
    RgbaImage image = CaptureFrame();
    if (image.width > 0 && WritePng((dir / name).string(), image))
        std::fprintf(stderr, "frame of the failed test: %s\n", (dir / name).c_str());
}

std::vector<GUI_WindowBase*> GameHarness::ScreenWindows() const
{
    std::vector<GUI_WindowBase*> screens;
    for (GUI_WindowBase* window : GUI_GetWindowManager()->Windows())
        if (window->GetCloseOnRestart() && !dynamic_cast<GUI_DesktopItem*>(window))
            screens.push_back(window);
    return screens;
}
