#include "engine/SIM_DegradingValue.h"

#include <cmath>

void SIM_DegradingValueList::AddValue(float value, float factor)
{
    values_.push_back(std::make_unique<SIM_DegradingValue>(SIM_DegradingValue {value, factor}));
}

void SIM_DegradingValueList::Process()
{
    if (values_.empty())
        return;
    for (auto& v : values_)
        v->Process();
    values_.remove_if([this](const auto& v) { return std::fabs(v->value) < threshold_; });

    float sum = 0.0f;
    for (const auto& v : values_)
        sum += v->value;
    if (sumMode_)
        total_ = sum;
    else
        total_ = values_.empty() ? 0.0f : sum / float(values_.size());
}
