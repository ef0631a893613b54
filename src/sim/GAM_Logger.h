#pragma once
// The turn logger, a developer's aid for balancing: appends one line of the day's figures
// to "balance_log.txt" in the per-user folder.
#include <string>

class GAM_Logger {
public:
    // The band's means of motivation, resentment, ability and stress; with no musicians
    // the previous means stay.
    void CalculateData();
    // Appends "turn,fame,cash,motivation,resentment,ability,stress" (the means x 100, all
    // truncated) with the means of the previous CalculateData, then calculates them
    // afresh. The file is rewritten whole (atomically); a failure is one line in the
    // debug log and the game goes on.
    void LogTurn();

    float GetMotivation() const { return motivation; }
    float GetResentment() const { return resentment; }
    float GetAbility() const { return ability; }
    float GetStress() const { return stress; }

    // "<per-user folder>/balance_log.txt".
    static std::string GetPath();

private:
    float motivation = 0.0f;
    float resentment = 0.0f;
    float ability = 0.0f;
    float stress = 0.0f;
};
