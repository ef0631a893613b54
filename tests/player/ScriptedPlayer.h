#pragma once
// A headless player for whole careers: it plays through the simulation's public
// operations, as the screens do (auditions, songs, rehearsals, gigs, albums, the shop,
// offers, publicity, relaxing and nights out), with one of a few strategies, checks the
// state's invariants after every day and sums the career up.
#include "sim/RecordingScreens.h"

#include <string>
#include <vector>

class SIM_Endorsement;
class SIM_Performance;
class SIM_Musician;

enum class PlayerStrategy { Sensible, Reckless, Idle };

const char* StrategyName(PlayerStrategy strategy);

// Screens that the player reads: which sponsor is offering, which gig was just played,
// who resigned. Everything else is recorded as by the recording screens; the record of
// calls is emptied every day, the reports are kept.
class PlayerScreens : public RecordingScreens {
public:
    void OpenEndorsement(SIM_Endorsement* offer) override;
    void OpenResignation(SIM_Musician* who, float fameLoss) override;
    void OpenGig(SIM_Performance* performance) override;
    void OpenCancelledGig(SIM_Performance* performance) override;

    SIM_Endorsement* pendingOffer = nullptr;
    SIM_Performance* lastGig = nullptr;
    int resignations = 0;
};

// What one career came to.
struct CareerSummary {
    unsigned seed = 0;
    PlayerStrategy strategy = PlayerStrategy::Sensible;
    int days = 0;
    int stage = 0;                  // the furthest career stage: 0 dreamer .. 3 signed
    int stageDay[4] = {0, -1, -1, -1}; // the day each stage was reached, -1 never
    bool isSigned = false;
    float cash = 0.0f;
    float maxCash = 0.0f;
    float minCash = 0.0f;
    float fame = 0.0f;
    float maxFame = 0.0f;
    int gigs = 0;
    int albums = 0;                 // released
    int songs = 0;
    int hires = 0;
    int resignations = 0;
    int purchases = 0;
    int endorsements = 0;
    std::vector<std::string> reports;     // alerts of the simulation and the report sink
    std::vector<std::string> invariantBreaks; // the first few
    int invariantBreakCount = 0;
    // A line at the end of each year: cash, fame, gigs, albums, income, the last venue.
    std::vector<std::string> yearly;

    bool Clean() const { return reports.empty() && invariantBreakCount == 0; }
    // One line: seed, strategy, stage and when, cash, fame, gigs, albums...
    std::string Line() const;
};

struct CareerOptions {
    unsigned seed = 1;
    PlayerStrategy strategy = PlayerStrategy::Sensible;
    float years = 0.0f;      // the career's length; 0 keeps the shipped length
    int stopAfterDays = -1;  // stop early (the game left running) after this many days
};

// The career stage the band has reached.
int CareerStage();

// Every invariant of the state reachable from the simulation's roots; a description of
// each break (empty when the state is sound).
std::vector<std::string> CheckInvariants();

// Plays one career. The simulation must be closed; the Resources folder (with the game's
// data) and the per-user folder must be set. The simulation is left open with the
// career's final state (Close it, or play on, after reading it).
class ScriptedPlayer {
public:
    explicit ScriptedPlayer(const CareerOptions& options);
    ~ScriptedPlayer();
    ScriptedPlayer(const ScriptedPlayer&) = delete;
    ScriptedPlayer& operator=(const ScriptedPlayer&) = delete;

    // Plays until the career ends (or the day limit); the summary.
    CareerSummary Play();
    // Plays one day; false once the career has ended.
    bool PlayDay();
    const CareerSummary& Summary() const { return summary_; }

private:
    void Start();
    void AfterDay();
    void AnswerOffers();
    bool Hire();
    bool PlayTonightsGig();
    bool TakeCharityGig();
    bool BookGig();
    bool RecordAlbum();
    bool WriteSong();
    bool Rehearse();
    bool Promote();
    bool Relax();
    bool Socialise();
    bool WatchRivals();
    void Shop();
    void Sell();
    float Reserve() const;
    bool Reckless() const { return options_.strategy == PlayerStrategy::Reckless; }

    CareerOptions options_;
    CareerSummary summary_;
    PlayerScreens screens_;
    RecordingScreens::Scope scope_ {screens_};
    int day_ = 0;
    bool started_ = false;
};

// Plays a career from a closed simulation and closes it again.
CareerSummary PlayCareer(const CareerOptions& options);
