#pragma once
// The options menu: mouse speed, music and master volumes, full screen, music and autosave.
// Every change acts at once on the player's options; they are written to the user folder
// whenever the menu is left, by whatever route (its button, Escape, Return, or the window
// closing while it is up).
#include "menus/GUI_MenuBase.h"
#include "port/Rect.h"

#include <cstdint>
#include <memory>

class GUI_ButtonText;
class GUI_CheckButton;
class GUI_SliderControl;

class GUI_MenuOptions : public GUI_MenuBase {
public:
    GUI_MenuOptions();
    ~GUI_MenuOptions() override;
    void Draw() override;
    void HandleKey(unsigned int key) override;
    void Activate() override;

    static void MainMenu(intptr_t);
    static void FullScreen(intptr_t);
    static void ToggleMusic(intptr_t);
    static void ToggleOption(intptr_t toggle);
    static void MouseSpeedChange();
    static void VolumeChange();
    static void MasterVolumeChange();
    // Writes the options when this menu is the current mode (the application is closing).
    static void SaveIfUp();

    GUI_CheckButton* GetFullScreenBox() const { return fullScreen_; }
    GUI_CheckButton* GetMusicBox() const { return music_; }
    GUI_CheckButton* GetAutosaveBox() const { return autosave_; }
    GUI_SliderControl* GetMouseSpeedSlider() const { return mouseSpeed_.get(); }
    GUI_SliderControl* GetMusicVolumeSlider() const { return musicVolume_.get(); }
    GUI_SliderControl* GetMasterVolumeSlider() const { return masterVolume_.get(); }
    const tagRECT& GetPanel() const { return panel_; }

private:
    // The sliders edit these copies; each change is handed to the player's options.
    void ReadOptions();
    float values_[4] = {};

    GUI_ButtonText* mainMenu_ = nullptr; // owned through the button list
    GUI_CheckButton* fullScreen_ = nullptr;
    GUI_CheckButton* music_ = nullptr;
    GUI_CheckButton* autosave_ = nullptr;
    std::unique_ptr<GUI_SliderControl> masterVolume_;
    std::unique_ptr<GUI_SliderControl> musicVolume_;
    std::unique_ptr<GUI_SliderControl> mouseSpeed_;
    tagRECT panel_ {};
};

GUI_MenuOptions* GUI_GetMenuOptions();
