#pragma once
// The band's career stage (dreamer, amateur, gigging, signed) and the daily check that
// moves it on, at most one stage a day and never back.
#include <string>

class SIM_GameMode {
public:
    enum MODE { DREAMER = 0, AMATEUR = 1, GIGGING = 2, SIGNED = 3 };
    static constexpr int NumModes = 4;

    // Back to the first stage (a new game).
    void Reset();
    // Checks only the next stage after the current one; a promotion shows the career-stage
    // screen at once.
    void CheckForPromotion();

    int GetCurrentMode() const { return mode; }
    // Restores a saved stage; a number outside the stages is noted in the debug log and
    // brought into range.
    void SetCurrentMode(int stage);
    // The title and text of the current stage, from the string table.
    std::string GetTitle() const;
    std::string GetDescription() const;

    // The checks, one per stage: each promotes when the band qualifies for the next stage.
    void CheckForAmateur();
    void CheckForGigging();
    void CheckForSigned();
    void CheckForStar();

    // The string-table keys of a stage's title and text.
    static const char* TitleKey(int stage);
    static const char* TextKey(int stage);

private:
    void Promote(MODE next);

    int mode = DREAMER;
};

SIM_GameMode* SIM_GetGameMode();
