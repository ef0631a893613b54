#pragma once
// The career-stage screen: when a new game starts and whenever the band reaches a new
// stage of its career, the stage's picture, title and story fill the screen; the story is
// typed out and the player continues with the button, Return or Escape. While it is up it
// has the keys; the screen beneath gets them back when it goes.
#include "engine/GTimer.h"
#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/SmartTexture.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>

class GUI_ButtonText;

class GUI_GameMode : public GUI_WindowBase {
public:
    static constexpr float kButtonDelayMs = 3000.0f;
    static constexpr int kMsPerCharacter = 12;

    GUI_GameMode();
    // Opens the screen for the current stage of the career.
    void Initialise();
    void Draw() override;
    void HandleKey(unsigned int key) override;
    // Puts the screen away at once (a new or loaded game): no fade, no hint.
    void Clear();

    static void Continue(intptr_t);
    static void Close(intptr_t);

    bool IsUp() const { return up_; }
    int GetStage() const { return stage_; }
    const std::string& GetTitle() const { return title_; }
    const std::string& GetDescription() const { return description_; }
    const CTexturedSprite& GetPicture() const { return picture_; }
    GUI_ButtonText* GetContinueButton() const { return continue_; }

    // The picture of a stage: any value but 1, 2 and 3 shows the dreamer.
    static const char* PictureOf(int stage);
    // How many characters of the title and story show this long after opening.
    static int CharactersShown(double elapsedMs, const std::string& title);

private:
    GUI_ButtonText* continue_ = nullptr; // owned through the button list
    CTexturedSprite picture_;
    GTimer timer_;
    int stage_ = 0;
    std::string title_;
    std::string description_;
    SmartTexture background_;
    bool up_ = false;
    bool closing_ = false;
};

GUI_GameMode* GUI_GetGameMode();
