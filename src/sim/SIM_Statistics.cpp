#include "sim/SIM_Statistics.h"

#include "sim/GAssert.h"

SIM_Statistics* SIM_GetStatistics()
{
    static SIM_Statistics* statistics = new SIM_Statistics;
    return statistics;
}

bool SIM_Statistics::Valid(int counter, int count)
{
    bool valid = counter >= 0 && counter < count;
    GAssert(valid, __FILE__, __LINE__);
    return valid;
}

void SIM_Statistics::Reset()
{
    for (int& c : counters)
        c = 0;
    for (float& c : floatcounters)
        c = 0.0f;
}

void SIM_Statistics::ChangeCounter(int amount, COUNTERS counter)
{
    if (Valid(counter, NUM_COUNTERS))
        counters[counter] += amount;
}

void SIM_Statistics::ChangeCounter(float amount, FLOATCOUNTERS counter)
{
    if (Valid(counter, NUM_FLOATCOUNTERS))
        floatcounters[counter] += amount;
}

void SIM_Statistics::CheckHighest(float amount, FLOATCOUNTERS counter)
{
    if (Valid(counter, NUM_FLOATCOUNTERS) && amount > floatcounters[counter])
        floatcounters[counter] = amount;
}

int SIM_Statistics::GetIntCounter(COUNTERS counter) const
{
    return Valid(counter, NUM_COUNTERS) ? counters[counter] : 0;
}

float SIM_Statistics::GetFloatCounter(FLOATCOUNTERS counter) const
{
    return Valid(counter, NUM_FLOATCOUNTERS) ? floatcounters[counter] : 0.0f;
}

void SIM_Statistics::SetIntCounter(COUNTERS counter, int value)
{
    if (Valid(counter, NUM_COUNTERS))
        counters[counter] = value;
}

void SIM_Statistics::SetFloatCounter(FLOATCOUNTERS counter, float value)
{
    if (Valid(counter, NUM_FLOATCOUNTERS))
        floatcounters[counter] = value;
}

void SIM_Statistics::StartTimer()
{
    if (timer.IsPaused())
        timer.UnPauseTimer();
    else
        timer.StartTimer();
}

void SIM_Statistics::StopTimer()
{
    timer.Update();
    timer.PauseTimer();
}
