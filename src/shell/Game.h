#pragma once
// The application object: start-up in its fixed order, the 30 Hz frame, the game modes
// (full screens) and the switch between them at the end of a fade, the full-screen
// toggle with the rebuild of every texture, and the orderly release at the end.
#include "shell/GUI_Callback.h"

#include <array>
#include <string>
#include <vector>

class GUI_GameModeBase;

// The application runs: set by a successful start-up, cleared by Quit and at release.
extern bool BActive;

class Game {
public:
    enum GAMEMODE {
        MODE_MAINMENU = 0,
        MODE_OPTIONS = 1,
        MODE_NEWGAME = 2,
        MODE_SAVE = 3,
        MODE_LOAD = 4,
        MODE_KEEP = 5,
        MODE_CREDITS = 7,
        MODE_GUI = 8,
        MODE_COUNT = 9
    };

    // Reads the version text from "data\config.muf" (kept as "Final 1.13" when the key
    // is missing or empty).
    Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    bool InitApp();
    void GameProc();
    void HandleKey(unsigned int key);
    void CheckClick();
    void CheckRightClick();
    void MouseWheelUp();
    void MouseWheelDown();

    // Fades to black, then switches.
    void SetGameMode(GAMEMODE mode);
    // Switches at once (a fader and button callback): modes of the table only, then the
    // current mode's Activate (a kept mode is activated again).
    static void SwitchMode(intptr_t mode);
    void StartNewGame();
    void Quit();
    void ToggleFullscreen();
    void RebuildSurfaces();
    // Releases everything once; a later tick or window close does nothing.
    void ReleaseResources();
    bool IsReleased() const { return released_; }

    void SetGameInProgress(bool b) { gameInProgress_ = b; }
    bool GetGameInProgress() const { return gameInProgress_; }
    std::string GetUserDir() const { return userDir_; }
    std::string GetSaveGamesDir() const { return savesDir_; }
    std::string GetVersionString() const { return build_; }
    float AdjustForScreenRes(float value) const { return value * scale_; }
    float GetScale() const { return scale_; }

    void InitDirectories();
    // Starts the renderer; a renderer that cannot start is fatal.
    void Init3D();
    void InitTextEngine();
    // Draws the loading screen at this progress (0 to 1) and presents it at once.
    void DrawLoadingScreen(float fraction);

    GUI_GameModeBase* GetCurrentMode() const { return currentMode_; }
    // The object of a mode number, null for numbers outside the table.
    GUI_GameModeBase* GetModeObject(int mode) const;
    // Replaces the object of a mode (the tests' own screens; the menus as they are built).
    // nullptr restores the built-in one.
    void SetModeObject(GAMEMODE mode, GUI_GameModeBase* object);

    // The loading screen's drawer (progress 0 to 1); nullptr draws the plain bar.
    using LoadingDrawer = void (*)(float);
    static void SetLoadingDrawer(LoadingDrawer drawer);

private:
    void OpenInGameScreen();
    void ReadScreenSettings(int& width, int& height, int& depth);
    // Which GL driver the run got, for bug reports.
    void LogRenderer();

    float scale_ = 1.0f;
    GUI_GameModeBase* currentMode_ = nullptr;
    bool gameInProgress_ = false;
    std::string savesDir_;
    std::string userDir_;
    std::string build_ = "Final 1.13";
    std::array<GUI_GameModeBase*, MODE_COUNT> modeOverrides_ {};
    bool released_ = false;
    bool inFrame_ = false;
    bool toggleFullscreenPending_ = false;
};

// The application object (WinMain creates it; on first use otherwise).
Game* GetGame();

// The picture files the start draws first (the fonts', the loading screen's, the main
// menu's background), in the order it draws them.
std::vector<std::string> StartPicturePaths();

// Starts decoding those files on a thread of their own, beside the window's and the GL
// driver's set-up, so that the start finds them ready.
void PrefetchStartPictures();
