#pragma once
// A sponsor's offer on a full screen: the money and the deal, with accept and reject.
// Accepting signs it and shows what it cost in fame, with a finish button; rejecting
// closes the offer. It comes before the new day's page and never uses the day.
#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/SmartTexture.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>

class GUI_ButtonText;
class SIM_Endorsement;

class GUI_Endorsements : public GUI_WindowBase {
public:
    // Closes the open offer, then shows this one (a null endorsement is reported and
    // shows nothing).
    static void Create(SIM_Endorsement* endorsement);
    // Closes the open offer, if any; the day's page held back for it comes next.
    static void Close(intptr_t);
    // Plays the till and signs the deal; nothing once the offer was answered.
    static void Accept(intptr_t);
    // Turns the deal down and fades out to Close; nothing once the offer was answered.
    static void Reject(intptr_t);
    // After accepting: fades out to Close.
    static void Finish(intptr_t);

    ~GUI_Endorsements() override;
    void Draw() override;
    // The offer wants an answer: no key (Escape included) does anything.
    void HandleKey(unsigned int) override {}

    // The fame the deal cost, as shown after accepting.
    static std::string ResultText(float fameShare);

    bool IsAccepted() const { return accepted_; }
    const std::string& GetAmount() const { return amount_; }
    const std::string& GetAdvice() const { return advice_; }
    const std::string& GetOfferText() const { return text_; }
    const std::string& GetResult() const { return result_; }
    GUI_ButtonText* GetAcceptButton() const { return accept_; }
    GUI_ButtonText* GetRejectButton() const { return reject_; }
    GUI_ButtonText* GetFinishButton() const { return finish_; }

    static GUI_WindowSlot<GUI_Endorsements> PTheWindow;

private:
    explicit GUI_Endorsements(SIM_Endorsement* endorsement);
    void AcceptEndorsement();
    // The endorsement, when the simulation still has it.
    SIM_Endorsement* LiveEndorsement() const;
    void DrawOffer();
    void DrawPostMortem();

    SIM_Endorsement* endorsement_ = nullptr; // not owned; checked before use
    GUI_ButtonText* accept_ = nullptr;
    GUI_ButtonText* reject_ = nullptr;
    GUI_ButtonText* finish_ = nullptr;
    std::string title_;
    std::string offerLabel_;
    std::string amount_;
    std::string advice_;
    std::string text_;
    std::string result_;
    bool accepted_ = false;
    // An answer was given, or the finish pressed: repeated clicks and keys change nothing.
    bool answered_ = false;
    bool leaving_ = false;
    SmartTexture background_;
    CTexturedSprite contract_;
};
