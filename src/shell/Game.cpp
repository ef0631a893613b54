#include "shell/Game.h"

#include "shell/GUI_Avatar.h"
#include "shell/GUI_Backdrop.h"

#include "engine/GDebugEngine.h"
#include "engine/IniLoader.h"
#include "engine/LibTextEngine.h"
#include "engine/PrivateProfile.h"
#include "engine/Utilities.h"
#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "engine/gfx/SmartTexture.h"
#include "engine/gfx/TextRenderGL.h"
#include "port/MacFile.h"
#include "port/Paths.h"
#include "port/sdl/ImageDecode.h"
#include "engine/gfx/MainWindow.h"
#include "port/sdl/PortWindow.h"
#include "shell/GUI_DesktopItem.h"
#include "shell/GUI_Cursor.h"
#include "shell/GUI_GameModeBase.h"
#include "show/Tool_Backdrop.h"
#include "menus/GUI_LoadingScreen.h"
#include "menus/GUI_MenuCredits.h"
#include "menus/GUI_MenuLoad.h"
#include "menus/GUI_MenuSave.h"
#include "menus/GUI_MenuMain.h"
#include "menus/GUI_MenuNew.h"
#include "menus/GUI_MenuOptions.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_TextureCache.h"
#include "shell/GUI_WindowBackground.h"
#include "shell/Input.h"
#include "shell/ShellScreens.h"
#include "shell/WinMain.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Statistics.h"

#include <cstdlib>

bool BActive = false;

namespace {

const char* const kConfigFile = "data\\config.muf";

// The bitmap fonts: their glyph tables, pictures and metrics.
struct FontRow {
    const char* data;
    const char* texture;
    int base, cell, spacing;
};
const FontRow kFonts[] = {
    {"data/fonts/verdana12.dds.dat", "verdana12.dds", 12, 12, 1},
    {"data/fonts/verdana14.dds.dat", "verdana14.dds", 14, 14, 1},
    {"data/fonts/LCD18.dds.dat", "LCD18.dds", 24, 24, 1},
    {"data/fonts/LCD16.dds.dat", "LCD16.dds", 24, 24, 1},
    {"data/fonts/LCD10.dds.dat", "LCD10.dds", 12, 12, 1},
    {"data/fonts/verdana14_i.dds.dat", "verdana14_i.dds", 14, 16, 0},
};

// Beyond the fonts, the largest pictures the loading screen and the first main-menu frame
// draw, where the bitmap folders hold them.
const char* const kStartPictures[] = {"menus/leather.jpg", "menus/progbar.bmp", "menus/base_background.bmp"};

Game*& GameSlot()
{
    static Game* game = nullptr;
    return game;
}

Game::LoadingDrawer& LoadingDrawerSlot()
{
    static Game::LoadingDrawer drawer = nullptr;
    return drawer;
}

int ReadDisplaySetting(const char* section, const char* key, int defaultValue)
{
    return GetPrivateProfileInt(section, key, defaultValue, kConfigFile);
}

} // namespace

Game* GetGame()
{
    if (!GameSlot())
        GameSlot() = new Game;
    return GameSlot();
}


void Game::SetLoadingDrawer(LoadingDrawer drawer) { LoadingDrawerSlot() = drawer; }

Game::Game()
{
    IniLoader config;
    config.LoadSection("config", kConfigFile);
    std::string build = config.GetValue("build");
    if (!build.empty())
        build_ = build;
}

bool Game::InitApp()
{
    SIM_SetScreens(GetShellScreens());
    scale_ = 1.0f;
    GetDebug()->Initialise();
    GetDebug()->DebugOut("Version: " + build_);
    InitDirectories();
    Init3D();
    InitTextEngine();
    DrawLoadingScreen(0.0f);
    GetInput()->Initialise(nullptr, GetMainWindow());
    DrawLoadingScreen(0.25f);
    SIM_GetSim()->Open();
    DrawLoadingScreen(0.5f);
    OpenInGameScreen();
    DrawLoadingScreen(1.0f);
    gameInProgress_ = false;
    // The backdrop viewer replaces the main menu when its cheat value is set.
    currentMode_ = Tool_BackdropWanted() ? Tool_GetBackdrop() : GetModeObject(MODE_MAINMENU);
    released_ = false;
    return true;
}

std::vector<std::string> StartPicturePaths()
{
    char dir[2048];
    if (!BuildMacResourceDirPath(dir, sizeof dir, "data/bitmaps"))
        return {};
    std::vector<std::string> paths;
    for (const FontRow& f : kFonts)
        paths.push_back(dir + TextureRequestName(f.texture));
    for (const char* picture : kStartPictures)
        paths.push_back(dir + std::string(picture));
    return paths;
}

void PrefetchStartPictures() { PrefetchImageFiles(StartPicturePaths()); }

void Game::OpenInGameScreen() { GUI_GetGUI()->Open(); }

void Game::InitDirectories()
{
    userDir_ = GetUserFolder();
    savesDir_ = userDir_ + "/savegames";
    // The parent of the per-user folder may be missing on a fresh account.
    std::string parent = userDir_.substr(0, userDir_.rfind('/'));
    if (!parent.empty())
        EnsureDirectoryExists(parent);
    for (const char* sub : {"", "/savegames", "/mods", "/mods/portraits_m", "/mods/portraits_f",
                            "/mods/skins", "/mods/avatars"})
        EnsureDirectoryExists(userDir_ + sub);
}

void Game::ReadScreenSettings(int& width, int& height, int& depth)
{
    IniLoader pref;
    pref.LoadSection("pref", kConfigFile);
    height = std::atoi(pref.GetValue("SCREEN_HEIGHT").c_str());
    width = std::atoi(pref.GetValue("SCREEN_WIDTH").c_str());
    depth = std::atoi(pref.GetValue("ColorDepth").c_str());
}

void Game::Init3D()
{
    int width, height, depth;
    ReadScreenSettings(width, height, depth);
    int displayW = 0, displayH = 0;
    GetDisplaySize(displayW, displayH);
    if (height == 0 || width == 0) {
        height = displayH;
        width = displayW;
    }
    height = std::min(height, displayH);
    width = std::min(width, displayW);
    if (height == displayH)
        WritePrivateProfileInt("config", "IsWindowed", 0, kConfigFile);
    if (width < 0 || width > 2048) {
        GetDebug()->DebugOut("invalid screen res config");
        width = 800;
        height = 600;
        depth = 32;
    }
    D3DEngine::SetDisplaySettingReader(ReadDisplaySetting);
    const bool fullAsked = ReadDisplaySetting("config", "IsWindowed", 0) == 0 &&
                           ReadDisplaySetting("config", "SafeMode", 0) == 0;
    if (!GetD3DEngine()->Initialise(GetMainWindow(), false, width, height, depth, false, false))
        WindowsError("Init3D");
    // Full screen that did not take (a display with no window manager to grow the window)
    // left a window: keep it, so the next start does not try again into an unusable one.
    if (fullAsked && !GetMainWindow()->IsFullscreen())
        WritePrivateProfileInt("config", "IsWindowed", 1, kConfigFile);
    ConnectTextToRenderer();
    LogRenderer();
    // The renderer may open another size than asked (a display too small for a window).
    scale_ = float(GetD3DEngine()->GetScreenWidth()) / 1024.0f;
    GetD3DEngine()->AddBitmapDirectories("data/bitmaps", true);
    GetD3DEngine()->AddBitmapDirectories(userDir_, false);
}

void Game::LogRenderer()
{
    GetDebug()->DebugOut("GL renderer: " + CurrentGLRenderer());
    GetDebug()->DebugOut("GL version: " + CurrentGLVersion());
}

void Game::InitTextEngine()
{
    LibTextEngine* text = GetTextEngine();
    text->Initialise();
    for (const FontRow& f : kFonts)
        if (LibFont* font = text->AddFont(f.data, f.texture, f.base, f.cell))
            font->SetSpacing(f.spacing);
}

void Game::DrawLoadingScreen(float fraction)
{
    if (LoadingDrawerSlot())
        LoadingDrawerSlot()(fraction);
    else
        GUI_GetLoadingScreen()->Draw(fraction);
}

GUI_GameModeBase* Game::GetModeObject(int mode) const
{
    if (mode < 0 || mode >= MODE_COUNT || mode == MODE_KEEP || mode == 6)
        return nullptr;
    if (modeOverrides_[mode])
        return modeOverrides_[mode];
    switch (mode) {
    case MODE_MAINMENU:
        return GUI_GetMenuMain();
    case MODE_OPTIONS:
        return GUI_GetMenuOptions();
    case MODE_NEWGAME:
        return GUI_GetMenuNewGame();
    case MODE_SAVE:
        return GUI_GetMenuSave();
    case MODE_LOAD:
        return GUI_GetMenuLoad();
    case MODE_CREDITS:
        return GUI_GetMenuCredits();
    case MODE_GUI:
        return GUI_GetGUI();
    default:
        return nullptr; // not built yet
    }
}

void Game::SetModeObject(GAMEMODE mode, GUI_GameModeBase* object)
{
    if (mode < 0 || mode >= MODE_COUNT)
        return;
    bool wasCurrent = currentMode_ && currentMode_ == GetModeObject(mode);
    modeOverrides_[mode] = object;
    if (wasCurrent)
        currentMode_ = GetModeObject(mode);
}

void Game::GameProc()
{
    if (released_)
        return;
    D3DEngine* d3d = GetD3DEngine();
    d3d->BeginRender();
    inFrame_ = true;
    GetInput()->Process();
    if (!BActive) {
        inFrame_ = false;
        ReleaseResources();
        return;
    }
    if (currentMode_) {
        currentMode_->ProcessInput();
        currentMode_->Draw();
    }
    GUI_GetFader()->Draw();
    GUI_GetCursor()->Draw();
    d3d->EndRender();
    GDIText::RenderChunks(-1);
    GDIText::ResetCharacterLimit();
    GetTextEngine()->EndFrame();
    d3d->Flip();
    inFrame_ = false;
    if (toggleFullscreenPending_) {
        toggleFullscreenPending_ = false;
        ToggleFullscreen();
    }
}

void Game::HandleKey(unsigned int key)
{
    if (currentMode_)
        currentMode_->HandleKey(key);
}

void Game::CheckClick()
{
    if (currentMode_)
        currentMode_->CheckClick();
}

void Game::CheckRightClick()
{
    // Only the in-game screen takes right clicks.
    if (currentMode_ == GUI_GetGUI())
        GUI_GetGUI()->CheckRightClick();
}

void Game::MouseWheelUp()
{
    if (currentMode_)
        currentMode_->MouseWheelUp();
}

void Game::MouseWheelDown()
{
    if (currentMode_)
        currentMode_->MouseWheelDown();
}

void Game::SetGameMode(GAMEMODE mode)
{
    // A newer switch replaces one still waiting for its fade.
    GUI_GetFader()->CancelCallback(&Game::SwitchMode);
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, &Game::SwitchMode, intptr_t(mode));
}

void Game::SwitchMode(intptr_t mode)
{
    Game* game = GetGame();
    if (GUI_GameModeBase* next = game->GetModeObject(int(mode)))
        game->currentMode_ = next;
    if (game->currentMode_)
        game->currentMode_->Activate();
}

void Game::StartNewGame()
{
    SIM_GetSim()->Reset();
    GUI_GetGUI()->StartNewGame();
    SetGameMode(MODE_GUI);
    gameInProgress_ = true;
    SIM_GetStatistics()->StartTimer();
}

void Game::Quit() { BActive = false; }

void Game::ToggleFullscreen()
{
    if (inFrame_) {
        // Never restart the display in the middle of a frame: after its flip.
        toggleFullscreenPending_ = true;
        return;
    }
    int windowed = GetPrivateProfileInt("config", "IsWindowed", 0, kConfigFile);
    WritePrivateProfileInt("config", "IsWindowed", windowed == 1 ? 0 : 1, kConfigFile);
    GDIText::DeleteFonts();
    GetD3DEngine()->Release();
    GetTextEngine()->Release();
    Init3D();
    GetInput()->Initialise(nullptr, GetMainWindow());
    RebuildSurfaces();
}

void Game::RebuildSurfaces()
{
    GetDebug()->DebugOut("Rebuild Surfaces");
    GetD3DEngine()->ReleaseAllSurfaces();
    GetD3DEngine()->RestoreSurfaces();
    InitTextEngine();
    GUI_GetTextureCache()->Initialise();
    CTexturedSprite::ClearTextures();
    SmartTexture::RebuildAll();
    // The screen may have changed size: the backdrop fills it and the avatar keeps its
    // corner.
    GUI_GetBackdrop()->Initialise();
    GUI_GetAvatar()->Initialise();
    // The new display may be smaller: no desktop icon may be left beyond its edges.
    GUI_DesktopItem::KeepAllOnScreen();
}

void Game::ReleaseResources()
{
    if (released_)
        return;
    released_ = true;
    // Options changed in their menu are kept even when the window closes over it.
    GUI_MenuOptions::SaveIfUp();
    GUI_GetGUI()->Close();
    SIM_GetSim()->Close();
    GetD3DEngine()->Release();
    GetDebug()->Shutdown();
    BActive = false;
    QuitApplicationEventLoop();
}
