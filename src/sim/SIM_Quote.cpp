#include "sim/SIM_Quote.h"

#include "engine/CSpreadsheet.h"
#include "engine/GRandom.h"
#include "sim/GAssert.h"

#include <algorithm>
#include <iterator>

std::list<std::unique_ptr<SIM_Quote>> SIM_Quote::All;

SIM_Quote::SIM_Quote(std::string artist, std::string band, std::string quote)
    : artist_(std::move(artist)), band_(std::move(band)), quote_(std::move(quote))
{
}

void SIM_Quote::Load()
{
    CSpreadsheet sheet(File);
    for (const std::string& row : sheet) {
        CSV csv;
        csv.Initialise(row, ',');
        csv.GetNextToken();
        std::string artist = csv.GetNextString();
        std::string band = csv.GetNextString();
        std::string quote = csv.GetNextString();
        All.push_back(std::make_unique<SIM_Quote>(std::move(artist), std::move(band), std::move(quote)));
    }
}

void SIM_Quote::Close()
{
    All.clear();
}

const SIM_Quote* SIM_Quote::GetRandomQuote()
{
    if (All.empty())
        Load();
    if (All.empty()) {
        GWarning("No quotes found", __FILE__, __LINE__);
        return nullptr;
    }
    return std::next(All.begin(), long(GRandom::RandIndex(All.size())))->get();
}

bool SIM_Quote::Retire(const SIM_Quote* quote)
{
    auto it = std::find_if(All.begin(), All.end(), [quote](const auto& q) { return q.get() == quote; });
    if (quote == nullptr || it == All.end())
        return false;
    All.erase(it);
    return true;
}
