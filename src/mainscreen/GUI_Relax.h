#pragma once
// Relaxing for a day: the chooser lists every relax place with its cost for the whole
// band; using one pays, applies the place's effects and ends the day, then the result
// window shows the place, its effects and each musician's stress and motivation.
// Continuing from the result lets the band unwind (the relaxation stress effect).
#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/SmartTexture.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>

class GUI_ButtonText;
class SIM_Musician;
class SIM_RelaxVenue;

// The full-screen list of relax places.
class GUI_RelaxChooser : public GUI_WindowBase {
public:
    static GUI_WindowSlot<GUI_RelaxChooser> PTheWindow;

    static void Create();
    // The cancel button: closes at once, costing nothing.
    static void Cancel(intptr_t);
    static void Close(intptr_t);

    void Draw() override;
    // Holds the keys while up; Escape and the rest do nothing here.
    void HandleKey(unsigned int) override {}

    const std::string& GetCashLine() const { return cashLine_; }

private:
    GUI_RelaxChooser();
    void Populate();

    GUI_ButtonText* cancel_ = nullptr; // owned through the button list
    std::string title_;
    SmartTexture background_;
    std::string cashLine_;
};

// One relax place on the chooser, with its use button.
class GUI_RelaxOption : public GUI_WindowBase {
public:
    explicit GUI_RelaxOption(SIM_RelaxVenue* place);
    void Draw() override;
    // The use button: pays, applies and ends the day once, then opens the result.
    static void Use(intptr_t option);

    SIM_RelaxVenue* GetPlace() const { return place_; }
    GUI_ButtonText* GetUseButton() const { return use_; }
    const std::string& GetCostText() const { return costText_; }
    float GetCost() const { return cost_; }

private:
    GUI_ButtonText* use_ = nullptr; // owned through the button list
    CTexturedSprite icon_;
    SIM_RelaxVenue* place_ = nullptr;
    std::string costText_;
    float cost_ = 0.0f;
};

// The full-screen result of a relaxing day.
class GUI_Relax : public GUI_WindowBase {
public:
    static GUI_WindowSlot<GUI_Relax> PTheWindow;

    static void Create(SIM_RelaxVenue* place);
    // The continue button: the band unwinds (once), then the window fades out to Close.
    static void Finish(intptr_t);
    static void Close(intptr_t);

    void Draw() override;
    void HandleKey(unsigned int) override {}

    const std::string& GetEffectsText() const { return effects_; }
    const std::string& GetBackgroundName() const { return backgroundName_; }
    bool IsCommitted() const { return committed_; }

    // The effects line of a place's modifiers: "<name> +10   " for each, by the texts the
    // result can label (band hype and band stress).
    static std::string EffectsText(const SIM_RelaxVenue* place);

private:
    explicit GUI_Relax(SIM_RelaxVenue* place);
    void Populate();

    GUI_ButtonText* continue_ = nullptr; // owned through the button list
    SmartTexture background_;
    std::string backgroundName_;
    // Copied when the window opens: the place is a data-table row that outlives a game,
    // but the screen shows only what it copied.
    std::string name_;
    std::string description_;
    std::string effects_;
    bool committed_ = false;
};

// One musician's row on the result: portrait, name, stress and motivation bars.
class GUI_RelaxDetails : public GUI_WindowBase {
public:
    explicit GUI_RelaxDetails(SIM_Musician* musician);
    void Draw() override;
    SIM_Musician* GetMusician() const { return musician_; }

private:
    SIM_Musician* musician_ = nullptr;
    CTexturedSprite portrait_;
    BaseSprite frame_;
    CTexturedSprite motivationBar_;
    CTexturedSprite stressBar_;
    CTexturedSprite emptyBar_;
    std::string stressLabel_;
    std::string motivationLabel_;
};
