#pragma once
// Random helping-hand events for a struggling player.
// Minimal: replaced when this class's rules are built.

class SIM_Events {
public:
    void Reset();
    void NextTurn();
    // The days since the last event and each event's fired flag, as saved games hold them.
    static constexpr int NumEvents = 3;
    int GetDaysSinceLastEvent() const { return daysSinceLastEvent; }
    void SetDaysSinceLastEvent(int days) { daysSinceLastEvent = days; }
    bool GetFired(int id) const { return id >= 0 && id < NumEvents && fired[id]; }
    void SetFired(int id, bool f)
    {
        if (id >= 0 && id < NumEvents)
            fired[id] = f;
    }

private:
    int daysSinceLastEvent = 0;
    bool fired[NumEvents] = {};
};

SIM_Events* SIM_GetEvents();
