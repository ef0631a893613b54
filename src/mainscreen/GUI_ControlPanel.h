#pragma once
// The row of day-activity buttons along the bottom of the main screen: each opens the
// screen of one activity (Today brings the day's page back) and the last asks whether to
// quit to the main menu. One panel lives for the whole run.
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>

// A panel button that plays the hover sound once each time the pointer moves onto it.
class GUI_CPButton : public GUI_IconButton {
public:
    using GUI_IconButton::GUI_IconButton;
    void Process() override;
};

class GUI_ControlPanel : public GUI_WindowBase {
public:
    static constexpr float BUTTONSIZE = 60.0f;

    GUI_ControlPanel();
    void Draw() override;

    // A new or loaded game: every button shown again, no button counted as hovered, the
    // book-gig state taken from the band.
    void Initialise();
    void UpdateBookGigButton();

    // Button callbacks.
    static void SelectButton(intptr_t activity);
    static void ActivateButton(intptr_t activity);
    static void Audition(intptr_t);
    // Asks whether to leave the game for the main menu (unsaved progress is lost).
    static void AttemptQuitGame(intptr_t);
    static void QuitGame(intptr_t);

    // The tutorial's hooks: only auditions and quit stay while the others are hidden.
    static void HideNonAuditionButtons();
    static void UnhideNonAuditionButtons();

    GUI_CPButton* GetHovered() const { return hovered_; }
    void SetHovered(GUI_CPButton* button) { hovered_ = button; }

    GUI_CPButton* studio = nullptr;
    GUI_CPButton* auditions = nullptr;
    GUI_CPButton* rehearsal = nullptr;
    GUI_CPButton* writeSong = nullptr;
    GUI_CPButton* bookGig = nullptr;
    GUI_CPButton* today = nullptr;
    GUI_CPButton* shopping = nullptr;
    GUI_CPButton* practice = nullptr;
    GUI_CPButton* quit = nullptr;

private:
    GUI_CPButton* AddPanelButton(const char* texture, const char* highlight, const char* tooltip,
                                 GUI_Callback callback, intptr_t argument, float left, float right);
    void SetNonAuditionVisible(bool visible);

    GUI_CPButton* hovered_ = nullptr;
    bool rehearsalEnabled_ = true;
    bool studioEnabled_ = true;
};

GUI_ControlPanel* GUI_GetControlPanel();
