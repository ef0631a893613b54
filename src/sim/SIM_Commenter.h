#pragma once
// A musician's comment generator: each day the best-scoring remark becomes a message
// from that musician.
// Minimal: replaced when this class's rules are built.
#include <vector>

class SIM_Musician;

class SIM_Commenter {
public:
    explicit SIM_Commenter(SIM_Musician* musician);
    SIM_Commenter(const SIM_Commenter&) = delete;
    SIM_Commenter& operator=(const SIM_Commenter&) = delete;
    virtual ~SIM_Commenter();

    // The daily round of comments.
    void GenerateDailyComments();
    SIM_Musician* GetMusician() const { return musician; }

    // Every live commenter, in order of construction.
    static std::vector<SIM_Commenter*> All;

private:
    SIM_Musician* musician;
};
