#pragma once
// Values that shrink by their own factor at every step and drop out once negligible; the
// list reports their average (or their sum).
#include <list>
#include <memory>

// One shrinking value.
struct SIM_DegradingValue {
    float value = 0.0f;
    float factor = 1.0f;
    void Process() { value *= factor; }
};

// The shrinking values and their running total.
class SIM_DegradingValueList {
public:
    SIM_DegradingValueList() = default;
    virtual ~SIM_DegradingValueList() = default;

    void AddValue(float value, float factor);
    // One step: every value shrinks, negligible ones go, the total is recomputed. With no
    // values the total keeps its last reading.
    void Process();

    float GetTotal() const { return total_; }
    // Sum mode reports the sum of the values; otherwise their average.
    void SetSumMode(bool sum) { sumMode_ = sum; }
    bool GetSumMode() const { return sumMode_; }
    size_t Count() const { return values_.size(); }

private:
    bool sumMode_ = false;
    float total_ = 0.0f;
    float threshold_ = 0.01f;
    std::list<std::unique_ptr<SIM_DegradingValue>> values_;
};
