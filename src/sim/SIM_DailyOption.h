#pragma once
// The day's extra choices on the daily-options screen (tonight's gig, a rival band's gig,
// a publicity event, a charity gig offer, the relax outing), each carried out when the
// player picks it. The list is rebuilt every day.
#include <string>
#include <variant>
#include <vector>

class SIM_Gig;
class SIM_OtherGig;
class SIM_PublicityEvent;

class SIM_DailyOption {
public:
    enum DailyOptionType : int {
        OTHERGIG = 0,   // a rival band's gig tonight: opens its window
        GIG = 1,        // tonight's booked gig: plays it
        PUBLICITY = 2,  // a publicity event: carries it out and shows the result
        CHARITYGIG = 3, // a charity gig offer: books it and ends the day
        RELAX = 4       // the relax outing: opens the relax chooser
    };
    // What the option is about; never owned by the option.
    using Object = std::variant<std::monostate, SIM_OtherGig*, SIM_Gig*, SIM_PublicityEvent*>;

    SIM_DailyOption(const SIM_DailyOption&) = delete;
    SIM_DailyOption& operator=(const SIM_DailyOption&) = delete;
    // Leaves All.
    virtual ~SIM_DailyOption();

    // A new option, appended to All.
    static SIM_DailyOption* Create(DailyOptionType type, Object object, const std::string& title,
                                   const std::string& text, const std::string& texture, bool doable);
    // Carries the option out. A gig, publicity event or charity gig is carried out once
    // only (a second pick does nothing); the rival gig and the relax outing may be opened
    // again. An option whose object is missing or of the wrong kind is reported and does
    // nothing. A charity gig ends the day, which deletes this option: nothing of it is
    // used after that.
    void Activate();
    // Whether a once-only option has been carried out.
    bool IsDone() const { return done; }

    DailyOptionType GetType() const { return type; }
    const std::string& GetText() const { return text; }
    const std::string& GetTitle() const { return title; }
    const std::string& GetTexture() const { return texture; }
    bool IsDoable() const { return doable; }
    const Object& GetObject() const { return object; }
    SIM_Gig* GetGig() const;
    SIM_OtherGig* GetOtherGig() const;
    SIM_PublicityEvent* GetPublicityEvent() const;

    // Tells the screens to drop their rows, then deletes every option.
    static void ClearAll();
    // Every option of type 1 first, then the others, each group in its previous order.
    static void PushGigsToTop();
    // The object is being deleted: options about it keep their rows but lose the object
    // and can no longer be chosen.
    static void ForgetObject(Object object);

    // The day's options, in creation order (after PushGigsToTop, gigs first).
    static std::vector<SIM_DailyOption*> All;

private:
    SIM_DailyOption(DailyOptionType type, Object object, const std::string& title,
                    const std::string& text, const std::string& texture, bool doable);
    void PlayGig();
    void CarryOutPublicity();
    void BookCharityGig();

    Object object;
    DailyOptionType type;
    std::string text;
    std::string title;
    std::string texture;
    bool doable;
    bool done = false;
};
