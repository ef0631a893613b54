#pragma once
// Counters and the play-time clock shown in the yearly review and the end-of-game verdict.
#include "engine/GTimer.h"

class SIM_Statistics {
public:
    enum COUNTERS {
        CLICKS = 0,          // left or right clicks on the in-game screen
        GIGS_PLAYED = 1,
        SONGS_WRITTEN = 2,
        REHEARSALS = 3,
        REHEARSALS_CANCELLED = 4,
        UNUSED = 5,          // nothing counts it
        TOTAL_AUDIENCE = 6,
        NUM_COUNTERS = 7
    };
    enum FLOATCOUNTERS {
        DAMAGE_COST = 0,     // the cost of backstage damage at gigs
        TOTAL_INCOME = 1,    // every amount passed to AddCash
        HIGHEST_CASH = 2,    // the most cash ever held after an AddCash
        NUM_FLOATCOUNTERS = 3
    };

    SIM_Statistics() = default;
    SIM_Statistics(const SIM_Statistics&) = delete;
    SIM_Statistics& operator=(const SIM_Statistics&) = delete;

    // Every counter to 0; the clock is left as it is.
    void Reset();
    // Add to a counter. An index outside the table is reported by assertion and ignored.
    void ChangeCounter(int amount, COUNTERS counter);
    void ChangeCounter(float amount, FLOATCOUNTERS counter);
    // Keeps the amount when it is greater than the counter.
    void CheckHighest(float amount, FLOATCOUNTERS counter);
    int GetIntCounter(COUNTERS counter) const;
    float GetFloatCounter(FLOATCOUNTERS counter) const;
    // The saved-game reader restores the counters.
    void SetIntCounter(COUNTERS counter, int value);
    void SetFloatCounter(FLOATCOUNTERS counter, float value);

    // Resumes a paused clock, otherwise starts it.
    void StartTimer();
    // Brings the clock up to date and pauses it.
    void StopTimer();
    GTimer& GetTimer() { return timer; }
    // Nothing changes at a year's end.
    void NextYear() {}

private:
    static bool Valid(int counter, int count);

    int counters[NUM_COUNTERS] = {};
    float floatcounters[NUM_FLOATCOUNTERS] = {};
    GTimer timer;
};

SIM_Statistics* SIM_GetStatistics();
