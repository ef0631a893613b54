#pragma once
// Auditions: a dialog offers one button per instrument; choosing a free one pays for the
// audition and opens the full-screen picker with three candidates and up to two pieces of
// advice from the band on how they would get on. Hiring one, or rejecting all three, ends
// the day once. Closing the first dialog costs nothing and keeps the day.
#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/SmartTexture.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Dialog.h"
#include "sim/SIM_InstrumentType.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class SIM_Musician;

// One instrument's button on the auditions dialog.
class GUI_AuditionButton : public GUI_IconButton {
public:
    GUI_AuditionButton(const char* texture, GUI_Callback callback, intptr_t argument, const std::string& name);
    void Draw() override;
    void Process() override;
    void SetSelectable(bool s) { selectable_ = s; }
    bool IsSelectable() const { return selectable_; }
    const std::string& GetInstrumentName() const { return name_; }

    static GUI_AuditionButton* PHighlighted;

private:
    bool selectable_ = true;
    std::string name_;
};

class GUI_Auditions : public GUI_Dialog {
public:
    static GUI_WindowSlot<GUI_Auditions> PTheWindow;

    static void Create();
    // A free instrument's button: opens the picker for it and closes this dialog.
    static void ChooseInstrument(intptr_t instrument);

    ~GUI_Auditions() override;
    void Draw() override;

    GUI_AuditionButton* GetButton(int instrument) const { return buttons_[instrument]; }
    bool IsAffordable() const { return affordable_; }
    const std::string& GetCostText() const { return costText_; }

private:
    GUI_Auditions();
    void AddInstrumentButton(int instrument);

    GUI_AuditionButton* buttons_[6] = {}; // owned through the button list
    std::string chooseText_;
    std::string costText_;
    std::string noMoneyText_;
    bool affordable_ = false;
};

// A pair of a band member and a candidate whose chemistry is worth a word.
struct SIM_PotentialChemistryAdvice {
    SIM_Musician* member = nullptr;
    SIM_Musician* candidate = nullptr;
    float strength = 0.0f;
    // The member's quoted advice about the candidate.
    std::string GetAdvice() const;
};

// One candidate's card on the picker.
class GUI_Auditionee : public GUI_WindowBase {
public:
    enum DECISION { HIRED = 0, REJECTED = 1, UNDECIDED = 2 };

    explicit GUI_Auditionee(SIM_Musician* musician);
    ~GUI_Auditionee() override;
    void Draw() override;

    static void Hire(intptr_t card);
    static void Reject(intptr_t card);

    int GetDecision() const { return decision_; }
    SIM_Musician* GetMusician() const { return musician_; }
    void SetRelativeAbility(float a) { relativeAbility_ = a; }
    float GetRelativeAbility() const { return relativeAbility_; }
    bool ShowsSongSkill() const { return showSongSkill_; }
    GUI_IconButton* GetHireButton() const { return hire_; }
    GUI_IconButton* GetRejectButton() const { return reject_; }

private:
    SIM_Musician* musician_ = nullptr; // owned until hired
    BaseSprite frame_;
    CTexturedSprite portrait_;
    CTexturedSprite rejected_;
    GUI_IconButton* hire_ = nullptr;   // owned through the button list
    GUI_IconButton* reject_ = nullptr;
    std::string abilityLabel_;
    std::string songSkillLabel_;
    std::string personalitiesLabel_;
    std::string songElementName_;
    std::vector<std::string> personalities_;
    int decision_ = UNDECIDED;
    bool showSongSkill_ = false;
    float relativeAbility_ = 0.0f;
};

class GUI_AuditionPicker : public GUI_Dialog {
public:
    static GUI_WindowSlot<GUI_AuditionPicker> PTheWindow;

    struct Advice {
        SIM_Musician* member = nullptr;
        std::string text;
    };

    static void Create(INSTRUMENT instrument);
    // Fades out to Close, once.
    static void Continue(intptr_t);
    // Deletes the picker (and every candidate not hired) and ends the day.
    static void Close(intptr_t);
    static void CheckRejections();

    void Draw() override;
    // The picker holds the keys while it is up; Escape does nothing here.
    void HandleKey(unsigned int) override {}

    INSTRUMENT GetInstrument() const { return instrument_; }
    GUI_Auditionee* GetCard(int k) const { return cards_[k]; }
    const Advice& GetAdvice(int slot) const { return slot == 0 ? first_ : second_; }
    bool IsCommitted() const { return committed_; }

    // The best and second best advice of a band and three candidates.
    static std::pair<SIM_PotentialChemistryAdvice, SIM_PotentialChemistryAdvice>
    ChooseAdvice(const std::vector<SIM_Musician*>& members, const std::vector<SIM_Musician*>& candidates);

private:
    explicit GUI_AuditionPicker(INSTRUMENT instrument);
    void GenerateAdvice();
    void DrawAdvice(const Advice& advice, float x, float y);

    INSTRUMENT instrument_ = INSTRUMENT(0);
    GUI_Auditionee* cards_[3] = {}; // child windows
    Advice first_;
    Advice second_;
    SmartTexture background_;
    bool committed_ = false;
};
