#pragma once
// A day's rehearsal and each musician's rehearsal record.
// Minimal: replaced when this class's rules are built.
#include <vector>

class SIM_Musician;
class SIM_Song;

class SIM_Rehearsal {
public:
    static void Open();
    static void Close();
};

// One musician's readiness for each song.
class SIM_RehearsalData {
public:
    struct SongData {
        SIM_Song* song = nullptr;
        float readiness = 0.0f;
    };

    explicit SIM_RehearsalData(SIM_Musician* musician);
    SIM_RehearsalData(const SIM_RehearsalData&) = delete;
    SIM_RehearsalData& operator=(const SIM_RehearsalData&) = delete;
    virtual ~SIM_RehearsalData();

    // The mean readiness.
    float GetValue() const { return value; }
    void CalculateValue();
    // The daily fade.
    void NextDay();
    void Rehearse(float amount);
    void AddSong(SIM_Song* song, float readiness);
    SIM_Musician* GetMusician() const { return musician; }

    // Every record, of band members and candidates alike.
    static std::vector<SIM_RehearsalData*> All;

private:
    std::vector<SongData> songData;
    float value = 0.0f;
    SIM_Musician* musician;
};
