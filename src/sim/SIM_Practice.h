#pragma once
// The lasting state of the practice game: the instrument practised next, the tempo reached
// on each of the five practice instruments, and the melodies beaten on each. Melodies and
// tone sounds come from "data/practice/melodies.txt".
#include <string>
#include <vector>

class SIM_Practice {
public:
    static constexpr int NumInstruments = 5;
    static constexpr int StartBPM = 100;
    static constexpr int MaxBPM = 250;
    static constexpr int BPMStep = 2;
    static constexpr const char* MelodiesFile = "data/practice/melodies.txt";

    SIM_Practice() { Clear(); }

    // Instrument 0, every tempo 100, every list of beaten melodies empty.
    void Clear();
    int GetBPM() const;
    // +2 on the current instrument, up to 250.
    void RaiseBPM();
    // The current instrument's section names of the melodies file ("piano", "piano
    // melodies"...); empty for an instrument outside 0..4.
    std::string GetInstrumentSection() const;
    std::string GetMelodiesSection() const;
    // 0, 1, 2, 3, 4, then 0 again.
    void GotoNextInstrument();
    bool IsMelodyBeaten(int id) const;
    // The lowest id from 0 that the current instrument has not beaten.
    int GetNextMelodyID() const;
    void FinishMelody(int id);

    // What saved games hold.
    int GetInstrument() const { return instrument; }
    void SetInstrument(int i);
    int GetBPM(int instrument) const;
    void SetBPM(int instrument, int bpm);
    const std::vector<int>& GetBeaten(int instrument) const;
    void AddBeaten(int instrument, int id);

    static std::string GetInstrumentSection(int instrument);
    static std::string GetMelodiesSection(int instrument);

private:
    static bool Valid(int i) { return i >= 0 && i < NumInstruments; }

    std::vector<int> beaten[NumInstruments];
    int bpm[NumInstruments] = {};
    int instrument = 0;
};

SIM_Practice* SIM_GetPractice();
