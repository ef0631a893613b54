#pragma once
// A musician's comment generator: each round it scores every kind of remark from the
// state of the musician, the band and the player character, damps what was said lately,
// and the best-scoring candidate (or a comment other parts of the game queued) becomes a
// message from that musician.
#include <list>
#include <memory>
#include <string>
#include <vector>

class SIM_Musician;
class SIM_Relationship;
class SIM_RehearsalVenue;

class SIM_Commenter {
public:
    enum TYPE {
        POSSESION_DEMAND = 0, STRESS, BOREDOM, STUDIOTOOBAD, STUDIOTOOGOOD, UNREHEARSED, ABOUTRIGHT,
        OVERREHEARSED, NEEDNEWSONGS, NEEDPRACTICE, REACHEDINSTRUMENTLIMIT, POOR_ATTENDENCE,
        GOOD_ATTENDENCE, DESTROYED_INSTRUMENT, PUBLICITY_POOR_REACH, STAGESHOWLOW, SONGSBAD, OWN_TEXT,
        LOW_MOTIVATION, HIGH_MOTIVATION, LOW_RELATIONSHIP, HIGH_RELATIONSHIP, SHOULD_REHEARSE,
        SONGS_BORED, NEED_HYPE, INSPIRATION_HIGH, NEEDVAN, CONSIDERING_RESIGNATION, DEFAULT_REHEARSAL,
        NUM_TYPES
    };

    // One candidate remark.
    struct SIM_Comment {
        TYPE type;
        float score;
        std::string text; // OWN_TEXT only
    };

    // The world as one round of comments sees it, gathered once per round.
    struct Situation {
        float resentment = 0, stress = 0, boredom = 0, motivation = 0, expectation = 0, ability = 0;
        int intentionToQuit = 0;
        bool ambitious = false;
        bool reachedInstrumentLimit = false; // and the best instrument's ceiling is below 1
        bool hasWorst = false, hasBest = false;
        float worstValue = 0, bestValue = 0;
        std::string worstName, bestName;
        bool worstFemale = false, bestFemale = false;
        bool rehearsal = false;
        float venueMotivation = 0;
        float bandRehearsal = 0, bandHype = 0;
        int songCount = 0;
        bool hasBoringSong = false;
        float boringSongBoredom = 0;
        std::string boringSongName;
        bool gigBooked = false, gigTonight = false;
        float inspiration = 0, fame = 0;
        bool cheapVan = false, tourBus = false;
        std::string desiredAsset; // "" for none
    };

    explicit SIM_Commenter(SIM_Musician* musician);
    SIM_Commenter(const SIM_Commenter&) = delete;
    SIM_Commenter& operator=(const SIM_Commenter&) = delete;
    virtual ~SIM_Commenter();

    // The daily round: decay the damping, score the daily types, show the best, then
    // forget every timed comment.
    void GenerateDailyComments();
    // A rehearsal's round: score the rehearsal types (a plain remark when nothing else
    // applies) and show the best; timed comments stay queued.
    void GenerateRehearsalComments(SIM_RehearsalVenue* venue);
    // Queues a comment for the next round. An OWN_TEXT comment needs a text.
    void AddTimedComment(TYPE type, float score, std::string text = {});

    // Scores one type and keeps it as a candidate when it beats its damping.
    void CheckComment(TYPE type, const Situation& situation);
    void PickBest(const Situation& situation);
    void ProcessComment(const SIM_Comment& comment, const Situation& situation);
    void Clear();
    void DecayPreventers();
    // Damps a band-wide type for every musician.
    static void DepressAll(TYPE type);

    // The raw score of a type in a situation, before damping (0 when it does not apply).
    static float RawScore(TYPE type, const Situation& situation);
    // The string-table section of a keyed type; "" for OWN_TEXT and POSSESION_DEMAND.
    static const char* GetTextKey(TYPE type);
    static bool IsBandWide(TYPE type) { return type >= SHOULD_REHEARSE && type <= INSPIRATION_HIGH; }
    // A random text of a section, or "" when the section is empty or has a gap.
    static std::string GetSectionText(const std::string& section);

    SIM_Musician* GetMusician() const { return musician; }
    float GetDamping(TYPE type) const { return damping[type]; }
    void SetDamping(TYPE type, float value) { damping[type] = value; }
    const std::list<std::unique_ptr<SIM_Comment>>& GetDailyComments() const { return daily; }
    const std::list<std::unique_ptr<SIM_Comment>>& GetTimedComments() const { return timed; }

    // Every live commenter, in order of construction.
    static std::vector<SIM_Commenter*> All;

protected:
    // What the musician, the band and the player character are like now.
    virtual Situation Observe(SIM_RehearsalVenue* venue) const;
    // Shows the text as a message from the musician.
    virtual void Say(const std::string& text);
    // A random song title and the band's name, for the keyed texts.
    virtual std::string RandomSongTitle() const;
    virtual std::string BandName() const;

private:
    // The other one of a relationship of this musician, as the texts name him or her.
    void ObserveRelationship(const SIM_Relationship* r, bool& has, float& value, std::string& name,
                             bool& female) const;

    SIM_Musician* musician;
    float damping[NUM_TYPES] = {};
    std::list<std::unique_ptr<SIM_Comment>> timed;
    std::list<std::unique_ptr<SIM_Comment>> daily;
};
