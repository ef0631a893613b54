#pragma once
// The charity gigs offered to the band.
// Minimal: replaced when this class's rules are built.

class SIM_CharityGigManager {
public:
    void GenerateGigs();
};

SIM_CharityGigManager* SIM_GetCharityGigManager();
