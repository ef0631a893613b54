#pragma once
// The play balancer: keeps the player's net worth day by day and judges whether the player
// is stuck (the helping random events only come to a stuck player).
#include <deque>

class GAM_PlayBalancer {
public:
    enum STATUS { STATUS_NORMAL = 0, STATUS_WINNING = 1, STATUS_STUCK = 2 };
    // One day of the history: the net worth at the end of that day.
    struct BALANCE_LOGENTRY {
        float worth = 0.0f;
    };
    // The days compared: the newest ten against the ten before them.
    static constexpr int kWindow = 10;

    // A new game: status normal, no history, ratio 0.
    void Reset();
    // The daily step: records today's net worth, then judges the day.
    void NextDay();
    // Puts the current net worth at the front (newest end) of the history.
    void WriteHistory();
    // Cash, plus the rental paid for every booked gig that paid one, plus what the owned
    // assets are worth (merchandise at its stock's sale value, the rest at cost).
    static float GetNetWorth();
    // No one is ever judged to be winning.
    bool IsWinning();
    // Stuck when the net worth of the newest ten days grew by less than 5% over the ten
    // before: (newest - earlier) < 0.05 x |earlier|, which for a positive worth is a growth
    // ratio below 1.05, and which also holds for a player sinking deeper into debt. Never
    // stuck with fewer than 20 days of history.
    bool IsStuck();
    int GetStatus() const { return status; }
    // The last growth ratio, newest ten over the ten before (infinite or not a number
    // when the earlier ten sum to 0).
    float GetRatio() const { return ratio; }

    // For saved games: the history newest first, and the way back in.
    const std::deque<BALANCE_LOGENTRY>& GetHistory() const { return history; }
    void SetStatus(int s) { status = s; }
    // Appends at the oldest end: a saved history read in its saved order comes back whole.
    void AddEntry(float worth) { history.push_back({worth}); }

private:
    std::deque<BALANCE_LOGENTRY> history; // newest first
    float ratio = 0.0f;
    int status = STATUS_NORMAL;
};

GAM_PlayBalancer* GAM_GetBalancer();
