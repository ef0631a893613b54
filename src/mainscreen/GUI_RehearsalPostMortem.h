#pragma once
// The result of a rehearsal day: who failed to turn up or how motivated the band was, and
// one card per comment the musicians left with what the day did to them. Finishing (the
// button, Return or Escape) ends the day, once.
#include "engine/gfx/BaseSprite.h"
#include "port/AudioBackend.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>

class GUI_ButtonText;
class SIM_Message;
class SIM_Rehearsal;

class GUI_RehearsalPostMortem : public GUI_WindowBase {
public:
    static GUI_WindowSlot<GUI_RehearsalPostMortem> PTheWindow;

    static void Create(SIM_Rehearsal* rehearsal);
    static void Close();
    // Closes the window and ends the day; a second call finds no window and does nothing.
    static void Finish(intptr_t);

    ~GUI_RehearsalPostMortem() override;
    void Draw() override;
    void HandleKey(unsigned int key) override;

    const std::string& GetSummary() const { return summary_; }
    // The summary of a rehearsal as the window writes it.
    static std::string ChooseSummary(const SIM_Rehearsal* rehearsal);

private:
    explicit GUI_RehearsalPostMortem(SIM_Rehearsal* rehearsal);
    void Populate();

    GUI_ButtonText* finish_ = nullptr; // owned through the button list
    SIM_Rehearsal* rehearsal_ = nullptr;
    std::string summary_;
    std::string title_;
    AudioChannel channel_ {};
};

// One musician's comment on the rehearsal, with the day's effects on that musician.
class GUI_RehearsalComment : public GUI_WindowBase {
public:
    static constexpr float ICONSIZE = 80.0f;
    GUI_RehearsalComment(SIM_Message* message, const SIM_Rehearsal* rehearsal);
    void Draw() override;

    const std::string& GetTitle() const { return title_; }
    const std::string& GetEffectsLine() const { return effects_; }
    // The effects line for one musician's rehearsal effect (empty without one).
    static std::string EffectsLine(const SIM_Rehearsal* rehearsal, const class SIM_Musician* musician);

private:
    std::string title_;
    std::string text_;
    CTexturedSprite portrait_;
    BaseSprite frame_;
    std::string effects_;
};
