#include "sim/SIM_Practice.h"

#include <algorithm>

namespace {
struct PracticeSections {
    const char* instrument;
    const char* melodies;
};
const PracticeSections kSections[SIM_Practice::NumInstruments] = {
    {"piano", "piano melodies"},   {"bass", "bass melodies"},    {"organ", "organ melodies"},
    {"guitar", "guitar melodies"}, {"drums", "drum melodies"},
};
const std::vector<int> kNone;
}

SIM_Practice* SIM_GetPractice()
{
    static SIM_Practice* practice = new SIM_Practice;
    return practice;
}

void SIM_Practice::Clear()
{
    instrument = 0;
    for (int i = 0; i < NumInstruments; ++i) {
        bpm[i] = StartBPM;
        beaten[i].clear();
    }
}

int SIM_Practice::GetBPM() const
{
    return GetBPM(instrument);
}

void SIM_Practice::RaiseBPM()
{
    if (Valid(instrument))
        bpm[instrument] = std::min(bpm[instrument] + BPMStep, MaxBPM);
}

std::string SIM_Practice::GetInstrumentSection() const
{
    return GetInstrumentSection(instrument);
}

std::string SIM_Practice::GetMelodiesSection() const
{
    return GetMelodiesSection(instrument);
}

std::string SIM_Practice::GetInstrumentSection(int i)
{
    return Valid(i) ? kSections[i].instrument : "";
}

std::string SIM_Practice::GetMelodiesSection(int i)
{
    return Valid(i) ? kSections[i].melodies : "";
}

void SIM_Practice::GotoNextInstrument()
{
    instrument = Valid(instrument + 1) ? instrument + 1 : 0;
}

bool SIM_Practice::IsMelodyBeaten(int id) const
{
    const std::vector<int>& list = GetBeaten(instrument);
    return std::find(list.begin(), list.end(), id) != list.end();
}

int SIM_Practice::GetNextMelodyID() const
{
    int id = 0;
    while (IsMelodyBeaten(id))
        ++id;
    return id;
}

void SIM_Practice::FinishMelody(int id)
{
    AddBeaten(instrument, id);
}

void SIM_Practice::SetInstrument(int i)
{
    // A damaged save must not leave the practice screen on no instrument at all.
    instrument = Valid(i) ? i : 0;
}

int SIM_Practice::GetBPM(int i) const
{
    return Valid(i) ? bpm[i] : StartBPM;
}

void SIM_Practice::SetBPM(int i, int value)
{
    if (Valid(i))
        bpm[i] = std::clamp(value, StartBPM, MaxBPM);
}

const std::vector<int>& SIM_Practice::GetBeaten(int i) const
{
    return Valid(i) ? beaten[i] : kNone;
}

void SIM_Practice::AddBeaten(int i, int id)
{
    if (Valid(i))
        beaten[i].push_back(id);
}
