#include "career/SIM_Rehearsal.h"

#include <algorithm>

// Minimal: replaced when this class's rules are built.

std::vector<SIM_RehearsalData*> SIM_RehearsalData::All;

void SIM_Rehearsal::Open()
{
}

void SIM_Rehearsal::Close()
{
}

SIM_RehearsalData::SIM_RehearsalData(SIM_Musician* m) : musician(m)
{
    All.push_back(this);
}

SIM_RehearsalData::~SIM_RehearsalData()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

void SIM_RehearsalData::CalculateValue()
{
    if (songData.empty()) {
        value = 0.0f;
        return;
    }
    float sum = 0.0f;
    for (const SongData& d : songData)
        sum += d.readiness;
    value = sum / static_cast<float>(songData.size());
}

void SIM_RehearsalData::NextDay()
{
}

void SIM_RehearsalData::Rehearse(float amount)
{
    (void)amount;
}

void SIM_RehearsalData::AddSong(SIM_Song* song, float readiness)
{
    songData.push_back({song, readiness});
    CalculateValue();
}
