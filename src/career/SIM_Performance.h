#pragma once
// The whole computed result of one gig: who missed it, the seven aspects and the quality,
// the attendance, the money and sales, the damage and the effects on band, fame and venue.
// It is computed once, when the gig is played; the gig window only shows it.
#include "sim/SIM_Date.h"

#include <vector>

class SIM_Gig;
class SIM_Musician;
class SIM_Venue;

class SIM_Performance {
public:
    enum PERFORMANCE_ASPECTS : int {
        MUSICIANSHIP = 0, LIVE_EXPERIENCE, CHEMISTRY, SONGS, REHEARSAL, STAGE_SHOW, PERFORMANCE,
        NUM_ASPECTS
    };
    enum EFFECT : int { MOTIVATION = 0, INSPIRATION, FAME, STRESS, NUM_EFFECTS };
    enum MERCHANDISE_SALES : int { TSHIRTS = 0, SWEATSHIRTS, POSTERS, ALBUMS, NUM_SALES };

    // Asserts that a gig is given (none: null); plays it and keeps the result on All.
    static SIM_Performance* Create(SIM_Gig* gig);
    // A result with the given figures and nothing computed or applied, kept on All: for
    // the record company's tests and for previews.
    static SIM_Performance* CreateWithFigures(SIM_Gig* gig, float quality, int attendance);
    // Both delete every performance.
    static void Open();
    static void Close();
    // The gig is going: performances of it keep their copies and forget the pointer.
    static void GigDeleted(const SIM_Gig* gig);

    SIM_Performance(const SIM_Performance&) = delete;
    SIM_Performance& operator=(const SIM_Performance&) = delete;
    virtual ~SIM_Performance();

    SIM_Venue* GetVenue() const { return venue; }
    SIM_Gig* GetGig() const { return gig; }
    const SIM_Date& GetDate() const { return date; }
    int GetGigType() const { return gigType; }
    const std::vector<SIM_Musician*>& GetMissed() const { return missed; }
    int GetAttendence() const { return attendance; }
    float GetTicketSales() const { return ticketSales; }
    float GetVenueHire() const { return venueHire; }
    float GetMerchandiseSales() const { return merchandiseSales; }
    float GetProfit() const { return profit; }
    int GetDamage() const { return damage; }
    bool IsSoldOut() const { return soldOut; }
    bool IsCancelled() const { return cancelled; }
    float GetQuality() const { return quality; }
    float GetPerformanceAspect(PERFORMANCE_ASPECTS a) const;
    float GetEffect(EFFECT e) const;
    int GetSales(MERCHANDISE_SALES s) const;

    // The chance that this member misses a gig: stress past the crisis and low motivation
    // add to it, laziness multiplies it.
    static float MissChance(const SIM_Musician* member);
    // The members' playing: the mean over the band of motivation and stress (0 with no band).
    static float CalculatePerformance();
    // The overall quality of these aspects: an aspect below the crisis level counts as the
    // penalty; big venues (over 1000 seats) cost a tenth up to 2010.
    static float QualityOf(const float (&aspects)[NUM_ASPECTS], int year, int capacity);
    // Attendance over capacity, 0..1 (0 for a venue without seats).
    static float Fill(int attendance, int capacity);
    // Backstage damage for these ticket sales and a drawn 0.05..0.2 fraction: 10 to 300.
    static int DamageFor(float ticketSales, float fraction);

    static std::vector<SIM_Performance*> All;

private:
    explicit SIM_Performance(SIM_Gig* gig);
    void Play();
    void CheckForCancellation();
    bool MissedGig(SIM_Musician* member);
    void Cancel();
    void CalculateData();
    void CalculateAspects();
    void CalculateQuality();
    void CalculateAttendence();
    void SellMerchandise();
    void SellAlbums();
    void CalculateMoney();
    void CheckForDestruction();
    void CommentOnWeakShow();
    void ApplyEffects();
    void AffectBand();

    std::vector<SIM_Musician*> missed;
    SIM_Date date;
    SIM_Venue* venue = nullptr;
    SIM_Gig* gig = nullptr;
    int gigType = 0;
    int attendance = 0;
    float ticketSales = 0.0f;
    float merchandiseSales = 0.0f;
    float venueHire = 0.0f;
    float profit = 0.0f;
    int damage = 0;
    bool soldOut = false;
    float aspects[NUM_ASPECTS] = {};
    float quality = 0.0f;
    float effects[NUM_EFFECTS] = {};
    int sales[NUM_SALES] = {};
    bool cancelled = false;
};
