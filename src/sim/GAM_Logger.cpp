#include "sim/GAM_Logger.h"

#include "port/AtomicFile.h"
#include "port/Paths.h"
#include "sim/GAssert.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_SIM.h"

#include <cmath>
#include <cstdio>

namespace {

// A figure as a whole number: truncated, a value beyond the int range held at its edge,
// not-a-number as 0 (the log must never hold a conversion the language leaves undefined).
long long Truncate(float value)
{
    if (std::isnan(value))
        return 0;
    const double limit = 2147483647.0;
    return static_cast<long long>(std::fmax(-limit - 1.0, std::fmin(limit, std::trunc(double(value)))));
}

} // namespace

std::string GAM_Logger::GetPath()
{
    return GetUserFolder() + "/balance_log.txt";
}

void GAM_Logger::CalculateData()
{
    const auto& members = SIM_GetBand()->GetMembers();
    if (members.empty())
        return;
    float sums[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    for (SIM_Musician* musician : members) {
        sums[0] += musician->GetMotivation();
        sums[1] += musician->GetResentment();
        sums[2] += musician->GetAbility();
        sums[3] += musician->GetStress()->GetValue();
    }
    const float count = float(members.size());
    motivation = sums[0] / count;
    resentment = sums[1] / count;
    ability = sums[2] / count;
    stress = sums[3] / count;
}

void GAM_Logger::LogTurn()
{
    char line[128];
    std::snprintf(line, sizeof line, "%lld,%lld,%lld,%lld,%lld,%lld,%lld\n",
                  static_cast<long long>(SIM_GetSim()->GetTurnCount()), Truncate(SIM_GetFame()->GetFame()),
                  Truncate(SIM_GetFinances()->GetCash()), Truncate(100.0f * motivation),
                  Truncate(100.0f * resentment), Truncate(100.0f * ability), Truncate(100.0f * stress));
    CalculateData();

    const std::string path = GetPath();
    std::string text;
    if (std::FILE* in = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0)
            text.append(buffer, got);
        std::fclose(in);
    }
    text += line;
    if (!WriteFileAtomically(path, text))
        GWarning(("Failed to write the balance log " + path).c_str(), __FILE__, __LINE__);
}
