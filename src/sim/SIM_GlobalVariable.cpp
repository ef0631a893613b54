#include "sim/SIM_GlobalVariable.h"

#include "sim/GAssert.h"

#include <cmath>
#include <cstdlib>

SIM_GlobalVariable* SIM_GetGlobalVariables()
{
    static SIM_GlobalVariable* values = new SIM_GlobalVariable;
    return values;
}

void SIM_GlobalVariable::Load()
{
    LoadSection(Section, File);
    // Parse each key once; the first of two equal keys wins, as a lookup by key does.
    values_.clear();
    missingLogged_.clear();
    for (const KeyValue& entry : GetEntries()) {
        if (values_.count(entry.key))
            continue;
        float v = entry.value.empty() ? 0.0f : static_cast<float>(std::atof(entry.value.c_str()));
        if (!std::isfinite(v)) {
            std::string note = "Balance value is no number, read as 0: " + entry.key;
            GWarning(note.c_str(), __FILE__, __LINE__);
            v = 0.0f;
        }
        values_.emplace(entry.key, v);
    }
}

float SIM_GlobalVariable::Get(const std::string& key)
{
    auto it = values_.find(key);
    if (it != values_.end())
        return it->second;
    if (missingLogged_.insert(key).second) {
        std::string note = "Balance value missing, read as 0: " + key;
        GWarning(note.c_str(), __FILE__, __LINE__);
    }
    return 0.0f;
}

void SIM_GlobalVariable::Set(const std::string& key, float value)
{
    SetValueF(key, value);
    values_[key] = value;
}
