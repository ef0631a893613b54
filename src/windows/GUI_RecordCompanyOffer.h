#pragma once
// The record company's offer after a good gig: its name, the royalty and a word for the
// marketing effort. Accepting signs the deal; either answer closes the offer. It never
// ends the day: the screen that brought it does.
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>

class GUI_ButtonText;

class GUI_RecordCompanyOffer : public GUI_WindowBase {
public:
    // Closes the open offer, then shows the record company's current one.
    static void Create();
    // Signs the deal, then fades out to Finish.
    static void Accept(intptr_t);
    // Fades out to Finish; nothing is recorded.
    static void Reject(intptr_t);
    // Closes the open offer, if any.
    static void Finish(intptr_t);

    ~GUI_RecordCompanyOffer() override;
    void Draw() override;
    // The offer wants an answer: no key (Escape included) does anything.
    void HandleKey(unsigned int) override {}

    const std::string& GetOfferText() const { return offerText_; }
    const std::string& GetRoyaltyValue() const { return royaltyValue_; }
    const std::string& GetMarketingValue() const { return marketingValue_; }
    GUI_ButtonText* GetAcceptButton() const { return accept_; }
    GUI_ButtonText* GetRejectButton() const { return reject_; }
    // The royalty as shown ("20%").
    static std::string RoyaltyText(float royalty);

    static GUI_WindowSlot<GUI_RecordCompanyOffer> PTheWindow;

private:
    GUI_RecordCompanyOffer();

    GUI_ButtonText* accept_ = nullptr;
    GUI_ButtonText* reject_ = nullptr;
    std::string title_;
    std::string offerText_;
    std::string royaltyLabel_;
    std::string royaltyValue_;
    std::string marketingLabel_;
    std::string marketingValue_;
    // An answer was given: a second click or key during the fade changes nothing.
    bool answered_ = false;
};
