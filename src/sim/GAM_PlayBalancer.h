#pragma once
// The play balancer: the day-by-day record of the player's net worth.
// Minimal: replaced when this class's rules are built.

#include <vector>

class GAM_PlayBalancer {
public:
    void Reset();
    void NextDay();
    // The status and the net-worth history, as saved games hold them.
    int GetStatus() const { return status; }
    void SetStatus(int s) { status = s; }
    const std::vector<float>& GetHistory() const { return history; }
    void AddWorth(float worth) { history.push_back(worth); }

private:
    int status = 0;
    std::vector<float> history;
};

GAM_PlayBalancer* GAM_GetBalancer();
