#pragma once
// Decides when a sponsor makes an offer: from the tenth day after the last offer, once
// the band has a manager and some fame, one offer a day by chance.
class SIM_Endorsement;

class SIM_EndorsementManager {
public:
    // A new game: the days count starts again.
    void Initialise() { days = 0; }
    // The end-of-day step: counts the day and may make an offer.
    void NextDay();
    // Offers one unoffered endorsement at random and opens its window.
    void OfferEndorsement();
    // The chance of an offer today, before the days count and the other conditions.
    static float DailyChance();
    int GetDays() const { return days; }
    void SetDays(int d) { days = d; }

private:
    int days = 0;
};

SIM_EndorsementManager* SIM_GetEndorsements();
