#pragma once
// Lucky breaks for a struggling player: once the play balancer judges the player stuck, a
// random helping event may come at the end of a day, each kind at most once per game.
class SIM_Asset;
class SIM_Musician;

// What the events read of the play balancer: its judgement of the last day and the
// player's net worth. The game reads the play balancer; tests put their own in place.
class SIM_EventsBalance {
public:
    static constexpr int StatusStuck = 2;
    virtual ~SIM_EventsBalance() = default;
    virtual int GetStatus() = 0;
    virtual float GetNetWorth() = 0;
};

class SIM_Events {
public:
    enum EVENTID { GIVEN_INSTRUMENT = 0, WEALTHY_RELATIVE = 1, ROCKSTAR_MENTION = 2 };
    static constexpr int NumEvents = 3;
    // No event comes while the day counter is at or below this (the first ten days).
    static constexpr int QuietDays = 9;
    // The least a wealthy relative gives, and the fame a rock star's mention adds at least.
    static constexpr float WealthyRelativeFloor = 60.0f;
    static constexpr float MentionFameFloor = 5.0f;
    // Instruments that cost this much or more are never given away.
    static constexpr float Priceless = 99999.0f;

    // Day counter 0, no event fired (construction and a new game).
    void Reset();
    // The day's step: counts the day and, after the quiet days, gives a stuck player an
    // event that has not happened yet.
    void NextTurn();
    // Picks one of the events still valid at random; nothing when none is.
    void ChoosePositiveEvent();
    bool IsValid(EVENTID id) const;
    // Marks the event fired and makes it happen. The given instrument needs a musician
    // and an instrument for them: without, it is reported and nothing is used up.
    void TriggerEvent(EVENTID id);
    void TriggerWealthyRelative();
    void TriggerRockStarMention();
    void GiveInstrument();
    // Whether the band's most talented musician could be given an instrument.
    bool CanGiveInstrument() const;
    // The cheapest desirable instrument on sale for the musician's instrument; none gives
    // null.
    static SIM_Asset* GetGivenInstrument(const SIM_Musician* musician);
    // The relative's gift for a net worth: a quarter of it, at least the floor, cut down to
    // a multiple of 5.
    static float WealthyRelativeAmount(float netWorth);
    // The fame a mention adds at the given fame: a quarter of it, at least the floor.
    static float MentionFame(float fame);

    // Saved with the game: the day counter (days since the game started; the save names it
    // days since the last event) and each event's fired flag. Ids outside the events read
    // false and are not written.
    int GetDaysSinceLastEvent() const { return dayCounter; }
    void SetDaysSinceLastEvent(int days) { dayCounter = days; }
    bool GetFired(int id) const { return InRange(id) && fired[id]; }
    void SetFired(int id, bool isFired);

    // Puts a balance reader in place (the caller keeps it); null restores the play
    // balancer's.
    static void SetBalance(SIM_EventsBalance* balance);
    static SIM_EventsBalance* GetBalance();

private:
    static bool InRange(int id) { return id >= 0 && id < NumEvents; }

    int dayCounter = 0;
    bool fired[NumEvents] = {};
};

SIM_Events* SIM_GetEvents();
