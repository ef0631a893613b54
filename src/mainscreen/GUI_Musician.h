#pragma once
// The musician window: one small tabbed window per band member (summary with gauges and the
// fire button, personality strips, possessions), and the developer's musician dialog.
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_Dialog.h"
#include "shell/GUI_TabContainer.h"

#include <cstdint>
#include <string>
#include <vector>

class GUI_ButtonTab;
class GUI_ButtonText;
class GUI_PersonalityStrip;
class SIM_Musician;

// A band member's window; one per musician may be open, several musicians' at once.
class GUI_Musician : public GUI_Dialog {
public:
    static constexpr int kWidth = 390;
    static constexpr int kHeight = 213;

    // Raises the musician's open window, or opens one at the pointer.
    static void Create(SIM_Musician* musician);
    // Deletes the musician's open window, if any.
    static void Close(SIM_Musician* musician);
    // The musician's open window, or null.
    static GUI_Musician* Find(const SIM_Musician* musician);
    // Every window, and any firing awaiting its answer (a new game or a load).
    static void CloseAll();

    ~GUI_Musician() override;

    void Draw() override;
    void ProcessInput() override;
    bool CheckClick(float x, float y) override;

    SIM_Musician* GetMusician() const { return musician_; }
    GUI_TabContainer* GetTabContainer() const { return tabs_; }
    GUI_ButtonTab* GetTabButton(int index) const;
    GUI_WindowTab* GetTab(int index) const;

    static std::vector<GUI_Musician*> OpenWindows;
    static SIM_Musician* PPendingDeletion;

private:
    explicit GUI_Musician(SIM_Musician* musician);

    GUI_TabContainer* tabs_ = nullptr; // owned
    GUI_WindowTab* summary_ = nullptr;  // the three tabs, owned by the container
    GUI_WindowTab* personality_ = nullptr;
    GUI_WindowTab* possessions_ = nullptr;
    SIM_Musician* musician_; // not owned; the window closes when the musician goes
    GUI_ButtonTab* buttons_[3] = {}; // owned through the button list
};

// Portrait, five gauges and the fire button.
class GUI_MusicianSummaryTab : public GUI_WindowTab {
public:
    explicit GUI_MusicianSummaryTab(SIM_Musician* musician);
    void Draw() override;

    // The fire button: asks first; the answer fires the musician kept pending.
    static void Fire(intptr_t tab);
    static void ReallyFire(intptr_t);

    GUI_ButtonText* GetFireButton() const { return fire_; }
    SIM_Musician* GetMusician() const { return musician_; }

private:
    SIM_Musician* musician_;
    CTexturedSprite portrait_;
    BaseSprite backing_;
    GUI_ButtonText* fire_ = nullptr; // owned through the button list
    std::string labels_[5];
};

// One strip per personality trait of the musician.
class GUI_MusicianPersonalityTab : public GUI_WindowTab {
public:
    explicit GUI_MusicianPersonalityTab(SIM_Musician* musician);
    ~GUI_MusicianPersonalityTab() override;
    void Draw() override;
    void ProcessInput() override;
    const std::vector<GUI_PersonalityStrip*>& Strips() const { return strips_; }

private:
    SIM_Musician* musician_;
    std::vector<GUI_PersonalityStrip*> strips_; // children of the tab
};

// The names of the musician's possessions.
class GUI_MusicianPossesionsTab : public GUI_WindowTab {
public:
    explicit GUI_MusicianPossesionsTab(SIM_Musician* musician);
    void Draw() override;

private:
    SIM_Musician* musician_;
};

// The developer's view of a musician's moods; no screen of the game opens it.
class GUI_MusicianDebug : public GUI_Dialog {
public:
    static void Create(SIM_Musician* musician);
    // Closes the dialogs of a musician that is going.
    static void CloseFor(const SIM_Musician* musician);
    ~GUI_MusicianDebug() override;
    void Draw() override;

    static std::vector<GUI_MusicianDebug*> OpenWindows;

private:
    explicit GUI_MusicianDebug(SIM_Musician* musician);
    SIM_Musician* musician_;
};
