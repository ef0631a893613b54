#pragma once
// A rival band's gig: announced a few days ahead in the calendar and offered, on its day,
// as a night out watching the band. The class owns every gig.
#include "sim/SIM_Date.h"

#include <vector>

class SIM_OtherBand;

class SIM_OtherGig {
public:
    // An empty gig (no band, default date) on All, for the save reader to fill.
    SIM_OtherGig();
    // The band's gig, dated RS_OTHERGIG_DAYSAHEAD days after today and entered in the
    // calendar.
    explicit SIM_OtherGig(SIM_OtherBand* band);
    SIM_OtherGig(const SIM_OtherGig&) = delete;
    SIM_OtherGig& operator=(const SIM_OtherGig&) = delete;
    // Leaves All.
    virtual ~SIM_OtherGig();

    // A new gig for the band; null (with an assertion) without one.
    static SIM_OtherGig* Create(SIM_OtherBand* band);
    void AddCalendarEntry();
    // Offers the gig as a daily option when it is today.
    void Update();
    static void UpdateAll();
    // Deletes the first gig dated today or earlier; false when there is none. A gig of
    // an earlier day was never offered: its band goes back to the bag.
    static bool PurgeOld();
    static void PurgeOldGigs();
    // Deletes every gig.
    static void Clear();

    SIM_OtherBand* GetBand() const { return band; }
    void SetBand(SIM_OtherBand* b) { band = b; }
    SIM_Date& GetDate() { return date; }
    const SIM_Date& GetDate() const { return date; }

    static std::vector<SIM_OtherGig*> All;

private:
    SIM_OtherBand* band = nullptr;
    SIM_Date date;
};
