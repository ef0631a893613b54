#pragma once
// Decides when an endorsement is offered.
// Minimal: replaced when this class's rules are built.

class SIM_EndorsementManager {
public:
    void Initialise();
    void NextDay();
};

SIM_EndorsementManager* SIM_GetEndorsements();
