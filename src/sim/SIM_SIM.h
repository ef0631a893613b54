#pragma once
// The root of the simulation: opens the tables that live for the whole run, starts a new
// game, closes everything at shutdown, and owns the day turn: it counts the day's
// activities and, when they are used up, runs the end-of-day pass in its fixed order.

// Whether the day's simulation is running (0) or not (1); only saved and restored.
#include <string>
#include <vector>

enum TURNMODE { TURNMODE_DAY = 0, TURNMODE_IDLE = 1 };

class SIM_SIM {
public:
    SIM_SIM() = default;
    SIM_SIM(const SIM_SIM&) = delete;
    SIM_SIM& operator=(const SIM_SIM&) = delete;
    virtual ~SIM_SIM() = default;

    // Opens the balance values, the player options, the random seed and the lasting
    // tables; does nothing when already open.
    void Open();
    // Starts a new game.
    void Reset();
    // Empties the career a game holds: stage, daily options and messages, gigs, the record deal,
    // the band, its musicians, songs, rehearsals and albums. A new game and a load start here.
    void ClearCareer();
    // Releases the tables at shutdown; a new Open may follow.
    void Close();
    // Counts one activity; ends the day once the day's activities are used up. Ignored
    // while the pass is running.
    void EndDay();
    // Runs the end-of-day pass at once, whatever the count.
    static void ReallyEndDay();
    // The end-of-day pass. A call made while a pass is running (from a step of the pass)
    // is ignored rather than nested.
    void Process();

    void CalculateMaxActivities() { max_acts = 1; }
    void SetMode(TURNMODE m) { mode = m; }
    TURNMODE GetMode() const { return mode; }
    int GetTurnCount() const { return turncount; }
    void SetTurnCount(int n) { turncount = n; }
    int GetActivitiesRemaining() const { return max_acts - acts; }
    int GetActivities() const { return acts; }
    void SetActivities(int n) { acts = n; }
    int GetMaxActivities() const { return max_acts; }
    void SetMaxActivities(int n) { max_acts = n; }
    bool IsEvening() const;
    bool IsTenYearsUp() const { return tenyearsup; }
    void SetTenYearsUp(bool up) { tenyearsup = up; }
    bool IsOpened() const { return opened; }
    bool IsProcessing() const { return processing; }

    // The seed Open gives srand; tests set it to replay a game exactly.
    static void SetSeed(unsigned seed);
    // While a log is set, every step of the end-of-day pass (and the year end and game end
    // the date's step brings) appends its name to it just before it runs, so a test can
    // pin the order. Null, the default, records nothing.
    static void SetStepLog(std::vector<std::string>* log);
    static void LogStep(const char* step);

private:
    // Steps 9 to 31 of the pass: the day's simulation, skipped once the game is over.
    void ProcessDay();

    bool opened = false;
    bool tenyearsup = false;
    TURNMODE mode = TURNMODE_IDLE;
    int turncount = 0;
    int max_acts = 1;
    int acts = 0;
    bool processing = false;
};

SIM_SIM* SIM_GetSim();
