#pragma once
// Counters and the play-time clock of the yearly review and the verdict.
// Minimal: replaced when this class's rules are built.

class SIM_Statistics {
public:
    void Reset();
};

SIM_Statistics* SIM_GetStatistics();
