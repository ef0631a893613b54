#include "sim/SIM_TimeChunk.h"

#include "engine/GRandom.h"
#include "engine/GTranslation.h"
#include "sim/GAssert.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Riza.h"
#include "sim/SIM_SIM.h"

#include <cstdlib>

namespace {

// The player character's value of that name, else the global one, else none.
const SIM_NamedValue* FindNamedValue(const std::string& name)
{
    if (const SIM_NamedValue* own = SIM_GetRiza()->GetNamedValue(name, false))
        return own;
    return SIM_NamedValueList::Globals().GetNamedValue(name);
}

// The comma-separated cells of a text, untrimmed.
std::vector<std::string> Cells(const std::string& text)
{
    std::vector<std::string> cells;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        cells.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos)
            return cells;
        start = comma + 1;
    }
}

} // namespace

bool SIM_TimeChunkType::TypeModifier::Met() const
{
    const SIM_NamedValue* target = FindNamedValue(name);
    if (name == "fame")
        return SIM_GetFame()->GetFame() >= value;
    if (!target)
        return false;
    return atMost ? target->GetValue() <= value : target->GetValue() >= value;
}

void SIM_TimeChunkType::AddPreRequisite(const char* condition, bool firstFlag, bool atMostFlag)
{
    const std::string textIn = condition ? condition : "";
    if (textIn.size() <= 2)
        return;
    const std::vector<std::string> cells = Cells(textIn);
    const std::string conditionName = cells[0].substr(0, 63);
    if (conditionName.size() <= 1)
        return;
    auto modifier = std::make_unique<TypeModifier>();
    modifier->name = conditionName;
    modifier->value = cells.size() > 1 ? float(std::atof(cells[1].c_str())) : 0.0f;
    modifier->guiname = GTranslation::GetString("nv_" + conditionName);
    modifier->first = firstFlag;
    modifier->atMost = atMostFlag;
    prerequisites.push_back(std::move(modifier));
}

void SIM_TimeChunkType::ParseQuality(const char* terms)
{
    const std::string textIn = terms ? terms : "";
    if (textIn.size() < 2)
        return;
    const std::vector<std::string> cells = Cells(textIn);
    for (size_t i = 0; i < cells.size(); i += 2) {
        if (cells[i].size() < 2) {
            GAssert(false, __FILE__, __LINE__);
            continue;
        }
        auto term = std::make_unique<TypeModifier>();
        term->name = cells[i];
        term->value = i + 1 < cells.size() ? float(std::atof(cells[i + 1].c_str())) : 0.0f;
        quality.push_back(std::move(term));
    }
}

bool SIM_TimeChunkType::MeetsPrerequisites() const
{
    for (const auto& condition : prerequisites)
        if (!condition->Met())
            return false;
    return true;
}

float SIM_TimeChunkType::GetEventQuality() const
{
    float sum = 0.0f;
    for (const auto& term : quality) {
        if (const SIM_NamedValue* value = FindNamedValue(term->name)) {
            sum += value->GetValue() * term->value;
        } else if (term->name == "_random") {
            const float difficulty = SIM_GetPlayerOptions()->Get(SIM_PlayerOptions::OPTION_DIFFICULTY);
            const float luck = GRandom::RandUnitFloat() * term->value * ((1.0f - difficulty) + 0.5f);
            sum += SIM_ClampValue(luck, 0.0f, 1.0f);
        }
    }
    return sum;
}

void SIM_TimeChunk::ProcessChunk()
{
    SIM_GetSim()->EndDay();
}
