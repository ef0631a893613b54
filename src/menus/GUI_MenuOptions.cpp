#include "menus/GUI_MenuOptions.h"

#include "engine/GTranslation.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "engine/gfx/MainWindow.h"
#include "port/sdl/PortWindow.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_SliderControl.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_Tooltip.h"
#include "shell/GUI_WindowBackground.h"
#include "shell/Game.h"
#include "shell/Input.h"
#include "sim/SIM_PlayerOptions.h"

#include <cmath>

namespace {

enum OPTION {
    MASTER_VOLUME = SIM_PlayerOptions::OPTION_MASTERVOLUME,
    MUSIC_VOLUME = SIM_PlayerOptions::OPTION_MUSICVOLUME,
    MOUSE_SPEED = SIM_PlayerOptions::OPTION_MOUSESPEED
};

float GetOption(int option) { return SIM_GetPlayerOptions()->Get(SIM_PlayerOptions::OPTIONS(option)); }

void SetOption(int option, float value) { SIM_GetPlayerOptions()->Set(SIM_PlayerOptions::OPTIONS(option), value); }

// A slider's label: translated, and never longer than a slider shows.
std::string Label(const char* key)
{
    std::string text = GTranslation::GetString(key);
    if (text.size() > 31)
        text.resize(31);
    return text;
}

} // namespace

GUI_MenuOptions* GUI_GetMenuOptions()
{
    static GUI_MenuOptions* menu = new GUI_MenuOptions;
    return menu;
}

GUI_MenuOptions::GUI_MenuOptions()
{
    const float w = D3DEngine::W, h = D3DEngine::H;
    ReadOptions();
    mainMenu_ = new GUI_ButtonText("MENU_MAINMENU", MainMenu, 0);
    mainMenu_->SetTooltip("TOOLTIP_MENU_MAINMENU", 0);
    mainMenu_->SetPosition(w - 200.0f, h - 65.0f, w - 20.0f, h - 40.0f);
    AddButton(mainMenu_);

    // The sliders stand at the same x on every screen width.
    auto slider = [](float* value, const char* key, GUI_SliderControl::ChangeCallback change, float top) {
        auto s = std::make_unique<GUI_SliderControl>(value, Label(key).c_str(), change);
        s->SetPosition(400.0f, top, 600.0f, top + 22.0f);
        return s;
    };
    mouseSpeed_ = slider(&values_[MOUSE_SPEED], "OPTIONS_MOUSESPEED", MouseSpeedChange, h / 2.0f);
    musicVolume_ = slider(&values_[MUSIC_VOLUME], "OPTIONS_MUSIC_VOLUME", VolumeChange, h / 2.0f + 50.0f);
    masterVolume_ = slider(&values_[MASTER_VOLUME], "OPTIONS_MASTER_VOLUME", MasterVolumeChange, h / 2.0f + 100.0f);

    auto box = [this, w](const char* key, const char* tooltip, GUI_Callback callback, intptr_t argument, float top) {
        auto* b = new GUI_CheckButton(GTranslation::GetString(key), callback, argument);
        b->SetTooltip(tooltip, 0);
        b->SetPosition(w / 2.0f - 125.0f, top, w / 2.0f + 131.0f, top + 22.0f);
        AddButton(b);
        return b;
    };
    fullScreen_ = box("OPTIONS_FULLSCREEN", "OPTIONS_TOOLTIP_FULLSCREEN", FullScreen, 0, h / 2.0f - 160.0f);
    music_ = box("OPTIONS_TOGGLEMUSIC", "OPTIONS_TOGGLEMUSIC_TOOLTIP", ToggleMusic, 0, h / 2.0f - 120.0f);
    autosave_ = box("OPTIONS_TOGGLEAUTOSAVE", "OPTIONS_TOGGLEAUTOSAVE_TOOLTIP", ToggleOption,
                    SIM_PlayerOptions::TOGGLE_AUTOSAVE, h / 2.0f - 80.0f);
    SetRect(&panel_, int(w / 2.0f - 200.0f), int(h / 2.0f - 200.0f), int(w / 2.0f + 200.0f), int(h / 2.0f + 200.0f));
}

GUI_MenuOptions::~GUI_MenuOptions() = default;

void GUI_MenuOptions::ReadOptions()
{
    for (int i = 0; i < 4; ++i)
        values_[i] = GetOption(i);
}

void GUI_MenuOptions::Activate()
{
    GUI_MenuBase::Activate();
    ReadOptions();
    // The box shows the display as it is, not as the settings file last asked for it.
    fullScreen_->SetChecked(GetMainWindow() && GetMainWindow()->IsFullscreen());
    const SIM_PlayerOptions* options = SIM_GetPlayerOptions();
    music_->SetChecked(options->GetToggle(SIM_PlayerOptions::TOGGLE_MUSIC));
    autosave_->SetChecked(options->GetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE));
}

void GUI_MenuOptions::Draw()
{
    GetD3DEngine()->FillScreen("leather.jpg");
    GUI_WindowBackground::DrawTiled(panel_, 0, 30.0f, 1.0f);
    // The box follows the display itself (a switch that did not take leaves it clear).
    fullScreen_->SetChecked(GetMainWindow() && GetMainWindow()->IsFullscreen());
    DrawButtons();
    for (GUI_SliderControl* s : {mouseSpeed_.get(), musicVolume_.get(), masterVolume_.get()}) {
        s->Process();
        s->Draw();
    }
    GDIText::RenderChunks(-1);
    GUI_Tooltip::DrawAll();
}

void GUI_MenuOptions::HandleKey(unsigned int key)
{
    if (key == kKeyEscape) {
        MainMenu(0);
    } else if (key == kKeyReturn) {
        // Straight back to the game: only when there is one to go back to.
        if (!GetGame()->GetGameInProgress())
            return;
        GetGame()->SetGameMode(Game::MODE_GUI);
        SIM_GetPlayerOptions()->Save();
    }
}

void GUI_MenuOptions::MainMenu(intptr_t)
{
    GetGame()->SetGameMode(Game::MODE_MAINMENU);
    SIM_GetPlayerOptions()->Save();
}

void GUI_MenuOptions::SaveIfUp()
{
    if (GetGame()->GetCurrentMode() == GUI_GetMenuOptions())
        SIM_GetPlayerOptions()->Save();
}

void GUI_MenuOptions::FullScreen(intptr_t) { GetGame()->ToggleFullscreen(); }

void GUI_MenuOptions::ToggleMusic(intptr_t)
{
    SIM_PlayerOptions* options = SIM_GetPlayerOptions();
    const bool on = !options->GetToggle(SIM_PlayerOptions::TOGGLE_MUSIC);
    options->SetToggle(SIM_PlayerOptions::TOGGLE_MUSIC, on);
    GUI_GetMenuOptions()->music_->SetChecked(on);
    if (on)
        GUI_GetSounds()->StartMusic();
    else
        GUI_GetSounds()->StopMusic();
}

void GUI_MenuOptions::ToggleOption(intptr_t toggle)
{
    SIM_PlayerOptions* options = SIM_GetPlayerOptions();
    const auto t = SIM_PlayerOptions::TOGGLES(toggle);
    options->SetToggle(t, !options->GetToggle(t));
    if (t == SIM_PlayerOptions::TOGGLE_AUTOSAVE)
        GUI_GetMenuOptions()->autosave_->SetChecked(options->GetToggle(t));
}

void GUI_MenuOptions::MouseSpeedChange()
{
    const float speed = GUI_GetMenuOptions()->values_[MOUSE_SPEED];
    SetOption(MOUSE_SPEED, speed);
    GetInput()->SetMouseSpeed(speed);
}

void GUI_MenuOptions::VolumeChange()
{
    SetOption(MUSIC_VOLUME, GUI_GetMenuOptions()->values_[MUSIC_VOLUME]);
    GUI_GetSounds()->RefreshMusicVolume();
}

void GUI_MenuOptions::MasterVolumeChange()
{
    SetOption(MASTER_VOLUME, GUI_GetMenuOptions()->values_[MASTER_VOLUME]);
    GUI_GetSounds()->RefreshMasterVolume();
}
