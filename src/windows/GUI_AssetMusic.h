#pragma once
// The dialog an owned record's icon opens: how much of it has been heard, the song
// element it inspires, and a button to hear the next track. Listening closes it and does
// not use the day.
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_Dialog.h"

#include <cstdint>
#include <string>

class GUI_ButtonText;
class SIM_AssetMusic;

class GUI_AssetMusic : public GUI_Dialog {
public:
    static void Create(SIM_AssetMusic* asset);
    static void Close();
    // The listen button's callback.
    static void Listen(intptr_t);
    ~GUI_AssetMusic() override;
    void Draw() override;

    GUI_ButtonText* GetListenButton() const { return listen_; }
    SIM_AssetMusic* GetAsset() const { return asset_; }

    static GUI_WindowSlot<GUI_AssetMusic> PTheWindow;

private:
    explicit GUI_AssetMusic(SIM_AssetMusic* asset);
    // The record when the band still owns it, else null.
    SIM_AssetMusic* OwnedAsset() const;

    SIM_AssetMusic* asset_ = nullptr;
    GUI_ButtonText* listen_ = nullptr; // owned by the button list
    BaseSprite picture_;
    std::string textureName_;
    std::string description_;
    std::string unlockName_;
    std::string progressLabel_;
    std::string unlocksLabel_;
};
