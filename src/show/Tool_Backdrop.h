#pragma once
// The backdrop viewer: the gig stage on its own, each stage effect switched on by a key,
// at a small or a large venue. Started in place of the main menu when the cheat value
// CHEAT_BACKDROPTOOL is set.
#include "shell/GUI_GameModeBase.h"

class Tool_Backdrop : public GUI_GameModeBase {
public:
    static constexpr float kSmallVenue = 240.0f;
    static constexpr float kLargeVenue = 110.0f;

    Tool_Backdrop();
    void Initialise();
    void Draw() override;
    void HandleKey(unsigned int key) override;
    float GetPersonHeight() const { return personHeight_; }
    // The cheat value a key switches on ("" for keys that switch none).
    static const char* CheatOfKey(unsigned int key);

private:
    void DrawKeyList();

    float personHeight_ = kSmallVenue;
};

Tool_Backdrop* Tool_GetBackdrop();
// Whether the viewer is asked for instead of the main menu.
bool Tool_BackdropWanted();
