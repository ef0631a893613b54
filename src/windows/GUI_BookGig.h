#pragma once
// The full-screen window in which the player books a gig: the potential gigs as cards,
// six to a page, each with one action button. Booking uses up the day; leaving by the
// finish button or Escape does not.
#include "engine/gfx/BaseSprite.h"
#include "port/Rect.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>

class GUI_ButtonText;
class GUI_IconButton;
class SIM_Gig;

class GUI_BookGig : public GUI_WindowBase {
public:
    static constexpr int kPerPage = 6;

    // Closes the open window, if any, then opens a new one.
    static void Create();
    // The finish button and Escape: fade out, then Close. The day goes on.
    static void Finish(intptr_t);
    static void Close(intptr_t);
    static void NextPage(intptr_t);
    static void PrevPage(intptr_t);

    ~GUI_BookGig() override;
    void Draw() override;
    void HandleKey(unsigned int key) override;
    // Rebuilds the page's cards and the discount strip.
    void Populate();

    int GetPage() const { return page_; }
    const std::string& GetCashLine() const { return cashLine_; }
    GUI_IconButton* GetNextButton() const { return next_; }
    GUI_IconButton* GetPrevButton() const { return prev_; }
    // A gig was booked here: Escape, a second click and the finish button do nothing more.
    bool IsCommitted() const { return committed_; }
    // Called by a card: books its gig, ends the day and closes the window at once.
    void Book(SIM_Gig* gig);

    static GUI_WindowSlot<GUI_BookGig> PTheWindow;

private:
    GUI_BookGig();

    GUI_ButtonText* finish_ = nullptr;
    GUI_IconButton* next_ = nullptr;
    GUI_IconButton* prev_ = nullptr;
    std::string title_;
    std::string info_;
    std::string cashLine_;
    int page_ = 0;
    tagRECT infoPanel_ {};
    bool committed_ = false;
    bool leaving_ = false;
};

// One potential gig on the booking window: the venue's picture, figures and description,
// and a button that books it when the band may and can.
class GUI_PotentialGig : public GUI_WindowBase {
public:
    // Asserts that a gig is given. All texts and the cash test are fixed here.
    explicit GUI_PotentialGig(SIM_Gig* gig);
    ~GUI_PotentialGig() override;

    void Draw() override;
    // The action button's callback; its argument is the card.
    static void Book(intptr_t card);

    bool IsBookable() const { return bookable_; }
    GUI_ButtonText* GetButton() const { return button_; }
    const std::string& GetVenueName() const { return venueName_; }
    const std::string& GetCapacity() const { return capacity_; }
    const std::string& GetPrice() const { return price_; }
    const std::string& GetRental() const { return rental_; }
    const CTexturedSprite& GetPicture() const { return picture_; }
    SIM_Gig* GetGig() const { return gig_; }

private:
    // Into the simulation's potential gigs; looked up again there before booking.
    SIM_Gig* gig_ = nullptr;
    std::string capacityLabel_;
    std::string priceLabel_;
    std::string rentalLabel_;
    std::string capacity_;
    std::string price_;
    std::string rental_;
    std::string venueName_;
    std::string description_;
    GUI_ButtonText* button_ = nullptr;
    CTexturedSprite picture_;
    bool bookable_ = false;
};
