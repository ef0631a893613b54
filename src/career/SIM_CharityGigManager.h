#pragma once
// The charity gigs offered to the band: now and then one charity gig, at the largest venue
// within twice the band's fame, for a random charity of the charities table.
#include <string>
#include <vector>

class SIM_Gig;
class SIM_Venue;

// One charity of the table.
struct SIM_Charity {
    std::string name;        // the key kept in saved games
    std::string guiname;     // the offer's "<NAME>" and the result screen's heading
    std::string picture;     // the daily option's picture
    std::string description; // the result screen's text
};

class SIM_CharityGigManager {
public:
    static constexpr const char* File = "data/simulation/charities.csv";

    // Loads the charities.
    SIM_CharityGigManager();
    SIM_CharityGigManager(const SIM_CharityGigManager&) = delete;
    SIM_CharityGigManager& operator=(const SIM_CharityGigManager&) = delete;
    virtual ~SIM_CharityGigManager();

    // The day's offer: yesterday's unbooked offer goes; with a valid band, enough songs,
    // a charity and a venue, a new offer is made with chance RS_CHARITY_GIG_CHANCE.
    void GenerateGigs();
    // The first charity of that name; none: "failed to find charity" reported, null.
    SIM_Charity* GetByName(const std::string& name) const;
    // The largest venue (first of equals) within twice the band's fame, never "TEST VENUE".
    SIM_Venue* SelectVenue() const;
    // A random charity; null (after a report) when the table is empty.
    SIM_Charity* PickRandom();
    // Deletes every offer not booked and empties the list.
    void PurgeUnbookedGigs();
    // Appends one charity per table row.
    void LoadCharities();
    // Replaces the table with the file's rows (tests and content reloads); every offer
    // whose charity is gone is dropped with a report.
    void ReloadCharities();
    // A gig that is going leaves the offers.
    void GigDeleted(const SIM_Gig* gig);

    const std::vector<SIM_Gig*>& GetGigs() const { return gigs; }
    const std::vector<SIM_Charity*>& GetCharities() const { return charities; }

private:
    std::vector<SIM_Gig*> gigs;
    std::vector<SIM_Charity*> charities;
};

SIM_CharityGigManager* SIM_GetCharityGigManager();
