#pragma once
// The rival bands and the gigs they play.
// Minimal: replaced when this class's rules are built.

class SIM_OtherBandManager {
public:
    void Open();
    void Close();
    void GenerateGigs();
};

SIM_OtherBandManager* SIM_GetOtherBands();
