#pragma once
// The whole computed result of one gig.
// Minimal: replaced when this class's rules are built.

#include <vector>

class SIM_Gig;

class SIM_Performance {
public:
    static void Open();
    static void Close();
    // Minimal: an uncomputed performance of the gig, kept on All until Close.
    static SIM_Performance* Create(SIM_Gig* gig);
    bool IsCancelled() const { return false; }

    static std::vector<SIM_Performance*> All;
};
